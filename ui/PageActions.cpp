#include "ui/PageActions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "ui/Accessible.h"
#include "ui/Colours.h"
#include "ui/Keyboard.h"
#include "ui/PagePattern.h"
#include "ui/ResultView.h"
#include "ui/RunExports.h"

namespace quenvar::ui {

PageActions::PageActions(ResultPage& page, const PageInfo& info, QFrame* toolBar)
    : page_(page), toolBar_(toolBar) {
  buildPopup(info);  // the tool bar's buttons share the popup's actions
  buildToolBar(info);
  bindKeys();
}

QAction* PageActions::command(const QString& text, const QString& hint, const QIcon& icon) {
  auto* action = new QAction(icon, text, &page_);
  action->setToolTip(hint);
  return action;
}

QToolButton* PageActions::toolButton(QAction* action, const char* name, QBoxLayout* row) {
  if (row == nullptr) row = toolRow_;
  auto* button = new QToolButton(row->parentWidget() != nullptr ? row->parentWidget() : toolBar_);
  button->setObjectName(name);
  button->setDefaultAction(action);
  button->setAccessibleName(action->toolTip());  // an icon's name is its hint
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // a click never takes the focus
  button->setIconSize(QSize(20, 20));
  button->setMinimumSize(30, 30);
  row->addWidget(button);
  return button;
}

void PageActions::buildToolBar(const PageInfo& info) {
  toolRow_ = new QHBoxLayout(toolBar_);
  toolRow_->setContentsMargins(4, 1, 4, 1);
  toolRow_->setSpacing(2);
  if (ascAction_ != nullptr) {
    // One exclusive group to assistive technology: three radio buttons.
    auto* group = new QWidget(toolBar_);
    group->setObjectName(QString(info.page) + "SortGroup");
    group->setProperty(kExclusiveGroup, true);
    group->setAccessibleName(ResultPage::tr("Sort order"));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(toolRow_->spacing());
    toolRow_->addWidget(group);
    ascButton_ = toolButton(ascAction_, info.asc, row);
    dscButton_ = toolButton(dscAction_, info.dsc, row);
    origButton_ = toolButton(origAction_, info.orig, row);
  }
  if (commaAction_ != nullptr) {
    commaButton_ = toolButton(commaAction_, info.comma);
    commaButton_->setIconSize(QSize(26, 20));
  }
  toolRow_->addSpacing(8);
  if (info.columns != nullptr) {
    auto* label = new QLabel(ResultPage::tr("C&olumns"), toolBar_);
    toolRow_->addWidget(label);
    columnsBox_ = new QComboBox(toolBar_);
    columnsBox_->setObjectName(info.columns);
    columnsBox_->setAccessibleName(ResultPage::tr("Columns"));  // read by its label, not its value
    columnsBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(columnsBox_);
    for (int c = 1; c <= 20; ++c) columnsBox_->addItem(QString::number(c));
    columnsBox_->setCurrentIndex(2);  // three columns unless the settings say otherwise
    toolRow_->addWidget(columnsBox_);
    connect(columnsBox_, &QComboBox::activated, this,
            [this] { page_.guarded([this] { page_.ColumnsChange(); }); });
    toolRow_->addSpacing(8);
  }
  toolSlot_ = toolRow_->count();
  if (saveAction_ != nullptr) saveButton_ = toolButton(saveAction_, info.save);
  auto textOnly = [](QToolButton* button, int width) {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(width);
  };
  if (printAction_ != nullptr) {
    printButton_ = toolButton(printAction_, info.print);
    textOnly(printButton_, 42);
  }
  menuButton_ = new QToolButton(toolBar_);
  menuButton_->setObjectName(info.menu);
  menuButton_->setText(ResultPage::tr("Menu"));
  menuButton_->setToolTip(WithKey(ResultPage::tr("Menu"), QKeySequence(Qt::Key_F10)));
  menuButton_->setAccessibleName(ResultPage::tr("Menu"));
  menuButton_->setAutoRaise(true);
  menuButton_->setFocusPolicy(Qt::NoFocus);
  menuButton_->setPopupMode(QToolButton::InstantPopup);
  menuButton_->setMinimumSize(56, 30);
  toolRow_->addWidget(menuButton_);
  helpButton_ = toolButton(helpAction_, info.help);
  textOnly(helpButton_, 30);
  toolRow_->addSpacing(8);

  QFont bold = page_.font();
  bold.setBold(true);
  startAction_ = command(PageText(info.startCaption), PageText(info.startCaption),
                         page_.style()->standardIcon(QStyle::SP_MediaPlay));
  startButton_ = new QToolButton(toolBar_);
  startButton_->setObjectName(info.start);
  startButton_->setDefaultAction(startAction_);
  startButton_->setFocusPolicy(Qt::NoFocus);
  startButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  startButton_->setMinimumHeight(30);
  startButton_->setFont(bold);
  toolRow_->addWidget(startButton_);
  cancelAction_ = command(ResultPage::tr("Cancel"), ResultPage::tr("Cancel Operation"),
                          page_.style()->standardIcon(QStyle::SP_BrowserStop));
  cancelButton_ = new QToolButton(toolBar_);
  cancelButton_->setObjectName(info.cancel);
  cancelButton_->setDefaultAction(cancelAction_);
  cancelButton_->setFocusPolicy(Qt::NoFocus);
  cancelButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  cancelButton_->setMinimumHeight(30);
  cancelButton_->setFont(bold);
  cancelButton_->hide();
  toolRow_->addWidget(cancelButton_);
  toolRow_->addStretch(1);
  exitAction_ = command(ResultPage::tr("Exit"), ResultPage::tr("Exit"), QIcon());  // drawn by applyColours
  exitButton_ = toolButton(exitAction_, info.exit);

  connect(startAction_, &QAction::triggered, this, [this] { page_.guarded([this] { page_.StartClick(); }); });
  connect(cancelAction_, &QAction::triggered, this,
          [this] { page_.guarded([this] { page_.CancelClick(); }); });
  connect(exitAction_, &QAction::triggered, &page_, &ResultPage::exitRequested);
}

void PageActions::applyColours() {
  // Start and Cancel red while they can be pressed (the usual grey when
  // disabled): as readable on this palette's background as on the light one
  // they were chosen for.
  for (QToolButton* button : {startButton_, cancelButton_}) {
    QPalette p = button->palette();
    const QColor red = AlertText(page_.palette(), QPalette::Window);
    p.setColor(QPalette::Active, QPalette::ButtonText, red);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, red);
    button->setPalette(p);
  }
  // Icons drawn in the palette's text colour, seen on light and dark.
  if (commaAction_ != nullptr) commaAction_->setIcon(TextIcon("1,0", page_.font(), page_.palette()));
  exitAction_->setIcon(TextIcon("\u2715", page_.font(), page_.palette()));
}

