#include "ui/PagePattern.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/Guard.h"
#include "ui/RunArguments.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

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
  auto* toolBar = new QFrame(this);
  toolBar->setObjectName(QString(info_.page) + "ToolBar");
  toolBar->setFrameShape(QFrame::StyledPanel);
  inputPanel_ = new QFrame(this);
  inputPanel_->setObjectName(QString(info_.page) + "InputPanel");
  // The inputs take the height they need; on a screen too small for them
  // they scroll, the results and the status line staying in view.
  auto* inputArea = new InputArea(this);
  inputArea->setObjectName(QString(info_.page) + "InputArea");
  inputArea->setWidget(inputPanel_);
  seed = new SeedGroup(inputPanel_, info_.seed, info_.seedDivisor);
  view_ = std::make_unique<ResultView>(*this, info_);  // the popup and the tool bar act on the list
  actions_ = std::make_unique<PageActions>(*this, info_, toolBar);
  exports_ = std::make_unique<RunExports>(*this);
  layout->addWidget(toolBar);
  layout->addWidget(inputArea);
  layout->addWidget(view_->header());
  layout->addWidget(view_->list(), 1);
  layout->addWidget(view_->statusPanel());
  actions_->applyColours();
  view_->applyColours();
  view_->fitHeader();

  // Start-up: the automatic seed is taken once, the manual box proposes one.
  seed->take();
  seed->proposeManual();
  StopDisplay = false;
  view_->totalsLabel()->clear();
}

ResultPage::~ResultPage() = default;

bool ResultPage::running() const { return !actions_->cancelButton()->isHidden(); }
bool ResultPage::resultsShown() const { return !view_->statusPanel()->isHidden(); }
int ResultPage::columnCount() const { return view_->header()->count() - 1; }
int ResultPage::columnsChoice() const { return actions_->columnsChoice(); }
QString ResultPage::DisplayLabelText() const { return view_->statusLabel()->text(); }
ProgressBarView* ResultPage::progressView() const { return view_->progressView(); }
StatusLabelView* ResultPage::labelView() const { return view_->labelView(); }

void ResultPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    actions_->applyColours();
    view_->applyColours();
  }
  if (event->type() == QEvent::FontChange) view_->fitHeader();
  QWidget::changeEvent(event);
}

