#include "ui/PagePattern.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/Errors.h"
#include "core/Memory.h"
#include "ui/DistributionDialog.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/Platform.h"
#include "ui/SpinEdit.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"

namespace quenvar::ui {

namespace {

const char kPopupHint[] = "Right-Click it to open popup menu";

// An icon that is a short text, for commands without a fitting standard icon.
QIcon TextIcon(const QString& text, const QFont& font) {
  QPixmap pixmap(40, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

}  // namespace

ResultPage::ResultPage(const PageInfo& info) : QWidget(nullptr), info_(info) {
  setObjectName(info_.page);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolBar = new QFrame(this);
  toolBar->setObjectName(QString(info_.page) + "ToolBar");
  toolBar->setFixedHeight(35);
  toolBar->setFrameShape(QFrame::StyledPanel);
  inputPanel = new QFrame(this);
  inputPanel->setObjectName(QString(info_.page) + "InputPanel");
  inputPanel->setFixedHeight(141);
  seed = new SeedGroup(inputPanel, info_.seed, info_.seedDivisor);
  buildResults();  // the popup and the tool bar act on the list
  buildPopup();
  buildToolBar();
  layout->addWidget(toolBar);
  layout->addWidget(inputPanel);
  layout->addWidget(header);
  layout->addWidget(list, 1);
  layout->addWidget(statusPanel);
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

QToolButton* ResultPage::toolButton(QAction* action, const char* name) {
  auto* button = new QToolButton(toolBar);
  button->setObjectName(name);
  button->setDefaultAction(action);
  button->setAccessibleName(action->toolTip());  // an icon's name is its hint
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // a click never takes the focus
  button->setIconSize(QSize(20, 20));
  button->setFixedSize(30, 30);
  toolRow_->addWidget(button);
  return button;
}

void ResultPage::buildToolBar() {
  toolRow_ = new QHBoxLayout(toolBar);
  toolRow_->setContentsMargins(4, 1, 4, 1);
  toolRow_->setSpacing(2);
  if (ascAction != nullptr) {
    ascButton = toolButton(ascAction, info_.asc);
    dscButton = toolButton(dscAction, info_.dsc);
    origButton = toolButton(origAction, info_.orig);
  }
  if (commaAction != nullptr) {
    commaButton = toolButton(commaAction, info_.comma);
    commaButton->setIconSize(QSize(26, 20));
  }
  toolRow_->addSpacing(8);
  if (info_.columns != nullptr) {
    auto* label = new QLabel("Columns", toolBar);
    toolRow_->addWidget(label);
    columnsBox = new QComboBox(toolBar);
    columnsBox->setObjectName(info_.columns);
    columnsBox->setFocusPolicy(Qt::NoFocus);
    columnsBox->setFixedWidth(52);
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
    button->setFixedWidth(width);
  };
  if (printAction != nullptr) {
    printButton = toolButton(printAction, info_.print);
    textOnly(printButton, 42);
  }
  menuButton = new QToolButton(toolBar);
  menuButton->setObjectName(info_.menu);
  menuButton->setText("Menu");
  menuButton->setToolTip("Menu");
  menuButton->setAccessibleName("Menu");
  menuButton->setAutoRaise(true);
  menuButton->setFocusPolicy(Qt::NoFocus);
  menuButton->setPopupMode(QToolButton::InstantPopup);
  menuButton->setFixedSize(56, 30);
  toolRow_->addWidget(menuButton);
  helpButton = toolButton(helpAction, info_.help);
  textOnly(helpButton, 30);
  toolRow_->addSpacing(8);

  QFont bold = font();
  bold.setBold(true);
  // Red while it can be pressed; the usual grey when disabled.
  const QString red = "QToolButton { color: #b00000; } QToolButton:disabled { color: palette(mid); }";
  startButton = new QToolButton(toolBar);
  startButton->setObjectName(info_.start);
  startButton->setText(info_.startCaption);
  startButton->setFocusPolicy(Qt::NoFocus);
  startButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  startButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  startButton->setFixedHeight(30);
  startButton->setFont(bold);
  startButton->setStyleSheet(red);
  toolRow_->addWidget(startButton);
  cancelButton = new QToolButton(toolBar);
  cancelButton->setObjectName(info_.cancel);
  cancelButton->setText("Cancel");
  cancelButton->setToolTip("Cancel Operation");
  cancelButton->setFocusPolicy(Qt::NoFocus);
  cancelButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  cancelButton->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
  cancelButton->setFixedHeight(30);
  cancelButton->setFont(bold);
  cancelButton->setStyleSheet(red);
  cancelButton->hide();
  toolRow_->addWidget(cancelButton);
  toolRow_->addStretch(1);
  auto* exitAction = command("Exit", "Exit", style()->standardIcon(QStyle::SP_DialogCloseButton));
  exitButton = toolButton(exitAction, info_.exit);

  connect(startButton, &QToolButton::clicked, this, [this] { guarded([this] { StartClick(); }); });
  connect(cancelButton, &QToolButton::clicked, this, [this] { guarded([this] { CancelClick(); }); });
  connect(exitAction, &QAction::triggered, this, &ResultPage::exitRequested);
}

void ResultPage::addToolWidget(QWidget* widget) {
  widget->setParent(toolBar);
  toolRow_->insertWidget(toolSlot_++, widget);
}

void ResultPage::buildResults() {
  header = new QHeaderView(Qt::Horizontal, this);
  header->setObjectName(info_.header);
  header->setModel(new QStandardItemModel(0, 0, header));
  header->setFixedHeight(22);
  header->setSectionsMovable(false);
  header->setSectionsClickable(false);
  header->setStretchLastSection(false);
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setMinimumSectionSize(10);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  header->setAccessibleName("Result columns");
  header->installEventFilter(this);
  connect(header, &QHeaderView::sectionResized, this, [this](int section) {
    fitCaption(section);
    list->viewport()->update();
  });
  connect(header, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(header->mapToGlobal(p)); });

  list = new ResultListView(this);
  list->setObjectName(info_.list);
  list->setAccessibleName("Results");
  model = new ResultModel(header, list);
  list->setModel(model);
  list->setItemDelegate(new ResultDelegate(list));
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(list->viewport()->mapToGlobal(p)); });

