#pragma once

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

namespace quenvar::ui {

class ResultPage;
struct PageInfo;

// A page's commands: one action per command, shared by its tool button and
// the popup menu, with their keys; the tool bar (sort, comma, columns, save,
// print, menu, help, Start, Cancel, Exit) and the popup menu of the results.
// Which of them a page has, and their names, come from its row of the page
// table; the handlers are the page's.
class PageActions : public QObject {
 public:
  // Fills the page's tool bar and builds its popup menu (after its list).
  PageActions(ResultPage& page, const PageInfo& info, QFrame* toolBar);

  QToolButton* ascButton() const { return ascButton_; }
  QToolButton* dscButton() const { return dscButton_; }
  QToolButton* origButton() const { return origButton_; }
  QToolButton* commaButton() const { return commaButton_; }
  QComboBox* columnsBox() const { return columnsBox_; }
  QToolButton* saveButton() const { return saveButton_; }
  QToolButton* printButton() const { return printButton_; }
  QToolButton* menuButton() const { return menuButton_; }
  QToolButton* helpButton() const { return helpButton_; }
  QToolButton* startButton() const { return startButton_; }
  QToolButton* cancelButton() const { return cancelButton_; }
  QToolButton* exitButton() const { return exitButton_; }
  QMenu* popup() const { return popup_; }

  QAction* ascAction() const { return ascAction_; }
  QAction* dscAction() const { return dscAction_; }
  QAction* origAction() const { return origAction_; }
  QAction* commaAction() const { return commaAction_; }
  QAction* saveAction() const { return saveAction_; }
  QAction* printAction() const { return printAction_; }
  QAction* startAction() const { return startAction_; }
  QAction* exitAction() const { return exitAction_; }
  QActionGroup* sortActions() const { return sortActions_; }
  QActionGroup* columnActions() const { return columnActions_; }
  QAction* copyAction() const { return copyAction_; }
  QAction* copyValueAction() const { return copyValueAction_; }

  // Opens the popup menu; none before the first run, nor while the page runs.
  void PopupRequested(const QPoint& globalPos);
  // Adds a control to the tool bar after the sort, comma and columns pieces.
  void addToolWidget(QWidget* widget);
  // An action of the page (parented by it) with its text and hint.
  QAction* command(const QString& text, const QString& hint, const QIcon& icon);
  // The columns box's number (1 when there is none).
  int columnsChoice() const;
  // Every command but Start, Cancel and Exit waits while the page is busy;
  // Cancel shows only then.
  void setBusy(bool busy);
  // Start and Cancel red, the comma and Exit icons drawn in the palette's
  // text colour.
  void applyColours();

 private:
  void buildPopup(const PageInfo& info);
  void buildToolBar(const PageInfo& info);
  void bindKeys();
  QToolButton* toolButton(QAction* action, const char* name, QBoxLayout* row = nullptr);

  ResultPage& page_;
  QFrame* toolBar_;
  QHBoxLayout* toolRow_ = nullptr;
  int toolSlot_ = 0;
  QToolButton *ascButton_ = nullptr, *dscButton_ = nullptr, *origButton_ = nullptr, *commaButton_ = nullptr;
  QComboBox* columnsBox_ = nullptr;
  QToolButton *saveButton_ = nullptr, *printButton_ = nullptr;
  QToolButton *menuButton_, *helpButton_, *startButton_, *cancelButton_, *exitButton_;
  QMenu* popup_;
  QAction *ascAction_ = nullptr, *dscAction_ = nullptr, *origAction_ = nullptr, *commaAction_ = nullptr;
  QAction *saveAction_ = nullptr, *printAction_ = nullptr, *helpAction_;
  QAction *startAction_, *cancelAction_, *exitAction_;
  QAction *moreColumnsAction_ = nullptr, *fewerColumnsAction_ = nullptr;
  QActionGroup* sortActions_ = nullptr;
  QActionGroup* columnActions_ = nullptr;
  QAction *copyAction_ = nullptr, *copyCommandAction_ = nullptr, *copyValueAction_ = nullptr;
};

}  // namespace quenvar::ui
