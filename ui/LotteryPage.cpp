#include "ui/LotteryPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/Codes.h"
#include "generators/LotteryRules.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::lottery;

namespace {

const char kRangeHint[] =
    QT_TRANSLATE_NOOP("quenvar::ui::LotteryPage", "Between -2147483647 and  2147483647");

// Rows as wide as the header when it is wider than the window, so that
// such a line scrolls sideways with its header.
class WideRowDelegate : public ResultDelegate {
 public:
  WideRowDelegate(QHeaderView* header, QObject* parent) : ResultDelegate(parent), header_(header) {}
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {header_->length() > header_->width() ? header_->length() : 100, 16};
  }

 private:
  QHeaderView* header_;
};

}  // namespace

LotteryPage::LotteryPage() : GeneratorPage(InfoOf(Tab::Lottery)) {
  auto* grid = new QGridLayout(inputPanel());
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);

  // A group of labelled spin edits, one per row.
  auto spinGroup = [this](const QString& title) {
    auto* group = new QGroupBox(title, inputPanel());
    new QGridLayout(group);
    return group;
  };
  auto spin = [](QGroupBox* group, const char* name, const QString& label, const runs::Option& option,
                 const QString& hint) {
    auto* box = new TSpinEdit(group, option.min, option.max, option.fallback, hint);
    box->setObjectName(name);
    box->setMinimumWidth(110);
    auto* caption = new QLabel(label, group);
    caption->setBuddy(box);
    auto* rows = static_cast<QGridLayout*>(group->layout());
    const int row = rows->rowCount();
    rows->addWidget(caption, row, 0);
    rows->addWidget(box, row, 1);
    return box;
  };

  auto* main = spinGroup(tr("Main Lottery Number"));
  RxSpinMainLower = spin(main, "RxSpinMainLower", tr("&Lower"), kMainLow, tr(kRangeHint));
  RxSpinMainUpper = spin(main, "RxSpinMainUpper", tr("&Upper"), kMainUpper, tr(kRangeHint));
  RxSpinMainPick = spin(main, "RxSpinMainPick", tr("No. to &pick"), kMainPick, tr("Between 1 and 300"));
  auto* bonus = spinGroup(tr("Bonus Number"));
  RxSpinBonusLower = spin(bonus, "RxSpinBonusLower", tr("Lo&wer"), kBonusLow, tr(kRangeHint));
  RxSpinBonusUpper = spin(bonus, "RxSpinBonusUpper", tr("Upp&er"), kBonusUpper, tr(kRangeHint));
  RxSpinBonusPick = spin(bonus, "RxSpinBonusPick", tr("No. to pic&k"), kBonusPick, tr("Between 1 and 200"));

  auto* game = new QGroupBox(tr("Game"), inputPanel());
  auto* gameRows = new QHBoxLayout(game);
  RadioLotto = new QRadioButton(tr("Lotto + &Bonus"), game);
  RadioLotto->setObjectName("RadioLotto");
  RadioLotto->setChecked(true);
  ChExclude = new QCheckBox(tr("Pick bonus numbers from the &remaining numbers"), game);
  ChExclude->setObjectName("ChExclude");
  ChExclude->setToolTip(tr("Pick bonus numbers from the remaining numbers in main lottery number box"));
  RadioNoBonus = new QRadioButton(tr("N&o Bonus Number"), game);
  RadioNoBonus->setObjectName("RadioNoBonus");
  gameRows->addWidget(RadioLotto);
  gameRows->addWidget(ChExclude);
  gameRows->addWidget(RadioNoBonus);

  auto* range = spinGroup(tr("Range"));
  RxSpinEditTotal = spin(range, "RxSpinEditTotal", tr("&Count to"), kLines, tr("Between 1 and 2147483647"));

  auto* options = new QGroupBox(tr("Options"), inputPanel());
  auto* optionRow = new QVBoxLayout(options);
  optionRow->setContentsMargins(8, 2, 8, 2);
  optionRow->setSpacing(2);
  ChDupLines =
      new QCheckBox(tr("Allow &duplicate numbers to appear in a single line if it's checked"), options);
  ChDupLines->setObjectName("ChDupLines");
  ChDupRows = new QCheckBox(
      tr("Prevent duplicate &sets of lottery numbers in all lines  ( It will spend much time )"), options);
  ChDupRows->setObjectName("ChDupRows");
  ChDupRows->setToolTip(tr("It will spend much time if you're requesting a larger numbers"));
  optionRow->addWidget(ChDupLines, 0, Qt::AlignLeft);
  optionRow->addWidget(ChDupRows, 0, Qt::AlignLeft);

  grid->addWidget(main, 0, 0);
  grid->addWidget(bonus, 0, 1);
  grid->addWidget(seed, 0, 2);
  grid->addWidget(game, 1, 0, 1, 2);
  grid->addWidget(range, 1, 2);
  grid->addWidget(options, 2, 0, 1, 3);

  connect(RadioLotto, &QRadioButton::clicked, this, [this] { RadioLottoClick(); });
  connect(RadioNoBonus, &QRadioButton::clicked, this, [this] { RadioLottoClick(); });
  connect(ChExclude, &QCheckBox::clicked, this, [this] { ChExcludeClick(); });
  RadioLottoClick();

  // Lines of fixed-pitch numbers; a line wider than the list scrolls
  // sideways, its header following.
  view().list()->setItemDelegate(new WideRowDelegate(view().header(), view().list()));
  view().list()->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view().list()->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  connect(view().list()->horizontalScrollBar(), &QScrollBar::valueChanged, view().header(),
          &QHeaderView::setOffset);
}

