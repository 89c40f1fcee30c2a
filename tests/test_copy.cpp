// "Copy as Command Line" and "Copy" in the real window, offscreen: the
// command copied from each page, run by a POSIX shell, prints the rows the
// page shows (the File page: writes the bytes it wrote); the rows copied
// are the rows selected, as shown.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <functional>

#include "FakePlatform.h"
#include "Fakes.h"
#include "PageFixture.h"
#include "core/RunOptions.h"
#include "ui/FilePage.h"
#include "ui/Folders.h"
#include "ui/LotteryPage.h"
#include "ui/NamePage.h"
#include "ui/NumberPage.h"
#include "ui/SamplingPage.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"

using namespace quenvar;
using namespace quenvar::ui;
using quenvar::test::SetSpin;

namespace {

using ShellRun = test::CliRun;

// Runs a command line as a POSIX shell reads it, quenvar-cli on the PATH.
ShellRun RunInShell(const QString& command) {
  QProcess shell;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PATH", QFileInfo(QUENVAR_CLI).absolutePath() + ":" + env.value("PATH"));
  shell.setProcessEnvironment(env);
  shell.start("sh", {"-c", command});
  shell.waitForFinished(120000);
  return {shell.exitCode(), shell.readAllStandardOutput(), shell.readAllStandardError()};
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class CopyTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir;
  QString app;  // the window's folder: a blank and a quote in its path
  QByteArray oldHome;
  std::unique_ptr<test::FakePlatform> fake;
  std::unique_ptr<TFormRandom> form;

  void show(ResultPage* page) { form->PageControl1->setCurrentWidget(page); }
  void start(ResultPage* page) { QTest::mouseClick(page->actions().startButton(), Qt::LeftButton); }
  // What Ctrl+Shift+C in the window puts on the clipboard.
  QString copiedCommand() {
    QApplication::clipboard()->clear();
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return QApplication::clipboard()->text();
  }
  // The rows shown without their numbers: the lines quenvar-cli prints.
  static QStringList Shown(const ResultPage& page) {
    QStringList out;
    for (int r = 0; r < page.view().model()->rowCount(); ++r)
      out << page.view().model()->rowText(r).section('\t', 1);
    return out;
  }
  // Runs the command copied from `page` and compares its lines with the rows
  // shown; `edit` runs between the copy and the command.
  void verifyRepeats(ResultPage* page, const std::function<void()>& edit = {}) {
    const QString command = copiedCommand();
    if (edit) edit();
    QVERIFY(command.startsWith(page == form->TabSheet55   ? "quenvar-cli lottery "
                               : page == form->TabSheet22 ? "quenvar-cli sample "
                                                          : "quenvar-cli "));
    QVERIFY2(command.contains("--seed " + QString::number(page->seedGroup()->lastTaken())),
             qPrintable(command));
    const ShellRun run = RunInShell(command);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines, Shown(*page));
    // The totals line on standard error is the one shown (the window adds a
    // mask's strength in bits, which the tool leaves out).
    QString shown = page->view().totalsLabel()->text();
    shown.remove(QRegularExpression(R"( \(\d+\.\d bits(, seed limit \d+\.\d bits)?\))"));
    QCOMPARE(QString::fromUtf8(run.err).split('\n').value(0), shown);
  }

 private slots:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    app = dir->path() + "/it's the app";
    QVERIFY(QDir().mkpath(app + "/name"));
    for (const char* list : {"female_first_names.txt", "male_first_names.txt", "last_names.txt"})
      QVERIFY(QFile::copy(QString(QUENVAR_DATA_DIR) + "/name/" + list, app + "/name/" + list));
    QVERIFY(QFile::copy(QString(QUENVAR_DATA_DIR) + "/wildcard.ini", app + "/wildcard.ini"));
    oldHome = qgetenv("HOME");
    qputenv("HOME", (app + "/home $HOME").toLocal8Bit());  // where the File page writes
    QVERIFY(QDir().mkpath(app + "/home $HOME"));
    SetApplicationFolder(app);
    fake = std::make_unique<test::FakePlatform>();
    form = std::make_unique<TFormRandom>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  void cleanup() {
    form.reset();
    fake.reset();
    SetApplicationFolder({});
    qputenv("HOME", oldHome);
    dir.reset();
  }

