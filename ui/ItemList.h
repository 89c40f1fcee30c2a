#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "core/StringArray.h"

namespace quenvar::ui {

// The item list of the Random Sampling page: texts with check marks, held
// as plain arrays so that a million items cost their characters and a flag
// each. Loading appends in one insertion, checking or unchecking all is one
// change, and the checked count is kept as the marks change, so the page's
// caption never counts.
class ItemListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int count() const { return static_cast<int>(texts_.size()); }
  int checkedCount() const { return static_cast<int>(checked_); }
  QString text(int row) const;
  bool isChecked(int row) const { return marks_[static_cast<size_t>(row)] != 0; }

  // New items come unchecked.
  void insert(int row, const QString& text);
  void append(const QString& text) { insert(count(), text); }
  void appendAll(const TArrayString& texts);
  // The item takes the new text and comes back unchecked, like a new item.
  void replace(int row, const QString& text);
  void setChecked(int row, bool checked);
  void setAllChecked(bool checked);
  void remove(int row);
  // Removes the items whose flag is set, in one pass.
  void removeMarked(const std::vector<char>& marked);
  void clear();

  // The texts of the checked items, in list order: a run's own copy.
  TArrayString checkedTexts() const;
  // Every text, checked or not, in list order.
  QStringList texts() const;
  const std::string& utf8(int row) const { return texts_[static_cast<size_t>(row)]; }

 signals:
  void checkedCountChanged(int checked);

 private:
  std::vector<std::string> texts_;  // UTF-8
  std::vector<char> marks_;         // 1 for a checked item
  size_t checked_ = 0;
};

// The check list box: fixed rows, several items selected with Ctrl+click
// and Shift+click, the current item framed.
class ItemListView : public QListView {
 public:
  explicit ItemListView(QWidget* parent);
};

}  // namespace quenvar::ui
