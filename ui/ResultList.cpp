#include "ui/ResultList.h"

#include <QPainter>

namespace quenvar::ui {

void ResultModel::clear() {
  beginResetModel();
  rows_ = 0;
  endResetModel();
}

void ResultModel::addRows(int count) {
  if (count <= 0) return;
  beginInsertRows(QModelIndex(), rows_, rows_ + count - 1);
  rows_ += count;
  endInsertRows();
}

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
  const TArrayString* results = source_ ? source_() : nullptr;
  if (results == nullptr) return;
  const QRect& r = option.rect;
  painter->setFont(option.font);
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::red));
  constexpr int kWide = 4000;  // text is not clipped to its section
  painter->drawText(QRect(r.left() + 6, r.top(), kWide, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::number(index.row() + 1));
  const int columns = header_->count() - 1;
  if (columns < 1) return;
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
  const size_t first = static_cast<size_t>(index.row()) * static_cast<size_t>(columns);
  for (int k = 1; k <= columns; ++k) {
    const size_t entry = first + static_cast<size_t>(k - 1);
    if (entry >= results->size()) break;
    const std::string_view text = (*results)[entry];
    const int x = header_->sectionViewportPosition(k) + 4;
    painter->drawText(QRect(x, r.top(), kWide, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

ResultListView::ResultListView(QWidget* parent) : QListView(parent) {
  setUniformItemSizes(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setLayoutMode(QListView::Batched);
  setBatchSize(4096);
}

}  // namespace quenvar::ui
