#include "ui/ItemList.h"

#include <algorithm>
#include <iterator>

#include "core/Errors.h"
#include "core/Feedback.h"

namespace quenvar::ui {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// Rows of 17 pixels, whatever the style would make of a check mark and text.
class ItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 17};
  }
};

}  // namespace

QString ItemListModel::text(int row) const {
  return QString::fromStdString(texts_[static_cast<size_t>(row)]);
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= count()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
      return text(index.row());
    case Qt::CheckStateRole:
      return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

bool ItemListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole) return false;
  setChecked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void ItemListModel::insert(int row, const QString& text) {
  beginInsertRows({}, row, row);
  texts_.insert(texts_.begin() + row, Utf8(text));
  marks_.insert(marks_.begin() + row, 0);
  endInsertRows();
}

void ItemListModel::appendAll(const TArrayString& texts) {
  if (texts.empty()) return;
  // The texts are copied while pending messages may still run; the list
  // itself changes in one insertion.
  std::vector<std::string> added;
  GuardMemory([&] {
    added.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
      added.emplace_back(texts[i]);
      LetMessagesRun();
    }
    texts_.reserve(texts_.size() + added.size());
    marks_.reserve(marks_.size() + added.size());
  });
  const int first = count();
  beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
  std::move(added.begin(), added.end(), std::back_inserter(texts_));
  marks_.resize(texts_.size(), 0);
  endInsertRows();
}

void ItemListModel::replace(int row, const QString& text) {
  texts_[static_cast<size_t>(row)] = Utf8(text);
  setChecked(row, false);
  const QModelIndex at = index(row);
  emit dataChanged(at, at);
}

void ItemListModel::setChecked(int row, bool checked) {
  char& mark = marks_[static_cast<size_t>(row)];
  if ((mark != 0) == checked) return;
  mark = checked ? 1 : 0;
  checked_ = checked ? checked_ + 1 : checked_ - 1;
  const QModelIndex at = index(row);
  emit dataChanged(at, at, {Qt::CheckStateRole});
  emit checkedCountChanged(checkedCount());
}

void ItemListModel::setAllChecked(bool checked) {
  std::fill(marks_.begin(), marks_.end(), checked ? 1 : 0);
  checked_ = checked ? marks_.size() : 0;
  if (!marks_.empty()) emit dataChanged(index(0), index(count() - 1), {Qt::CheckStateRole});
  emit checkedCountChanged(checkedCount());
}

void ItemListModel::remove(int row) {
  beginRemoveRows({}, row, row);
  if (marks_[static_cast<size_t>(row)] != 0) --checked_;
  texts_.erase(texts_.begin() + row);
  marks_.erase(marks_.begin() + row);
  endRemoveRows();
  emit checkedCountChanged(checkedCount());
}

void ItemListModel::removeMarked(const std::vector<char>& marked) {
  beginResetModel();
  size_t kept = 0;
  checked_ = 0;
  for (size_t i = 0; i < texts_.size(); ++i) {
    if (i < marked.size() && marked[i] != 0) continue;
    if (kept != i) {
      texts_[kept] = std::move(texts_[i]);
      marks_[kept] = marks_[i];
    }
    checked_ += marks_[kept] != 0 ? 1 : 0;
    ++kept;
  }
  texts_.resize(kept);
  marks_.resize(kept);
  endResetModel();
  emit checkedCountChanged(checkedCount());
}

void ItemListModel::clear() {
  beginResetModel();
  std::vector<std::string>().swap(texts_);
  std::vector<char>().swap(marks_);
  checked_ = 0;
  endResetModel();
  emit checkedCountChanged(0);
}

TArrayString ItemListModel::checkedTexts() const {
  TArrayString out;
  GuardMemory([&] {
    size_t characters = 0;
    for (size_t i = 0; i < texts_.size(); ++i)
      if (marks_[i] != 0) characters += texts_[i].size();
    out.reserve(checked_, characters);
    // No message may run here: the copy is the list as it was at the click.
    for (size_t i = 0; i < texts_.size(); ++i)
      if (marks_[i] != 0) out.push_back(texts_[i]);
  });
  return out;
}

QStringList ItemListModel::texts() const {
  QStringList out;
  out.reserve(count());
  for (int row = 0; row < count(); ++row) out << text(row);
  return out;
}

ItemListView::ItemListView(QWidget* parent) : QListView(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setLayoutMode(QListView::Batched);
  setBatchSize(4096);
  setItemDelegate(new ItemDelegate(this));
}

}  // namespace quenvar::ui
