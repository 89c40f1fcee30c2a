#pragma once

// What the page tests share: the real window, offscreen, with the fake
// platform answering its boxes and dialogs; typing into spin edits; names
// and rows read through the accessibility interfaces; and quenvar-cli run
// for the same request.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "FakePlatform.h"
#include "ui/PagePattern.h"
#include "ui/UnitMain.h"

namespace quenvar::test {

template <class Page>
class PageFixture {
 protected:
  std::unique_ptr<FakePlatform> fake;
  std::unique_ptr<ui::TFormRandom> form;
  Page* page = nullptr;

  // The window shown, on the page the member names.
  void openWindow(Page* ui::TFormRandom::*member) {
    fake = std::make_unique<FakePlatform>();
    form = std::make_unique<ui::TFormRandom>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    page = form.get()->*member;
    form->PageControl1->setCurrentWidget(page);
  }
  void closeWindow() {
    form.reset();
    fake.reset();
  }

  static void setSpin(ui::TSpinEdit* spin, qlonglong value) {
    spin->editor()->selectAll();
    QTest::keyClicks(spin->editor(), QString::number(value));
    spin->interpretText();
    emit spin->editingFinished();
  }
  void start() { QTest::mouseClick(page->startButton, Qt::LeftButton); }
  void manualSeed(int seed) {
    page->seed->manualRadio->setChecked(true);
    setSpin(page->seed->manualSpin, seed);
  }
  // The result rows as shown: number, then the entries, tab-separated.
  QStringList rows() const {
    QStringList out;
    for (int r = 0; r < page->model->rowCount(); ++r) out << page->model->rowText(r);
    return out;
  }

  // A control's accessible name; a combo box (read by its value) is named by
  // the label it is labelled by.
  static QString AccessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface == nullptr) return QString();
    if (qobject_cast<QComboBox*>(w) != nullptr)
      for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        return label->text(QAccessible::Name);
    return iface->text(QAccessible::Name);
  }
  // The controls under `root` that have no accessible name.
  static QStringList UnnamedControls(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
      if (control && AccessibleName(w).trimmed().isEmpty())
        unnamed << w->objectName() + " " + w->metaObject()->className();
    }
    return unnamed;
  }
  // The rows of a list as a screen reader reads them.
  static QStringList AccessibleRows(QAbstractItemView* view) {
    QStringList read;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; list != nullptr && i < list->childCount(); ++i)
      read << list->child(i)->text(QAccessible::Name);
    return read;
  }

  // What quenvar-cli prints: its lines, then the totals line it writes to
  // standard error.
  static QStringList CliOutput(const QStringList& args) {
    QProcess tool;
    tool.start(QUENVAR_CLI, args);
    if (!tool.waitForFinished(60000)) return {"timed out"};
    QStringList out = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    out << QString::fromUtf8(tool.readAllStandardError()).split('\n').value(0);
    return out;
  }
};

}  // namespace quenvar::test
