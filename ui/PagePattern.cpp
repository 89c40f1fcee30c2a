#include "ui/PagePattern.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>

#include "core/Errors.h"
#include "ui/Platform.h"
#include "ui/UnitMain.h"

namespace quenvar::ui {

namespace {

const char kPopupHint[] = "Right-Click it to open popup menu";

}  // namespace

ResultPage::ResultPage(TFormRandom* form, PageNames names, int helpContext, bool withComma, bool withColumns)
    : QWidget(nullptr), form_(form), names_(std::move(names)), helpContext_(helpContext) {
  setObjectName(names_.page);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolBar = new QFrame(this);
  toolBar->setObjectName(names_.page + "ToolBar");
  toolBar->setFixedHeight(35);
  toolBar->setFrameShape(QFrame::StyledPanel);
  inputPanel = new QFrame(this);
  inputPanel->setObjectName(names_.page + "InputPanel");
  inputPanel->setFixedHeight(141);
  layout->addWidget(toolBar);
  layout->addWidget(inputPanel);
  buildToolBar(withComma, withColumns);
  buildResults();
  layout->addWidget(header);
  layout->addWidget(list, 1);
  layout->addWidget(statusPanel);
  buildPopup(withComma, withColumns);
  progressView_ = std::make_unique<WidgetProgress>(progressBar);
  labelView_ = std::make_unique<WidgetLabel>(statusLabel);
}

QToolButton* ResultPage::toolButton(const QString& name, const QString& hint, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(toolBar);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // a click never takes the focus
  button->setIcon(style()->standardIcon(icon));
  button->setIconSize(QSize(20, 20));
  button->setFixedSize(30, 30);
  toolBar->layout()->addWidget(button);
  return button;
}

void ResultPage::buildToolBar(bool withComma, bool withColumns) {
  auto* row = new QHBoxLayout(toolBar);
  row->setContentsMargins(4, 1, 4, 1);
  row->setSpacing(2);
  if (!names_.asc.isEmpty()) {
    ascButton = toolButton(names_.asc, "Sort Ascending", QStyle::SP_ArrowUp);
    dscButton = toolButton(names_.dsc, "Sort Descending", QStyle::SP_ArrowDown);
    origButton = toolButton(names_.orig, "Display As Generated", QStyle::SP_ArrowRight);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (QToolButton* b : {ascButton, dscButton, origButton}) {
      b->setCheckable(true);
      group->addButton(b);
      connect(b, &QToolButton::clicked, this, [this] { SortClick(); });
    }
    origButton->setChecked(true);
  }
  if (withComma) {
    commaButton = toolButton(names_.comma, "Separate With Commas", QStyle::SP_CustomBase);
    commaButton->setIcon(QIcon());
    commaButton->setText("1,0");
    commaButton->setCheckable(true);
    connect(commaButton, &QToolButton::clicked, this, [this] { CommaClick(); });
  }
  row->addSpacing(8);
  if (withColumns) {
    auto* label = new QLabel("Columns", toolBar);
    row->addWidget(label);
    columnsBox = new QComboBox(toolBar);
    columnsBox->setObjectName(names_.columns);
    columnsBox->setFocusPolicy(Qt::NoFocus);
    columnsBox->setFixedWidth(52);
    row->addWidget(columnsBox);
    connect(columnsBox, &QComboBox::activated, this, [this] { ColumnsChange(); });
    row->addSpacing(8);
  }
  saveButton = toolButton(names_.save, names_.saveHint, QStyle::SP_DialogSaveButton);
  // Commands without a fitting standard icon show a short word instead.
  auto textOnly = [](QToolButton* button, const QString& text, int width) {
    button->setIcon(QIcon());
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedWidth(width);
  };
  printButton = toolButton(names_.print, names_.printHint, QStyle::SP_CustomBase);
  textOnly(printButton, "Print", 42);
  menuButton = toolButton(names_.menu, "Menu", QStyle::SP_CustomBase);
  textOnly(menuButton, "Menu", 56);
  menuButton->setPopupMode(QToolButton::InstantPopup);
  helpButton = toolButton(names_.help, "Help", QStyle::SP_CustomBase);
  textOnly(helpButton, "?", 30);
  row->addSpacing(8);
  startButton = new QToolButton(toolBar);
  startButton->setObjectName(names_.start);
  startButton->setText(names_.startCaption);
  startButton->setFocusPolicy(Qt::NoFocus);
  startButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  startButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  startButton->setFixedHeight(30);
  QFont bold = startButton->font();
  bold.setBold(true);
  startButton->setFont(bold);
  startButton->setStyleSheet("QToolButton { color: #b00000; }");
  row->addWidget(startButton);
  cancelButton = new QToolButton(toolBar);
  cancelButton->setObjectName(names_.cancel);
  cancelButton->setText("Cancel");
  cancelButton->setToolTip("Cancel Operation");
  cancelButton->setFocusPolicy(Qt::NoFocus);
  cancelButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  cancelButton->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
  cancelButton->setFixedHeight(30);
  cancelButton->setFont(bold);
  cancelButton->setStyleSheet("QToolButton { color: #b00000; }");
  cancelButton->hide();
  row->addWidget(cancelButton);
  row->addStretch(1);
  exitButton = toolButton(names_.exit, "Exit", QStyle::SP_DialogCloseButton);

  connect(startButton, &QToolButton::clicked, this, [this] { form_->guarded([this] { StartClick(); }); });
  connect(cancelButton, &QToolButton::clicked, this, [this] { form_->guarded([this] { CancelClick(); }); });
  connect(saveButton, &QToolButton::clicked, this, [this] { form_->guarded([this] { SaveClick(); }); });
  connect(printButton, &QToolButton::clicked, this, [this] { form_->guarded([this] { PrintClick(); }); });
  connect(helpButton, &QToolButton::clicked, form_, [this] { form_->Help1Click(); });
  connect(exitButton, &QToolButton::clicked, form_, [this] { form_->btnExitClick(); });
}

void ResultPage::buildResults() {
  header = new QHeaderView(Qt::Horizontal, this);
  header->setObjectName(names_.header);
  header->setModel(new QStandardItemModel(0, 0, header));
  header->setFixedHeight(22);
  header->setSectionsMovable(false);
  header->setSectionsClickable(false);
  header->setStretchLastSection(false);
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setMinimumSectionSize(10);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QHeaderView::sectionResized, this, [this] { list->viewport()->update(); });
  connect(header, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(header->mapToGlobal(p)); });

  list = new ResultListView(this);
  list->setObjectName(names_.list);
  model = new ResultModel(list);
  list->setModel(model);
  delegate = new ResultDelegate(header, list);
  list->setItemDelegate(delegate);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupRequested(list->viewport()->mapToGlobal(p)); });

  statusPanel = new QFrame(this);
  statusPanel->setObjectName(names_.statusPanel);
  statusPanel->setFixedHeight(24);
  statusPanel->setFrameShape(QFrame::StyledPanel);
  // The progress bar takes the panel's width right of the status label; the
  // totals, shown when it is hidden, lie in the same place, right-aligned.
  auto* row = new QGridLayout(statusPanel);
  row->setContentsMargins(4, 0, 6, 0);
  statusLabel = new QLabel("Status", statusPanel);
  statusLabel->setObjectName(names_.statusLabel);
  statusLabel->setFixedWidth(160);
  progressBar = new QProgressBar(statusPanel);
  progressBar->setObjectName(names_.progress);
  progressBar->setTextVisible(false);
  progressBar->setFixedHeight(16);
  totalsLabel = new QLabel(statusPanel);
  totalsLabel->setObjectName(names_.totals);
  totalsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  totalsLabel->setStyleSheet("color: #000080;");
  row->addWidget(statusLabel, 0, 0);
  row->addWidget(totalsLabel, 0, 1);
  row->addWidget(progressBar, 0, 1);
  row->setColumnStretch(1, 1);
  progressBar->hide();
  statusPanel->hide();
}

