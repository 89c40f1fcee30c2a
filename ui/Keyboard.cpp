#include "ui/Keyboard.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace quenvar::ui {

namespace {

// A control the Tab key stops at; the parts of a spin box, a combo box or a
// list are reached through it.
bool TakesTab(const QWidget* w, const QWidget* root) {
  if (w->isWindow() || (w->focusPolicy() & Qt::TabFocus) == 0 || w->isHidden()) return false;
  for (const QWidget* up = w->parentWidget(); up != nullptr && up != root; up = up->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(up) != nullptr ||
        qobject_cast<const QComboBox*>(up) != nullptr ||
        qobject_cast<const QAbstractItemView*>(up) != nullptr)
      return false;
  return true;
}

void Collect(QLayout* layout, QWidget* root, QList<QWidget*>& out);

void CollectWidget(QWidget* w, QWidget* root, QList<QWidget*>& out) {
  if (w == nullptr || w->isHidden()) return;
  if (TakesTab(w, root) && !out.contains(w)) out << w;
  if (qobject_cast<QAbstractSpinBox*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr ||
      qobject_cast<QAbstractItemView*>(w) != nullptr)
    return;
  if (auto* area = qobject_cast<QScrollArea*>(w)) {
    CollectWidget(area->widget(), root, out);
    return;
  }
  if (w->layout() != nullptr) Collect(w->layout(), root, out);
}

void Collect(QLayout* layout, QWidget* root, QList<QWidget*>& out) {
  QList<int> order;
  for (int i = 0; i < layout->count(); ++i) order << i;
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    auto place = [grid](int i) {
      int row = 0, column = 0, rows = 0, columns = 0;
      grid->getItemPosition(i, &row, &column, &rows, &columns);
      return std::pair(row, column);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return place(a) < place(b); });
  }
  for (const int i : order) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() != nullptr)
      CollectWidget(item->widget(), root, out);
    else if (item->layout() != nullptr)
      Collect(item->layout(), root, out);
  }
}

}  // namespace

QList<QWidget*> TabChain(QWidget* root) {
  QList<QWidget*> chain;
  if (root->layout() != nullptr) Collect(root->layout(), root, chain);
  return chain;
}

void OrderTabs(QWidget* root) {
  const QList<QWidget*> chain = TabChain(root);
  for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QString WithKey(const QString& hint, const QKeySequence& key) {
  return hint + " (" + key.toString(QKeySequence::NativeText) + ")";
}

void SetKeys(QAction* action, const QList<QKeySequence>& keys) {
  const QString hint = action->toolTip();
  action->setShortcuts(keys);
  if (!keys.isEmpty()) action->setToolTip(WithKey(hint, keys.front()));
}

}  // namespace quenvar::ui
