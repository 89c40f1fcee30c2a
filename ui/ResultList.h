#pragma once

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListView>
#include <QStyledItemDelegate>
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

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
  // Sets the count at once: one reset.
  void setRows(int count);

  // No source: rows show nothing but their background (while the header is
  // rebuilt, or while nothing is shown).
  void setSource(std::function<const TArrayString*()> source) { source_ = std::move(source); }
  bool hasSource() const { return source_ && source_() != nullptr; }
  // Entries made when their row is drawn rather than read from the source's
  // texts (which then only tells whether anything is shown): how many there
  // are, and the text of one. Empty functions: the source's texts again.
  void setEntries(std::function<size_t()> count, std::function<std::string_view(size_t)> text) {
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
  std::function<std::string_view(size_t)> entryText_;
  int rows_ = 0;
};

// Paints one row: its number in red at the left, then each entry 4 pixels
// right of the left edge of its header section, not clipped to it.
class ResultDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // 16 pixels high, or as high as a larger font needs.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {100, std::max(16, option.fontMetrics.height() + 2)};
  }
  // A tooltip over an entry cut short gives it whole.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
  // The font of every result list: the system's fixed-pitch font.
  static QFont ResultFont();
  // Red, readable on the list's background.
  static QColor RowNumberColour(const QPalette& palette);
};

// The list box: rows of one height, no border. Row r lies r row heights
// below the first, so rows are placed by arithmetic: showing 100 million
// rows costs no more than showing ten, and nothing is stored per row. It is
// still a QListView to the rest of the program and to assistive technology;
// only the placing of rows is its own. The vertical scroll bar counts rows.
class ResultListView : public QListView {
 public:
  explicit ResultListView(QWidget* parent);
  // Places the rows at once, so that the ones in view can be painted.
  void placeRows();

  QRect visualRect(const QModelIndex& index) const override;
  QModelIndex indexAt(const QPoint& point) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  void doItemsLayout() override;
  void setModel(QAbstractItemModel* model) override;
  // All rows as one range.
  void selectAll() override;
  // Digits typed in quick succession go to the row of that number; a row's
  // text starts with its number, so nothing else could match.
  void keyboardSearch(const QString& search) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void updateGeometries() override;
  QSize viewportSizeHint() const override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Shift with a move or a click, or a drag, selects from the anchor to the
  // current row. Qt works the range out from pixels, which run out of int past
  // 134 million rows of 16 pixels; it is set again here by row numbers.
  void selectFromAnchor();
  int rows() const;
  int topRow() const;
  // Rows that fit in the viewport whole (at least one).
  int rowsInView() const;
  // The first and last rows a viewport band y0 .. y1 touches, clamped to the
  // rows there are; first > last when none.
  std::pair<int, int> rowsIn(int y0, int y1) const;
  QSize rowSize_{100, 16};
  QPersistentModelIndex anchor_;  // where the next Shift range starts
  QString typed_;                 // the row number being typed
  QElapsedTimer sinceTyped_;
  bool extending_ = false;  // a Shift move or click is under way
};
}  // namespace quenvar::ui
