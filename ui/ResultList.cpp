#include "ui/ResultList.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

#include "ui/Colours.h"

namespace quenvar::ui {

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return rowText(index.row());
  return {};
}

QString ResultModel::cell(int row, int k) const {
  const TArrayString* results = source_ ? source_() : nullptr;
  const int c = columns();
  if (results == nullptr || k < 1 || k > c) return {};
  const size_t entry = static_cast<size_t>(row) * static_cast<size_t>(c) + static_cast<size_t>(k - 1);
  if (entry >= (entryText_ ? entryCount_() : results->size())) return {};
  const std::string_view text = entryText_ ? entryText_(entry) : (*results)[entry];
  return QString::fromUtf8(text);
}

QString ResultModel::rowText(int row) const {
  QString text = QString::number(row + 1);
  if (!hasSource()) return text;
  for (int k = 1; k <= columns(); ++k) {
    const QString entry = cell(row, k);
    if (entry.isEmpty()) break;
    text += '\t' + entry;
  }
  return text;
}

void ResultModel::appendRows(std::string& out, int first, int last) const {
  const TArrayString* results = source_ ? source_() : nullptr;
  const size_t c = static_cast<size_t>(std::max(columns(), 0));
  const size_t count = results == nullptr ? 0 : entryText_ ? entryCount_() : results->size();
  char number[16];
  for (int row = first; row <= last && row < rows_; ++row) {
    const auto [end, ec] = std::to_chars(number, number + sizeof number, row + 1);
    out.append(number, end);
    const size_t begin = static_cast<size_t>(row) * c;
    for (size_t entry = begin; entry < begin + c && entry < count; ++entry) {
      const std::string_view text = entryText_ ? entryText_(entry) : (*results)[entry];
      if (text.empty()) break;  // as shown: an empty entry ends the row
      out += '\t';
      out.append(text);
    }
    out += '\n';
  }
}

void ResultModel::clear() {
  beginResetModel();
  rows_ = 0;
  endResetModel();
}

void ResultModel::setRows(int count) {
  beginResetModel();
  rows_ = count;
  endResetModel();
}

QFont ResultDelegate::ResultFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!QFontInfo(font).fixedPitch()) {
    font.setFamily("Monospace");
    font.setStyleHint(QFont::TypeWriter);
  }
  return font;
}

QColor ResultDelegate::RowNumberColour(const QPalette& palette) {
  return Readable(QColor(Qt::red), palette.color(QPalette::Base));
}

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
  const auto* model = static_cast<const ResultModel*>(index.model());
  if (!model->hasSource()) return;
  const QRect& r = option.rect;
  painter->setFont(option.font);
  painter->setPen(selected ? option.palette.highlightedText().color() : RowNumberColour(option.palette));
  // Each text is clipped to its section, cut short with "…" (its tooltip and
  // copies give it whole).
  const QHeaderView* header = model->header();
  const int numberRoom = header->count() > 0 ? header->sectionSize(0) - 8 : r.width() - 6;
  painter->drawText(
      QRect(r.left() + 6, r.top(), std::max(numberRoom, 0), r.height()), Qt::AlignLeft | Qt::AlignVCenter,
      option.fontMetrics.elidedText(QString::number(index.row() + 1), Qt::ElideRight, numberRoom));
  painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
  for (int k = 1; k <= model->columns(); ++k) {
    const QString text = model->cell(index.row(), k);
    if (text.isEmpty()) break;
    const int x = header->sectionViewportPosition(k) + 4;
    const int room = std::max(header->sectionSize(k) - 8, 0);
    painter->drawText(QRect(x, r.top(), room, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, room));
  }
}

bool ResultDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
  const auto* model = dynamic_cast<const ResultModel*>(index.model());
  if (event->type() == QEvent::ToolTip && model != nullptr && model->hasSource()) {
    const int k = model->header()->logicalIndexAt(event->pos().x());
    const QString text = k >= 1 ? model->cell(index.row(), k) : QString();
    if (!text.isEmpty() && option.fontMetrics.horizontalAdvance(text) > model->header()->sectionSize(k) - 8) {
      QToolTip::showText(event->globalPos(), text, view);  // the entry cut short, whole
      return true;
    }
  }
  return QStyledItemDelegate::helpEvent(event, view, option, index);
}

