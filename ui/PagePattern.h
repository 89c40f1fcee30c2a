#pragma once

#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "core/StringArray.h"
#include "core/Unit_base.h"
#include "ui/Feedback.h"
#include "ui/ResultList.h"

namespace quenvar::ui {

class TFormRandom;

// What one page calls the controls of the shared pattern.
struct PageNames {
  QString page, start, cancel, list, header, statusPanel, statusLabel, progress, totals, columns, popup, menu,
      help, exit, asc, dsc, orig, comma, save, print;
  QString startCaption;
  QString saveHint, printHint;
  QString displayText = "Displaying randoms...";
};

// The pattern every page follows for a run: Start, validation, busy state,
// Cancel, formatting, the display of the results in columns, sorting,
// thousands separators, the popup menu, save and print. A page adds its
// input panel and its generator through the virtual hooks.
class ResultPage : public QWidget {
  Q_OBJECT

 public:
  ResultPage(TFormRandom* form, PageNames names, int helpContext, bool withComma, bool withColumns);

  // The handlers of the pattern.
  void StartClick();
  void CancelClick();
  void SetBusy(bool busy);
  void ReformatResults();
  void DisplayResults();
  void ColumnsChange();
  void SortClick();
  void CommaClick();
  void PopupRequested(const QPoint& globalPos);
  void SaveClick();
  void PrintClick();

  virtual void validateInputs() = 0;  // shows its message and throws EAbort on failure
  // What the save and print dialogs write, and the page's code for them
  // (1 Random Number, 2 Random String, 3 Random Sampling, 4 Random Name, 5 Lottery).
  virtual const Trandom_base* textGenerator() const = 0;
  virtual int pageKind() const = 0;
  bool running() const { return !cancelButton->isHidden(); }
  bool resultsShown() const { return !statusPanel->isHidden(); }
  int helpContext() const { return helpContext_; }
  int columnCount() const { return header->count() - 1; }
  const PageNames& names() const { return names_; }
  QString DisplayLabelText() const { return statusLabel->text(); }

  QFrame* toolBar;
  QFrame* inputPanel;
  QToolButton *ascButton = nullptr, *dscButton = nullptr, *origButton = nullptr, *commaButton = nullptr;
  QComboBox* columnsBox = nullptr;
  QToolButton *saveButton, *printButton, *menuButton, *helpButton, *startButton, *cancelButton, *exitButton;
  QHeaderView* header;
  ResultListView* list;
  ResultModel* model;
  ResultDelegate* delegate;
  QFrame* statusPanel;
  QLabel* statusLabel;
  QProgressBar* progressBar;
  QLabel* totalsLabel;
  QMenu* popup;
  QActionGroup* sortActions;
  QActionGroup* columnActions = nullptr;
  QAction* commaAction = nullptr;

  bool StopDisplay = false;
  uint8_t SortOrder = 2;
  bool Comma = false;

 protected:
  virtual void prepareStart() {}
  virtual void commitEdits() {}
  virtual void takeSeed() = 0;
  virtual void generate() = 0;
  virtual void formatResults() = 0;
  virtual const TArrayString& results() const = 0;
  virtual QString totalsText() const = 0;
  virtual void cancelGenerator() = 0;
  // The Exit buttons of the window that this page's busy state switches.
  virtual QStringList exitButtonsToSwitch() const;

  QToolButton* toolButton(const QString& name, const QString& hint, QStyle::StandardPixmap icon);
  void setHints(bool on);

  TFormRandom* form_;
  std::unique_ptr<WidgetProgress> progressView_;
  std::unique_ptr<WidgetLabel> labelView_;

 private:
  void buildToolBar(bool withComma, bool withColumns);
  void buildResults();
  void buildPopup(bool withComma, bool withColumns);

  PageNames names_;
  int helpContext_;
};

}  // namespace quenvar::ui
