#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>

#include "generators/Unit_name_sampling.h"
#include "ui/ItemList.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Random Sampling" page: a list of item texts the user builds, loads
// and saves, with check marks for the items that take part, and samples
// drawn from the checked ones. A run draws from its own copy of the checked
// texts, so the list can be edited while it runs.
class SamplingPage : public GeneratorPage<Trandom_sampling, TinputSampling> {
  Q_OBJECT

 public:
  SamplingPage();

  void validateInputs() override;
  QStringList commandLine() const override;
  // The file a copied command reads a run's items from, in the user's data
  // folder, named by what it holds: a command copied before another run
  // still reads its own run's items.
  static QString CommandItemsFile(const TArrayString& texts);
  void activated() override;

  // Handlers of the inputs.
  void RxSpinEdit22Exit() { input.Count = RxSpinEdit22->value(); }
  void CheckBox22Click() { input.Duplicate = CheckBox22->isChecked(); }

  // Item commands.
  void SpeedButton17Click();  // add
  void SpeedButton18Click();  // edit
  void InsertBefore1Click() { insertAt(0); }
  void InsertAfter1Click() { insertAt(1); }
  void SpeedButton19Click();  // delete the current item
  void DeleteSelectedItems1Click();
  void SpeedButton20Click();  // delete all
  void btnSelectallClick() { items->setAllChecked(true); }
  void btnUnselectAllClick() { items->setAllChecked(false); }
  void SpeedButton15Click();  // load from a text file, appending
  void SpeedButton16Click();  // save the items to a text file
  // Appends the non-empty lines of a text file, then checks every item. A
  // file that cannot be read leaves the list as it was.
  void loadItems(const QString& path);
  void saveItems(const QString& path) const;
  void UpdateSamplingCaption();
  // The page's sections of setup.ini: "Sampling", and "Sampling Items" with
  // the item list when it is to be kept.
  void exchangeSettings(SettingsExchange& settings);
  void exchangeItems(SettingsExchange& settings);
  static constexpr int kMaxSavedItems = 800;

  ItemListModel* items;
  ItemListView* ListBoxSampling;
  QGroupBox* LabelSampling;
  QMenu* PMSampling;
  QToolButton *SpeedButton15, *SpeedButton16, *SpeedButton17, *SpeedButton18, *btnSelectall, *btnUnselectAll,
      *SpeedButton19, *SpeedButton20;
  TSpinEdit* RxSpinEdit22;
  QCheckBox *CheckBox22, *ChSaveItem;

 protected:
  void generate(RandomSource& source) override;
  QString totalsText() const override;
  bool holdsDistribution() const override { return !generator.Engine.Randoms.empty(); }
  Distribution distribution() const override {
    return ItemDistribution(generator.Engine.Randoms, runItems_, generator.Input.Duplicate);
  }
  void writeCommandFiles() override;

 private:
  // Asks for a text; nothing when the box is cancelled or left empty.
  std::optional<QString> askItem(const QString& caption, const QString& prompt, const QString& text);
  void insertAt(int offset);
  void makeCurrent(int row);
  bool ask(const QString& question);

  TArrayString runItems_;  // the checked texts the last run drew from
};

}  // namespace quenvar::ui
