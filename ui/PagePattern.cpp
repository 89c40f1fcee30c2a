#include "ui/PagePattern.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/Paths.h"
#include "core/Printing.h"
#include "ui/Accessible.h"
#include "ui/Colours.h"
#include "ui/DistributionDialog.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/Keyboard.h"
#include "ui/Platform.h"
#include "ui/RunArguments.h"
#include "ui/SpinEdit.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"

namespace quenvar::ui {

namespace {

const char kPopupHint[] = QT_TRANSLATE_NOOP("quenvar::ui::ResultPage", "Right-Click it to open popup menu");

}  // namespace

InputArea::InputArea(QWidget* parent) : QScrollArea(parent) {
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

QSize InputArea::sizeHint() const {
  return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
}

QSize InputArea::minimumSizeHint() const {
  // Room for a line of inputs and the scroll bars.
  return {100, fontMetrics().height() * 3 + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent)};
}

ResultPage::ResultPage(const PageInfo& info) : QWidget(nullptr), info_(info) {
  setObjectName(info_.page);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolBar = new QFrame(this);
  toolBar->setObjectName(QString(info_.page) + "ToolBar");
  toolBar->setFrameShape(QFrame::StyledPanel);
  inputPanel = new QFrame(this);
  inputPanel->setObjectName(QString(info_.page) + "InputPanel");
  // The inputs take the height they need; on a screen too small for them
  // they scroll, the results and the status line staying in view.
  inputArea = new InputArea(this);
  inputArea->setObjectName(QString(info_.page) + "InputArea");
  inputArea->setWidget(inputPanel);
  seed = new SeedGroup(inputPanel, info_.seed, info_.seedDivisor);
  buildResults();  // the popup and the tool bar act on the list
  buildPopup();
  buildToolBar();
  bindKeys();
  layout->addWidget(toolBar);
  layout->addWidget(inputArea);
  layout->addWidget(header);
  layout->addWidget(list, 1);
  layout->addWidget(statusPanel);
  applyColours();
  fitHeader();
  progressView_ = std::make_unique<WidgetProgress>(progressBar);
  labelView_ = std::make_unique<WidgetLabel>(statusLabel);

  // Start-up: the automatic seed is taken once, the manual box proposes one.
  seed->take();
  seed->proposeManual();
  StopDisplay = false;
  totalsLabel->clear();
}

ResultPage::~ResultPage() = default;

QAction* ResultPage::command(const QString& text, const QString& hint, const QIcon& icon) {
  auto* action = new QAction(icon, text, this);
  action->setToolTip(hint);
  return action;
}

QToolButton* ResultPage::toolButton(QAction* action, const char* name, QBoxLayout* row) {
  if (row == nullptr) row = toolRow_;
  auto* button = new QToolButton(row->parentWidget() != nullptr ? row->parentWidget() : toolBar);
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

void ResultPage::buildToolBar() {
  toolRow_ = new QHBoxLayout(toolBar);
  toolRow_->setContentsMargins(4, 1, 4, 1);
  toolRow_->setSpacing(2);
  if (ascAction != nullptr) {
    // One exclusive group to assistive technology: three radio buttons.
    auto* group = new QWidget(toolBar);
    group->setObjectName(QString(info_.page) + "SortGroup");
    group->setProperty(kExclusiveGroup, true);
    group->setAccessibleName(tr("Sort order"));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(toolRow_->spacing());
    toolRow_->addWidget(group);
    ascButton = toolButton(ascAction, info_.asc, row);
    dscButton = toolButton(dscAction, info_.dsc, row);
    origButton = toolButton(origAction, info_.orig, row);
  }
  if (commaAction != nullptr) {
    commaButton = toolButton(commaAction, info_.comma);
    commaButton->setIconSize(QSize(26, 20));
  }
  toolRow_->addSpacing(8);
  if (info_.columns != nullptr) {
    auto* label = new QLabel(tr("C&olumns"), toolBar);
    toolRow_->addWidget(label);
    columnsBox = new QComboBox(toolBar);
    columnsBox->setObjectName(info_.columns);
    columnsBox->setAccessibleName(tr("Columns"));  // read by its label, not its value
    columnsBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(columnsBox);
    for (int c = 1; c <= 20; ++c) columnsBox->addItem(QString::number(c));
    columnsBox->setCurrentIndex(2);  // three columns unless the settings say otherwise
    toolRow_->addWidget(columnsBox);
    connect(columnsBox, &QComboBox::activated, this, [this] { guarded([this] { ColumnsChange(); }); });
    toolRow_->addSpacing(8);
  }
  toolSlot_ = toolRow_->count();
  if (saveAction != nullptr) saveButton = toolButton(saveAction, info_.save);
  auto textOnly = [](QToolButton* button, int width) {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(width);
  };
  if (printAction != nullptr) {
    printButton = toolButton(printAction, info_.print);
    textOnly(printButton, 42);
  }
  menuButton = new QToolButton(toolBar);
  menuButton->setObjectName(info_.menu);
  menuButton->setText(tr("Menu"));
  menuButton->setToolTip(WithKey(tr("Menu"), QKeySequence(Qt::Key_F10)));
  menuButton->setAccessibleName(tr("Menu"));
  menuButton->setAutoRaise(true);
  menuButton->setFocusPolicy(Qt::NoFocus);
  menuButton->setPopupMode(QToolButton::InstantPopup);
  menuButton->setMinimumSize(56, 30);
  toolRow_->addWidget(menuButton);
  helpButton = toolButton(helpAction, info_.help);
  textOnly(helpButton, 30);
  toolRow_->addSpacing(8);

  QFont bold = font();
  bold.setBold(true);
  startAction = command(PageText(info_.startCaption), PageText(info_.startCaption),
                        style()->standardIcon(QStyle::SP_MediaPlay));
  startButton = new QToolButton(toolBar);
  startButton->setObjectName(info_.start);
  startButton->setDefaultAction(startAction);
  startButton->setFocusPolicy(Qt::NoFocus);
  startButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  startButton->setMinimumHeight(30);
  startButton->setFont(bold);
  toolRow_->addWidget(startButton);
  cancelAction = command(tr("Cancel"), tr("Cancel Operation"), style()->standardIcon(QStyle::SP_BrowserStop));
  cancelButton = new QToolButton(toolBar);
  cancelButton->setObjectName(info_.cancel);
  cancelButton->setDefaultAction(cancelAction);
  cancelButton->setFocusPolicy(Qt::NoFocus);
  cancelButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  cancelButton->setMinimumHeight(30);
  cancelButton->setFont(bold);
  cancelButton->hide();
  toolRow_->addWidget(cancelButton);
  toolRow_->addStretch(1);
  exitAction = command(tr("Exit"), tr("Exit"), QIcon());  // drawn by applyColours
  exitButton = toolButton(exitAction, info_.exit);

  connect(startAction, &QAction::triggered, this, [this] { guarded([this] { StartClick(); }); });
  connect(cancelAction, &QAction::triggered, this, [this] { guarded([this] { CancelClick(); }); });
  connect(exitAction, &QAction::triggered, this, &ResultPage::exitRequested);
}

void ResultPage::applyColours() {
  // Start and Cancel red while they can be pressed (the usual grey when
  // disabled), the totals navy: each as readable on this palette's
  // background as on the light one they were chosen for.
  for (QToolButton* button : {startButton, cancelButton}) {
    QPalette p = button->palette();
    const QColor red = AlertText(palette(), QPalette::Window);
    p.setColor(QPalette::Active, QPalette::ButtonText, red);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, red);
    button->setPalette(p);
  }
  QPalette totals = totalsLabel->palette();
  totals.setColor(QPalette::WindowText, NoticeText(palette(), QPalette::Window));
  totalsLabel->setPalette(totals);
  // Icons drawn in the palette's text colour, seen on light and dark.
  if (commaAction != nullptr) commaAction->setIcon(TextIcon("1,0", font(), palette()));
  exitAction->setIcon(TextIcon("\u2715", font(), palette()));
}

void ResultPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) applyColours();
  if (event->type() == QEvent::FontChange) fitHeader();
  QWidget::changeEvent(event);
}

