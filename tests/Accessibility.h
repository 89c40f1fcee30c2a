#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace quenvar::test {

// The name assistive technology reads for a control; for a combo box, read
// by its value on Linux, the label it is labelled by.
inline QString AccessibleName(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  if (iface == nullptr) return QString();
  if (qobject_cast<QComboBox*>(w) != nullptr)
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
      return label->text(QAccessible::Name);
  return iface->text(QAccessible::Name);
}

// The controls below `root` that have no name, as "objectName ClassName".
// A spin box's or a combo box's own editor and list are read as part of it.
inline QStringList UnnamedControls(QWidget* root) {
  QStringList out;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                         qobject_cast<QLineEdit*>(w);
    bool part = false;
    for (QWidget* up = w->parentWidget(); up != nullptr && !part; up = up->parentWidget())
      part = qobject_cast<QComboBox*>(up) != nullptr || qobject_cast<QAbstractSpinBox*>(up) != nullptr;
    if (control && !part && AccessibleName(w).trimmed().isEmpty())
      out << w->objectName() + " " + w->metaObject()->className();
  }
  return out;
}

// A list's rows as the accessibility bus reads them.
inline QStringList AccessibleRows(QWidget* list) {
  QStringList rows;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
  for (int i = 0; iface != nullptr && i < iface->childCount(); ++i)
    rows << iface->child(i)->text(QAccessible::Name);
  return rows;
}

}  // namespace quenvar::test
