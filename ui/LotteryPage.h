#pragma once

#include <QCheckBox>
#include <QRadioButton>

#include "generators/Unit_lottery.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Lottery Number" page: lines of main numbers and, optionally, bonus
// numbers, one line per row and one column per number. The columns follow
// the line width, so the page has no columns box; with many numbers per line
// the list grows wider than the window and scrolls sideways.
class LotteryPage : public GeneratorPage<Trandom_Lottery, TinputLottery> {
  Q_OBJECT

 public:
  LotteryPage();

  void validateInputs() override;
  QStringList commandLine() const override;
  const Trandom_base* textGenerator() const override { return &lineTexts_; }
  ExportPreset exportPreset() const override { return {columnCount(), true}; }

  // Fills the input record from the controls (the seed excepted).
  void ReadLotteryInput();
  void RadioLottoClick();
  void ChExcludeClick();
  // The page's section of setup.ini, "Lotty".
  void exchangeSettings(SettingsExchange& settings);

  // The texts shown, line after line: main numbers first, then bonus numbers.
  const TArrayString& lineTexts() const { return lineTexts_.Results; }

  TSpinEdit *RxSpinMainLower, *RxSpinMainUpper, *RxSpinMainPick;
  TSpinEdit *RxSpinBonusLower, *RxSpinBonusUpper, *RxSpinBonusPick;
  TSpinEdit* RxSpinEditTotal;
  QRadioButton *RadioLotto, *RadioNoBonus;
  QCheckBox *ChExclude, *ChDupLines, *ChDupRows;

 protected:
  void generate(RandomSource& source) override;
  void formatResults() override;
  const TArrayString& results() const override { return lineTexts_.Results; }
  QString totalsText() const override;
  void releaseResults() override;
  // "NO." and a "Column n" section per main number, a "Bonus n" section per
  // bonus number, none narrower than 10 pixels.
  void buildHeader() override;

 private:
  // Holds the formatted lines for the list, the save and the print dialogs.
  Trandom_base lineTexts_;
  bool drawnOnce_ = false;
};

}  // namespace quenvar::ui