void ResultPage::keyPressEvent(QKeyEvent* event) {
  // Inputs pass Return on to the page; lists, multi-line boxes and the
  // editors that mark themselves kOwnReturn keep it for themselves.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  QWidget* focus = QApplication::focusWidget();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain && focus != nullptr &&
      inputPanel->isAncestorOf(focus)) {
    bool input = qobject_cast<QLineEdit*>(focus) != nullptr ||
                 qobject_cast<QAbstractSpinBox*>(focus) != nullptr ||
                 qobject_cast<QComboBox*>(focus) != nullptr || qobject_cast<QCheckBox*>(focus) != nullptr ||
                 qobject_cast<QRadioButton*>(focus) != nullptr;
    for (QWidget* w = focus; w != inputPanel && input; w = w->parentWidget())
      if (w->property(kOwnReturn).toBool()) input = false;
    if (input) {
      event->accept();
      if (startAction->isEnabled()) startAction->trigger();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void ResultPage::fitHeader() {
  // 22 pixels high at the usual font, taller with a larger one.
  header->setFixedHeight(std::max(22, header->fontMetrics().height() + 8));
}

void ResultPage::bindKeys() {
  // A command's keys work while its page is shown (its button or the page
  // itself is visible) and the command is enabled.
  SetKeys(startAction, {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                        QKeySequence(Qt::Key_F5)});
  SetKeys(cancelAction, {QKeySequence(Qt::Key_Escape)});
  SetKeys(exitAction, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
  if (ascAction != nullptr) {
    SetKeys(ascAction, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)});
    SetKeys(dscAction, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)});
    SetKeys(origAction, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)});
  }
  if (commaAction != nullptr) SetKeys(commaAction, {QKeySequence(Qt::CTRL | Qt::Key_Comma)});
  if (saveAction != nullptr) {
    SetKeys(saveAction, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    SetKeys(printAction, {QKeySequence(Qt::CTRL | Qt::Key_P)});
  }
  if (moreColumnsAction != nullptr) {
    SetKeys(moreColumnsAction,
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    SetKeys(fewerColumnsAction, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  }
  auto* openMenu = new QAction(tr("Menu"), this);
  openMenu->setShortcut(QKeySequence(Qt::Key_F10));
  connect(openMenu, &QAction::triggered, menuButton, &QToolButton::showMenu);
  addAction(openMenu);
  // F1 is the window's: the "?" button names it.
  helpAction->setToolTip(WithKey(tr("Help"), QKeySequence(Qt::Key_F1)));
  for (QAction* action : {ascAction, dscAction, origAction, commaAction, saveAction, printAction,
                          moreColumnsAction, fewerColumnsAction})
    if (action != nullptr) addAction(action);
}

void ResultPage::addToolWidget(QWidget* widget) {
  widget->setParent(toolBar);
  toolRow_->insertWidget(toolSlot_++, widget);
}

void ResultPage::buildResults() {
  header = new QHeaderView(Qt::Horizontal, this);
  header->setObjectName(info_.header);
  header->setModel(new QStandardItemModel(0, 0, header));
  header->setSectionsMovable(false);
  header->setSectionsClickable(false);
  header->setStretchLastSection(false);
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setMinimumSectionSize(10);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  header->setAccessibleName(tr("Result columns"));
  header->installEventFilter(this);
  connect(header, &QHeaderView::sectionResized, this, [this](int section) {
    fitCaption(section);
    list->viewport()->update();
  });
  connect(header, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(header->mapToGlobal(p)); });

  list = new ResultListView(this);
  list->setObjectName(info_.list);
  list->setAccessibleName(tr("Results"));
  list->setFont(ResultDelegate::ResultFont());
  model = new ResultModel(header, list);
  list->setModel(model);
  list->setItemDelegate(new ResultDelegate(list));
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(list->viewport()->mapToGlobal(p)); });
  list->viewport()->installEventFilter(this);
  connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { valueRow_ = current.row(); });

  statusPanel = new QFrame(this);
  statusPanel->setObjectName(info_.statusPanel);
  statusPanel->setFrameShape(QFrame::StyledPanel);
  // The progress bar takes the panel's width right of the status label; the
  // totals, shown when it is hidden, lie in the same place, right-aligned.
  // They are laid out in a row of their own that the panel sizes by hand
  // (eventFilter): a new caption, the bar shown or hidden or new totals lay
  // out that row alone, not the page, which would repaint it all.
  auto* row = new QGridLayout(new QWidget(statusPanel));
  statusPanel->installEventFilter(this);
  row->setContentsMargins(4, 0, 6, 0);
  statusLabel = new QLabel(tr("Status"), statusPanel);
  statusLabel->setObjectName(info_.statusLabel);
  statusLabel->setMinimumWidth(160);
  progressBar = new QProgressBar(statusPanel);
  progressBar->setObjectName(info_.progress);
  progressBar->setTextVisible(false);
  progressBar->setAccessibleName(tr("Progress"));
  totalsLabel = new QLabel(statusPanel);
  totalsLabel->setObjectName(info_.totals);
  totalsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  rateLabel = new QLabel(statusPanel);
  rateLabel->setObjectName(QString(info_.page) + "Rate");
  rateLabel->hide();
  row->addWidget(statusLabel, 0, 0);
  row->addWidget(rateLabel, 0, 1);
  row->addWidget(totalsLabel, 0, 2);
  row->addWidget(progressBar, 0, 2);
  row->setColumnStretch(2, 1);
  connect(progressBar, &QProgressBar::valueChanged, this, [this] { updateRate(); });
  progressBar->hide();
  progressBar->installEventFilter(this);
  // The panel is as tall as its row needs at the current font.
  statusRow_ = row->parentWidget();
  statusRow_->installEventFilter(this);
  fitStatusPanel();
  statusPanel->hide();
}

