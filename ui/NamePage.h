#pragma once

#include <QCheckBox>
#include <QToolButton>

#include "generators/Unit_name_sampling.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Random Name" page: a first name from the female and/or male list and
// a last name, with or without repeated names. The lists can be opened in
// the desktop's editor; an edited list is read again at the next run.
class NamePage : public GeneratorPage<Trandom_name, TinputName> {
  Q_OBJECT

 public:
  NamePage();

  void validateInputs() override;
  QStringList commandLine() const override;

  // Handlers of the page's own inputs.
  void RxSpinEdit44Exit() { input.Count = RxSpinEdit44->value(); }
  void CheckBox44Click() { input.Duplicate = CheckBox44->isChecked(); }
  void chFemaleClick() { setGender(GenderFemale, chFemale->isChecked()); }
  void chmaleClick() { setGender(GenderMale, chmale->isChecked()); }
  void MaleViewClick() { openList(input.MaleFile); }
  void ViewFemaleClick() { openList(input.FemaleFile); }
  void SpeedButton3Click() { openList(input.LastFile); }
  // The page's section of setup.ini, "Name".
  void exchangeSettings(SettingsExchange& settings);

  QCheckBox *chmale, *chFemale, *CheckBox44;
  QToolButton *MaleView, *ViewFemale, *SpeedButton3;
  TSpinEdit* RxSpinEdit44;

 protected:
  QString totalsText() const override;
  void writeCommandFiles() override;

 private:
  void setGender(TGender list, bool on) {
    input.Gender = static_cast<TGender>(on ? (input.Gender | list) : (input.Gender & ~list));
  }
  void openList(const std::string& path);
};

}  // namespace quenvar::ui
