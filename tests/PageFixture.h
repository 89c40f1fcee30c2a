#pragma once

// Helpers of the page tests: typing into spin edits as a user would, reading
// what the accessibility bus reads, and running quenvar-cli.
#include <QAccessible>
#include <QComboBox>
#include <QProcess>
#include <QtTest>

#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::test {

inline void SetSpin(ui::TSpinEdit* spin, qlonglong value) {
  spin->editor()->selectAll();
  QTest::keyClicks(spin->editor(), QString::number(value));
  spin->interpretText();
  emit spin->editingFinished();
}

inline void ManualSeed(ui::ResultPage& page, int seed) {
  page.seed->manualRadio->setChecked(true);
  SetSpin(page.seed->manualSpin, seed);
}

inline void ChooseColumns(ui::ResultPage& page, int columns) {
  page.columnsBox->setCurrentIndex(columns - 1);
  page.ColumnsChange();
}

// Idle, showing nothing, ready for the next run.
inline bool IdleWithoutResults(const ui::ResultPage& page) {
  return page.statusPanel->isHidden() && page.cancelButton->isHidden() && page.startButton->isEnabled() &&
         page.exitButton->isEnabled() && page.model->rowCount() == 0;
}

// The accessible name of a control; a combo box (read by its value on
// Linux) is named by the label it is labelled by.
inline QString AccessibleName(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  if (iface == nullptr) return {};
  if (qobject_cast<QComboBox*>(w) != nullptr)
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
      return label->text(QAccessible::Name);
  return iface->text(QAccessible::Name);
}

// Controls of a page that the accessibility bus can't name.
inline QStringList UnnamedControls(QWidget* page) {
  QStringList unnamed;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                         qobject_cast<QLineEdit*>(w);
    // A spin box's own line edit is read through the spin box.
    if (qobject_cast<QLineEdit*>(w) != nullptr &&
        qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr)
      continue;
    if (control && AccessibleName(w).trimmed().isEmpty())
      unnamed << w->objectName() + " " + w->metaObject()->className();
  }
  return unnamed;
}

// The result list's rows as the accessibility bus reads them.
inline QStringList AccessibleRows(QWidget* list) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
  QStringList rows;
  if (iface == nullptr) return rows;
  for (int i = 0; i < iface->childCount(); ++i) rows << iface->child(i)->text(QAccessible::Name);
  return rows;
}

// The entries of a page's result list in reading order, cell by cell.
inline QStringList ShownEntries(const ui::ResultPage& page) {
  QStringList out;
  for (int r = 0; r < page.model->rowCount(); ++r)
    for (int k = 1; k <= page.columnCount(); ++k) {
      const QString cell = page.model->cell(r, k);
      if (!cell.isEmpty()) out << cell;
    }
  return out;
}

struct CliRun {
  int exitCode = -1;
  QByteArray out, err;
};

inline CliRun RunCli(const QStringList& args) {
  QProcess process;
  process.start(QUENVAR_CLI, args);
  process.waitForFinished(120000);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace quenvar::test
