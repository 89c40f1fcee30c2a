#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <array>

#include "generators/Unit_character.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"
#include "ui/Unit_select.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Random String" page: strings following a mask whose characters are
// literals or wildcards, and the editor of the wildcards. The wildcards live
// in wildcard.ini in the program's folder; every change is saved at once.
class StringPage : public GeneratorPage<Trandom_character, TinputString> {
  Q_OBJECT

 public:
  // One of the four character groups of a wildcard in the editor.
  enum Group { Upper, Lower, Number, Special };

  StringPage();

  void validateInputs() override;
  QStringList commandLine() const override;

  // Handlers of the run's inputs.
  void comMaskExit();
  void Rx2SpinCountExit() { input.Count = Rx2SpinCount->value(); }
  void Ch2DuplicateClick() { input.Duplicate = Ch2Duplicate->isChecked(); }
  // Puts the mask on top of the history unless it is there already, in
  // any letter case; the history keeps 8 masks.
  void AddMaskHistory();
  QStringList maskHistory() const;
  // The page's section of setup.ini, "Character", with the mask history.
  void exchangeSettings(SettingsExchange& settings);

  // The wildcard editor: Browsing, or Editing a new (Adding) or a stored
  // wildcard.
  void SetEditMode(bool editing);
  bool editing() const { return btnSave->isEnabled(); }
  void BtnAddClick();
  void btnEditClick();
  void btnSaveClick();
  void btnCancelClick();
  void btndeleteClick();
  void ListBoxSpecialClick();
  void ChSpecialClick();
  // The "..." button of a group, and a click on its edit box.
  void SelectGroupChars(Group group);
  void ShowWildcard();
  void ReadWildcard();
  // What the page does when it becomes the visible one.
  void PageShown();
  int selectedRow() const;

  Tlistparchar WildcardList;
  TNameAndDescription WildcardNames;
  Tparchar EditWildcard;
  bool Adding = false;

  QComboBox* comMask;
  TSpinEdit* Rx2SpinCount;
  QCheckBox* Ch2Duplicate;
  QTreeWidget* ListBoxSpecial;
  QHeaderView* HeaderControl4;
  QPushButton *BtnAdd, *btnEdit, *btndelete, *btnSave, *btnCancel;
  QFrame* PanelEdit;
  QComboBox* comName;
  QLineEdit* EditDescription;
  QCheckBox *ChUpper, *Chlower, *ChNumber, *ChSpecial;
  QLineEdit *Editupper, *EditLower, *EditNumber, *EditSpecial;
  QToolButton *spUpper, *splower, *spNumber, *spspecial;

 protected:
  void prepareStart() override;
  void generate(RandomSource& source) override;
  void commitEdits() override;
  void writeCommandFiles() override;
  QString totalsText() const override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct GroupSpec;  // a group's captions, its fields of Tparchar and its codes
  struct GroupRow {
    QCheckBox* check;
    QLineEdit* edit;
    QToolButton* button;
    const GroupSpec* info;
  };

  // Reads the wildcards; a file that cannot be read leaves the list empty
  // and is reported once the window shows.
  void loadWildcards();
  double runSeedBits_ = 0;  // the seed limit of the run shown (0: none)

  QWidget* buildRange();
  QWidget* buildWildcards();
  void addGroupRow(QGridLayout* grid, Group group);
  // Rebuilds the list's rows from the wildcards.
  void refreshNames();
  // Selects a row of the list and shows its wildcard.
  void selectRow(int row);

  std::array<GroupRow, 4> groups_{};
  std::vector<Tparchar> runWildcards_;  // the wildcards the last run drew from
  static const GroupSpec kGroups[4];
};

}  // namespace quenvar::ui
