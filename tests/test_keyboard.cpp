// The window from the keyboard: every command's key, the Tab order of each
// page, the keys of the labels and the default buttons of the dialogs.
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "GuiFixture.h"
#include "PageFixture.h"
#include "ui/Keyboard.h"
#include "ui/Platform.h"
#include "ui/StringPage.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

// The page's controls that Tab reaches, by name, in the order it does.
QStringList FocusChain(QWidget* page) {
  QStringList names;
  QWidget* first = nullptr;
  for (QWidget* w = page->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
    if (first == nullptr) first = w;
    if (page->isAncestorOf(w) && w->isVisibleTo(page) && (w->focusPolicy() & Qt::TabFocus) != 0 &&
        !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
      names << w->objectName();
  }
  return names;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  test::GuiFixture gui;

  // Sends a key to the window as the user's keyboard does: to the widget
  // with the focus, through the window's shortcuts.
  void press(const QKeySequence& key) {
    if (QApplication::activeModalWidget() == nullptr) QApplication::setActiveWindow(gui.form.get());
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : gui.form.get();
    QTest::keySequence(target, key);
  }
  void run() {
    test::ManualSeed(*gui.page, 7);
    press(QKeySequence("Ctrl+Return"));
    QVERIFY(gui.page->resultsShown());
  }

 private slots:
  void init() {
    gui.openWindow();
    QApplication::setActiveWindow(gui.form.get());
    QVERIFY(QTest::qWaitForWindowActive(gui.form.get()));
    gui.page->RxSpinLow->setFocus();
  }
  void cleanup() { gui.closeWindow(); }

  void keysRunTheirCommands_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("effect");
    QTest::newRow("F5 generates") << "F5"
                                  << "shown";
    QTest::newRow("Ctrl+Enter generates") << "Ctrl+Enter"
                                          << "shown";
    QTest::newRow("ascending") << "Ctrl+Shift+A"
                               << "sort 0";
    QTest::newRow("descending") << "Ctrl+Shift+D"
                                << "sort 1";
    QTest::newRow("comma") << "Ctrl+,"
                           << "comma";
    QTest::newRow("more columns") << "Ctrl++"
                                  << "columns 4";
    QTest::newRow("fewer columns") << "Ctrl+-"
                                   << "columns 2";
    QTest::newRow("quit") << "Ctrl+Q"
                          << "closed";
  }
  void keysRunTheirCommands() {
    QFETCH(QString, key);
    QFETCH(QString, effect);
    NumberPage* page = gui.page;
    if (effect != "shown") run();
    page->actions().dscAction()->setChecked(effect == "sort 0");  // a sort away from the one asked for
    press(QKeySequence(key));
    if (effect == "shown") QVERIFY(page->resultsShown());
    if (effect.startsWith("sort")) QCOMPARE(int(page->sortOrder()), effect.back().digitValue());
    if (effect == "comma") QVERIFY(page->comma());
    if (effect.startsWith("columns")) QCOMPARE(page->columnCount(), effect.back().digitValue());
    if (effect == "closed") QVERIFY(!gui.form->isVisible());
  }

  // Return in an input starts a run, as Ctrl+Return does; a list and the
  // wildcard editor keep it (no run, so no refusal either).
  void returnInAnInputStarts_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("starts");
    QTest::newRow("a number box") << int(Tab::Number) << "RxSpinCount" << true;
    QTest::newRow("a check box") << int(Tab::Number) << "ChDuplicate" << true;
    QTest::newRow("the mask") << int(Tab::String) << "comMask" << true;
    QTest::newRow("the wildcard editor") << int(Tab::String) << "EditDescription" << false;
    QTest::newRow("the item list") << int(Tab::Sampling) << "ListBoxSampling" << false;
  }
  void returnInAnInputStarts() {
    QFETCH(int, tab);
    QFETCH(QString, input);
    QFETCH(bool, starts);
    ResultPage* page = gui.form->page(Tab(tab));
    gui.form->PageControl1->setCurrentWidget(page);
    if (input == "comMask") gui.form->TabSheet2->comMask->setEditText("####");
    if (input == "EditDescription") QTest::mouseClick(gui.form->TabSheet2->BtnAdd, Qt::LeftButton);
    auto* w = page->findChild<QWidget*>(input);
    QVERIFY(w != nullptr);
    w->setFocus();
    gui.fake->boxes.clear();
    press(QKeySequence(Qt::Key_Return));
    QCOMPARE(page->resultsShown(), starts);
    QVERIFY2(gui.fake->boxes.empty(), qPrintable(gui.fake->boxes.empty() ? "" : gui.fake->boxes[0].text));
  }

  void keysOpenTheDialogs() {
    run();
    QVERIFY(test::WhenModal<TFormSaveText>([&] { press(QKeySequence::Save); },
                                           [](TFormSaveText* d) {
                                             QVERIFY(d->btnSave->isDefault());  // Enter saves
                                             QCOMPARE(d->focusWidget(), d->FilenameEdit1->edit);
                                           }));
    gui.fake->printers = {"Fake printer"};
    QVERIFY(test::WhenModal<TFormPrinttext>([&] { press(QKeySequence::Print); },
                                            [](TFormPrinttext* d) { QVERIFY(d->btnprint->isDefault()); }));
    bool opened = false;
    QTimer::singleShot(0, [&] {
      opened = gui.form->PopupMenu1->isVisible();
      gui.form->PopupMenu1->close();
    });
    press(QKeySequence(Qt::Key_F10));
    QVERIFY(opened);
  }

  void escapeCancelsARun() {
    NumberPage* page = gui.page;
    test::SetSpin(page->RxSpinUpper, 2000000000);
    test::SetSpin(page->RxSpinCount, 3000000);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    bool escaped = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!page->running() || escaped) return;
      escaped = true;
      press(QKeySequence(Qt::Key_Escape));
    });
    watch.start();
    press(QKeySequence(Qt::Key_F5));
    QVERIFY(escaped);
    QVERIFY(!page->running());
    QVERIFY(!page->resultsShown());
  }

  // The tooltip names each command's key, and the popup menu shows it.
  void tooltipsNameTheKeys() {
    NumberPage* page = gui.page;
    for (QToolButton* button :
         {page->actions().startButton(), page->actions().ascButton(), page->actions().commaButton(),
          page->actions().saveButton(), page->actions().printButton(), page->actions().exitButton(),
          page->actions().helpButton(), page->actions().menuButton()})
      QVERIFY2(button->toolTip().contains(QRegularExpression("\\(.+\\)$")), qPrintable(button->toolTip()));
    QCOMPARE(page->actions().saveAction()->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(page->actions().startButton()->focusPolicy(), Qt::NoFocus);
  }

  // Tab runs through the controls as they are laid out: the tool bar, then
  // each group of the inputs whole, left to right, then the results.
  void tabOrderFollowsTheLayout_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Number") << int(Tab::Number)
                            << QStringList{"Comcolumns",        "RxSpinLow", "RxSpinUpper", "RxSpinCount",
                                           "ChDuplicate",       "Ch0",       "Ch9",         "RadioAuto",
                                           "secureRadioButton", "ListBox1"};
    QTest::newRow("Lottery") << int(Tab::Lottery)
                             << QStringList{"RxSpinMainLower", "RxSpinMainPick", "RxSpinBonusLower",
                                            "RadioManual55",   "RadioLotto",     "RadioNoBonus",
                                            "RxSpinEditTotal", "ChDupRows",      "ListBox55"};
    QTest::newRow("Sampling") << int(Tab::Sampling)
                              << QStringList{"Comcolumns22",    "SpeedButton15", "SpeedButton20",
                                             "ListBoxSampling", "RxSpinEdit22",  "RadioAuto22",
                                             "ChSaveItem",      "ListBox22"};
    QTest::newRow("String") << int(Tab::String)
                            << QStringList{"Com2columns",    "comMask", "Rx2SpinCount", "ra2Auto",
                                           "ListBoxSpecial", "BtnAdd",  "ListBox2"};
    QTest::newRow("Name") << int(Tab::Name)
                          << QStringList{"Comcolumns44", "chmale",      "MaleView",          "SpeedButton3",
                                         "RxSpinEdit44", "RadioAuto44", "secureRadioButton", "ListBox44"};
    QTest::newRow("File") << int(Tab::File)
                          << QStringList{"Com3columns",  "btnHex",   "btn3Displayed", "Rx3SpinCount",
                                         "EditFileName", "raAppend", "Ra3Auto",       "ListBox3"};
  }
  void tabOrderFollowsTheLayout() {
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    ResultPage* page = gui.form->page(Tab(tab));
    gui.form->PageControl1->setCurrentWidget(page);
    const QStringList chain = FocusChain(page);
    qsizetype at = -1;
    for (const QString& name : order) {
      const qsizetype next = chain.indexOf(name);
      QVERIFY2(next > at, qPrintable(name + " out of order in " + chain.join(' ')));
      at = next;
    }
  }

  // Each label with a control, each check box and radio button has its
  // Alt+letter, and no two of a page share one.
  void mnemonicsDoNotClash_data() {
    QTest::addColumn<int>("tab");  // a dialog below 0
    for (const PageInfo& info : kPages) QTest::newRow(info.page) << int(info.tab);
    QTest::newRow("Save dialog") << -1;
    QTest::newRow("Print dialog") << -2;
    QTest::newRow("Select dialog") << -3;
    QTest::newRow("About box") << -4;
  }
  void mnemonicsDoNotClash() {
    QFETCH(int, tab);
    std::unique_ptr<QWidget> dialog = test::Dialog(-tab, gui.form.get(), gui.page->textGenerator());
    const QStringList problems = test::MnemonicProblems(tab >= 0 ? gui.form->page(Tab(tab)) : dialog.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

  // A question answers No on Enter.
  void questionsDefaultToNo() {
    QMessageBox box;
    SetUpMessageBox(box, "Do you want to delete all the items?", Icon::Warning, true);
    QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
  }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
