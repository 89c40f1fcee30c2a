#include "ui/NamePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QUrl>

#include "core/Errors.h"
#include "generators/NameRules.h"
#include "ui/Folders.h"
#include "ui/Platform.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::name;

NamePage::NamePage() : GeneratorPage(InfoOf(Tab::Name)) {
  auto* row = new QHBoxLayout(inputPanel());
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(10);

  auto* gender = new QGroupBox(tr("Gender"), inputPanel());
  auto* genderGrid = new QGridLayout(gender);
  // A list's line: its check box (or label) and the button that opens it.
  auto viewButton = [&](const char* name, const QString& hint, void (NamePage::*click)()) {
    auto* button = new QToolButton(gender);
    button->setObjectName(name);
    button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this,
            [this, click] { guarded([this, click] { (this->*click)(); }); });
    return button;
  };
  chmale = new QCheckBox(tr("&Male first name"), gender);
  chmale->setObjectName("chmale");
  chmale->setChecked(true);
  MaleView = viewButton("MaleView", tr("View or Edit male first name"), &NamePage::MaleViewClick);
  chFemale = new QCheckBox(tr("&Female first name"), gender);
  chFemale->setObjectName("chFemale");
  chFemale->setChecked(true);
  ViewFemale = viewButton("ViewFemale", tr("View or Edit female first name"), &NamePage::ViewFemaleClick);
  auto* Label18 = new QLabel(tr("&last name"), gender);
  SpeedButton3 = viewButton("SpeedButton3", tr("View or Edit last name"), &NamePage::SpeedButton3Click);
  Label18->setBuddy(SpeedButton3);
  genderGrid->addWidget(chmale, 0, 0);
  genderGrid->addWidget(MaleView, 0, 1);
  genderGrid->addWidget(chFemale, 1, 0);
  genderGrid->addWidget(ViewFemale, 1, 1);
  genderGrid->addWidget(Label18, 2, 0);
  genderGrid->addWidget(SpeedButton3, 2, 1);
  genderGrid->setColumnStretch(2, 1);
  connect(chmale, &QCheckBox::clicked, this, [this] { chmaleClick(); });
  connect(chFemale, &QCheckBox::clicked, this, [this] { chFemaleClick(); });
  row->addWidget(gender, 3);

  auto* range = new QGroupBox(tr("Range"), inputPanel());
  auto* rangeGrid = new QGridLayout(range);
  auto* Label17 = new QLabel(tr("&Count to"), range);
  RxSpinEdit44 =
      new TSpinEdit(range, kCount.min, kCount.max, kCount.fallback, tr("Between 1 and 2147483647"));
  RxSpinEdit44->setObjectName("RxSpinEdit44");
  RxSpinEdit44->setMinimumWidth(130);
  Label17->setBuddy(RxSpinEdit44);
  CheckBox44 = new QCheckBox(tr("Allow &duplicate names"), range);
  CheckBox44->setObjectName("CheckBox44");
  rangeGrid->addWidget(Label17, 0, 0);
  rangeGrid->addWidget(RxSpinEdit44, 0, 1);
  rangeGrid->addWidget(CheckBox44, 1, 0, 1, 2);
  connect(RxSpinEdit44, &QSpinBox::editingFinished, this, [this] { RxSpinEdit44Exit(); });
  connect(CheckBox44, &QCheckBox::clicked, this, [this] { CheckBox44Click(); });
  row->addWidget(range, 3);
  row->addWidget(seed, 2);

  const NameLists lists = NameListFiles(paths::Use::Edit);
  input.FemaleFile = lists.female;
  input.MaleFile = lists.male;
  input.LastFile = lists.last;
  input.Gender = GenderNone;
  chFemaleClick();
  chmaleClick();
  RxSpinEdit44Exit();
  CheckBox44Click();
}

void NamePage::exchangeSettings(SettingsExchange& settings) {
  settings.section("Name");
  settings.columns({"column", 2}, *this);
}

void NamePage::validateInputs() {
  if (auto error = NameInputError(input.Gender)) {
    platform().messageBox(window(), MessageText(Translated(*error)), Icon::Warning, false);
    throw EAbort();
  }
}

QStringList NamePage::commandLine() const {
  // The gender's words have the codes 1 to 3; none chosen reads both lists.
  const int gender = (input.Gender & GenderBoth) == 0 ? kGender.fallback : (input.Gender & GenderBoth) - 1;
  const auto path = [](const std::string& file) { return QString::fromStdString(file); };
  QStringList args{Arg(runs::kName),
                   Arg(kGender),
                   Arg(kGender, gender),
                   Arg(kFemale, path(input.FemaleFile)),
                   Arg(kMale, path(input.MaleFile)),
                   Arg(kLast, path(input.LastFile)),
                   Arg(kCount),
                   QString::number(input.Count)};
  if (input.Duplicate) args << Arg(kDuplicates);
  return args << Arg(runs::kSeed) << QString::number(seed->lastTaken());
}

void NamePage::writeCommandFiles() {
  // Copies of the lists the run read, so that an edit made later leaves the
  // command repeating the run.
  struct List {
    const runs::Option& option;
    const char* prefix;
    const TArrayString& names;
    TGender gender;  // the list of first names it is; GenderNone: always read
  };
  const List lists[] = {{kFemale, "female-names-", generator.FemaleNames, GenderFemale},
                        {kMale, "male-names-", generator.MaleNames, GenderMale},
                        {kLast, "last-names-", generator.LastNames, GenderNone}};
  for (const List& list : lists) {
    if (list.gender != GenderNone && (generator.Input.Gender & list.gender) == 0) continue;  // not read
    const QString path =
        RunExports::WriteCommandFile(list.prefix, ".txt", RunExports::LinesText(list.names), tr("name list"));
    const QString option = Arg(list.option, "");
    for (QString& word : exports().recordedRun())
      if (word.startsWith(option)) word = option + path;
  }
}

QString NamePage::totalsText() const {
  return Translated(NameTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal()));
}

void NamePage::openList(const std::string& path) {
  // Neither checked nor waited for: an edited list is read at the next run.
  OpenUrl(window(), QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace quenvar::ui
