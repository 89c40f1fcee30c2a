// The real window, offscreen, driven through its widgets; message boxes and
// dialogs are answered by the fake platform.
#include <sys/resource.h>
#include <unistd.h>

#include <QAccessible>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "Accessibility.h"
#include "FakePlatform.h"
#include "Fakes.h"
#include "GuiFixture.h"
#include "PageFixture.h"
#include "core/RandomSource.h"
#include "ui/Folders.h"
#include "ui/HelpWindow.h"
#include "ui/NumberPage.h"
#include "ui/SingleInstance.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"
#include "ui/UnitprintText.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

// A page made of the pattern alone, over any row of the page table: what a
// new page gets before it adds its inputs.
class BarePage : public GeneratorPage<Trandom_simply, Tinputpar> {
 public:
  explicit BarePage(Tab tab) : GeneratorPage(InfoOf(tab)) {
    input.Lower = 1;
    input.Upper = 100;
    input.Count = 7;
  }
  void validateInputs() override {}
  QString totalsText() const override { return "totals"; }
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  test::GuiFixture gui;
  std::unique_ptr<test::FakePlatform>& fake = gui.fake;
  std::unique_ptr<TFormRandom>& form = gui.form;
  NumberPage*& page = gui.page;

  static void setSpin(TSpinEdit* spin, qlonglong value) { test::SetSpin(spin, value); }
  void start() { QTest::mouseClick(page->actions().startButton(), Qt::LeftButton); }
  QStringList shown() const { return test::Texts(page->generated().Results); }
  void manualSeed(int seed) { test::ManualSeed(*page, seed); }

 private slots:
  void init() { gui.openWindow(); }
  void cleanup() { gui.closeWindow(); }

  void windowLayout() {
    QCOMPARE(form->windowTitle(), QString("Quenvar Random Number Generator"));
    QStringList tabs;
    for (int i = 0; i < form->PageControl1->count(); ++i) tabs << form->PageControl1->tabText(i);
    QCOMPARE(tabs, (QStringList{"Random Number", "Lottery Number", "Random Sampling", "Random String",
                                "Random Name", "Random File"}));
    QCOMPARE(page->view().header()->count(), 4);  // "NO." and three columns without settings
    QCOMPARE(page->view().header()->model()->headerData(3, Qt::Horizontal).toString(), QString("Column 3"));
    QVERIFY(page->view().statusPanel()->isHidden());
    QVERIFY(page->actions().cancelButton()->isHidden());
    QVERIFY(test::ProposedFromClock(page->seedGroup()->manualSpin->value(), 75675));
    // At the size the window opens at, every page's inputs show whole, unscrolled.
    form->resize(TFormRandom::kOpeningSize);
    for (int i = 0; i < form->PageControl1->count(); ++i) {
      form->PageControl1->setCurrentIndex(i);
      QApplication::processEvents();
      const auto* area = form->PageControl1->currentWidget()->findChild<InputArea*>();
      QVERIFY2(area->horizontalScrollBar()->maximum() == 0 && area->verticalScrollBar()->maximum() == 0,
               qPrintable(form->PageControl1->tabText(i)));
    }
  }

  void typedValueIsUsedWithoutLeavingTheBox() {
    manualSeed(1);
    page->RxSpinUpper->setFocus();
    page->RxSpinUpper->editor()->selectAll();
    QTest::keyClicks(page->RxSpinUpper->editor(), "50");
    start();
    QCOMPARE(page->inputs().Upper, 50);
    QCOMPARE(page->generated().PossibleTotal(), 50);
    for (const QString& v : shown()) QVERIFY(v.toInt() >= 1 && v.toInt() <= 50);
  }

