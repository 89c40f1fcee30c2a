#include "ui/UnitprintText.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStyle>
#include <QVBoxLayout>

#include "core/Codes.h"
#include "ui/DialogParts.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/HelpTopics.h"
#include "ui/Keyboard.h"
#include "ui/Platform.h"
#include "ui/PrintPreview.h"
#include "ui/PrinterSetup.h"
#include "ui/QtPrinting.h"
#include "ui/Unit_saveText.h"

namespace quenvar::ui {

TFormPrinttext::TFormPrinttext(QWidget* parent, const Trandom_base* generator, ui::PageKind pageKind,
                               int columns)
    : QDialog(parent), Generator(generator), PageKind(pageKind) {
  setObjectName("TFormPrinttext");
  setWindowTitle(tr("Print Data"));
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;

  auto* perLine = new QGroupBox(tr("Numbers Per Line"), this);
  auto* perGrid = new QGridLayout(perLine);
  raMutiCol = new QRadioButton(tr("No. &Columns per Line"), perLine);
  raMutiCol->setObjectName("raMutiCol");
  raMutiCol->setChecked(true);
  RxSpinEdit1 = ColumnsSpin(perLine);
  rxOnecol = new QRadioButton(tr("One N&umber per Line"), perLine);
  rxOnecol->setObjectName("rxOnecol");
  raMutiCol->setMinimumWidth(raMutiCol->sizeHint().width());  // never under its spin box
  perGrid->addWidget(raMutiCol, 0, 0);
  perGrid->addWidget(RxSpinEdit1, 0, 1);
  perGrid->addWidget(rxOnecol, 1, 0, 1, 2);
  perGrid->setColumnStretch(2, 1);
  row->addWidget(perLine, 1);

  const SeparatorGroup format(this, "ratab", "racomma", "raspace");
  ratab = format.tab;
  racomma = format.comma;
  raspace = format.space;
  format.group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  row->addWidget(format.group);
  layout->addLayout(row);

  auto* pageLayout = new QGroupBox(tr("Page Layout"), this);
  auto* pageRow = new QHBoxLayout(pageLayout);
  RaPor = new QRadioButton(tr("Portra&it"), pageLayout);
  RaPor->setObjectName("RaPor");
  RaPor->setIcon(PageIcon(false));
  RaLan = new QRadioButton(tr("&Landscape"), pageLayout);
  RaLan->setObjectName("RaLan");
  RaLan->setIcon(PageIcon(true));
  // The radios show the orientation the printer has now.
  (CurrentPrinter().pageLayout().orientation() == QPageLayout::Landscape ? RaLan : RaPor)->setChecked(true);
  pageRow->addWidget(RaPor);
  pageRow->addWidget(RaLan);
  pageRow->addStretch(1);
  layout->addWidget(pageLayout);

  btnsetup = new QPushButton(tr("Print &Setup"), this);
  btnsetup->setObjectName("btnsetup");
  btnprint = new QPushButton(tr("&Print"), this);
  btnprint->setObjectName("btnprint");
  Button3 = new QPushButton(tr("Cl&ose"), this);
  Button3->setObjectName("Button3");
  btnpreview = new QPushButton(tr("Print Pre&view"), this);
  btnpreview->setObjectName("btnpreview");
  layout->addLayout(ButtonRow({btnsetup, btnprint, btnpreview, Button3}));
  btnprint->setDefault(true);  // Enter prints

  connect(RaPor, &QRadioButton::clicked, this, [this] { RaPorClick(); });
  connect(RaLan, &QRadioButton::clicked, this, [this] { RaPorClick(); });
  connect(btnsetup, &QPushButton::clicked, this, [this] { btnsetupClick(); });
  connect(btnprint, &QPushButton::clicked, this,
          [this] { RunGuarded(parentWidget(), [this] { btnprintClick(); }); });
  connect(btnpreview, &QPushButton::clicked, this,
          [this] { RunGuarded(parentWidget(), [this] { btnpreviewClick(); }); });
  connect(Button3, &QPushButton::clicked, this, &QDialog::close);
  AddHelpKey(this, [this] { return HelpContext(); });
  CentreOnDesktop(this);

  RxSpinEdit1->setValue(ClampColumns(columns));
  // 422 x 299 at the usual font; larger when a larger font needs it.
  resize(QSize(422, 299).expandedTo(minimumSizeHint()));
  OrderTabs(this);
}

void TFormPrinttext::fixLayout() {
  raMutiCol->setChecked(true);
  raMutiCol->setEnabled(true);
  RxSpinEdit1->setEnabled(false);
  rxOnecol->setEnabled(false);
}

int TFormPrinttext::HelpContext() const { return TopicsOf(PageKind).print; }

QString TFormPrinttext::PrintFileName(const QString& tempFolder, const QDateTime& when) {
  return tempFolder + "/" + when.toString("yyyyMMdd_hhmmss") + ".txt";
}

void TFormPrinttext::ReadOptions() {
  Par.Append = false;
  Par.OneLine = false;
  if (rxOnecol->isChecked()) Par.PerLine = 1;
  if (raMutiCol->isChecked()) Par.PerLine = RxSpinEdit1->value();
  Par.Separator = ratab->isChecked() ? SeparatorTab : racomma->isChecked() ? SeparatorComma : SeparatorSpace;
}

void TFormPrinttext::RaPorClick() {
  CurrentPrinter().setPageOrientation(RaLan->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TFormPrinttext::btnsetupClick() {
  btnsetup->setEnabled(false);
  if (platform().printerSetup(this, CurrentPrinter())) {
    const bool landscape = CurrentPrinter().pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? RaLan : RaPor)->setChecked(true);
  }
  btnsetup->setEnabled(true);
}

void TFormPrinttext::btnprintClick() {
  btnprint->setEnabled(false);
  const auto enable = qScopeGuard([this] { btnprint->setEnabled(true); });
  Par.FileName = PrintFileName(TempFolder(), QDateTime::currentDateTime()).toStdString();
  ReadOptions();
  if (Print ? Print(Par) : (Generator->PrintText(Par), true))
    platform().messageBox(this, tr("The randoms have been printed!"), Icon::Information, false);
}

void TFormPrinttext::btnpreviewClick() {
  ReadOptions();
  std::string text;
  LayOutLines(Generator->Results, Par.OneLine, Par.PerLine, Par.Separator, "\r\n",
              [&text](std::string_view piece) { text.append(piece); });
  TPrintPreview preview(this, std::move(text));
  preview.exec();
}

}  // namespace quenvar::ui
