// The window read through the accessibility interfaces, and the colours the
// program sets, in a light and a dark palette.
#include <QAccessible>
#include <QtTest>

#include "Accessibility.h"
#include "GuiFixture.h"
#include "ui/Accessible.h"
#include "ui/FilePage.h"
#include "ui/StringPage.h"
#include "ui/myabout.h"

using namespace quenvar;
using namespace quenvar::ui;

class AccessTest : public QObject {
  Q_OBJECT

 private:
  test::GuiFixture gui;

 private slots:
  void init() {
    QAccessible::setActive(true);
    gui.openWindow();
  }
  void cleanup() { gui.closeWindow(); }

  // What the accessibility bus reads: the role and name of each control.
  void rolesAndNames() {
    auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
    auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    QCOMPARE(role(gui.form.get()), QAccessible::Window);  // a frame
    NumberPage* page = gui.page;
    QCOMPARE(role(page->columnsBox), QAccessible::ComboBox);
    QCOMPARE(name(page->columnsBox), QString("Columns"));
    QCOMPARE(QAccessible::queryAccessibleInterface(page->columnsBox)->text(QAccessible::Value), QString("3"));
    // The sort order: one group of three radio buttons, the one down checked.
    QAccessibleInterface* sort = QAccessible::queryAccessibleInterface(page->ascButton);
    QCOMPARE(sort->role(), QAccessible::RadioButton);
    QCOMPARE(sort->parent()->role(), QAccessible::Grouping);
    QCOMPARE(sort->parent()->childCount(), 3);
    QVERIFY(QAccessible::queryAccessibleInterface(page->origButton)->state().checked);
    sort->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(page->ascAction->isChecked());
    auto* file = gui.form->TabSheet3;
    QCOMPARE(role(file->btnHex), QAccessible::RadioButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(file->btnHex)->parent()->childCount(), 4);
    QCOMPARE(QAccessible::queryAccessibleInterface(page->header)->text(QAccessible::Description),
             QString("NO., Column 1, Column 2, Column 3"));
    QCOMPARE(name(gui.form->TabSheet2->comMask->lineEdit()), QString("Mask"));
    QCOMPARE(name(gui.form->TabSheet2->comName), QString("Name"));
    // The about box's links: focusable links that open when pressed.
    Taboutform about(gui.form.get());
    QCOMPARE(role(about.Label6), QAccessible::Link);
    QVERIFY(about.Label6->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(about.Label4, Qt::Key_Return);
    QCOMPARE(gui.fake->opened.size(), size_t(1));
  }

  // Docks group the window with its launcher by its window class.
  void windowClassIsTheDesktopEntrys() {
    QFile entry(QUENVAR_DATA_DIR "/../dist/org.quenvar.Quenvar.desktop");
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(QString(entry.readAll()).contains("\nStartupWMClass=" + QString(kWindowClass) + "\n"));
  }
};

QTEST_MAIN(AccessTest)
#include "test_access.moc"
