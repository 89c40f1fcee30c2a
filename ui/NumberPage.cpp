#include "ui/NumberPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/Feedback.h"
#include "generators/NumberRules.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::number;

NumberPage::NumberPage() : GeneratorPage(InfoOf(Tab::Number)) {
  auto* row = new QHBoxLayout(inputPanel());
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(10);

  const char kRangeHint[] = QT_TR_NOOP("Between -2147483647 and  2147483647");
  auto* range = new QGroupBox(tr("Range"), inputPanel());
  auto* grid = new QGridLayout(range);
  auto spin = [&](const char* name, const QString& label, const runs::Option& option, const QString& hint,
                  void (NumberPage::*exit)()) {
    auto* box = new TSpinEdit(range, option.min, option.max, option.fallback, hint);
    box->setObjectName(name);
    box->setMinimumWidth(130);
    auto* caption = new QLabel(label, range);
    caption->setBuddy(box);
    grid->addWidget(caption, grid->rowCount(), 0);
    grid->addWidget(box, grid->rowCount() - 1, 1);
    connect(box, &QSpinBox::editingFinished, this, exit);
    return box;
  };
  RxSpinLow = spin("RxSpinLow", tr("&Lower"), kLower, tr(kRangeHint), &NumberPage::RxSpinLowExit);
  RxSpinUpper = spin("RxSpinUpper", tr("&Upper"), kUpper, tr(kRangeHint), &NumberPage::RxSpinUpperExit);
  RxSpinCount = spin("RxSpinCount", tr("&Count to"), kCount, tr("Between 1 and 2147483647"),
                     &NumberPage::RxSpinCountExit);
  ChDuplicate = new QCheckBox(tr("Allow &duplicate randoms"), range);
  ChDuplicate->setObjectName("ChDuplicate");
  grid->addWidget(ChDuplicate, grid->rowCount(), 0, 1, 2);
  connect(ChDuplicate, &QCheckBox::clicked, this, [this] { ChDuplicateClick(); });
  row->addWidget(range, 3);

  auto* digits = new QGroupBox(tr("Exclude Digits"), inputPanel());
  auto* digitRow = new QGridLayout(digits);  // two rows: 0 to 4, 5 to 9
  for (int d = 0; d <= 9; ++d) {
    Ch[d] = new QCheckBox("&" + QString::number(d), digits);
    Ch[d]->setObjectName("Ch" + QString::number(d));
    Ch[d]->setAccessibleName(tr("Exclude digit %1").arg(d));
    digitRow->addWidget(Ch[d], d / 5, d % 5);
    connect(Ch[d], &QCheckBox::clicked, this, [this] { Ch0Click(); });
  }
  row->addWidget(digits, 3);
  row->addWidget(seed, 2);

  exports().enableDistribution();
  input.ExcludeKind = ExcludeDigits;
  ChDuplicateClick();
  RxSpinLowExit();
  RxSpinUpperExit();
  RxSpinCountExit();
}

void NumberPage::Ch0Click() {
  input.Excluded.clear();
  for (int d = 0; d <= 9; ++d)
    if (Ch[d]->isChecked()) input.Excluded.push_back(d);
}

void NumberPage::exchangeSettings(SettingsExchange& settings) {
  settings.section("Simply");
  settings.columns({"column", 2}, *this);
  settings.comma({"comma", false}, *this);
  settings.check({"isduplicate", false}, ChDuplicate);
  settings.spin({"low", kLower.fallback}, RxSpinLow);
  settings.spin({"upper", kUpper.fallback}, RxSpinUpper);
  settings.spin({"countto", kCount.fallback}, RxSpinCount);
  if (settings.reading()) {
    ChDuplicateClick();
    RxSpinLowExit();
    RxSpinUpperExit();
    RxSpinCountExit();
  }
  settings.sortOrder({"sortby", runs::kSort.fallback}, *this);
}

void NumberPage::validateInputs() {
  if (auto error = NumberInputError(RxSpinLow->value(), RxSpinUpper->value(), input.Excluded.size()))
    RefuseInput(*error);
}

void NumberPage::generate(RandomSource& source) {
  unsigned digits = 0;
  for (const int32_t d : input.Excluded) digits |= 1u << d;
  run_ = {input.Lower, input.Upper, input.Duplicate, digits};
  // The run is weighed before it draws, with the sorting and formatting the
  // page will ask for.
  generator.Engine.PlanFormat(TformatPar{SortOrder, Comma, radix});
  GeneratorPage::generate(source);
}

Distribution NumberPage::distribution() const {
  return NumberDistribution(generator.Engine.Randoms, run_.lower, run_.upper, run_.repeats,
                            run_.excludedDigits);
}

QStringList NumberPage::commandLine() const {
  QStringList args{Arg(runs::kNumber),           Arg(kLower), QString::number(input.Lower), Arg(kUpper),
                   QString::number(input.Upper), Arg(kCount), QString::number(input.Count)};
  if (input.Duplicate) args << Arg(kDuplicates);
  if (!input.Excluded.empty()) {
    QString digits;
    for (const int d : input.Excluded) digits += QString::number(d);
    args << Arg(kExcludeDigits) << digits;
  }
  return args << Arg(runs::kSeed) << QString::number(seed->lastTaken());
}

QString NumberPage::totalsText() const {
  return Translated(NumberTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal()));
}

}  // namespace quenvar::ui