  void quotesForAPosixShell() {
    QCOMPARE(RunExports::ShellQuote("--count"), QString("--count"));
    QCOMPARE(RunExports::ShellQuote("-42"), QString("-42"));
    QCOMPARE(RunExports::ShellQuote(""), QString("''"));
    QCOMPARE(RunExports::ShellQuote("a b"), QString("'a b'"));
    QCOMPARE(RunExports::ShellQuote("it's"), QString("'it'\\''s'"));
    // Every byte a shell treats specially comes back as it was.
    const QString nasty = "$HOME `id` \"q\" 'a' \\ * ? ~ ; & | < > ( ) # ! {x} [y] \t end";
    const ShellRun run = RunInShell("printf %s " + RunExports::ShellQuote(nasty));
    QCOMPARE(QString::fromUtf8(run.out), nasty);
  }

  // Before a run there is nothing to copy; a refused run leaves the
  // command of the run shown.
  void copiesOnlyARunShown() {
    NumberPage* page = form->TabSheet1;
    show(page);
    QCOMPARE(copiedCommand(), QString());
    QCOMPARE(fake->texts(), QStringList{"No run to be copied as a command line!"});
    // The popup has both commands.
    QStringList texts;
    for (QAction* a : page->actions().popup()->actions()) texts << a->text();
    QVERIFY(texts.contains("&Copy") && texts.contains("Copy as Command &Line"));
    QVERIFY(form->PopupMenu1->actions().contains(form->CopyCommand1));
    start(page);
    const QString command = copiedCommand();
    QVERIFY(!command.isEmpty());
    for (QCheckBox* digit : page->Ch) digit->click();  // all ten digits: refused
    start(page);
    QCOMPARE(fake->boxes.size(), size_t(2));
    QCOMPARE(copiedCommand(), command);
  }

  void numberRepeatsTheLastRunAsShown() {
    NumberPage* page = form->TabSheet1;
    show(page);
    SetSpin(page->RxSpinLow, -3000);
    SetSpin(page->RxSpinUpper, 250000);
    SetSpin(page->RxSpinCount, 301);
    page->Ch[7]->click();
    start(page);  // the automatic seed
    page->actions().dscAction()->trigger();
    page->actions().commaAction()->trigger();
    test::ChooseColumns(*page, 4);
    // Inputs changed after the run are not the run's.
    SetSpin(page->RxSpinCount, 5);
    page->Ch[3]->click();
    verifyRepeats(page);

    // A manual seed, duplicates, the drawing order, one column.
    page->seedGroup()->manualRadio->click();
    SetSpin(page->seedGroup()->manualSpin, -77);
    page->ChDuplicate->click();
    page->actions().commaAction()->trigger();
    start(page);
    page->actions().origAction()->trigger();
    test::ChooseColumns(*page, 1);
    verifyRepeats(page);
  }

  // A seeded run owns its source: a run started on another page while it
  // draws, or seed choices clicked meanwhile, leave it as it is alone, and
  // its copied command repeats it.
  void aSeededRunIsItsOwn_data() {
    QTest::addColumn<QString>("during");
    for (const char* what : {"another page's run", "another page's Automatic", "another page's proposal",
                             "this page's Automatic"})
      QTest::newRow(what) << QString(what);
  }
  void aSeededRunIsItsOwn() {
    QFETCH(QString, during);
    NumberPage* page = form->TabSheet1;
    StringPage* other = form->TabSheet2;
    other->comMask->setEditText("####");
    other->comMaskExit();
    show(page);
    SetSpin(page->RxSpinUpper, 2000000000);
    SetSpin(page->RxSpinCount, 3000);
    page->ChDuplicate->click();
    page->seedGroup()->manualRadio->click();
    SetSpin(page->seedGroup()->manualSpin, 777);
    start(page);
    const QStringList alone = Shown(*page);
    QCOMPARE(alone.size(), 1000);
    bool done = false;
    {
      test::FakePump pump([&](int) {
        if (done || page->generated().Engine.Generated != 1500) return;
        done = true;
        if (during == "another page's run") other->actions().startButton()->click();
        if (during == "another page's Automatic") other->seedGroup()->autoRadio->click();
        if (during == "another page's proposal") other->seedGroup()->proposeManual();
        if (during == "this page's Automatic") {
          page->seedGroup()->autoRadio->click();
          page->seedGroup()->manualRadio->click();  // back to 777 for the next run
        }
      });
      start(page);
    }
    QVERIFY(done);
    QCOMPARE(other->resultsShown(), during == "another page's run");
    QCOMPARE(Shown(*page), alone);
    verifyRepeats(page);
  }