void PageActions::bindKeys() {
  // A command's keys work while its page is shown (its button or the page
  // itself is visible) and the command is enabled.
  SetKeys(startAction_, {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                         QKeySequence(Qt::Key_F5)});
  SetKeys(cancelAction_, {QKeySequence(Qt::Key_Escape)});
  SetKeys(exitAction_, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
  if (ascAction_ != nullptr) {
    SetKeys(ascAction_, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)});
    SetKeys(dscAction_, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)});
    SetKeys(origAction_, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)});
  }
  if (commaAction_ != nullptr) SetKeys(commaAction_, {QKeySequence(Qt::CTRL | Qt::Key_Comma)});
  if (saveAction_ != nullptr) {
    SetKeys(saveAction_, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    SetKeys(printAction_, {QKeySequence(Qt::CTRL | Qt::Key_P)});
  }
  if (moreColumnsAction_ != nullptr) {
    SetKeys(moreColumnsAction_,
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    SetKeys(fewerColumnsAction_, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  }
  auto* openMenu = new QAction(ResultPage::tr("Menu"), &page_);
  openMenu->setShortcut(QKeySequence(Qt::Key_F10));
  connect(openMenu, &QAction::triggered, menuButton_, &QToolButton::showMenu);
  page_.addAction(openMenu);
  // F1 is the window's: the "?" button names it.
  helpAction_->setToolTip(WithKey(ResultPage::tr("Help"), QKeySequence(Qt::Key_F1)));
  for (QAction* action : {ascAction_, dscAction_, origAction_, commaAction_, saveAction_, printAction_,
                          moreColumnsAction_, fewerColumnsAction_})
    if (action != nullptr) page_.addAction(action);
}

void PageActions::addToolWidget(QWidget* widget) {
  widget->setParent(toolBar_);
  toolRow_->insertWidget(toolSlot_++, widget);
}

void PageActions::buildPopup(const PageInfo& info) {
  QStyle* style = page_.style();
  popup_ = new QMenu(&page_);
  popup_->setObjectName(info.popup);
  if (info.asc != nullptr) {
    QMenu* sort = popup_->addMenu(ResultPage::tr("&Sort Randoms"));
    sortActions_ = new QActionGroup(&page_);
    ascAction_ = command(ResultPage::tr("By Ascending"), ResultPage::tr("Sort Ascending"),
                         style->standardIcon(QStyle::SP_ArrowUp));
    dscAction_ = command(ResultPage::tr("By Descending"), ResultPage::tr("Sort Descending"),
                         style->standardIcon(QStyle::SP_ArrowDown));
    origAction_ = command(ResultPage::tr("By Original"), ResultPage::tr("Display As Generated"),
                          style->standardIcon(QStyle::SP_ArrowRight));
    for (QAction* action : {ascAction_, dscAction_, origAction_}) {
      action->setCheckable(true);
      sortActions_->addAction(action);
      sort->addAction(action);
      connect(action, &QAction::triggered, this, [this] { page_.guarded([this] { page_.SortClick(); }); });
    }
    origAction_->setChecked(true);
  }
  if (info.comma != nullptr) {
    popup_->addSeparator();
    commaAction_ = command(ResultPage::tr("Separate With &Commas"), ResultPage::tr("Separate With Commas"),
                           QIcon());  // drawn by applyColours
    commaAction_->setCheckable(true);
    popup_->addAction(commaAction_);
    connect(commaAction_, &QAction::triggered, this,
            [this] { page_.guarded([this] { page_.CommaClick(); }); });
  }
  if (info.columns != nullptr) {
    popup_->addSeparator();
    QMenu* columns = popup_->addMenu(ResultPage::tr("C&olumns"));
    columnActions_ = new QActionGroup(&page_);
    for (int tag = 1; tag <= 10; ++tag) {
      QAction* action = columns->addAction(QString::number(tag));
      action->setCheckable(true);
      action->setData(tag);
      columnActions_->addAction(action);
      connect(action, &QAction::triggered, this, [this, tag] {
        columnsBox_->setCurrentIndex(columnsBox_->findText(QString::number(tag)));
        page_.guarded([this] { page_.ColumnsChange(); });
      });
    }
    columns->addSeparator();
    moreColumnsAction_ = columns->addAction(ResultPage::tr("&More Columns"));
    fewerColumnsAction_ = columns->addAction(ResultPage::tr("&Fewer Columns"));
    for (auto [action, step] : {std::pair(moreColumnsAction_, 1), std::pair(fewerColumnsAction_, -1)})
      connect(action, &QAction::triggered, this, [this, step] {
        const int index = std::clamp(columnsBox_->currentIndex() + step, 0, columnsBox_->count() - 1);
        if (index == columnsBox_->currentIndex()) return;
        columnsBox_->setCurrentIndex(index);
        page_.guarded([this] { page_.ColumnsChange(); });
      });
  }
  if (info.save != nullptr) {
    popup_->addSeparator();
    saveAction_ = command(ResultPage::tr("Save &As File"), PageText(info.saveHint),
                          style->standardIcon(QStyle::SP_DialogSaveButton));
    printAction_ = command(ResultPage::tr("&Print Randoms"), PageText(info.printHint), QIcon());
    printAction_->setIconText(ResultPage::tr("Print"));
    popup_->addAction(saveAction_);
    popup_->addAction(printAction_);
    connect(saveAction_, &QAction::triggered, this,
            [this] { page_.guarded([this] { page_.exports().SaveClick(); }); });
    connect(printAction_, &QAction::triggered, this,
            [this] { page_.guarded([this] { page_.exports().PrintClick(); }); });
  }
  popup_->addSeparator();
  ResultListView* list = page_.view().list();
  copyAction_ = command(ResultPage::tr("&Copy"), ResultPage::tr("Copy the selected rows"),
                        style->standardIcon(QStyle::SP_FileIcon));
  copyAction_->setShortcut(QKeySequence::Copy);
  copyAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(copyAction_);  // Ctrl+C in the result list
  popup_->addAction(copyAction_);
  connect(copyAction_, &QAction::triggered, this,
          [this] { page_.guarded([this] { page_.view().CopyClick(); }); });
  copyValueAction_ =
      command(ResultPage::tr("Copy &Value"), ResultPage::tr("Copy the value clicked, alone"), QIcon());
  copyValueAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
  copyValueAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(copyValueAction_);  // Ctrl+Alt+C in the result list
  popup_->addAction(copyValueAction_);
  connect(copyValueAction_, &QAction::triggered, this,
          [this] { page_.guarded([this] { page_.view().CopyValueClick(); }); });
  copyCommandAction_ =
      command(ResultPage::tr("Copy as Command &Line"), ResultPage::tr("Copy as Command Line"), QIcon());
  // The window's action of the same name holds the shortcut; here it is shown.
  copyCommandAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyCommandAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  popup_->addAction(copyCommandAction_);
  connect(copyCommandAction_, &QAction::triggered, this,
          [this] { page_.guarded([this] { page_.exports().CopyCommandClick(); }); });
  helpAction_ = command(ResultPage::tr("Help"), ResultPage::tr("Help"), QIcon());
  helpAction_->setIconText("?");
  connect(helpAction_, &QAction::triggered, &page_, &ResultPage::helpRequested);
}

void PageActions::PopupRequested(const QPoint& globalPos) {
  // No menu before the first run, nor while the page runs.
  if (!page_.resultsShown() || page_.running()) return;
  if (columnActions_ != nullptr)
    for (QAction* a : columnActions_->actions()) a->setChecked(a->data().toInt() == columnsChoice());
  popup_->popup(globalPos);
}

int PageActions::columnsChoice() const {
  return columnsBox_ != nullptr ? columnsBox_->currentText().toInt() : 1;
}

void PageActions::setBusy(bool busy) {
  for (QAction* action : {ascAction_, dscAction_, origAction_, commaAction_, saveAction_, printAction_,
                          copyAction_, copyCommandAction_, copyValueAction_})
    if (action != nullptr) action->setEnabled(!busy);
  if (columnsBox_ != nullptr) columnsBox_->setEnabled(!busy);
  if (columnActions_ != nullptr) columnActions_->setEnabled(!busy);
  for (QAction* action : {moreColumnsAction_, fewerColumnsAction_})
    if (action != nullptr) action->setEnabled(!busy);
  startAction_->setEnabled(!busy);
  cancelButton_->setVisible(busy);
}

}  // namespace quenvar::ui