ResultListView::ResultListView(QWidget* parent) : QListView(parent) {
  setUniformItemSizes(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ResultListView::placeRows() { executeDelayedItemsLayout(); }

int ResultListView::topRow() const { return verticalScrollBar()->value(); }

int ResultListView::rows() const {
  return model() == nullptr || model()->columnCount(rootIndex()) <= modelColumn()
             ? 0
             : model()->rowCount(rootIndex());
}

int ResultListView::rowsInView() const {
  return std::max(1, viewport()->height() / std::max(1, rowSize_.height()));
}

std::pair<int, int> ResultListView::rowsIn(int y0, int y1) const {
  const int h = std::max(1, rowSize_.height());
  const qint64 first = std::max<qint64>(0, topRow() + qint64(std::floor(double(y0) / h)));
  const qint64 last = std::min<qint64>(rows() - 1, topRow() + qint64(std::floor(double(y1) / h)));
  return {int(std::min<qint64>(first, rows())), int(std::max<qint64>(last, -1))};
}

void ResultListView::doItemsLayout() {
  // The size of one row stands for all of them: the rest is arithmetic.
  rowSize_ = QSize(100, 16);
  if (rows() > 0 && itemDelegate() != nullptr) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    rowSize_ = itemDelegate()->sizeHint(option, model()->index(0, modelColumn(), rootIndex()));
    rowSize_.setHeight(std::max(1, rowSize_.height()));
  }
  QAbstractItemView::doItemsLayout();  // the scroll bars, then a repaint
}

void ResultListView::updateGeometries() {
  const int n = rows();
  const int page = rowsInView();
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(page);
  verticalScrollBar()->setRange(0, std::max(0, n - page));
  const int wide = n > 0 ? rowSize_.width() : 0;
  horizontalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setRange(0, std::max(0, wide - viewport()->width()));
  QAbstractItemView::updateGeometries();
}

QSize ResultListView::viewportSizeHint() const {
  const qint64 high = qint64(rows()) * rowSize_.height();
  return {rowSize_.width(), int(std::min<qint64>(high, 1 << 20))};
}

int ResultListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int ResultListView::verticalOffset() const {
  const qint64 offset = qint64(topRow()) * rowSize_.height();
  return int(std::min<qint64>(offset, std::numeric_limits<int>::max() - (1 << 24)));
}

QRect ResultListView::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
      index.column() != modelColumn() || index.row() >= rows())
    return {};
  // Far rows are clamped well inside the range of int; they are out of view.
  constexpr qint64 kFar = std::numeric_limits<int>::max() - (1 << 24);
  const qint64 y = std::clamp<qint64>(qint64(index.row() - topRow()) * rowSize_.height(), -kFar, kFar);
  return {-horizontalOffset(), int(y), std::max(rowSize_.width(), viewport()->width()), rowSize_.height()};
}

QModelIndex ResultListView::indexAt(const QPoint& point) const {
  if (point.y() < 0 || point.x() + horizontalOffset() >= std::max(rowSize_.width(), viewport()->width()))
    return {};
  const qint64 row = qint64(topRow()) + point.y() / rowSize_.height();
  return row < rows() ? model()->index(int(row), modelColumn(), rootIndex()) : QModelIndex();
}

void ResultListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid() || index.row() >= rows()) return;
  const int row = index.row();
  const int page = rowsInView();
  int top = topRow();
  switch (hint) {
    case EnsureVisible:
      if (row < top)
        top = row;
      else if (row >= top + page)
        top = row - page + 1;
      break;
    case PositionAtTop:
      top = row;
      break;
    case PositionAtBottom:
      top = row - page + 1;
      break;
    case PositionAtCenter:
      top = row - page / 2;
      break;
  }
  verticalScrollBar()->setValue(top);
}

void ResultListView::scrollContentsBy(int, int) {
  // The base list stops its delayed scroll to a clicked row here; by (0, 0)
  // it moves nothing, having no layout of its own to move.
  QListView::scrollContentsBy(0, 0);
  viewport()->update();
}

void ResultListView::setModel(QAbstractItemModel* model) {
  anchor_ = QPersistentModelIndex();
  QListView::setModel(model);
}

