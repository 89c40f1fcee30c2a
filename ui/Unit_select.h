#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <utility>
#include <vector>

#include "core/StringArray.h"
#include "generators/Unit_character.h"

namespace quenvar::ui {

// Code ranges offered by a character selection, both ends included.
using TArrayRang = std::vector<std::pair<int32_t, int32_t>>;

// What one side list of the selection dialog hands over while its lines
// are dragged: the list they come from.
class SelectDrag : public QMimeData {
  Q_OBJECT
 public:
  explicit SelectDrag(const QListWidget* from) : From(from) {}
  const QListWidget* From;
};

// One side of the selection dialog. It drags its highlighted lines and takes
// a drop only from the other side; what a drop does is the dialog's business.
class SelectList : public QListWidget {
  Q_OBJECT
 public:
  explicit SelectList(QWidget* parent);
  SelectList* Partner = nullptr;
  // The drag data of this list's highlighted lines.
  SelectDrag* dragData() const { return new SelectDrag(this); }

 signals:
  void dropped();

 protected:
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool takes(const QMimeData* data) const;
};

// Splits a fixed set of characters into "Available Items" and "Selected
// Items". ItemList holds one [code in decimal, flag] pair per character; the
// flag "yes" puts it on the selected side. Moving a character changes its flag
// only, and both lists are rebuilt in ItemList order after every move.
class TFormSelect : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSelect(QWidget* parent);

  // Appends [code, "no"] for every code from low to high.
  void AddRangeItems(int32_t low, int32_t high);
  // Flags "yes" every item whose code is listed.
  void MarkSelected(const TArrayInteger& codes);
  // The codes flagged "yes", in ItemList order.
  TArrayInteger SelectedCodes() const;

  void RefreshLists();
  void MoveSelected(QListWidget* list, const char* flag);
  void btnselectClick() { MoveSelected(ListBoxSource, "yes"); }
  void btnUnselectClick() { MoveSelected(ListBoxTarget, "no"); }
  void btnSelectAllClick();
  void btnUnSelectAllClick();

  TNameAndDescription ItemList;

  QLabel *Label1, *Label2;
  SelectList *ListBoxSource, *ListBoxTarget;
  QPushButton *btnselect, *btnSelectAll, *btnUnselect, *btnUnSelectAll, *BitBtn1, *BitBtn2;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool refreshed_ = false;  // the lists are built on the first showing only
};

// Offers the codes of `ranges` titled `title`, those in `codes` on the
// selected side. On OK `codes` becomes the selected codes in the order of the
// ranges and the result is true; on Cancel nothing changes.
bool SelectChars(QWidget* parent, const QString& title, const TArrayRang& ranges, TArrayInteger& codes);

}  // namespace quenvar::ui