void ResultPage::fitStatusPanel() {
  const int frame = 2 * statusPanel->frameWidth();
  statusPanel->setMinimumHeight(statusRow_->sizeHint().height() + frame);
}

void ResultPage::buildPopup() {
  popup = new QMenu(this);
  popup->setObjectName(info_.popup);
  if (info_.asc != nullptr) {
    QMenu* sort = popup->addMenu(tr("&Sort Randoms"));
    sortActions = new QActionGroup(this);
    ascAction = command(tr("By Ascending"), tr("Sort Ascending"), style()->standardIcon(QStyle::SP_ArrowUp));
    dscAction =
        command(tr("By Descending"), tr("Sort Descending"), style()->standardIcon(QStyle::SP_ArrowDown));
    origAction =
        command(tr("By Original"), tr("Display As Generated"), style()->standardIcon(QStyle::SP_ArrowRight));
    for (QAction* action : {ascAction, dscAction, origAction}) {
      action->setCheckable(true);
      sortActions->addAction(action);
      sort->addAction(action);
      connect(action, &QAction::triggered, this, [this] { guarded([this] { SortClick(); }); });
    }
    origAction->setChecked(true);
  }
  if (info_.comma != nullptr) {
    popup->addSeparator();
    commaAction =
        command(tr("Separate With &Commas"), tr("Separate With Commas"), QIcon());  // drawn by applyColours
    commaAction->setCheckable(true);
    popup->addAction(commaAction);
    connect(commaAction, &QAction::triggered, this, [this] { guarded([this] { CommaClick(); }); });
  }
  if (info_.columns != nullptr) {
    popup->addSeparator();
    QMenu* columns = popup->addMenu(tr("C&olumns"));
    columnActions = new QActionGroup(this);
    for (int tag = 1; tag <= 10; ++tag) {
      QAction* action = columns->addAction(QString::number(tag));
      action->setCheckable(true);
      action->setData(tag);
      columnActions->addAction(action);
      connect(action, &QAction::triggered, this, [this, tag] {
        columnsBox->setCurrentIndex(columnsBox->findText(QString::number(tag)));
        guarded([this] { ColumnsChange(); });
      });
    }
    columns->addSeparator();
    moreColumnsAction = columns->addAction(tr("&More Columns"));
    fewerColumnsAction = columns->addAction(tr("&Fewer Columns"));
    for (auto [action, step] : {std::pair(moreColumnsAction, 1), std::pair(fewerColumnsAction, -1)})
      connect(action, &QAction::triggered, this, [this, step] {
        const int index = std::clamp(columnsBox->currentIndex() + step, 0, columnsBox->count() - 1);
        if (index == columnsBox->currentIndex()) return;
        columnsBox->setCurrentIndex(index);
        guarded([this] { ColumnsChange(); });
      });
  }
  if (info_.save != nullptr) {
    popup->addSeparator();
    saveAction = command(tr("Save &As File"), PageText(info_.saveHint),
                         style()->standardIcon(QStyle::SP_DialogSaveButton));
    printAction = command(tr("&Print Randoms"), PageText(info_.printHint), QIcon());
    printAction->setIconText(tr("Print"));
    popup->addAction(saveAction);
    popup->addAction(printAction);
    connect(saveAction, &QAction::triggered, this, [this] { guarded([this] { SaveClick(); }); });
    connect(printAction, &QAction::triggered, this, [this] { guarded([this] { PrintClick(); }); });
  }
  popup->addSeparator();
  copyAction = command(tr("&Copy"), tr("Copy the selected rows"), style()->standardIcon(QStyle::SP_FileIcon));
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(copyAction);  // Ctrl+C in the result list
  popup->addAction(copyAction);
  connect(copyAction, &QAction::triggered, this, [this] { guarded([this] { CopyClick(); }); });
  copyValueAction = command(tr("Copy &Value"), tr("Copy the value clicked, alone"), QIcon());
  copyValueAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
  copyValueAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(copyValueAction);  // Ctrl+Alt+C in the result list
  popup->addAction(copyValueAction);
  connect(copyValueAction, &QAction::triggered, this, [this] { guarded([this] { CopyValueClick(); }); });
  copyCommandAction = command(tr("Copy as Command &Line"), tr("Copy as Command Line"), QIcon());
  // The window's action of the same name holds the shortcut; here it is shown.
  copyCommandAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyCommandAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  popup->addAction(copyCommandAction);
  connect(copyCommandAction, &QAction::triggered, this, [this] { guarded([this] { CopyCommandClick(); }); });
  helpAction = command(tr("Help"), tr("Help"), QIcon());
  helpAction->setIconText("?");
  connect(helpAction, &QAction::triggered, this, &ResultPage::helpRequested);
}