void ResultPage::buildPopup(bool withComma, bool withColumns) {
  popup = new QMenu(this);
  popup->setObjectName(names_.popup);
  QMenu* sort = popup->addMenu("&Sort Randoms");
  sortActions = new QActionGroup(this);
  const char* captions[] = {"By Ascending", "By Descending", "By Original"};
  for (int i = 0; i < 3; ++i) {
    QAction* action = sort->addAction(captions[i]);
    action->setCheckable(true);
    action->setData(i);
    sortActions->addAction(action);
    connect(action, &QAction::triggered, this, [this, i] {
      QToolButton* buttons[] = {ascButton, dscButton, origButton};
      if (buttons[i] != nullptr) buttons[i]->setChecked(true);
      form_->guarded([this] { SortClick(); });
    });
  }
  if (withComma) {
    popup->addSeparator();
    commaAction = popup->addAction("Separate With &Commas");
    commaAction->setCheckable(true);
    connect(commaAction, &QAction::triggered, this, [this] {
      commaButton->setChecked(!commaButton->isChecked());
      form_->guarded([this] { CommaClick(); });
    });
  }
  if (withColumns) {
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
        form_->guarded([this] { ColumnsChange(); });
      });
    }
  }
  popup->addSeparator();
  connect(popup->addAction("Save &As File"), &QAction::triggered, this,
          [this] { form_->guarded([this] { SaveClick(); }); });
  connect(popup->addAction("&Print Randoms"), &QAction::triggered, this,
          [this] { form_->guarded([this] { PrintClick(); }); });
}

