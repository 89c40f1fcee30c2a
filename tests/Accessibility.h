#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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

// The Alt+letter of a caption; 0 when it has none.
inline QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '&') {
      if (text[i + 1] != '&') return text[i + 1].toUpper();
      ++i;
    }
  return {};
}

// What is wrong with the Alt+letters below `root`: a label with a control,
// a check box, a radio button or a push button (but "<" and ">") without
// one, and two captions that share one.
inline QStringList MnemonicProblems(QWidget* root) {
  QStringList problems;
  QMap<QChar, QString> taken;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    QString text;
    bool needed = false;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      needed = label->buddy() != nullptr;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      text = button->text();
      static const QRegularExpression arrows("^[<>]");
      needed = qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr ||
               (qobject_cast<QPushButton*>(w) != nullptr && !arrows.match(text).hasMatch());
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      text = group->title();
    }
    const QChar key = Mnemonic(text);
    if (needed && key.isNull()) problems << text + " has no key";
    if (key.isNull()) continue;
    if (taken.contains(key)) problems << text + " takes Alt+" + key + " of " + taken.value(key);
    taken[key] = text;
  }
  return problems;
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
