#include "ui/NumberPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/RandomSource.h"
#include "ui/UnitMain.h"

namespace quenvar::ui {

namespace {

const char kRangeHint[] = "Between -2147483647 and  2147483647";

PageNames Names() {
  PageNames n;
  n.page = "TabSheet1";
  n.start = "SpStart";
  n.startCaption = "Generate Random Numbers";
  n.cancel = "spMainCancel";
  n.list = "ListBox1";
  n.header = "HeaderControl1";
  n.statusPanel = "PanelStatus";
  n.statusLabel = "DisplayLabel";
  n.progress = "ProgressBar1";
  n.totals = "LabelResult";
  n.columns = "Comcolumns";
  n.popup = "pmForsimply";
  n.menu = "SpMenu";
  n.help = "Sphelp";
  n.exit = "btnExit";
  n.asc = "RxbtnAsc";
  n.dsc = "RxbtnDsc";
  n.orig = "RxbtnOrig";
  n.comma = "RxbtnComma";
  n.save = "spSaveLog";
  n.print = "btnprint";
  n.saveHint = "Save Random Numbers As Text File";
  n.printHint = "Print Random Numbers";
  return n;
}

}  // namespace

NumberPage::NumberPage(TFormRandom* form) : ResultPage(form, Names(), 58, true, true) {
  auto* row = new QHBoxLayout(inputPanel);
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(10);

  auto* range = new QGroupBox("Range", inputPanel);
  auto* grid = new QGridLayout(range);
  RxSpinLow = new TSpinEdit(range, -2147483647, 2147483647, 1, kRangeHint);
  RxSpinLow->setObjectName("RxSpinLow");
  RxSpinUpper = new TSpinEdit(range, -2147483647, 2147483647, 10000, kRangeHint);
  RxSpinUpper->setObjectName("RxSpinUpper");
  RxSpinCount = new TSpinEdit(range, 1, 2147483647, 100, "Between 1 and 2147483647");
  RxSpinCount->setObjectName("RxSpinCount");
  ChDuplicate = new QCheckBox("Allow duplicate randoms", range);
  ChDuplicate->setObjectName("ChDuplicate");
  grid->addWidget(new QLabel("Lower", range), 0, 0);
  grid->addWidget(RxSpinLow, 0, 1);
  grid->addWidget(new QLabel("Upper", range), 1, 0);
  grid->addWidget(RxSpinUpper, 1, 1);
  grid->addWidget(new QLabel("Count to", range), 2, 0);
  grid->addWidget(RxSpinCount, 2, 1);
  grid->addWidget(ChDuplicate, 3, 0, 1, 2);
  for (TSpinEdit* spin : {RxSpinLow, RxSpinUpper, RxSpinCount}) spin->setMinimumWidth(130);
  row->addWidget(range, 3);

  auto* digits = new QGroupBox("Exclude Digits", inputPanel);
  auto* digitRow = new QHBoxLayout(digits);
  for (int d = 0; d <= 9; ++d) {
    Ch[d] = new QCheckBox(QString::number(d), digits);
    Ch[d]->setObjectName("Ch" + QString::number(d));
    digitRow->addWidget(Ch[d]);
    connect(Ch[d], &QCheckBox::clicked, this, [this] { Ch0Click(); });
  }
  row->addWidget(digits, 3);

  auto* seed = new QGroupBox("Seed", inputPanel);
  auto* seedGrid = new QGridLayout(seed);
  RadioAuto = new QRadioButton("Automatic", seed);
  RadioAuto->setObjectName("RadioAuto");
  RadioAuto->setChecked(true);
  RadioManual = new QRadioButton("Manual", seed);
  RadioManual->setObjectName("RadioManual");
  RxSpinAuto = new TSpinEdit(seed, -2147483647, 2147483647, 0, "");
  RxSpinAuto->setObjectName("RxSpinAuto");
  RxSpinAuto->setEnabled(false);
  RxSpinManual = new TSpinEdit(seed, -2147483647, 2147483647, 0, kRangeHint);
  RxSpinManual->setObjectName("RxSpinManual");
  seedGrid->addWidget(RadioAuto, 0, 0);
  seedGrid->addWidget(RxSpinAuto, 0, 1);
  seedGrid->addWidget(RadioManual, 1, 0);
  seedGrid->addWidget(RxSpinManual, 1, 1);
  row->addWidget(seed, 2);

  connect(RxSpinLow, &QSpinBox::editingFinished, this, [this] { RxSpinLowExit(); });
  connect(RxSpinUpper, &QSpinBox::editingFinished, this, [this] { RxSpinUpperExit(); });
  connect(RxSpinCount, &QSpinBox::editingFinished, this, [this] { RxSpinCountExit(); });
  connect(RxSpinManual, &QSpinBox::editingFinished, this, [this] { RxSpinManualExit(); });
  connect(ChDuplicate, &QCheckBox::clicked, this, [this] { ChDuplicateClick(); });
  connect(RadioAuto, &QRadioButton::clicked, this, [this] { RadioAutoClick(); });
  connect(RadioManual, &QRadioButton::clicked, this, [this] { RadioAutoClick(); });

  // Start-up of the page.
  RadioAutoClick();
  for (int c = 1; c <= 20; ++c) columnsBox->addItem(QString::number(c));
  columnsBox->setCurrentIndex(2);  // three columns unless the settings say otherwise
  Comma = commaButton->isChecked();
  ChDuplicateClick();
  SortClick();
  SeedFromClock();
  const auto clockSeed = static_cast<int32_t>(RandomSeed);
  RxSpinManual->setValue(
      static_cast<int32_t>(static_cast<uint32_t>(clockSeed / 75675) + static_cast<uint32_t>(clockSeed)));
  NumberInput.ProgressBar = progressView_.get();
  NumberInput.ShowProgress = true;
  NumberInput.StatusLabel = labelView_.get();
  NumberInput.ExcludeKind = 1;
  NumberInput.Excluded.clear();
  StopDisplay = false;
  totalsLabel->clear();
  RxSpinLowExit();
  RxSpinUpperExit();
  RxSpinCountExit();
}

void NumberPage::RxSpinLowExit() { NumberInput.Lower = RxSpinLow->value(); }
void NumberPage::RxSpinUpperExit() { NumberInput.Upper = RxSpinUpper->value(); }
void NumberPage::RxSpinCountExit() { NumberInput.Count = RxSpinCount->value(); }
void NumberPage::RxSpinManualExit() {}
void NumberPage::ChDuplicateClick() { NumberInput.Duplicate = ChDuplicate->isChecked(); }

void NumberPage::Ch0Click() {
  NumberInput.Excluded.clear();
  for (int d = 0; d <= 9; ++d)
    if (Ch[d]->isChecked()) NumberInput.Excluded.push_back(d);
}

void NumberPage::RadioAutoClick() {
  if (RadioAuto->isChecked()) {
    SeedFromClock();
    NumberSeed = static_cast<int32_t>(RandomSeed);
    RxSpinAuto->setValue(NumberSeed);
  } else {
    NumberSeed = RxSpinManual->value();
  }
}

void NumberPage::commitEdits() {
  for (TSpinEdit* spin : {RxSpinLow, RxSpinUpper, RxSpinCount, RxSpinManual}) spin->interpretText();
  RxSpinLowExit();
  RxSpinUpperExit();
  RxSpinCountExit();
}

void NumberPage::validateInputs() {
  const int lower = RxSpinLow->value();
  const int upper = RxSpinUpper->value();
  if (upper < lower) RefuseInput("The Upper number must greater than\r\ror equal to the Lower number!");
  if (NumberInput.Excluded.size() == 10) RefuseInput("You can not exclude all digits!");
  if (double(upper) - double(lower) >= 2147483647.0)
    RefuseInput("The Upper number minus the Lower number\r\r    must be less than 2147483647!");
}

void NumberPage::takeSeed() {
  RadioAutoClick();
  generator.SetSeed(NumberSeed);
}

void NumberPage::generate() { generator.Generate(NumberInput); }

void NumberPage::formatResults() {
  NumberFormat.SortOrder = SortOrder;
  NumberFormat.Comma = Comma;
  NumberFormat.Radix = 0;
  generator.FormatResults(NumberFormat);
}

QString NumberPage::totalsText() const {
  QString text;
  if (!NumberInput.Duplicate) text = "Possible total randoms: " + QString::number(generator.PossibleTotal());
  return text + "      Generated total randoms: " + QString::number(generator.GeneratedTotal());
}

}  // namespace quenvar::ui