void ResultPage::guarded(const std::function<void()>& handler) { RunGuarded(window(), handler); }

bool ResultPage::eventFilter(QObject* watched, QEvent* event) {
  // A click picks the entry Copy Value copies; a double-click copies it.
  if (watched == list->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const int row = list->indexAt(at).row();
    const int column = header->logicalIndexAt(at.x());
    if (row >= 0 && column >= 1) {
      valueRow_ = row;
      valueColumn_ = column;
      if (event->type() == QEvent::MouseButtonDblClick) {
        guarded([this] { CopyValueClick(); });
        return true;
      }
    }
  }
  // The totals and the progress bar share their place: the totals step aside.
  if (watched == progressBar &&
      (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    totalsLabel->setHidden(event->type() == QEvent::ShowToParent);
    restartRate();
  }
  if (watched == statusPanel && statusRow_ != nullptr &&
      (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange))
    statusRow_->setGeometry(statusPanel->contentsRect());
  if (watched == statusRow_ && event->type() == QEvent::LayoutRequest) fitStatusPanel();
  if (watched == header && event->type() == QEvent::Resize && header->count() > 0 &&
      static_cast<QResizeEvent*>(event)->oldSize().width() != header->width())
    buildHeader();
  return QWidget::eventFilter(watched, event);
}

void ResultPage::setHints(bool on) {
  list->setToolTip(on ? tr(kPopupHint) : QString());
  header->setToolTip(on ? tr(kPopupHint) : QString());
}

int ResultPage::columnsChoice() const {
  return columnsBox != nullptr ? columnsBox->currentText().toInt() : 1;
}

void ResultPage::commitEdits() {
  for (TSpinEdit* spin : inputPanel->findChildren<TSpinEdit*>()) {
    if (!spin->isEnabled()) continue;
    spin->interpretText();
    emit spin->editingFinished();
  }
}

void ResultPage::showNoResults() {
  model->clear();
  statusPanel->hide();
  progressBar->hide();
  setHints(false);
  releaseResults();
}

void ResultPage::StartClick() {
  // Moving the focus away from the box being typed in commits its value.
  list->setFocus();
  commitEdits();
  prepareStart();
  validateInputs();
  StopDisplay = false;
  // The run's own source, from here to its end: radio clicks and other
  // pages' runs meanwhile do not reach it.
  RandomSource source = seed->takeSource();
  recordRun();
  statusPanel->show();
  setHints(true);
  totalsLabel->clear();
  SetBusy(true);
  // Busy from the draw to the last row shown: the buttons change twice a
  // run, not at every step.
  try {
    generate(source);
    ReformatResults();
  } catch (...) {
    // A failed run shows nothing and keeps nothing: the page is as before
    // its first run, with every button telling the truth.
    SetBusy(false);
    showNoResults();
    throw;
  }
  SetBusy(false);
  totalsLabel->setText(totalsText());
}

void ResultPage::CancelClick() {
  if (copying_ || printing_ || saving_) {  // only the copy, print or save stops: the results stay shown
    copyStopped_ = copying_;
    printStopped_ = printing_;
    saveStopped_ = saving_;
    return;
  }
  cancelButton->hide();
  StopDisplay = true;
  cancelGenerator();
  model->clear();
  statusPanel->hide();
  setHints(false);
  SetBusy(false);
}

void ResultPage::SetBusy(bool busy) {
  for (QAction* action : {ascAction, dscAction, origAction, commaAction, saveAction, printAction, copyAction,
                          copyCommandAction, copyValueAction})
    if (action != nullptr) action->setEnabled(!busy);
  if (columnsBox != nullptr) columnsBox->setEnabled(!busy);
  if (columnActions != nullptr) columnActions->setEnabled(!busy);
  for (QAction* action : {moreColumnsAction, fewerColumnsAction})
    if (action != nullptr) action->setEnabled(!busy);
  startAction->setEnabled(!busy);
  cancelButton->setVisible(busy);
  if (!busy) progressView_->settle();
  emit busyChanged(busy);
}

void ResultPage::ReformatResults() {
  if (!resultsShown() || !displaysResults()) return;
  // Inside a run the page is busy already and stays so until the run ends.
  const bool idle = !running();
  if (idle) SetBusy(true);
  try {
    formatResults();
  } catch (...) {
    if (idle) SetBusy(false);
    throw;
  }
  DisplayResults();
  if (idle) SetBusy(false);
}

void ResultPage::DisplayResults() {
  if (!resultsShown() || !displaysResults() || columnCount() < 1) return;
  list->setUpdatesEnabled(false);
  model->clear();
  const qint64 n = entryCount();
  const int c = columnCount();
  const qint64 rows = n / c + (n % c > 0 ? 1 : 0);
  progressView_->start(rows);
  labelView_->setCaption(info_.displayText);
  // The rows are counted out in slices, letting messages run between them
  // so that a Cancel ends the loop before its next slice; the list learns
  // their number once, so it lays itself out once.
  constexpr qint64 kSlice = 8192;
  qint64 done = 0;
  while (done < rows && !StopDisplay) {
    const qint64 add = std::min(kSlice, rows - done);
    CountWork(static_cast<uint64_t>(add));
    done += add;
    progressView_->setPosition(done);
    LetMessagesRun();
  }
  list->setUpdatesEnabled(true);
  // The rows in view are placed and painted before the page says it is
  // done; the list places the others by arithmetic when they are shown.
  if (!StopDisplay) {
    model->setRows(static_cast<int>(done));
    list->placeRows();
    list->viewport()->repaint();
  }
  labelView_->setCaption(TR_NOOP("Core", TR_NOOP("Core", "Done")));
  progressView_->hide();
}

void ResultPage::setSections(const QStringList& captions, const QList<int>& widths) {
  auto* items = static_cast<QStandardItemModel*>(header->model());
  items->setColumnCount(0);
  items->setColumnCount(static_cast<int>(captions.size()));
  for (int k = 0; k < captions.size(); ++k) {
    items->setHeaderData(k, Qt::Horizontal, captions[k], Qt::UserRole);
    header->resizeSection(k, widths[k]);
    fitCaption(k);
  }
  // Read out whole, as the captions of the columns.
  header->setAccessibleDescription(captions.join(", "));
}

void ResultPage::fitCaption(int section) {
  // A caption too long for its section is cut short with "…"; its tooltip
  // gives it whole.
  auto* items = header->model();
  const QString caption = items->headerData(section, Qt::Horizontal, Qt::UserRole).toString();
  const int room = header->sectionSize(section) - 8;
  const QString shown = header->fontMetrics().elidedText(caption, Qt::ElideRight, std::max(room, 0));
  items->setHeaderData(section, Qt::Horizontal, shown);
  items->setHeaderData(section, Qt::Horizontal, shown == caption ? QString() : caption, Qt::ToolTipRole);
}

void ResultPage::buildHeader() {
  const int c = std::max(columnsChoice(), 1);
  QStringList captions{tr("NO.")};
  QList<int> widths{80};
  const int width = (header->width() - 80) / c;
  for (int k = 1; k <= c; ++k) {
    captions << tr("Column %1").arg(k);
    widths << width;
  }
  setSections(captions, widths);
}

void ResultPage::ColumnsChange() {
  SetBusy(true);
  model->setSource({});
  buildHeader();
  model->setSource([this]() -> const TArrayString* { return resultsShown() ? &results() : nullptr; });
  DisplayResults();
  SetBusy(false);
}

void ResultPage::changeFormat(const std::function<void()>& change) {
  const TSortOrder sortBefore = SortOrder;
  const bool commaBefore = Comma;
  change();
  try {
    ReformatResults();
  } catch (...) {
    // The values shown are still those of the old format: so are the buttons.
    SortOrder = sortBefore;
    Comma = commaBefore;
    if (sortActions != nullptr) sortActions->actions()[SortOrder]->setChecked(true);
    if (commaAction != nullptr) commaAction->setChecked(Comma);
    throw;
  }
}

void ResultPage::SortClick() {
  if (sortActions == nullptr) return;
  changeFormat([this] {
    SortOrder = ascAction->isChecked() ? SortAscending : dscAction->isChecked() ? SortDescending : SortDrawn;
  });
}

void ResultPage::CommaClick() {
  if (commaAction == nullptr) return;
  changeFormat([this] { Comma = commaAction->isChecked(); });
}

void ResultPage::PopupRequested(const QPoint& globalPos) {
  // No menu before the first run, nor while the page runs.
  if (!resultsShown() || running()) return;
  if (columnActions != nullptr)
    for (QAction* a : columnActions->actions()) a->setChecked(a->data().toInt() == columnsChoice());
  popup->popup(globalPos);
}

void ResultPage::SaveClick() {
  if (!resultsShown()) {
    platform().messageBox(window(), tr("No randoms to be saved!"), Icon::Information, false);
    return;
  }
  const ExportPreset preset = exportPreset();
  TFormSaveText dialog(window(), textGenerator(), info_.kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.Save = [this, &dialog](const TsaveTextPar& par) { return saveResults(dialog, par); };
  // Modal as with exec(), but the dialog may hide while the page saves.
  dialog.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  loop.exec();
}

bool ResultPage::exportBesideDialog(QDialog& dialog, bool& underWay, bool& stopped,
                                    const std::function<bool(const PrintFeedback&)>& work) {
  const QString caption = statusLabel->text();
  underWay = true;
  stopped = false;
  SetBusy(true);
  dialog.hide();
  const auto finish = qScopeGuard([&] {
    underWay = false;
    progressView_->hide();
    labelView_->setCaption(caption.toStdString());
    SetBusy(false);
    dialog.show();
  });
  return work(PrintFeedback{progressView(), labelView(), &stopped});
}

bool ResultPage::saveResults(QDialog& dialog, const TsaveTextPar& par) {
  return exportBesideDialog(dialog, saving_, saveStopped_, [&](const PrintFeedback& feedback) {
    return textGenerator()->SaveText(par, feedback);
  });
}

void ResultPage::PrintClick() {
  if (!resultsShown()) {
    platform().messageBox(window(), tr("No randoms to be printed!"), Icon::Information, false);
    return;
  }
  if (platform().printerNames().isEmpty()) {
    platform().messageBox(window(), tr("No printer in your system!"), Icon::Information, false);
    return;
  }
  QDir().mkpath(TempFolder());
  const ExportPreset preset = exportPreset();
  TFormPrinttext dialog(window(), textGenerator(), info_.kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.Print = [this, &dialog](const TsaveTextPar& par) { return printResults(dialog, par); };
  // Modal as with exec(), but the dialog may hide while the page prints.
  dialog.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  loop.exec();
}

namespace {
bool printUnderWay = false;  // one print job at a time: the printer is shared
}  // namespace

bool ResultPage::printResults(QDialog& dialog, const TsaveTextPar& par) {
  if (printUnderWay) {
    platform().messageBox(&dialog, tr("Another print is under way: wait for it to end or cancel it first."),
                          Icon::Information, false);
    return false;
  }
  printUnderWay = true;
  const auto clear = qScopeGuard([] { printUnderWay = false; });
  return exportBesideDialog(dialog, printing_, printStopped_, [&](const PrintFeedback& feedback) {
    return textGenerator()->PrintText(par, feedback);
  });
}

void ResultPage::enableDistribution() {
  popup->addSeparator();
  distributionAction = command(tr("Distri&bution\u2026"), tr("Chart of the last run's results"), QIcon());
  distributionAction->setEnabled(false);  // nothing to chart before a run
  popup->addAction(distributionAction);
  auto update = [this] {
    distributionAction->setEnabled(!running() && resultsShown() && holdsDistribution());
  };
  connect(this, &ResultPage::busyChanged, this, update);
  connect(popup, &QMenu::aboutToShow, this, update);
  connect(distributionAction, &QAction::triggered, this,
          [this] { guarded([this] { DistributionClick(); }); });
}

void ResultPage::DistributionClick() {
  if (!resultsShown() || running() || !holdsDistribution()) {
    platform().messageBox(window(), tr("No randoms to chart: start a run first."), Icon::Information, false);
    return;
  }
  DistributionDialog dialog(window(), distribution(), PageText(info_.caption));
  dialog.exec();
}

QStringList ResultPage::formatArguments() const {
  QStringList args;
  // Pages without sorting write no text (the File page): nothing to lay out.
  if (sortActions == nullptr) return args;
  args << Arg(runs::kSort) << Arg(runs::kSort, std::min<int>(SortOrder, 2));
  if (commaAction != nullptr && Comma) args << Arg(runs::number::kComma);
  if (!exportPreset().fixedLayout) args << Arg(runs::kPerLine) << QString::number(columnCount());
  return args;
}

QStringList ResultPage::lastCommand() const {
  if (lastRun_.isEmpty() || !resultsShown() || running()) return {};
  return QStringList{"quenvar-cli"} + lastRun_ + formatArguments();
}

QString ResultPage::ShellQuote(const QString& word) {
  static const QString kPlain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@%+=:,./-_";
  const bool plain =
      !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) { return kPlain.contains(c); });
  if (plain) return word;
  // Inside single quotes nothing is special but the quote itself, which
  // ends the quoting, is given escaped, and starts it again.
  QString quoted = word;
  quoted.replace('\'', "'\\''");
  return '\'' + quoted + '\'';
}

QString ResultPage::ShellCommand(const QStringList& words) {
  QStringList quoted;
  quoted.reserve(words.size());
  for (const QString& word : words) quoted << ShellQuote(word);
  return quoted.join(' ');
}

QString ResultPage::CommandFile(const QString& prefix, const QString& suffix, std::string_view text) {
  // FNV-1a over the bytes.
  uint64_t hash = 14695981039346656037ull;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return QString::fromStdString(paths::Current().data) + "/" + prefix +
         QString::number(hash, 16).rightJustified(16, '0') + suffix;
}

std::string ResultPage::LinesText(const TArrayString& lines) {
  std::string text;
  text.reserve(lines.characters() + lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    text.append(lines[i]);
    text += '\n';
  }
  return text;
}

QString ResultPage::WriteCommandFile(const QString& prefix, const QString& suffix, std::string_view text,
                                     const QString& what) {
  const QString path = CommandFile(prefix, suffix, text);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
      !file.commit())
    throw EInOutError(tr("Cannot write the %1 \"%2\": %3").arg(what, path, file.errorString()).toStdString());
  constexpr qsizetype kKept = 32;
  const QRegularExpression ours("^" + QRegularExpression::escape(prefix) + "[0-9a-f]{16}" +
                                QRegularExpression::escape(suffix) + "$");
  const QFileInfo now(path);
  qsizetype count = 0;
  for (const QFileInfo& info : now.dir().entryInfoList({prefix + "*" + suffix}, QDir::Files, QDir::Time))
    if (ours.match(info.fileName()).hasMatch() && ++count > kKept && info != now)
      QFile::remove(info.absoluteFilePath());
  return path;
}