  statusPanel = new QFrame(this);
  statusPanel->setObjectName(info_.statusPanel);
  statusPanel->setFixedHeight(24);
  statusPanel->setFrameShape(QFrame::StyledPanel);
  // The progress bar takes the panel's width right of the status label; the
  // totals, shown when it is hidden, lie in the same place, right-aligned.
  // They are laid out in a row of their own that the panel sizes by hand
  // (eventFilter): a new caption, the bar shown or hidden or new totals lay
  // out that row alone, not the page, which would repaint it all.
  auto* row = new QGridLayout(new QWidget(statusPanel));
  statusPanel->installEventFilter(this);
  row->setContentsMargins(4, 0, 6, 0);
  statusLabel = new QLabel("Status", statusPanel);
  statusLabel->setObjectName(info_.statusLabel);
  statusLabel->setFixedWidth(160);
  progressBar = new QProgressBar(statusPanel);
  progressBar->setObjectName(info_.progress);
  progressBar->setTextVisible(false);
  progressBar->setFixedHeight(16);
  progressBar->setAccessibleName("Progress");
  totalsLabel = new QLabel(statusPanel);
  totalsLabel->setObjectName(info_.totals);
  totalsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  totalsLabel->setStyleSheet("color: #000080;");
  row->addWidget(statusLabel, 0, 0);
  row->addWidget(totalsLabel, 0, 1);
  row->addWidget(progressBar, 0, 1);
  row->setColumnStretch(1, 1);
  progressBar->hide();
  statusPanel->hide();
}

void ResultPage::buildPopup() {
  popup = new QMenu(this);
  popup->setObjectName(info_.popup);
  if (info_.asc != nullptr) {
    QMenu* sort = popup->addMenu("&Sort Randoms");
    sortActions = new QActionGroup(this);
    ascAction = command("By Ascending", "Sort Ascending", style()->standardIcon(QStyle::SP_ArrowUp));
    dscAction = command("By Descending", "Sort Descending", style()->standardIcon(QStyle::SP_ArrowDown));
    origAction = command("By Original", "Display As Generated", style()->standardIcon(QStyle::SP_ArrowRight));
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
    commaAction = command("Separate With &Commas", "Separate With Commas", TextIcon("1,0", font()));
    commaAction->setCheckable(true);
    popup->addAction(commaAction);
    connect(commaAction, &QAction::triggered, this, [this] { guarded([this] { CommaClick(); }); });
  }
  if (info_.columns != nullptr) {
    popup->addSeparator();
    QMenu* columns = popup->addMenu("C&olumns");
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
  }
  if (info_.save != nullptr) {
    popup->addSeparator();
    saveAction = command("Save &As File", info_.saveHint, style()->standardIcon(QStyle::SP_DialogSaveButton));
    printAction = command("&Print Randoms", info_.printHint, QIcon());
    printAction->setIconText("Print");
    popup->addAction(saveAction);
    popup->addAction(printAction);
    connect(saveAction, &QAction::triggered, this, [this] { guarded([this] { SaveClick(); }); });
    connect(printAction, &QAction::triggered, this, [this] { guarded([this] { PrintClick(); }); });
  }
  popup->addSeparator();
  copyAction = command("&Copy", "Copy the selected rows", style()->standardIcon(QStyle::SP_FileIcon));
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(copyAction);  // Ctrl+C in the result list
  popup->addAction(copyAction);
  connect(copyAction, &QAction::triggered, this, [this] { guarded([this] { CopyClick(); }); });
  copyCommandAction = command("Copy as Command &Line", "Copy as Command Line", QIcon());
  // The window's action of the same name holds the shortcut; here it is shown.
  copyCommandAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyCommandAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  popup->addAction(copyCommandAction);
  connect(copyCommandAction, &QAction::triggered, this, [this] { guarded([this] { CopyCommandClick(); }); });
  helpAction = command("Help", "Help", QIcon());
  helpAction->setIconText("?");
  connect(helpAction, &QAction::triggered, this, &ResultPage::helpRequested);
}

void ResultPage::guarded(const std::function<void()>& handler) { RunGuarded(window(), handler); }

bool ResultPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statusPanel &&
      (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange))
    statusLabel->parentWidget()->setGeometry(statusPanel->contentsRect());
  if (watched == header && event->type() == QEvent::Resize && header->count() > 0 &&
      static_cast<QResizeEvent*>(event)->oldSize().width() != header->width())
    buildHeader();
  return QWidget::eventFilter(watched, event);
}