void ResultPage::setHints(bool on) {
  list->setToolTip(on ? kPopupHint : "");
  header->setToolTip(on ? kPopupHint : "");
}

QStringList ResultPage::exitButtonsToSwitch() const {
  return {"btnExit", "rx2exit", "rx3exit", "btnExit22", "btnExit44"};
}

void ResultPage::StartClick() {
  // Moving the focus away from the box being typed in commits its value.
  list->setFocus();
  commitEdits();
  prepareStart();
  form_->ValidateInputs();
  StopDisplay = false;
  takeSeed();
  statusPanel->show();
  setHints(true);
  totalsLabel->clear();
  SetBusy(true);
  try {
    generate();
  } catch (...) {
    // The page stays usable after a failed run (a file error, too little
    // memory); the results of the last run, where kept, stay on show.
    SetBusy(false);
    throw;
  }
  SetBusy(false);
  ReformatResults();
  totalsLabel->setText(totalsText());
}

void ResultPage::CancelClick() {
  cancelButton->hide();
  StopDisplay = true;
  cancelGenerator();
  model->clear();
  statusPanel->hide();
  setHints(false);
  SetBusy(false);
}

void ResultPage::SetBusy(bool busy) {
  for (QWidget* w : std::initializer_list<QWidget*>{ascButton, dscButton, origButton, commaButton, columnsBox,
                                                    saveButton, printButton, startButton})
    if (w != nullptr) w->setEnabled(!busy);
  form_->setExitButtonsEnabled(exitButtonsToSwitch(), !busy);
  cancelButton->setVisible(busy);
}

void ResultPage::ReformatResults() {
  if (!resultsShown()) return;
  SetBusy(true);
  try {
    formatResults();
  } catch (...) {
    SetBusy(false);
    throw;
  }
  DisplayResults();
  SetBusy(false);
}

void ResultPage::DisplayResults() {
  if (!resultsShown()) return;
  list->setUpdatesEnabled(false);
  model->clear();
  const qint64 n = static_cast<qint64>(results().size());
  const int c = columnCount();
  const qint64 rows = c < 1 ? 0 : n / c + (n % c > 0 ? 1 : 0);
  progressView_->start(rows);
  labelView_->setCaption(names_.displayText.toStdString());
  // Rows are added in slices; between slices pending messages run, and a
  // Cancel ends the loop before its next slice.
  constexpr qint64 kSlice = 8192;
  for (qint64 done = 0; done < rows && !StopDisplay;) {
    const qint64 add = std::min(kSlice, rows - done);
    model->addRows(static_cast<int>(add));
    done += add;
    progressView_->setPosition(done);
    if (StopDisplay) break;
    LetMessagesRun();
  }
  labelView_->setCaption("Done");
  list->setUpdatesEnabled(true);
  progressView_->hide();
}

void ResultPage::ColumnsChange() {
  SetBusy(true);
  delegate->setSource({});
  auto* captions = static_cast<QStandardItemModel*>(header->model());
  const int c = columnsBox->currentText().toInt();
  captions->setColumnCount(0);
  captions->setColumnCount(c + 1);
  captions->setHeaderData(0, Qt::Horizontal, "NO.");
  const int width = (header->width() - 80) / std::max(c, 1);
  header->resizeSection(0, 80);
  for (int k = 1; k <= c; ++k) {
    captions->setHeaderData(k, Qt::Horizontal, "Column " + QString::number(k));
    header->resizeSection(k, width);
  }
  delegate->setSource([this]() -> const TArrayString* { return resultsShown() ? &results() : nullptr; });
  DisplayResults();
  SetBusy(false);
}

void ResultPage::SortClick() {
  SortOrder = ascButton->isChecked() ? 0 : dscButton->isChecked() ? 1 : 2;
  ReformatResults();
}

void ResultPage::CommaClick() {
  Comma = commaButton->isChecked();
  ReformatResults();
}

void ResultPage::PopupRequested(const QPoint& globalPos) {
  // No menu before the first run, nor while the page runs.
  if (!resultsShown() || running()) return;
  if (commaAction != nullptr) commaAction->setChecked(commaButton->isChecked());
  const int down = ascButton->isChecked() ? 0 : dscButton->isChecked() ? 1 : 2;
  sortActions->actions()[down]->setChecked(true);
  if (columnActions != nullptr)
    for (QAction* a : columnActions->actions())
      a->setChecked(a->data().toInt() == columnsBox->currentText().toInt());
  popup->popup(globalPos);
}

void ResultPage::SaveClick() {
  if (!resultsShown()) {
    platform().messageBox(window(), "No randoms to be saved!", Icon::Information, false);
    return;
  }
  form_->openSaveDialog(this);
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
  QDir().mkpath(form_->TempFolder());
  form_->openPrintDialog(this);
}

}  // namespace quenvar::ui
