#pragma once

#include <QAbstractListModel>
#include <QHeaderView>
#include <QListView>
#include <QStyledItemDelegate>
#include <functional>
#include <string>

#include "core/StringArray.h"

namespace quenvar::ui {

// The rows of a result list: a count, and the results they are read from.
// Row r holds entries r * c .. r * c + c - 1 of the results, c being the
// header's value columns, so a million results cost no items. The display
// and accessible-text roles give a row as shown: its number, then its
// entries, separated by tabs.
class ResultModel : public QAbstractListModel {
 public:
  ResultModel(QHeaderView* header, QObject* parent) : QAbstractListModel(parent), header_(header) {}
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  QVariant data(const QModelIndex& index, int role) const override;
  void clear();
  void addRows(int count);
  // Sets the count at once: one reset, so the list lays itself out once.
  void setRows(int count);

  // No source: rows show nothing but their background (while the header is
  // rebuilt, or while nothing is shown).
  void setSource(std::function<const TArrayString*()> source) { source_ = std::move(source); }
  bool hasSource() const { return source_ && source_() != nullptr; }
  // Entries made when their row is drawn rather than read from the source's
  // texts (which then only tells whether anything is shown): how many there
  // are, and the text of one. Empty functions: the source's texts again.
  void setEntries(std::function<size_t()> count, std::function<QString(size_t)> text) {
    entryCount_ = std::move(count);
    entryText_ = std::move(text);
  }
  int columns() const { return header_->count() - 1; }
  // Entry k (1 .. columns) of a row; empty past the last entry.
  QString cell(int row, int k) const;
  QString rowText(int row) const;
  // Appends rows first .. last as rowText gives them, each ended by "\n",
  // in UTF-8: read straight from the results, a million rows at once.
  void appendRows(std::string& out, int first, int last) const;
  QHeaderView* header() const { return header_; }

 private:
  QHeaderView* header_;
  std::function<const TArrayString*()> source_;
  std::function<size_t()> entryCount_;
  std::function<QString(size_t)> entryText_;
  int rows_ = 0;
};

// Paints one row: its number in red at the left, then each entry 4 pixels
// right of the left edge of its header section, not clipped to it.
class ResultDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {100, 16}; }
};

// The list box: fixed rows of 16 pixels, no border.
class ResultListView : public QListView {
 public:
  explicit ResultListView(QWidget* parent);
  // Lays out the rows in view now; the rest follow in batches.
  void layOutFirstRows();
};

}  // namespace quenvar::ui