void ResultListView::selectAll() {
  const int n = rows();
  if (n == 0 || selectionModel() == nullptr ||
      (selectionMode() != ExtendedSelection && selectionMode() != MultiSelection))
    return;
  selectionModel()->select(QItemSelection(model()->index(0, modelColumn(), rootIndex()),
                                          model()->index(n - 1, modelColumn(), rootIndex())),
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ResultListView::keyboardSearch(const QString& search) {
  if (!sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval()) typed_.clear();
  // Only the digits 0 to 9 make a row number; anything else starts over.
  if (search.isEmpty() ||
      !std::all_of(search.begin(), search.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
    typed_.clear();
    return;
  }
  sinceTyped_.start();
  typed_ = (typed_ + search).right(10);
  bool ok = false;
  const qint64 number = typed_.toLongLong(&ok);
  if (!ok || number < 1 || number > rows()) return;
  const QModelIndex index = model()->index(int(number - 1), modelColumn(), rootIndex());
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void ResultListView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QModelIndex current = currentIndex();
  const bool focused = hasFocus() || viewport()->hasFocus();
  const QRect area = event->rect();
  const auto [first, last] = rowsIn(area.top(), area.bottom());
  for (int row = first; row <= last; ++row) {
    const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
    QStyleOptionViewItem rowOption = option;
    rowOption.rect = visualRect(index);
    rowOption.state |= QStyle::State_Enabled;
    if (selectionModel() != nullptr && selectionModel()->isSelected(index))
      rowOption.state |= QStyle::State_Selected;
    if (focused && index == current) rowOption.state |= QStyle::State_HasFocus;
    itemDelegate()->paint(&painter, rowOption, index);
  }
}

QModelIndex ResultListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int n = rows();
  if (n == 0) return {};
  const QModelIndex current = currentIndex();
  const int row = current.isValid() ? current.row() : -1;
  qint64 next = row;
  switch (action) {
    case MoveUp:
    case MovePrevious:
      next = row - 1;
      break;
    case MoveDown:
    case MoveNext:
      next = row + 1;
      break;
    case MovePageUp:
      next = qint64(row) - rowsInView();
      break;
    case MovePageDown:
      next = qint64(row) + rowsInView();
      break;
    case MoveHome:
      next = 0;
      break;
    case MoveEnd:
      next = n - 1;
      break;
    case MoveLeft:
    case MoveRight:
      break;  // one column: sideways stays put
  }
  return model()->index(int(std::clamp<qint64>(next, 0, n - 1)), modelColumn(), rootIndex());
}

void ResultListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  if (selectionModel() == nullptr) return;
  const QRect band = rect.normalized();
  QItemSelection selection;
  const auto [first, last] = rowsIn(band.top(), band.bottom());
  if (first <= last)
    selection.select(model()->index(first, modelColumn(), rootIndex()),
                     model()->index(last, modelColumn(), rootIndex()));
  selectionModel()->select(selection, command);
}

QRegion ResultListView::visualRegionForSelection(const QItemSelection& selection) const {
  // Only the part of each range that is in view: a range of millions of
  // rows costs one rectangle.
  QRegion region;
  const int top = topRow();
  const int bottom = top + rowsInView();
  for (const QItemSelectionRange& range : selection) {
    if (range.parent() != rootIndex()) continue;
    const int first = std::max(range.top(), top);
    const int last = std::min(range.bottom(), bottom);
    if (first > last) continue;
    const QRect a = visualRect(model()->index(first, modelColumn(), rootIndex()));
    const QRect b = visualRect(model()->index(last, modelColumn(), rootIndex()));
    region += a.united(b);
  }
  return region;
}

void ResultListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  // Assistive technology hears of the first row selected, not of each of
  // the millions a Ctrl+A may select.
  if (QAccessible::isActive()) {
    for (const auto& [ranges, kind] : {std::pair{&selected, QAccessible::SelectionAdd},
                                       std::pair{&deselected, QAccessible::SelectionRemove}}) {
      if (ranges->isEmpty()) continue;
      QAccessibleEvent event(this, kind);
      event.setChild(ranges->first().top());
      QAccessible::updateAccessibility(&event);
    }
  }
  QAbstractItemView::selectionChanged(selected, deselected);
}

void ResultListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!extending_) anchor_ = current;
  // Assistive technology hears which row has the focus, by its number (the
  // base list would look it up in a layout this list does not keep).
  if (QAccessible::isActive() && current.isValid() && hasFocus()) {
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current.row());
    QAccessible::updateAccessibility(&event);
  }
  QAbstractItemView::currentChanged(current, previous);
}

void ResultListView::selectFromAnchor() {
  const QModelIndex to = currentIndex();
  if (!to.isValid() || selectionModel() == nullptr) return;
  const QModelIndex from = anchor_.isValid() ? QModelIndex(anchor_) : to;
  const int first = std::min(from.row(), to.row());
  const int last = std::max(from.row(), to.row());
  selectionModel()->select(QItemSelection(model()->index(first, modelColumn(), rootIndex()),
                                          model()->index(last, modelColumn(), rootIndex())),
                           QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows);
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
  static const std::set<int> kMoves{Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                    Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
  // With Ctrl held, the keys move the focus alone.
  extending_ = (event->modifiers() & Qt::ShiftModifier) && !(event->modifiers() & Qt::ControlModifier) &&
               selectionMode() == ExtendedSelection && kMoves.count(event->key()) > 0;
  QListView::keyPressEvent(event);
  if (extending_) selectFromAnchor();
  extending_ = false;
}

void ResultListView::mouseMoveEvent(QMouseEvent* event) {
  // A drag selects from the row pressed to the row under the pointer, set
  // by row numbers too; with Ctrl it toggles, as the base list does.
  extending_ = (event->buttons() & Qt::LeftButton) && !(event->modifiers() & Qt::ControlModifier) &&
               selectionMode() == ExtendedSelection;
  QListView::mouseMoveEvent(event);
  if (extending_ && state() == DragSelectingState) selectFromAnchor();
  extending_ = false;
}

void ResultListView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex pressed = indexAt(event->position().toPoint());
  extending_ = (event->modifiers() & Qt::ShiftModifier) && selectionMode() == ExtendedSelection &&
               event->button() == Qt::LeftButton && pressed.isValid();
  // A press without Shift starts a new range at the row pressed, even when
  // that row already has the focus; below the last row, at the last row.
  if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier) && rows() > 0)
    anchor_ = pressed.isValid() ? pressed : model()->index(rows() - 1, modelColumn(), rootIndex());
  QListView::mousePressEvent(event);
  if (extending_) selectFromAnchor();
  extending_ = false;
}

}  // namespace quenvar::ui