void LotteryPage::RadioLottoClick() {
  const bool lotto = RadioLotto->isChecked();
  for (QWidget* w :
       std::initializer_list<QWidget*>{RxSpinBonusLower, RxSpinBonusUpper, RxSpinBonusPick, ChExclude})
    w->setEnabled(lotto);
  if (lotto) ChExcludeClick();
}

void LotteryPage::exchangeSettings(SettingsExchange& settings) {
  settings.section("Lotty");
  settings.spin({"MainLow", kMainLow.fallback}, RxSpinMainLower);
  settings.spin({"MainUpper", kMainUpper.fallback}, RxSpinMainUpper);
  settings.spin({"MainPick", kMainPick.fallback}, RxSpinMainPick);
  settings.spin({"ChildLow", kBonusLow.fallback}, RxSpinBonusLower);
  settings.spin({"ChildUpper", kBonusUpper.fallback}, RxSpinBonusUpper);
  settings.spin({"ChildPick", kBonusPick.fallback}, RxSpinBonusPick);
  settings.spin({"Total", kLines.fallback}, RxSpinEditTotal);
  settings.check({"DupLines", false}, ChDupLines);
  settings.check({"DupRows", false}, ChDupRows);
  bool lotto = RadioLotto->isChecked();
  bool noBonus = RadioNoBonus->isChecked();
  settings.value({"Lotto", true}, lotto);
  settings.check({"RemainPick", false}, ChExclude);
  settings.value({"NoLotto", false}, noBonus);
  if (settings.reading()) {
    // One of the two is always chosen; without "Lotto" a run draws no bonus.
    (lotto && !noBonus ? RadioLotto : RadioNoBonus)->setChecked(true);
    RadioLottoClick();
  }
}

void LotteryPage::ChExcludeClick() {
  // Bonus numbers from the remaining main numbers need no range of their own.
  const bool ownRange = !ChExclude->isChecked();
  RxSpinBonusLower->setEnabled(ownRange);
  RxSpinBonusUpper->setEnabled(ownRange);
}

