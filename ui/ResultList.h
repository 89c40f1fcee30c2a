#pragma once

#include <QAbstractListModel>
#include <QHeaderView>
#include <QListView>
#include <QStyledItemDelegate>
#include <functional>

#include "core/StringArray.h"

namespace quenvar::ui {

// The rows of a result list: only a count. Rows carry no text of their own;
// the delegate paints each from the generator's results, so a million
// results cost no widget items.
class ResultModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  void clear();
  void addRows(int count);

 private:
  int rows_ = 0;
};

// Paints one row: its number in red at the left, then entry row * c + k - 1
// of the results 4 pixels right of the left edge of header section k.
class ResultDelegate : public QStyledItemDelegate {
 public:
  ResultDelegate(QHeaderView* header, QObject* parent) : QStyledItemDelegate(parent), header_(header) {}
  // No source: rows paint nothing but their background (the draw handler is
  // detached while the header is rebuilt, or while nothing is shown).
  void setSource(std::function<const TArrayString*()> source) { source_ = std::move(source); }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {100, 16}; }

 private:
  QHeaderView* header_;
  std::function<const TArrayString*()> source_;
};

// The list box: fixed rows of 16 pixels, no border.
class ResultListView : public QListView {
 public:
  explicit ResultListView(QWidget* parent);
};

}  // namespace quenvar::ui