void ResultPage::keyPressEvent(QKeyEvent* event) {
  // Inputs pass Return on to the page; lists, multi-line boxes and the
  // editors that mark themselves kOwnReturn keep it for themselves.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  QWidget* focus = QApplication::focusWidget();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain && focus != nullptr &&
      inputPanel_->isAncestorOf(focus)) {
    bool input = qobject_cast<QLineEdit*>(focus) != nullptr ||
                 qobject_cast<QAbstractSpinBox*>(focus) != nullptr ||
                 qobject_cast<QComboBox*>(focus) != nullptr || qobject_cast<QCheckBox*>(focus) != nullptr ||
                 qobject_cast<QRadioButton*>(focus) != nullptr;
    for (QWidget* w = focus; w != inputPanel_ && input; w = w->parentWidget())
      if (w->property(kOwnReturn).toBool()) input = false;
    if (input) {
      event->accept();
      if (actions_->startAction()->isEnabled()) actions_->startAction()->trigger();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void ResultPage::guarded(const std::function<void()>& handler) { RunGuarded(window(), handler); }

void ResultPage::commitEdits() {
  for (TSpinEdit* spin : inputPanel_->findChildren<TSpinEdit*>()) {
    if (!spin->isEnabled()) continue;
    spin->interpretText();
    emit spin->editingFinished();
  }
}

void ResultPage::showNoResults() {
  view_->model()->clear();
  view_->statusPanel()->hide();
  view_->progressBar()->hide();
  view_->setHints(false);
  releaseResults();
}

void ResultPage::StartClick() {
  // Moving the focus away from the box being typed in commits its value.
  view_->list()->setFocus();
  commitEdits();
  prepareStart();
  validateInputs();
  StopDisplay = false;
  // The run's own source, from here to its end: radio clicks and other
  // pages' runs meanwhile do not reach it.
  RandomSource source = seed->takeSource();
  exports_->recordRun();
  view_->statusPanel()->show();
  view_->setHints(true);
  view_->totalsLabel()->clear();
  SetBusy(true);
  // Busy from the draw to the last row shown: the buttons change twice a
  // run, not at every step.
  try {
    generate(source);
    ReformatResults();
    formatted();
  } catch (...) {
    // A failed run shows nothing and keeps nothing: the page is as before
    // its first run, with every button telling the truth.
    SetBusy(false);
    showNoResults();
    throw;
  }
  SetBusy(false);
  view_->totalsLabel()->setText(totalsText());
}

void ResultPage::CancelClick() {
  if (view_->copying() ||
      exports_->exporting()) {  // only the copy, print or save stops: the results stay shown
    view_->stopCopy();
    exports_->stopExport();
    return;
  }
  actions_->cancelButton()->hide();
  StopDisplay = true;
  cancelGenerator();
  view_->model()->clear();
  view_->statusPanel()->hide();
  view_->setHints(false);
  SetBusy(false);
}

void ResultPage::SetBusy(bool busy) {
  actions_->setBusy(busy);
  if (!busy) view_->progressView()->settle();
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
  ResultListView* list = view_->list();
  ResultModel* model = view_->model();
  list->setUpdatesEnabled(false);
  model->clear();
  const qint64 n = entryCount();
  const int c = columnCount();
  const qint64 rows = n / c + (n % c > 0 ? 1 : 0);
  view_->progressView()->start(rows);
  view_->labelView()->setCaption(info_.displayText);
  // The rows are counted out in slices, letting messages run between them
  // so that a Cancel ends the loop before its next slice; the list learns
  // their number once, so it lays itself out once. A slice costs next to
  // nothing: as many rows as a pause of messages may cover.
  constexpr qint64 kSlice = 65536;
  qint64 done = 0;
  while (done < rows && !StopDisplay) {
    const qint64 add = std::min(kSlice, rows - done);
    CountWork(static_cast<uint64_t>(add));
    done += add;
    view_->progressView()->setPosition(done);
    LetMessagesRun();
  }
  list->setUpdatesEnabled(true);
  // The rows in view are placed and painted before the page says it is
  // done; the list places the others by arithmetic when they are shown.
  if (!StopDisplay) {
    model->setRows(static_cast<int>(done));
    list->placeRows();
    // The scroll bar the rows need is shown now, not when messages next
    // run: the viewport takes its final width before the rows are painted.
    QCoreApplication::sendPostedEvents(list, QEvent::MetaCall);
    list->viewport()->repaint();
  }
  view_->labelView()->setCaption(TR_NOOP("Core", TR_NOOP("Core", "Done")));
  view_->progressView()->hide();
}

void ResultPage::buildHeader() {
  const int c = std::max(columnsChoice(), 1);
  QStringList captions{tr("NO.")};
  QList<int> widths{80};
  const int width = (view_->header()->width() - 80) / c;
  for (int k = 1; k <= c; ++k) {
    captions << tr("Column %1").arg(k);
    widths << width;
  }
  view_->setSections(captions, widths);
}

void ResultPage::ColumnsChange() {
  SetBusy(true);
  view_->model()->setSource({});
  buildHeader();
  view_->model()->setSource(
      [this]() -> const TArrayString* { return resultsShown() ? &results() : nullptr; });
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
    if (actions_->sortActions() != nullptr) actions_->sortActions()->actions()[SortOrder]->setChecked(true);
    if (actions_->commaAction() != nullptr) actions_->commaAction()->setChecked(Comma);
    throw;
  }
}

void ResultPage::SortClick() {
  if (actions_->sortActions() == nullptr) return;
  changeFormat([this] {
    SortOrder = actions_->ascAction()->isChecked()   ? SortAscending
                : actions_->dscAction()->isChecked() ? SortDescending
                                                     : SortDrawn;
  });
}

void ResultPage::CommaClick() {
  if (actions_->commaAction() == nullptr) return;
  changeFormat([this] { Comma = actions_->commaAction()->isChecked(); });
}

QStringList ResultPage::formatArguments() const {
  QStringList args;
  // Pages without sorting write no text (the File page): nothing to lay out.
  if (actions_->sortActions() == nullptr) return args;
  args << Arg(runs::kSort) << Arg(runs::kSort, std::min<int>(SortOrder, SortDrawn));
  if (actions_->commaAction() != nullptr && Comma) args << Arg(runs::number::kComma);
  if (!exportPreset().fixedLayout) args << Arg(runs::kPerLine) << QString::number(columnCount());
  return args;
}

}  // namespace quenvar::ui