void ResultPage::CopyCommandClick() {
  if (running()) return;
  if (lastCommand().isEmpty()) {
    platform().messageBox(window(), tr("No run to be copied as a command line!"), Icon::Information, false);
    return;
  }
  writeCommandFiles();  // may name them in the command
  QApplication::clipboard()->setText(ShellCommand(lastCommand()));
}

namespace {
ResultPage* copyUnderWay = nullptr;  // the page whose copy is being made
}  // namespace

void ResultPage::CopyClick() {
  if (running() || list->model() != model || !model->hasSource()) return;
  // The selected rows as ranges, in row order; all rows selected by Ctrl+A
  // are one range.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : list->selectionModel()->selection())
    ranges.emplace_back(range.top(), range.bottom());
  std::sort(ranges.begin(), ranges.end());
  int next = 0;  // rows below it are taken
  uint64_t rows = 0;
  for (auto& [top, bottom] : ranges) {
    top = std::max(top, next);
    rows += static_cast<uint64_t>(std::max(bottom - top + 1, 0));
    next = std::max(next, bottom + 1);
  }
  if (rows == 0) return;
  // Weighed before any text is made: as handed over (two bytes a character),
  // its growth and the clipboard's own copy, from the longest of 65 rows
  // spread over the selection.
  const int64_t first = ranges.front().first;
  const int64_t last = next - 1;
  qsizetype widest = 0;
  for (int64_t k = 0; k <= 64; ++k)
    widest = std::max(widest, model->rowText(static_cast<int>(first + (last - first) * k / 64)).size());
  const uint64_t rowBytes = static_cast<uint64_t>(widest) + 1;
  CheckMemoryFor(rows * rowBytes * 5);

  const QString caption = statusLabel->text();
  auto finish = [&] {
    copying_ = false;
    if (copyUnderWay == this) copyUnderWay = nullptr;
    progressView_->hide();
    labelView_->setCaption(caption.toStdString());
    SetBusy(false);
  };
  try {
    // The newest copy wins: one under way on another page stops, copying
    // nothing; that page stays in its copy until this one ends.
    if (copyUnderWay != nullptr) copyUnderWay->copyStopped_ = true;
    copyUnderWay = this;
    copying_ = true;
    copyStopped_ = false;
    SetBusy(true);
    labelView_->setCaption(TR_NOOP("Core", TR_NOOP("Core", "Copying rows...")));
    progressView_->start(static_cast<int64_t>(rows));
    // A slice of rows at a time, made and turned into the clipboard's text
    // with messages running between slices: the window stays live and
    // Cancel stops the copy, the results staying.
    QString copied;
    copied.reserve(static_cast<qsizetype>(std::min<uint64_t>(rows * rowBytes, uint64_t(1) << 40)));
    std::string slice;
    constexpr int kSlice = 65536;
    uint64_t done = 0;
    for (const auto& [top, bottom] : ranges)
      for (int64_t from = top; from <= bottom && !copyStopped_; from += kSlice) {
        const int end = static_cast<int>(std::min<int64_t>(from + kSlice - 1, bottom));
        slice.clear();
        model->appendRows(slice, static_cast<int>(from), end);
        copied += QString::fromStdString(slice);
        CountWork(static_cast<uint64_t>(end - from + 1));
        done += static_cast<uint64_t>(end - from + 1);
        progressView_->setPosition(static_cast<int64_t>(done));
        LetMessagesRun();
      }
    if (!copyStopped_) putOnClipboard(copied);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

int ResultPage::SecretClearMs = 30000;

void ResultPage::CopyValueClick() {
  if (running() || list->model() != model || !model->hasSource()) return;
  const int row = valueRow_ >= 0 ? valueRow_ : list->currentIndex().row();
  if (row < 0 || row >= model->rowCount() || valueColumn_ < 1 || valueColumn_ > model->columns()) return;
  const QString value = model->cell(row, valueColumn_);
  if (!value.isEmpty()) putOnClipboard(value);
}

namespace {
// The secret on the clipboard, while it is to be taken off.
struct Secret {
  QTimer timer;
  QString text;
  QPointer<ResultPage> page;
};
Secret& secret() {
  static auto* kept = new Secret;
  return *kept;
}
const char kSecretHint[] = "x-kde-passwordManagerHint";
}  // namespace

void ResultPage::putOnClipboard(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  const bool isSecret = seed->secure();
  if (isSecret) data->setData(kSecretHint, "secret");
  QApplication::clipboard()->setMimeData(data);
  Secret& kept = secret();
  kept.timer.stop();
  if (!isSecret || SecretClearMs <= 0) return;
  kept.text = text;
  kept.page = this;
  kept.timer.setSingleShot(true);
  kept.timer.disconnect();
  connect(&kept.timer, &QTimer::timeout, [] {
    Secret& kept = secret();
    QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* now = clipboard->mimeData();
    if (now != nullptr && now->hasFormat(kSecretHint) && now->text() == kept.text) {
      clipboard->clear();
      if (kept.page != nullptr && !kept.page->running())
        kept.page->labelView()->setCaption(
            tr("Clipboard cleared at %1").arg(QTime::currentTime().toString("hh:mm:ss")).toStdString());
    }
    kept.text.clear();
  });
  kept.timer.start(SecretClearMs);
}

std::function<qint64()> ResultPage::RateClock = [] {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.elapsed();
};

QString ResultPage::RateText(double perSecond, double secondsLeft) {
  const QString rate = perSecond >= 1e6   ? tr("%1 M/s").arg(perSecond / 1e6, 0, 'f', 1)
                       : perSecond >= 1e3 ? tr("%1 k/s").arg(perSecond / 1e3, 0, 'f', 1)
                                          : tr("%1 /s").arg(perSecond, 0, 'f', 0);
  if (secondsLeft < 0) return rate;
  const auto seconds = static_cast<qint64>(std::ceil(secondsLeft));
  return seconds >= 120 ? tr("%1 \u00b7 %2 min left").arg(rate).arg((seconds + 59) / 60)
                        : tr("%1 \u00b7 %2 s left").arg(rate).arg(seconds);
}

void ResultPage::restartRate() {
  rateStart_ = RateClock();
  rateShown_ = rateStart_;
  rateLast_ = 0;
  rateLabel->clear();
  rateLabel->hide();
}

void ResultPage::updateRate() {
  const int64_t position = progressView_->position();
  if (position < rateLast_) restartRate();  // a new phase
  rateLast_ = position;
  if (progressBar->isHidden()) return;
  const qint64 now = RateClock();
  const qint64 elapsed = now - rateStart_;
  if (elapsed < 1000 || (rateLabel->isVisible() && now - rateShown_ < 250)) return;
  rateShown_ = now;
  const double perSecond = static_cast<double>(position) * 1000.0 / static_cast<double>(elapsed);
  const auto left = static_cast<double>(progressView_->maximum() - position);
  rateLabel->setText(RateText(perSecond, perSecond > 0 ? left / perSecond : -1));
  rateLabel->show();
}

}  // namespace quenvar::ui
