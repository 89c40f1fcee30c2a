// The Lottery page in the real window, offscreen, driven through its
// widgets; message boxes and dialogs are answered by the fake platform.
#include <QAccessible>
#include <QProcess>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "PageFixture.h"
#include "core/RandomSource.h"
#include "ui/LotteryPage.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"

using namespace quenvar;
using namespace quenvar::ui;
using namespace quenvar::test;

class LotteryPageTest : public QObject, public test::PageFixture<LotteryPage> {
  Q_OBJECT

 private:
  // The sections' whole captions (a section too narrow shows it cut short).
  QStringList captions() const {
    QStringList out;
    for (int k = 0; k < page->view().header()->count(); ++k)
      out << page->view().header()->model()->headerData(k, Qt::Horizontal, Qt::UserRole).toString();
    return out;
  }

 private slots:
  void init() { openWindow(&TFormRandom::TabSheet55); }
  void cleanup() { closeWindow(); }

  void pageBeforeTheFirstRun() {
    QCOMPARE(page->actions().startButton()->text(), QString("Generate Lottery Numbers"));
    QVERIFY(page->actions().columnsBox() == nullptr && page->actions().commaButton() == nullptr);
    QCOMPARE(page->RxSpinMainUpper->value(), 53);
    QCOMPARE(page->RxSpinMainPick->maximum(), 300);
    QCOMPARE(page->RxSpinBonusPick->maximum(), 200);
    QCOMPARE(page->RxSpinBonusUpper->value(), 42);
    QCOMPARE(page->RxSpinEditTotal->value(), 20);
    QCOMPARE(page->RxSpinMainLower->toolTip(), QString("Between -2147483647 and  2147483647"));
    QCOMPARE(page->view().header()->count(), 2);
    QCOMPARE(page->view().header()->sectionSize(1), 50);
  }

  // The values and totals of these runs are quenvar-cli's (sameOutputAsTheCommandLine).
  void defaultsWithSeed12345() {
    manualSeed(12345);
    start();
    QCOMPARE(captions(),
             (QStringList{"NO.", "Column 1", "Column 2", "Column 3", "Column 4", "Column 5", "Bonus 1"}));
    QCOMPARE(page->view().header()->sectionSize(0), 45);
    QCOMPARE(page->view().header()->sectionSize(1), (page->view().header()->width() - 45) / 6);
    QCOMPARE(page->view().model()->rowCount(), 20);
    QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    QCOMPARE(rows()[0], QString("1\t34\t30\t21\t16\t5\t15"));
    page->actions().popup()->actions()[0]->menu()->actions()[2]->trigger();  // "By Original"
    QVERIFY(page->actions().origButton()->isChecked());
    QCOMPARE(rows()[0], QString("1\t21\t16\t5\t30\t34\t15"));
  }

