#include "ui/Unit_saveText.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "core/Codes.h"
#include "core/Feedback.h"
#include "ui/DialogParts.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/HelpTopics.h"
#include "ui/Keyboard.h"
#include "ui/Platform.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

int ClampColumns(int columns) { return std::clamp(columns, 2, 100); }

FileNameEdit::FileNameEdit(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  edit = new QLineEdit(this);
  edit->setObjectName("FilenameEdit1");
  edit->setToolTip(tr("Type the file name, or click the right button to select it"));
  browse = new QToolButton(this);
  browse->setObjectName("FilenameEdit1Button");
  browse->setText("...");
  browse->setToolTip(tr("Please select text file name"));
  browse->setAccessibleName(browse->toolTip());
  row->addWidget(edit, 1);
  row->addWidget(browse);
  connect(browse, &QToolButton::clicked, this, [this] {
    const QString chosen = platform().saveFileName(window(), tr("Save randoms to file"),
                                                   tr("All text files (*.txt)"), "txt", FileName());
    if (!chosen.isEmpty()) setChosen(chosen);
  });
}

void FileNameEdit::setChosen(const QString& path) {
  edit->setText(path.contains(' ') ? "\"" + path + "\"" : path);
}

QString FileNameEdit::FileName() const {
  const QString text = edit->text();
  if (!text.isEmpty() && QFileInfo::exists(text)) return text;
  QString word;
  bool quoted = false;
  int i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      break;
    } else {
      word += c;
    }
  }
  return word;
}

TFormSaveText::TFormSaveText(QWidget* parent, const Trandom_base* generator, ui::PageKind pageKind,
                             int columns)
    : QDialog(parent), Generator(generator), PageKind(pageKind) {
  setObjectName("TFormSaveText");
  setWindowTitle(tr("Save Data to Text File"));
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);

  auto* fileGroup = new QGroupBox(tr("File Name"), this);
  auto* fileGrid = new QGridLayout(fileGroup);
  FilenameEdit1 = new FileNameEdit(fileGroup);
  raOverwrite = new QRadioButton(tr("C&reate or Overwrite file"), fileGroup);
  raOverwrite->setObjectName("raOverwrite");
  raOverwrite->setChecked(true);
  raAppend = new QRadioButton(tr("Append to &end of file"), fileGroup);
  raAppend->setObjectName("raAppend");
  auto* nameLabel = new QLabel(tr("File &name"), fileGroup);
  nameLabel->setBuddy(FilenameEdit1->edit);
  FilenameEdit1->edit->setAccessibleName(tr("File name"));  // the label sits outside the edit's own widget
  fileGrid->addWidget(nameLabel, 0, 0);
  fileGrid->addWidget(FilenameEdit1, 0, 1);
  fileGrid->addWidget(raOverwrite, 1, 1);
  fileGrid->addWidget(raAppend, 2, 1);
  layout->addWidget(fileGroup);

  auto* row = new QHBoxLayout;
  auto* perLine = new QGroupBox(tr("Numbers Per Line"), this);
  auto* perGrid = new QGridLayout(perLine);
  raSingleLine = new QRadioButton(tr("Single &Line / All numbers in one line"), perLine);
  raSingleLine->setObjectName("raSingleLine");
  raSingleLine->setMinimumWidth(raSingleLine->sizeHint().width());
  raMutiCol = new QRadioButton(tr("No. &Columns per Line"), perLine);
  raMutiCol->setObjectName("raMutiCol");
  raMutiCol->setChecked(true);
  RxSpinEdit1 = ColumnsSpin(perLine);
  rxOnecol = new QRadioButton(tr("One N&umber per Line"), perLine);
  rxOnecol->setObjectName("rxOnecol");
  perGrid->addWidget(raSingleLine, 0, 0, 1, 2);
  perGrid->addWidget(raMutiCol, 1, 0);
  perGrid->addWidget(RxSpinEdit1, 1, 1);
  perGrid->addWidget(rxOnecol, 2, 0, 1, 2);
  perGrid->setContentsMargins(6, 6, 4, 6);
  row->addWidget(perLine, 1);
  // The separators take what their captions need; the layouts the rest, so
  // that "Single Line / All numbers in one line" is shown whole.
  const SeparatorGroup format(this, "RaTab", "RaComma", "RaSpace");
  format.group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  RaTab = format.tab;
  RaComma = format.comma;
  RaSpace = format.space;
  row->addWidget(format.group);
  layout->addLayout(row);

  btnSave = new QPushButton(tr("&Save"), this);
  btnSave->setObjectName("btnSave");
  btnview = new QPushButton(tr("&View"), this);
  btnview->setObjectName("btnview");
  Button3 = new QPushButton(tr("Cl&ose"), this);
  Button3->setObjectName("Button3");
  layout->addLayout(ButtonRow({btnSave, btnview, Button3}));
  btnSave->setDefault(true);  // Enter saves

  connect(btnSave, &QPushButton::clicked, this,
          [this] { RunGuarded(parentWidget(), [this] { btnSaveClick(); }); });
  connect(btnview, &QPushButton::clicked, this, [this] { btnviewClick(); });
  connect(Button3, &QPushButton::clicked, this, &QDialog::close);
  AddHelpKey(this, [this] { return HelpContext(); });
  CentreOnDesktop(this);

  RxSpinEdit1->setValue(ClampColumns(columns));
  // 437 x 329 at the usual font; larger when a larger font needs it.
  resize(QSize(437, 329).expandedTo(minimumSizeHint()));
  OrderTabs(this);
  FilenameEdit1->edit->setFocus();  // where the file name is typed
}

void TFormSaveText::fixLayout() {
  raMutiCol->setChecked(true);
  raMutiCol->setEnabled(true);
  for (QWidget* w : std::initializer_list<QWidget*>{RxSpinEdit1, raSingleLine, rxOnecol})
    w->setEnabled(false);
}

int TFormSaveText::HelpContext() const { return TopicsOf(PageKind).save; }

void TFormSaveText::ReadOptions() {
  if (FilenameEdit1->FileName().trimmed().isEmpty()) RefuseInput(tr("Please input file name! "));
  Par.FileName = FilenameEdit1->FileName().toStdString();
  Par.Append = !raOverwrite->isChecked();
  if (raSingleLine->isChecked()) {
    Par.OneLine = true;
    Par.PerLine = 1;
  } else {
    Par.OneLine = false;
  }
  if (rxOnecol->isChecked()) Par.PerLine = 1;
  if (raMutiCol->isChecked()) Par.PerLine = RxSpinEdit1->value();
  Par.Separator = RaTab->isChecked() ? SeparatorTab : RaComma->isChecked() ? SeparatorComma : SeparatorSpace;
}

void TFormSaveText::btnSaveClick() {
  ReadOptions();
  btnSave->setEnabled(false);
  const auto enable = qScopeGuard([this] { btnSave->setEnabled(true); });
  if (Save ? Save(Par) : (Generator->SaveText(Par), true))
    platform().messageBox(this, tr("The randoms have been saved as text file!"), Icon::Information, false);
}

void TFormSaveText::btnviewClick() {
  const QString name = FilenameEdit1->FileName();
  if (!name.isEmpty() && QFileInfo::exists(name)) OpenUrl(this, QUrl::fromLocalFile(name));
}

}  // namespace quenvar::ui
