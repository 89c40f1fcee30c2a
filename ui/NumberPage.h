#pragma once

#include <QCheckBox>
#include <QRadioButton>

#include "generators/Unit_number.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

// The "Random Number" page: integers from a range, with or without
// repeats, avoiding numbers with chosen digits.
class NumberPage : public ResultPage {
  Q_OBJECT

 public:
  explicit NumberPage(TFormRandom* form);

  void validateInputs() override;
  const Trandom_base* textGenerator() const override { return &generator; }
  int pageKind() const override { return 1; }

  // Handlers of the page's own inputs.
  void RxSpinLowExit();
  void RxSpinUpperExit();
  void RxSpinCountExit();
  void RxSpinManualExit();
  void ChDuplicateClick();
  void Ch0Click();
  void RadioAutoClick();

  TSpinEdit *RxSpinLow, *RxSpinUpper, *RxSpinCount, *RxSpinAuto, *RxSpinManual;
  QCheckBox* ChDuplicate;
  QCheckBox* Ch[10];
  QRadioButton *RadioAuto, *RadioManual;

  Tinputpar NumberInput;
  TformatPar NumberFormat;
  int32_t NumberSeed = 0;
  Trandom_simply generator;

 protected:
  void commitEdits() override;
  void prepareStart() override { NumberFormat.Radix = 0; }
  void takeSeed() override;
  void generate() override;
  void formatResults() override;
  const TArrayString& results() const override { return generator.Results; }
  QString totalsText() const override;
  void cancelGenerator() override { generator.Cancel(); }
};

}  // namespace quenvar::ui
