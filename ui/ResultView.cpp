#include "ui/ResultView.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QStandardItemModel>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Memory.h"
#include "ui/Colours.h"
#include "ui/PageActions.h"
#include "ui/PagePattern.h"

namespace quenvar::ui {

namespace {

const char kPopupHint[] = QT_TRANSLATE_NOOP("quenvar::ui::ResultPage", "Right-Click it to open popup menu");

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

int ResultView::SecretClearMs = 30000;
ResultView* ResultView::copyUnderWay_ = nullptr;

ResultView::ResultView(ResultPage& page, const PageInfo& info) : page_(page) {
  buildHeaderAndList(info);
  buildStatusPanel(info);
  progressView_ = std::make_unique<WidgetProgress>(progressBar_);
  labelView_ = std::make_unique<WidgetLabel>(statusLabel_);
}

ResultView::~ResultView() {
  if (copyUnderWay_ == this) copyUnderWay_ = nullptr;
}

void ResultView::buildHeaderAndList(const PageInfo& info) {
  header_ = new QHeaderView(Qt::Horizontal, &page_);
  header_->setObjectName(info.header);
  header_->setModel(new QStandardItemModel(0, 0, header_));
  header_->setSectionsMovable(false);
  header_->setSectionsClickable(false);
  header_->setStretchLastSection(false);
  header_->setDefaultAlignment(Qt::AlignCenter);
  header_->setMinimumSectionSize(10);
  header_->setContextMenuPolicy(Qt::CustomContextMenu);
  header_->setAccessibleName(ResultPage::tr("Result columns"));
  header_->installEventFilter(this);
  connect(header_, &QHeaderView::sectionResized, this, [this](int section) {
    fitCaption(section);
    list_->viewport()->update();
  });
  connect(header_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { page_.actions().PopupRequested(header_->mapToGlobal(p)); });

  list_ = new ResultListView(&page_);
  list_->setObjectName(info.list);
  list_->setAccessibleName(ResultPage::tr("Results"));
  list_->setFont(ResultDelegate::ResultFont());
  model_ = new ResultModel(header_, list_);
  list_->setModel(model_);
  list_->setItemDelegate(new ResultDelegate(list_));
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { page_.actions().PopupRequested(list_->viewport()->mapToGlobal(p)); });
  list_->viewport()->installEventFilter(this);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { valueRow_ = current.row(); });
}

void ResultView::buildStatusPanel(const PageInfo& info) {
  statusPanel_ = new QFrame(&page_);
  statusPanel_->setObjectName(info.statusPanel);
  statusPanel_->setFrameShape(QFrame::StyledPanel);
  // The progress bar takes the panel's width right of the status label; the
  // totals, shown when it is hidden, lie in the same place, right-aligned.
  // They are laid out in a row of their own that the panel sizes by hand
  // (eventFilter): a new caption, the bar shown or hidden or new totals lay
  // out that row alone, not the page, which would repaint it all.
  auto* row = new QGridLayout(new QWidget(statusPanel_));
  statusPanel_->installEventFilter(this);
  row->setContentsMargins(4, 0, 6, 0);
  statusLabel_ = new QLabel(ResultPage::tr("Status"), statusPanel_);
  statusLabel_->setObjectName(info.statusLabel);
  statusLabel_->setMinimumWidth(160);
  progressBar_ = new QProgressBar(statusPanel_);
  progressBar_->setObjectName(info.progress);
  progressBar_->setTextVisible(false);
  progressBar_->setAccessibleName(ResultPage::tr("Progress"));
  totalsLabel_ = new QLabel(statusPanel_);
  totalsLabel_->setObjectName(info.totals);
  totalsLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  rateLabel_ = new QLabel(statusPanel_);
  rateLabel_->setObjectName(QString(info.page) + "Rate");
  rateLabel_->hide();
  row->addWidget(statusLabel_, 0, 0);
  row->addWidget(rateLabel_, 0, 1);
  row->addWidget(totalsLabel_, 0, 2);
  row->addWidget(progressBar_, 0, 2);
  row->setColumnStretch(2, 1);
  connect(progressBar_, &QProgressBar::valueChanged, this, [this] { updateRate(); });
  // The row is as tall with the bar hidden as with it shown: a run that
  // shows and hides it leaves the page's layout, and the list, alone.
  QSizePolicy keepRoom = progressBar_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  progressBar_->setSizePolicy(keepRoom);
  progressBar_->hide();
  progressBar_->installEventFilter(this);
  // The panel is as tall as its row needs at the current font.
  statusRow_ = row->parentWidget();
  statusRow_->installEventFilter(this);
  fitStatusPanel();
  statusPanel_->hide();
}