  void gameChoicesEnableTheBonusControls() {
    QList<QWidget*> bonus{page->RxSpinBonusLower, page->RxSpinBonusUpper, page->RxSpinBonusPick,
                          page->ChExclude};
    QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    for (QWidget* w : bonus) QVERIFY(!w->isEnabled());
    manualSeed(12345);
    start();
    QCOMPARE(captions(), (QStringList{"NO.", "Column 1", "Column 2", "Column 3", "Column 4", "Column 5"}));
    QCOMPARE(rows()[0], QString("1\t21\t16\t5\t30\t34"));
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Possible total: 344362200      Generated total: 20"));
    QTest::mouseClick(page->RadioLotto, Qt::LeftButton);
    for (QWidget* w : bonus) QVERIFY(w->isEnabled());
    // Bonus numbers from the main range: the bonus range is off and
    // validation ignores it.
    QTest::mouseClick(page->ChExclude, Qt::LeftButton);
    QVERIFY(!page->RxSpinBonusLower->isEnabled() && !page->RxSpinBonusUpper->isEnabled());
    QVERIFY(page->RxSpinBonusPick->isEnabled());
    page->RxSpinBonusLower->setValue(50);
    page->RxSpinBonusUpper->setValue(3);
    start();
    QVERIFY(fake->boxes.empty());
    // Back on its own range, the bonus range is checked.
    QTest::mouseClick(page->ChExclude, Qt::LeftButton);
    QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    QTest::mouseClick(page->RadioLotto, Qt::LeftButton);
    QVERIFY(page->RxSpinBonusLower->isEnabled());
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text,
             QString("The Upper number must greater than\n\nor equal to the Lower number!"));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
  }

  void refusedInputsKeepThePreviousResults() {
    manualSeed(3);
    start();
    const QStringList before = rows();
    const QString totals = page->view().totalsLabel()->text();
    setSpin(page->RxSpinMainLower, 5);
    setSpin(page->RxSpinMainUpper, 3);
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(rows(), before);
    QCOMPARE(page->view().totalsLabel()->text(), totals);
    // A request no line can fill without repeats: the generator's message,
    // an empty list under a header of the width asked for, -1 and 0.
    setSpin(page->RxSpinMainLower, 1);
    setSpin(page->RxSpinMainUpper, 5);
    setSpin(page->RxSpinMainPick, 6);
    start();
    QCOMPARE(fake->boxes.size(), size_t(2));
    QCOMPARE(fake->boxes[1].text,
             QString("Can't get more numbers than defined by \nthe Lower and the Upper components. "));
    QCOMPARE(fake->boxes[1].icon, Icon::Error);
    QCOMPARE(page->view().model()->rowCount(), 0);
    QCOMPARE(page->view().header()->count(), 8);
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: -1      Generated total: 0"));
    QVERIFY(page->actions().startButton()->isEnabled());
    // With repeats in a line the same request is fine.
    QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    QTest::mouseClick(page->ChDupLines, Qt::LeftButton);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 15625      Generated total: 20"));
  }

  void cappedTotalReadsOver() {
    QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    setSpin(page->RxSpinMainUpper, 1000);
    setSpin(page->RxSpinMainPick, 10);
    start();
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Possible total:  Over 36028797018963968      Generated total: 20"));
  }

  void uniqueLinesAreShownInDrawingOrder() {
    QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    setSpin(page->RxSpinMainUpper, 3);
    setSpin(page->RxSpinMainPick, 2);
    manualSeed(0);
    start();
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    QTest::mouseClick(page->ChDupRows, Qt::LeftButton);
    start();
    QVERIFY(page->actions().origButton()->isChecked());
    QCOMPARE(page->sortOrder(), SortDrawn);
    QCOMPARE(rows(), (QStringList{"1\t1\t2", "2\t3\t1", "3\t1\t3", "4\t2\t1", "5\t2\t3", "6\t3\t2"}));
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 6      Generated total: 6"));
  }

  // 300 main and 200 bonus numbers: every column 10 pixels wide, the list
  // wider than the window, scrolling sideways with its header.
  void wideLinesScroll() {
    setSpin(page->RxSpinMainUpper, 100000);
    setSpin(page->RxSpinMainPick, 300);
    setSpin(page->RxSpinBonusUpper, 100000);
    setSpin(page->RxSpinBonusPick, 200);
    setSpin(page->RxSpinEditTotal, 3);
    start();
    QCOMPARE(page->view().header()->count(), 501);
    for (int k = 1; k <= 500; ++k) QCOMPARE(page->view().header()->sectionSize(k), 10);
    QCOMPARE(captions()[300], QString("Column 300"));
    QCOMPARE(page->view().header()->model()->headerData(300, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QString("Column 300"));
    QCOMPARE(captions()[500], QString("Bonus 200"));
    QCOMPARE(page->view().header()->length(), 45 + 5000);
    QScrollBar* bar = page->view().list()->horizontalScrollBar();
    QTRY_VERIFY(bar->maximum() > 4000);
    bar->setValue(1000);
    QCOMPARE(page->view().header()->offset(), 1000);
    QCOMPARE(page->view().header()->sectionViewportPosition(1), 45 - 1000);
    QCOMPARE(page->lineTexts().size(), size_t(1500));
  }

  void busyStateAndCancel() {
    // Long enough to be cancelled while it draws.
    setSpin(page->RxSpinMainUpper, 2000000);
    setSpin(page->RxSpinMainPick, 300);
    setSpin(page->RxSpinEditTotal, 200000);
    bool seenBusy = false;
    QTimer::singleShot(30, this, [&] {
      seenBusy = page->running() && !page->actions().startButton()->isEnabled() &&
                 !page->actions().saveButton()->isEnabled();
      for (ResultPage* p : form->Pages)
        if (p != nullptr) seenBusy = seenBusy && !p->actions().exitButton()->isEnabled();  // all six
      QVERIFY(page->RxSpinMainUpper->isEnabled());                                         // inputs stay open
      page->actions().PopupRequested(QPoint(5, 5));
      QVERIFY(!page->actions().popup()->isVisible());
      QTest::mouseClick(page->actions().cancelButton(), Qt::LeftButton);
    });
    start();
    QVERIFY(seenBusy);
    QVERIFY(page->view().statusPanel()->isHidden());
    QCOMPARE(page->view().model()->rowCount(), 0);
    QVERIFY(!page->running());
    for (ResultPage* p : form->Pages)
      if (p != nullptr) QVERIFY(p->actions().exitButton()->isEnabled());
    // A cancelled run is not re-sorted.
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    QCOMPARE(page->view().model()->rowCount(), 0);
  }

  // The save dialog opens on one lottery line per text line, the values per
  // line fixed to the line width.
  void saveOpensOnTheLineLayout() {
    manualSeed(12345);
    start();
    QVERIFY(WhenModal<TFormSaveText>(
        [&] { page->actions().saveAction()->trigger(); },
        [](TFormSaveText* dialog) {
          QCOMPARE(dialog->PageKind, PageKind::Lottery);
          QCOMPARE(dialog->RxSpinEdit1->value(), 6);
          QVERIFY(!dialog->RxSpinEdit1->isEnabled());
          QVERIFY(dialog->raMutiCol->isChecked());
          QVERIFY(!dialog->raSingleLine->isEnabled() && !dialog->rxOnecol->isEnabled());
          QCOMPARE(dialog->Generator->Results.size(), size_t(120));
          QCOMPARE(std::string(dialog->Generator->Results[0]), std::string("21"));
        }));
  }

  // For the same seed and inputs the page shows what quenvar-cli lottery
  // prints, line for line, and the same totals.
  void sameOutputAsTheCommandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("defaults, ascending") << QStringList{"--seed", "12345", "--sort", "asc"};
    QTest::newRow("remaining, descending")
        << QStringList{"--seed", "-77", "--bonus-from-remaining", "--bonus-pick", "3", "--sort", "desc"};
    QTest::newRow("no bonus, unique, repeats") << QStringList{
        "--seed",      "5", "--no-bonus",          "--main-low",     "-5",      "--main-upper", "4",
        "--main-pick", "3", "--duplicate-numbers", "--unique-lines", "--lines", "500"};
  }
  void sameOutputAsTheCommandLine() {
    QFETCH(QStringList, args);
    auto option = [&](const QString& name) {
      const qsizetype at = args.indexOf(name);
      return at < 0 ? QString() : args[at + 1];
    };
    manualSeed(option("--seed").toInt());
    if (args.contains("--no-bonus")) QTest::mouseClick(page->RadioNoBonus, Qt::LeftButton);
    if (args.contains("--bonus-from-remaining")) QTest::mouseClick(page->ChExclude, Qt::LeftButton);
    if (args.contains("--duplicate-numbers")) QTest::mouseClick(page->ChDupLines, Qt::LeftButton);
    if (args.contains("--unique-lines")) QTest::mouseClick(page->ChDupRows, Qt::LeftButton);
    if (!option("--main-low").isEmpty()) setSpin(page->RxSpinMainLower, option("--main-low").toInt());
    if (!option("--main-upper").isEmpty()) setSpin(page->RxSpinMainUpper, option("--main-upper").toInt());
    if (!option("--main-pick").isEmpty()) setSpin(page->RxSpinMainPick, option("--main-pick").toInt());
    if (!option("--bonus-pick").isEmpty()) setSpin(page->RxSpinBonusPick, option("--bonus-pick").toInt());
    if (!option("--lines").isEmpty()) setSpin(page->RxSpinEditTotal, option("--lines").toInt());
    start();
    const QString sort = option("--sort");
    if (sort == "asc") QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    if (sort == "desc") QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    QStringList window;
    for (const QString& row : rows()) window << row.section('\t', 1);
    window << page->view().totalsLabel()->text();
    const QStringList printed = CliOutput(QStringList{"lottery"} + args);
    QCOMPARE(window.size(), printed.size());
    QCOMPARE(window, printed);
  }

  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    QCOMPARE(AccessibleName(page->RxSpinMainLower), QString("Lower"));
    QCOMPARE(AccessibleName(page->RxSpinBonusPick), QString("No. to pick"));
    QCOMPARE(AccessibleName(page->RxSpinEditTotal), QString("Count to"));
    QCOMPARE(AccessibleName(page->seedGroup()->manualSpin), QString("Manual created seed"));
    const QStringList unnamed = UnnamedControls(page);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    manualSeed(12345);
    setSpin(page->RxSpinEditTotal, 2);
    start();
    const QStringList read = AccessibleRows(page->view().list());
    QCOMPARE(read, (QStringList{"1\t21\t16\t5\t30\t34\t15", "2\t24\t5\t2\t49\t52\t14"}));
  }
};

QTEST_MAIN(LotteryPageTest)
#include "test_page_lottery.moc"