  void validationMessages() {
    setSpin(page->RxSpinLow, 10);
    setSpin(page->RxSpinUpper, 5);
    start();
    setSpin(page->RxSpinLow, -2147483647);
    setSpin(page->RxSpinUpper, 2147483647);
    start();
    setSpin(page->RxSpinUpper, -1);
    for (QCheckBox* box : page->Ch) QTest::mouseClick(box, Qt::LeftButton);
    start();
    QCOMPARE(fake->boxes.size(), size_t(3));
    QCOMPARE(fake->boxes[0].text,
             QString("The Upper number must greater than\n\nor equal to the Lower number!"));
    QCOMPARE(fake->boxes[1].text,
             QString("The Upper number minus the Lower number\n\n    must be less than 2147483647!"));
    QCOMPARE(fake->boxes[2].text, QString("You can not exclude all digits!"));
    for (const auto& box : fake->boxes) QCOMPARE(box.icon, Icon::Error);
    QVERIFY(page->view().statusPanel()->isHidden());  // nothing of a run happened
    // -2147483647 to -1 passes.
    QTest::mouseClick(page->Ch[0], Qt::LeftButton);
    setSpin(page->RxSpinCount, 3);
    start();
    QCOMPARE(fake->boxes.size(), size_t(3));
    QVERIFY(!page->view().statusPanel()->isHidden());
  }

  void countAboveTheMaximumIsClamped() {
    setSpin(page->RxSpinCount, 99999999999LL);
    QCOMPARE(page->RxSpinCount->value(), 2147483647);
    QCOMPARE(page->inputs().Count, 2147483647);
  }

  void seededRunAndTotals() {
    manualSeed(12345);
    setSpin(page->RxSpinCount, 5);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    for (int run = 0; run < 2; ++run) {
      start();
      QCOMPARE(shown(), (QStringList{"3854", "2894", "798", "5537", "6337"}));
      QCOMPARE(page->view().totalsLabel()->text(), QString("      Generated total randoms: 5"));
    }
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    start();
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Possible total randoms: 10000      Generated total randoms: 5"));
    QCOMPARE(page->DisplayLabelText(), QString("Done"));
  }

  // Repeats allowed and every value excluded: the run ends at once with
  // nothing drawn, however many were asked.
  void aRunThatCanDrawNothingEndsAtOnce() {
    setSpin(page->RxSpinLow, 10);
    setSpin(page->RxSpinUpper, 19);
    setSpin(page->RxSpinCount, 2147483647);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    QTest::mouseClick(page->Ch[1], Qt::LeftButton);
    start();
    QVERIFY(fake->boxes.empty());
    QCOMPARE(page->view().totalsLabel()->text(), QString("      Generated total randoms: 0"));
    QCOMPARE(page->view().model()->rowCount(), 0);
  }

  // The third seed choice: every run fresh from the system's generator, no
  // seed shown; back on a manual seed the seeded run is as it always was.
  void secureChoice() {
    setSpin(page->RxSpinUpper, 1000000000);
    setSpin(page->RxSpinCount, 50);
    QTest::mouseClick(page->seedGroup()->secureRadio, Qt::LeftButton);
    QVERIFY(page->seedGroup()->secure());
    QVERIFY(page->seedGroup()->autoSpin->text().isEmpty());
    start();
    const QStringList first = shown();
    QCOMPARE(first.size(), 50);
    start();
    QCOMPARE(shown().size(), 50);
    QVERIFY(shown() != first);
    QVERIFY(page->seedGroup()->autoSpin->text().isEmpty());
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Possible total randoms: 1000000000      Generated total randoms: 50"));

    setSpin(page->RxSpinUpper, 10000);
    setSpin(page->RxSpinCount, 5);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    manualSeed(12345);
    start();
    QVERIFY(!page->seedGroup()->secure());
    QCOMPARE(shown(), (QStringList{"3854", "2894", "798", "5537", "6337"}));
    QTest::mouseClick(page->seedGroup()->autoRadio, Qt::LeftButton);
    QVERIFY(!page->seedGroup()->autoSpin->text().isEmpty());  // a clock seed again

    QAccessible::setActive(true);
    const auto groups = form->findChildren<SeedGroup*>();
    QCOMPARE(groups.size(), 6);
    for (SeedGroup* group : groups)
      QCOMPARE(test::AccessibleName(group->secureRadio), QString("System (cryptographic, not repeatable)"));
  }