  void lotteryRepeatsTheLastRunAsShown() {
    LotteryPage* page = form->TabSheet55;
    show(page);
    SetSpin(page->RxSpinMainPick, 6);
    SetSpin(page->RxSpinBonusPick, 2);
    SetSpin(page->RxSpinEditTotal, 40);
    page->ChDupRows->click();
    start(page);
    page->actions().ascAction()->trigger();
    verifyRepeats(page);

    page->RadioNoBonus->click();
    page->ChDupRows->click();
    page->ChDupLines->click();
    start(page);
    page->actions().dscAction()->trigger();
    verifyRepeats(page);
  }

  void samplingRepeatsTheCheckedItemsOfTheLastRun() {
    SamplingPage* page = form->TabSheet22;
    show(page);
    const QStringList texts{"alpha", "it's two", "--dash", " blank ", "épée", "$HOME", "x"};
    for (const QString& t : texts) page->items->append(t);
    page->items->setAllChecked(true);
    page->items->setChecked(6, false);
    SetSpin(page->RxSpinEdit22, 12);
    page->CheckBox22->click();
    start(page);
    page->items->setChecked(0, false);  // after the run: not the run's
    page->items->append("late");
    test::ChooseColumns(*page, 2);
    verifyRepeats(page);
    // The run's items, written to the user's data folder.
    const QStringList files = QDir(app).entryList({"sampling-items-*.txt"});
    QCOMPARE(files.size(), 1);
    QCOMPARE(ReadAll(app + "/" + files[0]),
             QByteArray("alpha\nit's two\n--dash\n blank \n\xc3\xa9p\xc3\xa9\x65\n$HOME\n"));

    // Another run on other items: the first command still repeats its own.
    const QString first = copiedCommand();
    const QStringList firstRows = Shown(*page);
    start(page);
    verifyRepeats(page);
    QCOMPARE(QDir(app).entryList({"sampling-items-*.txt"}).size(), 2);
    const ShellRun again = RunInShell(first);
    QCOMPARE(QString::fromUtf8(again.out).split('\n', Qt::SkipEmptyParts), firstRows);

    // The items of the 32 commands copied last are kept; a file of the
    // user's that only looks like them stays.
    const auto old = [](int i) { return QString("sampling-items-%1.txt").arg(i, 16, 16, QChar('0')); };
    for (int i = 0; i < 40; ++i) {
      QFile file(app + "/" + old(i));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.setFileTime(QDateTime::currentDateTime().addDays(-1).addSecs(i),
                       QFileDevice::FileModificationTime);
    }
    QFile mine(app + "/sampling-items-mine.txt");
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime);
    mine.close();
    start(page);
    verifyRepeats(page);
    const QStringList kept = QDir(app).entryList({"sampling-items-*.txt"}, QDir::Files, QDir::Time);
    QCOMPARE(kept.size(), 33);
    // The two runs' files, the 30 newest of the others, and the user's.
    QVERIFY(kept.contains(files[0]) && kept.contains(old(10)));
    QVERIFY(!kept.contains(old(9)));
    QVERIFY(kept.contains("sampling-items-mine.txt"));
  }

  void stringRepeatsTheMaskAndWildcardsOfTheLastRun() {
    StringPage* page = form->TabSheet2;
    show(page);
    page->comMask->setEditText("--@@'## $x");
    page->comMaskExit();
    SetSpin(page->Rx2SpinCount, 50);
    page->seedGroup()->manualRadio->click();
    SetSpin(page->seedGroup()->manualSpin, 2024);
    start(page);
    page->actions().ascAction()->trigger();
    // Wildcards edited after the copy, and after the run before a copy: the
    // command draws from the run's own.
    auto digitsToLetters = [page](const char* name) {
      Tparchar wildcard;
      QVERIFY(page->WildcardList.Find(name, wildcard));
      wildcard.IscheckNumber = false;
      wildcard.IscheckUpper = true;
      page->WildcardList.Modify(name, wildcard);
    };
    verifyRepeats(page, [&] { digitsToLetters("#"); });
    QVERIFY(!copiedCommand().contains("/wildcard.ini"));
    start(page);
    digitsToLetters("@");
    verifyRepeats(page);
  }

  void nameRepeatsTheListsOfTheLastRun() {
    NamePage* page = form->TabSheet44;
    show(page);
    page->chmale->click();  // female names only
    SetSpin(page->RxSpinEdit44, 30);
    page->CheckBox44->click();
    start(page);
    page->actions().dscAction()->trigger();
    test::ChooseColumns(*page, 5);
    // Lists edited after the copy: the command draws from the run's own.
    auto edit = [&](const char* list) {
      QFile file(app + "/name/" + list);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Edited\n") > 0);
    };
    verifyRepeats(page, [&] {
      edit("female_first_names.txt");
      edit("last_names.txt");
    });
    QVERIFY(copiedCommand().contains("--gender female "));  // not seen in the output
  }

  void fileRepeatsTheBytesWritten() {
    FilePage* page = form->TabSheet3;
    show(page);
    SetSpin(page->Rx3SpinCount, 70000);
    const QString written = QString::fromStdString(page->inputs().FileName);
    QVERIFY(written.contains("$HOME"));
    start(page);
    const QByteArray bytes = ReadAll(written);
    QCOMPARE(bytes.size(), 70000);
    QVERIFY(QFile::remove(written));
    const QString command = copiedCommand();
    QVERIFY(command.contains("--seed " + QString::number(page->seedGroup()->lastTaken())));
    const ShellRun run = RunInShell(command);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(ReadAll(written), bytes);
    // The bytes shown are those bytes.
    QCOMPARE(page->view().model()->cell(0, 1), QString::number(uint8_t(bytes[0])));
  }

  void anItemsFileThatCannotBeWrittenIsReported() {
    SamplingPage* page = form->TabSheet22;
    show(page);
    page->items->append("a");
    page->items->append("b");
    page->items->setAllChecked(true);
    start(page);
    const QString items = SamplingPage::CommandItemsFile(page->items->checkedTexts());
    QVERIFY(QDir().mkpath(items));  // a folder in its place
    QCOMPARE(copiedCommand(), QString());
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY2(fake->boxes[0].text.contains(QFileInfo(items).fileName()), qPrintable(fake->boxes[0].text));
  }

  // Copy takes the selected rows as shown, nothing when none is selected;
  // a double-click or Copy Value takes one entry.
  void copiesWhatIsSelected() {
    NumberPage* page = form->TabSheet1;
    show(page);
    page->ChDuplicate->click();
    start(page);
    test::ChooseColumns(*page, 3);
    QItemSelectionModel* selection = page->view().list()->selectionModel();
    selection->select(page->view().model()->index(4), QItemSelectionModel::Select);
    selection->select(QItemSelection(page->view().model()->index(1), page->view().model()->index(2)),
                      QItemSelectionModel::Select);
    selection->select(page->view().model()->index(33),
                      QItemSelectionModel::Select);  // the last row: one entry
    page->view().list()->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier);
    const QString expected = page->view().model()->rowText(1) + "\n" + page->view().model()->rowText(2) +
                             "\n" + page->view().model()->rowText(4) + "\n" +
                             page->view().model()->rowText(33) + "\n";
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QCOMPARE(page->view().model()->rowText(33).count('\t'), 1);
    // Nothing selected: the clipboard is left alone.
    selection->clearSelection();
    page->actions().copyAction()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), expected);

    // A double-click on an entry, or Copy Value (Ctrl+Alt+C) after a click,
    // copies that entry alone; the row number is no entry.
    const auto at = [page](int row, int section) {
      return QPoint(page->view().header()->sectionViewportPosition(section) + 10,
                    page->view().list()->visualRect(page->view().model()->index(row)).center().y());
    };
    QApplication::clipboard()->setText("before");
    QTest::mouseDClick(page->view().list()->viewport(), Qt::LeftButton, {}, at(2, 0));
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
    QTest::mouseDClick(page->view().list()->viewport(), Qt::LeftButton, {}, at(2, 2));
    QCOMPARE(QApplication::clipboard()->text(), page->view().model()->cell(2, 2));
    QVERIFY(!page->view().model()->cell(2, 2).isEmpty());
    QTest::mouseClick(page->view().list()->viewport(), Qt::LeftButton, {}, at(4, 3));
    QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(QApplication::clipboard()->text(), page->view().model()->cell(4, 3));
    QVERIFY(page->actions().popup()->actions().contains(page->actions().copyValueAction()));
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat("x-kde-passwordManagerHint"));
  }

  // A run from the secure source cannot be repeated: its command asks for a
  // secure run again and names no seed. A copy of its rows is marked secret
  // and taken off the clipboard after the delay, unless something else was
  // copied since.
  void aSecureRunIsNeitherRepeatedNorKept() {
    NumberPage* page = form->TabSheet1;
    show(page);
    page->seedGroup()->secureRadio->click();
    start(page);
    QVERIFY(page->resultsShown());
    const QString command = copiedCommand();
    QVERIFY2(command.contains(" --secure") && !command.contains("--seed"), qPrintable(command));
    const ShellRun run = RunInShell(command);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts).size(),
             page->view().model()->rowCount());
    ResultView::SecretClearMs = 20;
    auto restore = qScopeGuard([] { ResultView::SecretClearMs = 30000; });
    page->view().list()->selectAll();
    page->view().CopyClick();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->data("x-kde-passwordManagerHint"), QByteArray("secret"));
    QVERIFY(copied->text().startsWith(page->view().model()->rowText(0)));
    QTRY_VERIFY(QApplication::clipboard()->text().isEmpty());
    QVERIFY2(QRegularExpression(R"(^Clipboard cleared at \d\d:\d\d:\d\d$)")
                 .match(page->DisplayLabelText())
                 .hasMatch(),
             qPrintable(page->DisplayLabelText()));
    // Something else copied meanwhile stays.
    page->view().list()->setCurrentIndex(page->view().model()->index(0));
    page->view().CopyValueClick();
    QCOMPARE(QApplication::clipboard()->text(), page->view().model()->cell(0, 1));
    QApplication::clipboard()->setText("mine");
    QTest::qWait(60);
    QCOMPARE(QApplication::clipboard()->text(), QString("mine"));
  }

  void copiesAMillionRows() {
    NumberPage* page = form->TabSheet1;
    show(page);
    page->ChDuplicate->click();
    SetSpin(page->RxSpinUpper, 999);
    SetSpin(page->RxSpinCount, 2000000);
    test::ChooseColumns(*page, 2);
    start(page);
    QCOMPARE(page->view().model()->rowCount(), 1000000);
    page->view().list()->setFocus();
    QTest::keyClick(page->view().list(), Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText("before");

    // Cancel in the middle: the copy stops, the clipboard and the rows stay.
    bool busyWhileCopying = false;
    {
      test::FakePump pump([&](int call) {
        busyWhileCopying = page->running() && page->DisplayLabelText() == "Copying rows...";
        if (call == 3) page->actions().cancelButton()->click();
      });
      QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier);
    }
    QVERIFY(busyWhileCopying);
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
    QCOMPARE(page->view().model()->rowCount(), 1000000);
    QCOMPARE(page->DisplayLabelText(), QString("Done"));
    QVERIFY(!page->running() && page->actions().startButton()->isEnabled());

    // Whole: in slices of at most 65,536 rows between two pump calls. The
    // clock goes 200 ms a slice: past a second the rate and the time left
    // are shown beside the status, at most every 250 ms.
    uint64_t longest = 0;
    qint64 now = 0;
    auto restore = qScopeGuard([clock = ResultView::RateClock] { ResultView::RateClock = clock; });
    ResultView::RateClock = [&now] { return now; };
    QStringList rates;
    TakeWork();
    {
      test::FakePump pump([&](int) {
        longest = std::max(longest, TakeWork());
        rates << page->view().rateLabel()->text();
        now += 200;
      });
      QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier);
      QVERIFY(pump.calls >= 15);
    }
    QVERIFY2(longest <= 65536, qPrintable(QString::number(longest)));
    // 393,216 rows in 1.0 s; 524,288 in 1.4 s; 200 ms later nothing changes.
    QCOMPARE(rates.mid(0, 8), QStringList({"", "", "", "", "", "393.2 k/s \u00b7 2 s left",
                                           "393.2 k/s \u00b7 2 s left", "374.5 k/s \u00b7 2 s left"}));
    for (qsizetype i = 5; i + 1 < rates.size(); i += 2) QCOMPARE(rates[i + 1], rates[i]);
    QVERIFY(!page->view().rateLabel()->isVisible());
    QCOMPARE(ResultView::RateText(12.3e6, 2.2), QString("12.3 M/s \u00b7 3 s left"));
    QCOMPARE(ResultView::RateText(950, 600), QString("950 /s \u00b7 10 min left"));
    const QString text = QApplication::clipboard()->text();
    QCOMPARE(text.count('\n'), 1000000);
    QVERIFY(
        text.startsWith(page->view().model()->rowText(0) + "\n" + page->view().model()->rowText(1) + "\n"));
    QVERIFY(text.endsWith("\n" + page->view().model()->rowText(999999) + "\n"));
    // Row by row, the same text.
    const QStringList lines = text.split('\n');
    for (int r : {12345, 500000, 777777}) QCOMPARE(lines[r], page->view().model()->rowText(r));
  }

  // A copy started on another page while one is being made wins: the older
  // one stops and copies nothing.
  void theNewestCopyWins() {
    NumberPage* numbers = form->TabSheet1;
    FilePage* bytes = form->TabSheet3;
    show(bytes);
    start(bytes);
    bytes->view().list()->selectAll();
    show(numbers);
    numbers->ChDuplicate->click();
    SetSpin(numbers->RxSpinCount, 300000);
    test::ChooseColumns(*numbers, 1);
    start(numbers);
    numbers->view().list()->selectAll();
    QString fromBytes;
    {
      test::FakePump pump([&](int call) {
        if (call == 2) {
          bytes->view().CopyClick();
          fromBytes = QApplication::clipboard()->text();
        }
        // Cancel on the page whose copy was stopped cancels nothing more.
        if (call == 3) numbers->CancelClick();
      });
      numbers->view().CopyClick();
      QVERIFY(pump.calls >= 3);
    }
    QCOMPARE(fromBytes.count('\n'), 34);  // 100 bytes in three columns
    QCOMPARE(QApplication::clipboard()->text(), fromBytes);
    QCOMPARE(numbers->view().model()->rowCount(), 300000);
    QVERIFY(!numbers->running() && !bytes->running());
    QCOMPARE(numbers->DisplayLabelText(), QString("Done"));
  }

  // A copy larger than the memory the process may have is refused with the
  // figures before any text is made, and the page goes on.
  // Each default and limit of the options' table is the one the window and
  // the tool state: the page's control as built and as read from an empty
  // setup.ini, the copied command of a run from the defaults, quenvar-cli's
  // --help and its range check.
  void defaultsAndLimitsAreTheTables() {
    using namespace runs;
    struct Row {
      const Command& command;
      const Option& option;
      const char* control;
      bool runsAsBuilt;  // a run from the defaults can be copied
    };
    const Row rows[] = {{kNumber, number::kLower, "RxSpinLow", true},
                        {kNumber, number::kUpper, "RxSpinUpper", true},
                        {kNumber, number::kCount, "RxSpinCount", true},
                        {kLottery, lottery::kMainLow, "RxSpinMainLower", true},
                        {kLottery, lottery::kMainUpper, "RxSpinMainUpper", true},
                        {kLottery, lottery::kMainPick, "RxSpinMainPick", true},
                        {kLottery, lottery::kBonusLow, "RxSpinBonusLower", true},
                        {kLottery, lottery::kBonusUpper, "RxSpinBonusUpper", true},
                        {kLottery, lottery::kBonusPick, "RxSpinBonusPick", true},
                        {kLottery, lottery::kLines, "RxSpinEditTotal", true},
                        {kSample, sample::kCount, "RxSpinEdit22", false},
                        {kString, string::kCount, "Rx2SpinCount", false},
                        {kName, name::kCount, "RxSpinEdit44", true},
                        {kFile, file::kSize, "Rx3SpinCount", true}};
    NumberPage number;
    LotteryPage lottery;
    SamplingPage sampling;
    StringPage string;
    NamePage name;
    FilePage file;
    const QWidget* const built[] = {&number, &lottery, &sampling, &string, &name, &file};
    const auto cli = [](const QStringList& args) {
      const test::CliRun run = test::RunCli(args);
      return QString::fromUtf8(run.out + run.err);
    };
    QMap<ResultPage*, QString> copied;
    for (const Row& row : rows) {
      const QString what = QString(row.command.word) + " --" + row.option.word;
      const QString fallback = QString::number(row.option.fallback);
      const auto* shown = form->findChild<QSpinBox*>(row.control);
      QVERIFY2(shown != nullptr, qPrintable(what));
      for (const QWidget* page : built)
        if (const auto* spin = page->findChild<QSpinBox*>(row.control))
          QVERIFY2(spin->value() == row.option.fallback, qPrintable(what + ": as built"));
      QVERIFY2(shown->value() == row.option.fallback, qPrintable(what + ": as read"));
      QVERIFY2(shown->minimum() == row.option.min && shown->maximum() == row.option.max, qPrintable(what));

      ResultPage* page = nullptr;
      for (QWidget* w = shown->parentWidget(); page == nullptr && w != nullptr; w = w->parentWidget())
        page = qobject_cast<ResultPage*>(w);
      if (row.runsAsBuilt && !copied.contains(page)) {
        show(page);
        start(page);
        copied[page] = copiedCommand();
      }
      if (row.runsAsBuilt)
        QVERIFY2(copied[page].contains(" --" + QString(row.option.word) + " " + fallback), qPrintable(what));

      const QString help = cli({row.command.word, "--help"});
      const QRegularExpression line("\\n  (-., )?--" + QString(row.option.word) +
                                    " \\S+ +[^\\n]*\\(default " + fallback + "\\)");
      QVERIFY2(line.match(help).hasMatch(), qPrintable(what + ": --help"));
      const QStringList needed = row.command.word == std::string("sample") ? QStringList{"--items=-"}
                                 : row.command.word == std::string("file") ? QStringList{"--output=-"}
                                                                           : QStringList{};
      const QString outside = QString::number(int64_t{row.option.max} + 1);
      const QString refused =
          cli(QStringList{row.command.word, "--" + QString(row.option.word) + "=" + outside} + needed);
      QVERIFY2(refused.contains(QString("from %1 to %2").arg(row.option.min).arg(row.option.max)),
               qPrintable(what + ": " + refused));
    }
  }

  void aCopyTooLargeIsRefusedFirst() {
    if (test::kAddressSanitizer) QSKIP("limits the address space");
    FilePage* page = form->TabSheet3;
    show(page);
    SetSpin(page->Rx3SpinCount, 3000000);
    start(page);
    QCOMPARE(page->view().model()->rowCount(), 1000000);
    page->view().list()->setFocus();
    QTest::keyClick(page->view().list(), Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText("before");
    rlimit old{};
    getrlimit(RLIMIT_AS, &old);
    std::ifstream status("/proc/self/statm");
    uint64_t pages = 0;
    status >> pages;
    // Room for 10 MB more: the 1,000,000 rows' text and its copies need more.
    const rlimit tight{rlim_t(pages * uint64_t(sysconf(_SC_PAGESIZE)) + (10 << 20)), old.rlim_max};
    setrlimit(RLIMIT_AS, &tight);
    QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier);
    setrlimit(RLIMIT_AS, &old);
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY2(fake->boxes[0].text.startsWith("EOutOfMemory\n") && fake->boxes[0].text.contains(" MiB"),
             qPrintable(fake->boxes[0].text));
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
    QVERIFY(!page->running());
    QCOMPARE(page->DisplayLabelText(), QString("Done"));
    // With the memory back, the same copy goes through.
    QTest::keyClick(page->view().list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().count('\n'), 1000000);
  }
};

QTEST_MAIN(CopyTest)
#include "test_copy.moc"