void ResultView::fitStatusPanel() {
  const int frame = 2 * statusPanel_->frameWidth();
  statusPanel_->setMinimumHeight(statusRow_->sizeHint().height() + frame);
}

void ResultView::fitHeader() { header_->setFixedHeight(std::max(22, header_->fontMetrics().height() + 8)); }

void ResultView::applyColours() {
  QPalette totals = totalsLabel_->palette();
  totals.setColor(QPalette::WindowText, NoticeText(page_.palette(), QPalette::Window));
  totalsLabel_->setPalette(totals);
}

bool ResultView::eventFilter(QObject* watched, QEvent* event) {
  // A click picks the entry Copy Value copies; a double-click copies it.
  if (watched == list_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const int row = list_->indexAt(at).row();
    const int column = header_->logicalIndexAt(at.x());
    if (row >= 0 && column >= 1) {
      valueRow_ = row;
      valueColumn_ = column;
      if (event->type() == QEvent::MouseButtonDblClick) {
        page_.guarded([this] { CopyValueClick(); });
        return true;
      }
    }
  }
  // The totals and the progress bar share their place: the totals step aside.
  if (watched == progressBar_ &&
      (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    totalsLabel_->setHidden(event->type() == QEvent::ShowToParent);
    restartRate();
  }
  if (watched == statusPanel_ && statusRow_ != nullptr &&
      (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange))
    statusRow_->setGeometry(statusPanel_->contentsRect());
  if (watched == statusRow_ && event->type() == QEvent::LayoutRequest) fitStatusPanel();
  if (watched == header_ && event->type() == QEvent::Resize && header_->count() > 0 &&
      static_cast<QResizeEvent*>(event)->oldSize().width() != header_->width())
    page_.buildHeader();
  return QObject::eventFilter(watched, event);
}

void ResultView::setHints(bool on) {
  list_->setToolTip(on ? ResultPage::tr(kPopupHint) : QString());
  header_->setToolTip(on ? ResultPage::tr(kPopupHint) : QString());
}

void ResultView::setSections(const QStringList& captions, const QList<int>& widths) {
  auto* items = static_cast<QStandardItemModel*>(header_->model());
  items->setColumnCount(0);
  items->setColumnCount(static_cast<int>(captions.size()));
  for (int k = 0; k < captions.size(); ++k) {
    items->setHeaderData(k, Qt::Horizontal, captions[k], Qt::UserRole);
    header_->resizeSection(k, widths[k]);
    fitCaption(k);
  }
  // Read out whole, as the captions of the columns.
  header_->setAccessibleDescription(captions.join(", "));
}

void ResultView::fitCaption(int section) {
  // A caption too long for its section is cut short with "…"; its tooltip
  // gives it whole.
  auto* items = header_->model();
  const QString caption = items->headerData(section, Qt::Horizontal, Qt::UserRole).toString();
  const int room = header_->sectionSize(section) - 8;
  const QString shown = header_->fontMetrics().elidedText(caption, Qt::ElideRight, std::max(room, 0));
  items->setHeaderData(section, Qt::Horizontal, shown);
  items->setHeaderData(section, Qt::Horizontal, shown == caption ? QString() : caption, Qt::ToolTipRole);
}

void ResultView::CopyClick() {
  if (page_.running() || list_->model() != model_ || !model_->hasSource()) return;
  // The selected rows as ranges, in row order; all rows selected by Ctrl+A
  // are one range.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : list_->selectionModel()->selection())
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
    widest = std::max(widest, model_->rowText(static_cast<int>(first + (last - first) * k / 64)).size());
  const uint64_t rowBytes = static_cast<uint64_t>(widest) + 1;
  CheckMemoryFor(rows * rowBytes * 5);

  const QString caption = statusLabel_->text();
  auto finish = [&] {
    copying_ = false;
    if (copyUnderWay_ == this) copyUnderWay_ = nullptr;
    progressView_->hide();
    labelView_->setCaption(caption.toStdString());
    page_.SetBusy(false);
  };
  try {
    // The newest copy wins: one under way on another page stops, copying
    // nothing; that page stays in its copy until this one ends.
    if (copyUnderWay_ != nullptr) copyUnderWay_->copyStopped_ = true;
    copyUnderWay_ = this;
    copying_ = true;
    copyStopped_ = false;
    page_.SetBusy(true);
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
        model_->appendRows(slice, static_cast<int>(from), end);
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

void ResultView::CopyValueClick() {
  if (page_.running() || list_->model() != model_ || !model_->hasSource()) return;
  const int row = valueRow_ >= 0 ? valueRow_ : list_->currentIndex().row();
  if (row < 0 || row >= model_->rowCount() || valueColumn_ < 1 || valueColumn_ > model_->columns()) return;
  const QString value = model_->cell(row, valueColumn_);
  if (!value.isEmpty()) putOnClipboard(value);
}

void ResultView::putOnClipboard(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  const bool isSecret = page_.seedGroup()->secure();
  if (isSecret) data->setData(kSecretHint, "secret");
  QApplication::clipboard()->setMimeData(data);
  Secret& kept = secret();
  kept.timer.stop();
  if (!isSecret || SecretClearMs <= 0) return;
  kept.text = text;
  kept.page = &page_;
  kept.timer.setSingleShot(true);
  kept.timer.disconnect();
  connect(&kept.timer, &QTimer::timeout, [] {
    Secret& kept = secret();
    QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* now = clipboard->mimeData();
    if (now != nullptr && now->hasFormat(kSecretHint) && now->text() == kept.text) {
      clipboard->clear();
      if (kept.page != nullptr && !kept.page->running())
        kept.page->view().labelView()->setCaption(ResultPage::tr("Clipboard cleared at %1")
                                                      .arg(QTime::currentTime().toString("hh:mm:ss"))
                                                      .toStdString());
    }
    kept.text.clear();
  });
  kept.timer.start(SecretClearMs);
}

std::function<qint64()> ResultView::RateClock = [] {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.elapsed();
};

QString ResultView::RateText(double perSecond, double secondsLeft) {
  const QString rate = perSecond >= 1e6   ? ResultPage::tr("%1 M/s").arg(perSecond / 1e6, 0, 'f', 1)
                       : perSecond >= 1e3 ? ResultPage::tr("%1 k/s").arg(perSecond / 1e3, 0, 'f', 1)
                                          : ResultPage::tr("%1 /s").arg(perSecond, 0, 'f', 0);
  if (secondsLeft < 0) return rate;
  const auto seconds = static_cast<qint64>(std::ceil(secondsLeft));
  return seconds >= 120 ? ResultPage::tr("%1 \u00b7 %2 min left").arg(rate).arg((seconds + 59) / 60)
                        : ResultPage::tr("%1 \u00b7 %2 s left").arg(rate).arg(seconds);
}

void ResultView::restartRate() {
  rateStart_ = RateClock();
  rateShown_ = rateStart_;
  rateLast_ = 0;
  rateLabel_->clear();
  rateLabel_->hide();
}

void ResultView::updateRate() {
  const int64_t position = progressView_->position();
  if (position < rateLast_) restartRate();  // a new phase
  rateLast_ = position;
  if (progressBar_->isHidden()) return;
  const qint64 now = RateClock();
  const qint64 elapsed = now - rateStart_;
  if (elapsed < 1000 || (rateLabel_->isVisible() && now - rateShown_ < 250)) return;
  rateShown_ = now;
  const double perSecond = static_cast<double>(position) * 1000.0 / static_cast<double>(elapsed);
  const auto left = static_cast<double>(progressView_->maximum() - position);
  rateLabel_->setText(RateText(perSecond, perSecond > 0 ? left / perSecond : -1));
  rateLabel_->show();
}

}  // namespace quenvar::ui