void LotteryPage::ReadLotteryInput() {
  input.MainLow = RxSpinMainLower->value();
  input.MainUpper = RxSpinMainUpper->value();
  input.MainPick = RxSpinMainPick->value();
  input.ChildLow = RxSpinBonusLower->value();
  input.ChildUpper = RxSpinBonusUpper->value();
  input.ChildPick = RxSpinBonusPick->value();
  input.Total = RxSpinEditTotal->value();
  input.Lotto = RadioLotto->isChecked();
  if (!input.Lotto) input.ChildPick = 0;
  input.RemainPick = ChExclude->isChecked();
  input.DupLines = ChDupLines->isChecked();
  input.DupRows = ChDupRows->isChecked();
}

void LotteryPage::validateInputs() {
  const bool bonusRange = RadioLotto->isChecked() && !ChExclude->isChecked();
  if (auto error = LotteryInputError(RxSpinMainLower->value(), RxSpinMainUpper->value(), bonusRange,
                                     RxSpinBonusLower->value(), RxSpinBonusUpper->value()))
    RefuseInput(*error);
}

QStringList LotteryPage::commandLine() const {
  // The run reads its input from the controls as it starts: so does its command.
  const auto n = [](const TSpinEdit* spin) { return QString::number(spin->value()); };
  QStringList args{Arg(runs::kLottery), Arg(kMainLow),    n(RxSpinMainLower), Arg(kMainUpper),
                   n(RxSpinMainUpper),  Arg(kMainPick),   n(RxSpinMainPick),  Arg(kBonusLow),
                   n(RxSpinBonusLower), Arg(kBonusUpper), n(RxSpinBonusUpper)};
  if (RadioLotto->isChecked())
    args << Arg(kBonusPick) << n(RxSpinBonusPick);
  else
    args << Arg(kNoBonus);
  if (ChExclude->isChecked()) args << Arg(kBonusFromRemaining);
  if (ChDupLines->isChecked()) args << Arg(kDuplicateNumbers);
  if (ChDupRows->isChecked()) args << Arg(kUniqueLines);
  return args << Arg(kLines) << n(RxSpinEditTotal) << Arg(runs::kSeed) << QString::number(seed->lastTaken());
}

void LotteryPage::generate(RandomSource& source) {
  // Unique lines are first shown as drawn.
  if (ChDupRows->isChecked()) {
    actions().origAction()->setChecked(true);
    SortOrder = SortDrawn;
  }
  ReadLotteryInput();
  drawnOnce_ = true;
  GeneratorPage::generate(source);
}

void LotteryPage::formatResults() {
  // While the lines are sorted the rows show nothing: the header already
  // has the new width, the texts are still the old ones.
  view().model()->setSource({});
  buildHeader();
  GeneratorPage::formatResults();
  lineTexts_.Results.swap(generator.Results);
  TArrayString().swap(generator.Results);
  view().model()->setSource(
      [this]() -> const TArrayString* { return resultsShown() ? &lineTexts_.Results : nullptr; });
}

void LotteryPage::buildHeader() {
  if (!drawnOnce_) {
    view().setSections({tr("NO."), tr("Column 1")}, {50, 50});
    return;
  }
  const int p = input.MainPick;
  const int q = input.Lotto ? input.ChildPick : 0;
  const int width = std::max((view().header()->width() - 45) / std::max(p + q, 1), 10);
  QStringList captions{tr("NO.")};
  QList<int> widths{45};
  for (int k = 1; k <= p; ++k) captions << tr("Column %1").arg(k);
  for (int k = 1; k <= q; ++k) captions << tr("Bonus %1").arg(k);
  while (widths.size() < captions.size()) widths << width;
  view().setSections(captions, widths);
}

QString LotteryPage::totalsText() const {
  return Translated(LotteryTotalsText(generator.PossibleTotal(), generator.GeneratedTotal()));
}

void LotteryPage::releaseResults() {
  TArrayString().swap(lineTexts_.Results);
  generator.ReleaseResults();
}

}  // namespace quenvar::ui