void ResultPage::setHints(bool on) {
  list->setToolTip(on ? kPopupHint : "");
  header->setToolTip(on ? kPopupHint : "");
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
  if (copying_) {  // only the copy stops: the results stay shown
    copyStopped_ = true;
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
                          copyCommandAction})
    if (action != nullptr) action->setEnabled(!busy);
  if (columnsBox != nullptr) columnsBox->setEnabled(!busy);
  if (columnActions != nullptr) columnActions->setEnabled(!busy);
  startButton->setEnabled(!busy);
  cancelButton->setVisible(busy);
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
  labelView_->setCaption("Done");
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
  QStringList captions{"NO."};
  QList<int> widths{80};
  const int width = (header->width() - 80) / c;
  for (int k = 1; k <= c; ++k) {
    captions << "Column " + QString::number(k);
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
    platform().messageBox(window(), "No randoms to be saved!", Icon::Information, false);
    return;
  }
  const ExportPreset preset = exportPreset();
  TFormSaveText dialog(window(), textGenerator(), info_.kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.exec();
}

void ResultPage::PrintClick() {
  if (!resultsShown()) {
    platform().messageBox(window(), "No randoms to be printed!", Icon::Information, false);
    return;
  }
  if (platform().printerNames().isEmpty()) {
    platform().messageBox(window(), "No printer in your system!", Icon::Information, false);
    return;
  }
  QDir().mkpath(TempFolder());
  const ExportPreset preset = exportPreset();
  TFormPrinttext dialog(window(), textGenerator(), info_.kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.exec();
}

void ResultPage::enableDistribution() {
  popup->addSeparator();
  distributionAction = command("Distri&bution\u2026", "Chart of the last run's results", QIcon());
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
    platform().messageBox(window(), "No randoms to chart: start a run first.", Icon::Information, false);
    return;
  }
  DistributionDialog dialog(window(), distribution(), info_.caption);
  dialog.exec();
}

QStringList ResultPage::formatArguments() const {
  QStringList args;
  // Pages without sorting write no text (the File page): nothing to lay out.
  if (sortActions == nullptr) return args;
  static const char* const kOrder[] = {"asc", "desc", "drawn"};
  args << "--sort" << kOrder[std::min<int>(SortOrder, 2)];
  if (commaAction != nullptr && Comma) args << "--comma";
  if (!exportPreset().fixedLayout) args << "--per-line" << QString::number(columnCount());
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

void ResultPage::CopyCommandClick() {
  if (running()) return;
  if (lastCommand().isEmpty()) {
    platform().messageBox(window(), "No run to be copied as a command line!", Icon::Information, false);
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
    labelView_->setCaption("Copying rows...");
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
        copied += QString::fromUtf8(slice.data(), static_cast<qsizetype>(slice.size()));
        CountWork(static_cast<uint64_t>(end - from + 1));
        done += static_cast<uint64_t>(end - from + 1);
        progressView_->setPosition(static_cast<int64_t>(done));
        LetMessagesRun();
      }
    if (!copyStopped_) QApplication::clipboard()->setText(copied);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

}  // namespace quenvar::ui
