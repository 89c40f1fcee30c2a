#include "ui/ResultList.h"

#include <QCoreApplication>
#include <QPainter>
#include <charconv>

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
  if (entryText_) return entry < entryCount_() ? entryText_(entry) : QString();
  if (entry >= results->size()) return {};
  const std::string_view text = (*results)[entry];
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
      out += '\t';
      if (entryText_) {
        out += entryText_(entry).toStdString();
      } else {
        const std::string_view text = (*results)[entry];
        if (text.empty()) break;  // as shown: an empty entry ends the row
        out.append(text);
      }
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
  const auto* model = static_cast<const ResultModel*>(index.model());
  if (!model->hasSource()) return;
  const QRect& r = option.rect;
  painter->setFont(option.font);
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::red));
  constexpr int kWide = 4000;  // text is not clipped to its section
  painter->drawText(QRect(r.left() + 6, r.top(), kWide, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::number(index.row() + 1));
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
  for (int k = 1; k <= model->columns(); ++k) {
    const QString text = model->cell(index.row(), k);
    if (text.isEmpty()) break;
    const int x = model->header()->sectionViewportPosition(k) + 4;
    painter->drawText(QRect(x, r.top(), kWide, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
  }
}

void ResultListView::layOutFirstRows() {
  // The list lays out its first batch of rows when its layout timer fires.
  for (int i = 0; i < 50 && model()->rowCount() > 0 && !visualRect(model()->index(0, 0)).isValid(); ++i)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ResultListView::ResultListView(QWidget* parent) : QListView(parent) {
  setUniformItemSizes(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Millions of rows are laid out a batch at a time between messages.
  setLayoutMode(QListView::Batched);
  setBatchSize(4096);
}

}  // namespace quenvar::ui
