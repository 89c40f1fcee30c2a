#pragma once

#include <QCheckBox>

#include "generators/Unit_number.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Random Number" page: integers from a range, with or without
// repeats, avoiding numbers with chosen digits.
class NumberPage : public GeneratorPage<Trandom_simply, Tinputpar> {
  Q_OBJECT

 public:
  NumberPage();

  void validateInputs() override;
  QStringList commandLine() const override;

  // Handlers of the page's own inputs.
  void RxSpinLowExit() { input.Lower = RxSpinLow->value(); }
  void RxSpinUpperExit() { input.Upper = RxSpinUpper->value(); }
  void RxSpinCountExit() { input.Count = RxSpinCount->value(); }
  void ChDuplicateClick() { input.Duplicate = ChDuplicate->isChecked(); }
  void Ch0Click();
  // The page's section of setup.ini, "Simply".
  void exchangeSettings(SettingsExchange& settings);

  TSpinEdit *RxSpinLow, *RxSpinUpper, *RxSpinCount;
  QCheckBox* ChDuplicate;
  QCheckBox* Ch[10];

 protected:
  void prepareStart() override { radix = RadixDecimal; }
  void generate(RandomSource& source) override;
  QString totalsText() const override;
  bool holdsDistribution() const override { return !generator.Engine.Randoms.empty(); }
  Distribution distribution() const override;

 private:
  // The range, repeats and excluded digits (bit d: digit d) of the last run.
  struct RunRange {
    int32_t lower = 0, upper = 0;
    bool repeats = false;
    unsigned excludedDigits = 0;
  } run_;
};

}  // namespace quenvar::ui