  // Seed choices clicked on another page while a System run draws choose
  // that page's next run only: the running one draws nothing from the
  // seeded generator, not even from the clock seed the click took.
  void seedChoicesElsewhereDoNotReachASystemRun() {
    SeedGroup* other = form->TabSheet2->seedGroup();
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 2000);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    QTest::mouseClick(page->seedGroup()->secureRadio, Qt::LeftButton);
    bool clicked = false;
    {
      test::FakePump pump([&](int) {
        if (clicked || page->generated().Engine.Generated != 1000) return;
        clicked = true;
        other->manualRadio->click();
        other->autoRadio->click();
      });
      start();
    }
    QVERIFY(clicked);
    QCOMPARE(shown().size(), 2000);
    RandomSource seeded(other->lastTaken());
    QStringList fromSeed;
    for (int i = 0; i < 5; ++i) fromSeed << QString::number(1 + seeded.RandomBelow(2000000000));
    QVERIFY(shown().mid(1001, 5) != fromSeed);
    QVERIFY(page->seedGroup()->secure() && !other->secure());
  }

  void rowsColumnsAndResorting() {
    manualSeed(7);
    setSpin(page->RxSpinCount, 25);
    page->actions().columnsBox()->setCurrentIndex(1);
    page->ColumnsChange();
    start();
    QCOMPARE(page->view().model()->rowCount(), 13);
    QCOMPARE(page->view().header()->count(), 3);
    const QStringList drawn = shown();
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    QStringList sorted = drawn;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QCOMPARE(shown(), sorted);
    QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    QCOMPARE(shown().first(), sorted.last());
    QTest::mouseClick(page->actions().origButton(), Qt::LeftButton);
    QCOMPARE(shown(), drawn);
    page->actions().columnsBox()->setCurrentIndex(4);
    page->ColumnsChange();
    QCOMPARE(page->view().model()->rowCount(), 5);
    QCOMPARE(page->view().header()->sectionSize(1), (page->view().header()->width() - 80) / 5);
    // Twenty columns: captions too long for their sections end in "…", and
    // their tooltips give them whole.
    page->actions().columnsBox()->setCurrentIndex(19);
    page->ColumnsChange();
    const QString cut = page->view().header()->model()->headerData(20, Qt::Horizontal).toString();
    QVERIFY2(cut.endsWith(QChar(0x2026)) && cut.size() < 9, qPrintable(cut));
    QCOMPARE(page->view().header()->model()->headerData(20, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QString("Column 20"));
    page->actions().columnsBox()->setCurrentIndex(4);
    page->ColumnsChange();
    QCOMPARE(shown(), drawn);
    // Thousands grouping is a redisplay too.
    setSpin(page->RxSpinUpper, 2000000);
    start();
    QTest::mouseClick(page->actions().commaButton(), Qt::LeftButton);
    for (const QString& v : shown()) QVERIFY(v.toLongLong() < 1000 || v.contains(','));
  }

  void popupMenuRules() {
    page->actions().PopupRequested(QPoint(10, 10));
    QVERIFY(!page->actions().popup()->isVisible());
    QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton);
    QTest::mouseClick(page->actions().printButton(), Qt::LeftButton);
    QCOMPARE(fake->boxes.size(), size_t(2));
    QCOMPARE(fake->boxes[0].text, QString("No randoms to be saved!"));
    QCOMPARE(fake->boxes[1].text, QString("No randoms to be printed!"));
    QCOMPARE(fake->boxes[0].icon, Icon::Information);
    setSpin(page->RxSpinCount, 3);
    start();
    QTest::mouseClick(page->actions().printButton(), Qt::LeftButton);
    QCOMPARE(fake->boxes.back().text, QString("No printer in your system!"));
    page->actions().PopupRequested(QPoint(10, 10));
    QVERIFY(page->actions().popup()->isVisible());
    page->actions().popup()->hide();
  }

  // Pieces a page lacks (sort buttons, comma, columns box, save and print)
  // are simply not there: every handler of the pattern copes.
  void optionalPiecesAreOptional_data() {
    QTest::addColumn<int>("tab");
    for (const PageInfo& info : kPages) QTest::newRow(info.page) << int(info.tab);
  }
  void optionalPiecesAreOptional() {
    QFETCH(int, tab);
    const PageInfo& info = InfoOf(Tab(tab));
    BarePage bare{static_cast<Tab>(tab)};
    bare.resize(900, 500);
    bare.show();
    auto everyHandler = [&bare] {
      bare.ColumnsChange();
      bare.SortClick();
      bare.CommaClick();
      bare.actions().PopupRequested(QPoint(5, 5));
      bare.actions().popup()->hide();
      if (!bare.resultsShown()) bare.exports().SaveClick();  // with results it opens the dialog
      bare.exports().PrintClick();                           // no printer here: a message
    };
    everyHandler();
    bare.StartClick();
    QCOMPARE(bare.generated().Results.size(), size_t(7));
    QCOMPARE(bare.view().model()->rowCount(), (7 + bare.columnCount() - 1) / bare.columnCount());
    QCOMPARE(bare.view().totalsLabel()->text(), QString("totals"));
    everyHandler();
    // The manual seed proposed at start is seed div D + seed for the page's D.
    QVERIFY(test::ProposedFromClock(bare.seedGroup()->manualSpin->value(), info.seedDivisor));
  }

  // One action per command: the tool button and the popup item are the
  // same object, so a busy page disables both and their checks agree.
  void commandsAreSharedActions() {
    setSpin(page->RxSpinCount, 3);
    start();
    const PageActions& a = page->actions();
    QCOMPARE(a.ascButton()->defaultAction(), a.ascAction());
    QCOMPARE(a.saveButton()->defaultAction(), a.saveAction());
    QList<QAction*> inMenu;
    for (QAction* item : a.popup()->actions()) {
      inMenu << item;
      if (item->menu() != nullptr) inMenu << item->menu()->actions();
    }
    for (QAction* action :
         {a.ascAction(), a.dscAction(), a.origAction(), a.commaAction(), a.saveAction(), a.printAction()})
      QVERIFY(inMenu.contains(action));
    QTest::mouseClick(a.dscButton(), Qt::LeftButton);
    QVERIFY(a.dscAction()->isChecked());
    QCOMPARE(page->sortOrder(), SortDescending);
    a.origAction()->trigger();
    QVERIFY(a.origButton()->isChecked());
    QCOMPARE(page->sortOrder(), SortDrawn);
    page->SetBusy(true);
    QVERIFY(!a.ascButton()->isEnabled() && !a.ascAction()->isEnabled());
    QVERIFY(!a.exitButton()->isEnabled());
    page->SetBusy(false);
    QVERIFY(a.saveButton()->isEnabled() && a.exitButton()->isEnabled());
  }

  // Through the accessibility interfaces every control of the page has a
  // name (its label's, or its hint for an icon button) and every result row
  // reads as shown.
  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    const auto nameOf = test::AccessibleName;
    QCOMPARE(nameOf(page->RxSpinLow), QString("Lower"));
    QCOMPARE(nameOf(page->RxSpinUpper), QString("Upper"));
    QCOMPARE(nameOf(page->RxSpinCount), QString("Count to"));
    QCOMPARE(nameOf(page->actions().ascButton()), QString("Sort Ascending"));
    QCOMPARE(nameOf(page->actions().commaButton()), QString("Separate With Commas"));
    QCOMPARE(nameOf(page->seedGroup()->manualSpin), QString("Manual seed"));
    const QStringList unnamed = test::UnnamedControls(page);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));

    manualSeed(12345);
    setSpin(page->RxSpinCount, 5);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    page->actions().columnsBox()->setCurrentIndex(1);
    page->ColumnsChange();
    start();
    QCOMPARE(test::AccessibleRows(page->view().list()),
             (QStringList{"1\t3854\t2894", "2\t798\t5537", "3\t6337"}));
  }

  // Every phase of a run and of a re-sort lets messages run after a slice of
  // work (counted by the fake pump: values touched since its last call), and
  // the rows are laid out before the page says "Done".
  void everyPhaseLetsMessagesRun() {
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 2000000);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    page->actions().columnsBox()->setCurrentIndex(0);
    page->ColumnsChange();
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    uint64_t longest = 0;
    test::FakePump pump([&](int) { longest = std::max(longest, TakeWork()); });
    struct DoneWatch : QObject {
      ResultPage* page;
      QString last;
      QList<bool> rowsLaidOut;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && page->DisplayLabelText() != last) {
          if (last.startsWith("Displaying") && page->DisplayLabelText() == "Done")
            rowsLaidOut << page->view().list()->visualRect(page->view().model()->index(0, 0)).isValid();
          last = page->DisplayLabelText();
        }
        return false;
      }
    } watch;
    watch.page = page;
    page->view().statusLabel()->installEventFilter(&watch);
    auto check = [&](const char* what) {
      QVERIFY2(longest <= (1u << 16),
               qPrintable(QString("%1: %2 values between two pump calls").arg(what).arg(longest)));
      QCOMPARE(page->view().model()->rowCount(), 2000000);
      longest = 0;
    };
    TakeWork();
    start();
    check("run");
    QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    check("descending");
    QTest::mouseClick(page->actions().origButton(), Qt::LeftButton);
    check("drawing order");
    QCOMPARE(watch.rowsLaidOut, (QList<bool>{true, true, true}));
  }

  // A run paints its status line as it goes, not the whole page: a label of
  // the inputs once at most (as Cancel appears), the progress bar at most
  // once for each time messages run, never the whole window, the rows once.
  void aRunPaintsItsStatusLineNotThePage() {
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 1000000);
    page->actions().columnsBox()->setCurrentIndex(0);
    page->ColumnsChange();
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    page->view().list()->setFocus();  // where a run puts it: the tabs keep their look
    QTest::qWait(1);                  // and the window is painted before the run
    struct Paints : QObject {
      int n = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint;
        return false;
      }
    } input, bar, tabs, rows;
    page->inputPanel()->findChild<QLabel*>()->installEventFilter(&input);
    page->view().progressBar()->installEventFilter(&bar);
    // The tabs are painted only when the whole window is.
    form->PageControl1->tabBar()->installEventFilter(&tabs);
    page->view().list()->viewport()->installEventFilter(&rows);
    int pumps = 0;
    test::FakePump pump([&](int call) {
      if (call % 4096 != 0) return;
      ++pumps;
      QCoreApplication::processEvents();
    });
    start();
    QCOMPARE(page->view().model()->rowCount(), 1000000);
    QVERIFY2(input.n <= 1, qPrintable(QString("the page painted %1 times").arg(input.n)));
    QVERIFY2(tabs.n == 0, qPrintable(QString("the window painted %1 times").arg(tabs.n)));
    // The rows once; before them, on a first run, the list as the status line appears.
    QVERIFY2(rows.n <= 2, qPrintable(QString("the list painted %1 times").arg(rows.n)));
    QVERIFY2(bar.n <= pumps,
             qPrintable(QString("progress painted %1 times, %2 pumps").arg(bar.n).arg(pumps)));
  }

  // A re-sort that fails leaves the values shown as they were, and the sort
  // buttons say so.
  void failedResortKeepsTheShownOrder() {
    if (test::kAddressSanitizer) QSKIP("limits the address space");
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 5000000);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    start();
    QVERIFY(page->actions().origAction()->isChecked());
    const std::string first(page->generated().Results[0]);
    const int rows = page->view().model()->rowCount();
    // Room for little more than what the process holds now.
    long pages = 0;
    QFile statm("/proc/self/statm");
    QVERIFY(statm.open(QIODevice::ReadOnly));
    pages = statm.readAll().split(' ').first().toLong();
    rlimit old{};
    getrlimit(RLIMIT_AS, &old);
    const rlimit tight{rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(40) << 20), old.rlim_max};
    setrlimit(RLIMIT_AS, &tight);
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    setrlimit(RLIMIT_AS, &old);
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY(fake->boxes[0].text.startsWith("EOutOfMemory\n"));
    QVERIFY(page->actions().origAction()->isChecked() && page->actions().origButton()->isChecked());
    QCOMPARE(page->sortOrder(), SortDrawn);
    QCOMPARE(std::string(page->generated().Results[0]), first);
    QCOMPARE(page->view().model()->rowCount(), rows);
    QVERIFY(!page->running());
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);  // with room again it sorts
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(page->sortOrder(), SortAscending);
  }

  // Close is refused while a page runs; Cancel hides the results and then
  // closing works.
  void closeWhileRunningAndCancel() {
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 30000000);
    bool triedClose = false;
    bool stillOpen = false;
    QTimer::singleShot(50, this, [&] {
      triedClose = true;
      form->close();
      stillOpen = form->isVisible();
      QVERIFY(page->running());
      QTest::mouseClick(page->actions().cancelButton(), Qt::LeftButton);
    });
    start();
    QVERIFY(triedClose);
    QVERIFY(stillOpen);
    QVERIFY(page->view().statusPanel()->isHidden());
    QVERIFY(!page->running());
    QCOMPARE(page->view().model()->rowCount(), 0);
    QVERIFY(page->actions().startButton()->isEnabled());
    QVERIFY(form->close());
    QVERIFY(!form->isVisible());
  }

  // Cancel takes effect quickly in the long phases of a run.
  void cancelInLongPhases_data() {
    QTest::addColumn<QString>("phase");
    for (const char* phase : {"Calculating randoms...", "Format randoms.."}) QTest::newRow(phase) << phase;
  }
  void cancelInLongPhases() {
    QFETCH(QString, phase);
    setSpin(page->RxSpinUpper, 2000000000);
    setSpin(page->RxSpinCount, 8000000);
    page->actions().columnsBox()->setCurrentIndex(0);
    page->ColumnsChange();
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    const bool cancelled = test::CancelInPhase(*page, phase, [&] { start(); }).cancelled;
    QVERIFY2(cancelled, "the phase was never seen");
    QVERIFY(page->view().statusPanel()->isHidden());
    QCOMPARE(page->view().model()->rowCount(), 0);
  }

  // The close removes the print files and then the temp folder, but nothing
  // else in it, and nothing through a link: a temp folder that links to the
  // user's own files leaves them all as they were.
  void closeRemovesTheTempFolder_data() {
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QStringList>("others");  // what else the temp folder holds
    QTest::newRow("print files only") << false << QStringList{};
    QTest::newRow("other files stay") << false << QStringList{"mine.txt", "job/notes.txt"};
    QTest::newRow("a link to the user's files") << true << QStringList{"mine.txt", "job/notes.txt"};
  }
  void closeRemovesTheTempFolder() {
    QFETCH(bool, linked);
    QFETCH(QStringList, others);
    const QString temp = TempFolder(), mine = gui.folder->file("precious").c_str();
    const QString at = linked ? mine : temp;
    const QString print =
        QFileInfo(TFormPrinttext::PrintFileName(at, QDateTime::currentDateTime())).fileName();
    for (const QString& name : others + QStringList{print}) {
      QFile file(at + "/" + name);
      QVERIFY(QDir().mkpath(QFileInfo(file).path()));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (linked) QVERIFY(QFile::link(mine, temp));
    QVERIFY(form->close());
    for (const QString& name : others) QVERIFY2(QFile::exists(at + "/" + name), qPrintable(name));
    QCOMPARE(QFile::exists(at + "/" + print), linked);
    QCOMPARE(QFileInfo::exists(temp), linked || !others.isEmpty());
  }

  // Too little memory for a request: the message, then a page that shows
  // nothing, holds nothing of the failed run, and works again.
  void memoryExhaustionLeavesThePageConsistent() {
    if (test::kAddressSanitizer) QSKIP("limits the address space");
    manualSeed(12345);
    setSpin(page->RxSpinCount, 5);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    start();
    const QStringList before = shown();
    rlimit old{};
    getrlimit(RLIMIT_AS, &old);
    const rlimit tight{rlim_t(3) << 30, old.rlim_max};
    setrlimit(RLIMIT_AS, &tight);
    setSpin(page->RxSpinCount, 2147483647);
    start();
    setrlimit(RLIMIT_AS, &old);
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY(fake->boxes[0].text.startsWith("EOutOfMemory\n"));
    // Weighed before drawing: the message gives the figure.
    QVERIFY2(fake->boxes[0].text.contains(" MiB, but only "), qPrintable(fake->boxes[0].text));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(page->view().statusPanel()->isHidden());
    QCOMPARE(page->view().model()->rowCount(), 0);
    QCOMPARE(page->generated().Results.size(), size_t(0));
    QCOMPARE(page->generated().Engine.Randoms.capacity(), size_t(0));
    QVERIFY(page->actions().startButton()->isEnabled());
    QVERIFY(!page->running());
    // Nothing shown: sorting shows no message and opens no menu.
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    QTest::mouseClick(page->actions().origButton(), Qt::LeftButton);
    page->actions().PopupRequested(QPoint(10, 10));
    QVERIFY(!page->actions().popup()->isVisible());
    QCOMPARE(fake->boxes.size(), size_t(1));
    setSpin(page->RxSpinCount, 5);
    start();
    QCOMPARE(shown(), before);
    QVERIFY(!page->view().statusPanel()->isHidden());
  }

  void helpAndWebsite() {
    QTest::keyClick(form.get(), Qt::Key_F1);
    QTest::mouseClick(page->actions().helpButton(), Qt::LeftButton);
    QCOMPARE(fake->help.size(), size_t(2));
    QCOMPARE(fake->help[0].second, 58);
    QVERIFY(fake->help[0].first.endsWith("/help.chm"));
    form->PopupMenu1->actions()[0]->trigger();
    QCOMPARE(fake->opened.size(), size_t(1));
  }

  // Without a CHM viewer F1 shows the page's topic in the program's own help
  // window; closed, F1 brings it back at the topic of the page then shown.
  void helpWithoutViewer() {
    gui.useHelpWindow();
    form->PageControl1->setCurrentIndex(static_cast<int>(Tab::Lottery));
    QTest::keyClick(form.get(), Qt::Key_F1);
    HelpWindow* help = HelpWindow::instance();
    QVERIFY(help != nullptr && help->isVisible());
    QCOMPARE(help->browser()->source().fileName(), QString("lottery.html"));
    QVERIFY(help->browser()->toPlainText().contains("Lottery"));
    help->close();
    form->PageControl1->setCurrentIndex(static_cast<int>(Tab::Name));
    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(HelpWindow::instance(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->browser()->source().fileName(), QString("name.html"));
    QVERIFY(fake->help.empty());
    delete help;
  }

  // A second start of the program brings the first forward and ends.
  void secondInstanceRaisesTheFirst() {
    const QString program = QUENVAR_GUI_BIN;
    SingleInstance first(SingleInstance::KeyFor(program));
    QVERIFY(first.listen());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(program, {});
    QVERIFY(raised.wait(10000));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
  }

  // Without a runtime folder, a lock that another user holds under the
  // lock's name in the shared temp folder keeps no window from opening: the
  // lock and the socket are in a folder of the user's own.
  void lockIsInAFolderOfTheUsersOwn() {
    QTemporaryDir shared;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", shared.path().toUtf8());
    const auto restore = qScopeGuard([&] {
      qputenv("XDG_RUNTIME_DIR", oldRuntime);
      qputenv("TMPDIR", oldTmp);
      SetApplicationFolder(gui.folder->path.c_str());
    });
    SetApplicationFolder(gui.folder->path.c_str());  // the places again, from this environment
    const QString key = SingleInstance::KeyFor(QUENVAR_GUI_BIN);
    QLockFile squatter(shared.filePath(key + ".lock"));
    QVERIFY(squatter.tryLock(0));
    SingleInstance first(key);
    QVERIFY(!first.raiseRunning());
    QVERIFY(first.listen());
    QVERIFY(!QFileInfo::exists(shared.filePath(key)));
  }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
