// The Random File page in the real window, offscreen, writing into a home
// folder of the test's own; dialogs are answered by the fake platform.
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "Fakes.h"
#include "PageFixture.h"
#include "ui/FilePage.h"
#include "ui/UnitMain.h"

using namespace quenvar;
using namespace quenvar::ui;
using quenvar::test::SetSpin;

namespace {

// Byte v as each radix shows it, written out plainly.
QString PlainText(int v, TRadix radix) {
  switch (radix) {
    case RadixHex:
      return QString::number(v, 16).toUpper().rightJustified(2, '0');
    case RadixOctal:
      return QString::number(v, 8).rightJustified(3, '0');
    case RadixBinary:
      return QString::number(v, 2).rightJustified(8, '0');
    default:
      return QString::number(v);
  }
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class FilePageTest : public QObject, public test::PageFixture<FilePage> {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home;
  QByteArray oldHome;

  QString inHome(const QString& name) const { return home->path() + "/" + name; }
  void columns(int c) { test::ChooseColumns(*page, c); }
  void chooseFile(const QString& path) {
    fake->nextFile = path;
    QTest::mouseClick(page->spSelectFile, Qt::LeftButton);
  }
  QList<int> drawnBytes() const {
    QList<int> out;
    for (uint8_t v : page->generated().Bytes()) out << int(v);
    return out;
  }
  // Idle, showing nothing, with the page's own buttons back too.
  void verifyIdleWithoutResults() {
    QVERIFY(test::IdleWithoutResults(*page));
    QVERIFY(page->btnHex->isEnabled() && page->btn3Displayed->isEnabled());
  }

 private slots:
  void init() {
    home = std::make_unique<QTemporaryDir>();
    oldHome = qgetenv("HOME");
    qputenv("HOME", home->path().toLocal8Bit());
    openWindow(&TFormRandom::TabSheet3);
  }
  void cleanup() {
    closeWindow();
    qputenv("HOME", oldHome);
  }

  void layoutAndDefaults() {
    QCOMPARE(page->actions().startButton()->text(), QString("Generate File"));
    QCOMPARE(page->Rx3SpinCount->value(), 100);
    QVERIFY(page->Rx3SpinCount->hasFocus());  // the page's first box when it is shown
    QVERIFY(page->EditFileName->isReadOnly());
    QCOMPARE(page->EditFileName->text(), inHome("byteFile01.dat"));
    QVERIFY(page->ChAutoFileName->isChecked() && page->RxSpinAutoFilename->isEnabled());
    QVERIFY(page->raOverwrite->isChecked());
    QVERIFY(page->btnDec->isChecked() && page->btn3Displayed->isChecked());
    QCOMPARE(page->view().header()->count(), 4);
    // Behind another tab when the window opened, sized when first shown.
    QCOMPARE(page->view().header()->sectionSize(1), (page->view().header()->width() - 80) / 3);
    QVERIFY(page->actions().ascButton() == nullptr &&
            page->actions().saveButton() == nullptr);  // no sort, save or print
    // The manual seed proposed at start is seed div 13458 + seed.
    QVERIFY(test::ProposedFromClock(page->seedGroup()->manualSpin->value(), 13458));
  }

  void defaultsWriteNumberedFiles() {
    start();
    QCOMPARE(Contents(inHome("byteFile01.dat")).size(), 100);
    QCOMPARE(page->view().totalsLabel()->text(),
             "The random file '" + inHome("byteFile01.dat") +
                 "' is generated successfully !     Generated total randoms: 100");
    QCOMPARE(page->EditFileName->text(), inHome("byteFile02.dat"));
    QCOMPARE(page->RxSpinAutoFilename->value(), 2);
    // The bytes shown are those written, as drawn.
    const QByteArray written = Contents(inHome("byteFile01.dat"));
    QStringList expected;
    for (char b : written) expected << QString::number(uint8_t(b));
    QCOMPARE(test::ShownEntries(*page), expected);
    QCOMPARE(page->generated().Results.size(), size_t(0));  // no text is kept for them
    QCOMPARE(page->view().model()->rowCount(), 34);         // 100 bytes in 3 columns

    // Numbering off: every run writes the name as chosen.
    QTest::mouseClick(page->ChAutoFileName, Qt::LeftButton);
    QVERIFY(!page->RxSpinAutoFilename->isEnabled());
    QCOMPARE(page->EditFileName->text(), inHome("byteFile.dat"));
    start();
    start();
    QCOMPARE(page->EditFileName->text(), inHome("byteFile.dat"));
    QCOMPARE(QFileInfo(inHome("byteFile.dat")).size(), 100);
    QCOMPARE(page->RxSpinAutoFilename->value(), 2);
    QVERIFY(!QFile::exists(inHome("byteFile02.dat")));
  }

  void numberSuffixRule() {
    auto shownFor = [this](const QString& base, int counter) {
      page->BaseFileName = base;
      page->RxSpinAutoFilename->setValue(counter);
      page->ChAutoFileNameClick();
      return page->EditFileName->text();
    };
    QCOMPARE(shownFor("/d/byteFile.dat", 12), QString("/d/byteFile12.dat"));
    QCOMPARE(shownFor("/d/byteFile.dat", 123), QString("/d/byteFile123.dat"));
    QCOMPARE(shownFor("/d/noextension", 7), QString("/d/noextension07"));
    QCOMPARE(shownFor("/d/v1.2/plain", 3), QString("/d/v1.2/plain03"));  // a dot in a folder is no extension
    QCOMPARE(shownFor("/d/a.b.dat", 1), QString("/d/a.b01.dat"));
    QCOMPARE(page->inputs().FileName, std::string("/d/a.b01.dat"));
    // A blank name changes nothing shown.
    QCOMPARE(shownFor("   ", 5), QString("/d/a.b01.dat"));
    // The chooser: a name without extension gets the number at its end.
    chooseFile(inHome("out/random"));
    QCOMPARE(page->BaseFileName, inHome("out/random"));
    QCOMPARE(page->EditFileName->text(), inHome("out/random05"));
    fake->nextFile.clear();  // cancelled: nothing changes
    QTest::mouseClick(page->spSelectFile, Qt::LeftButton);
    QCOMPARE(page->EditFileName->text(), inHome("out/random05"));
    // Missing folders are made by the run.
    start();
    QCOMPARE(QFileInfo(inHome("out/random05")).size(), 100);
    QCOMPARE(page->EditFileName->text(), inHome("out/random06"));
    // The counter stops at 3000000.
    page->RxSpinAutoFilename->setValue(3000000);
    start();
    QCOMPARE(page->RxSpinAutoFilename->value(), 3000000);
    QCOMPARE(page->EditFileName->text(), inHome("out/random3000000"));
  }

  // The Size box takes K, M and G as quenvar-cli file --size does; a count
  // past the limits is pulled into them, a stray letter is not taken.
  void sizeSuffixes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::newRow("K") << "3k" << 3072;
    QTest::newRow("M") << "10M" << 10485760;
    QTest::newRow("G") << "1G" << 1073741824;
    QTest::newRow("past the limit") << "2G" << 2147483647;
    QTest::newRow("zero") << "0K" << 1;
    QTest::newRow("stray letters") << "12X" << 12;
  }
  void sizeSuffixes() {
    QFETCH(QString, typed);
    QFETCH(int, count);
    page->Rx3SpinCount->editor()->selectAll();
    QTest::keyClicks(page->Rx3SpinCount->editor(), typed);
    page->Rx3SpinCount->interpretText();
    emit page->Rx3SpinCount->editingFinished();
    QCOMPARE(page->inputs().Count, count);
  }

  void appendTwiceDoublesTheFile() {
    QTest::mouseClick(page->ChAutoFileName, Qt::LeftButton);
    QTest::mouseClick(page->raAppend, Qt::LeftButton);
    QVERIFY(page->inputs().Append);
    manualSeed(77);
    SetSpin(page->Rx3SpinCount, 1000);
    start();
    const QByteArray once = Contents(inHome("byteFile.dat"));
    start();
    QCOMPARE(Contents(inHome("byteFile.dat")), once + once);  // same seed: the same bytes again
    QTest::mouseClick(page->raOverwrite, Qt::LeftButton);
    start();
    QCOMPARE(Contents(inHome("byteFile.dat")), once);
  }

  // Every byte in every radix reads as the plain formatting gives it;
  // switching draws nothing again.
  void radixSwitchShowsTheSameBytes() {
    manualSeed(2024);
    SetSpin(page->Rx3SpinCount, 3000);
    columns(7);
    start();
    const QList<int> bytes = drawnBytes();
    QVERIFY(bytes.contains(255));
    const QByteArray written = Contents(page->view().totalsLabel()->text().section('\'', 1, 1));
    const QPair<QToolButton*, TRadix> buttons[] = {{page->btnHex, RadixHex},
                                                   {page->btnOct, RadixOctal},
                                                   {page->btnBin, RadixBinary},
                                                   {page->btnDec, RadixDecimal}};
    for (const auto& [button, radix] : buttons) {
      QTest::mouseClick(button, Qt::LeftButton);
      QStringList plain;
      for (int v : bytes) plain << PlainText(v, radix);
      QCOMPARE(test::ShownEntries(*page), plain);
    }
    QCOMPARE(drawnBytes(), bytes);
    QCOMPARE(Contents(page->view().totalsLabel()->text().section('\'', 1, 1)), written);  // not written again
    // 255 as FF, 377 and eight ones; the popup's items do the same.
    const int at = int(bytes.indexOf(255));
    auto shownAt = [&] { return page->view().model()->cell(at / 7, at % 7 + 1); };
    page->mH->trigger();
    QCOMPARE(shownAt(), QString("FF"));
    QVERIFY(page->btnHex->isChecked());
    page->mO->trigger();
    QCOMPARE(shownAt(), QString("377"));
    page->mB->trigger();
    QCOMPARE(shownAt(), QString("11111111"));
    page->mD->trigger();
    QCOMPARE(shownAt(), QString("255"));
  }

  void displayOff() {
    QTest::mouseClick(page->btn3Displayed, Qt::LeftButton);
    QVERIFY(!page->btn3Displayed->isChecked());
    QCOMPARE(page->btn3Displayed->toolTip(),
             QString("Don't Display Results In List Box While Create Random File"));
    const QString line =
        "You have disabled displaying in the list box to generate random bytes file quickly !";
    QCOMPARE(test::AccessibleRows(page->view().list()), QStringList{line});
    manualSeed(5);
    SetSpin(page->Rx3SpinCount, 5000);
    start();
    QCOMPARE(QFileInfo(inHome("byteFile01.dat")).size(), 5000);
    QVERIFY(page->view().totalsLabel()->text().startsWith("The random file '" + inHome("byteFile01.dat")));
    QCOMPARE(test::AccessibleRows(page->view().list()), QStringList{line});
    QCOMPARE(page->generated().Bytes().size(), size_t(0));  // written as drawn, not held
    for (QToolButton* b : {page->btnHex, page->btnBin, page->btnOct}) {
      QTest::mouseClick(b, Qt::LeftButton);
      QCOMPARE(test::AccessibleRows(page->view().list()), QStringList{line});
    }
    // Display on again shows the run's bytes; a run with display on writes the same.
    QTest::mouseClick(page->btn3Displayed, Qt::LeftButton);
    QCOMPARE(page->view().model()->rowCount(), 5000 / 3 + 1);
    start();
    QCOMPARE(Contents(inHome("byteFile02.dat")), Contents(inHome("byteFile01.dat")));
    QCOMPARE(page->view().model()->rowCount(), 5000 / 3 + 1);
    // The popup's last item is display on/off, captioned by the button's hint.
    page->actions().PopupRequested(QPoint(5, 5));
    QVERIFY(page->actions().popup()->isVisible());
    QCOMPARE(page->pmEnableDisplay->text(), page->btn3Displayed->toolTip());
    QVERIFY(page->pmEnableDisplay->isChecked());
    page->actions().popup()->hide();
    page->pmEnableDisplay->trigger();
    QVERIFY(!page->btn3Displayed->isChecked());
    QCOMPARE(test::AccessibleRows(page->view().list()), QStringList{line});
  }

  // Display switched on after a run written with display off shows that
  // run's bytes: read from its file while unchanged (System runs too), drawn
  // again from the seed once it changed; a System run whose file changed
  // says why they cannot be shown.
  void displayOnShowsTheRunWrittenWithDisplayOff() {
    auto display = [&] { QTest::mouseClick(page->btn3Displayed, Qt::LeftButton); };
    auto held = [&] {
      const auto bytes = page->generated().Bytes();
      return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    };
    auto append = [](const QString& path, const QByteArray& bytes) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::Append));
      file.write(bytes);
    };
    SetSpin(page->Rx3SpinCount, 3000);
    page->raAppend->click();  // the run's bytes follow what the file held
    for (bool secure : {true, false}) {
      const QString name = inHome(secure ? "byteFile01.dat" : "byteFile02.dat");
      append(name, "before");
      if (secure)
        QTest::mouseClick(page->seedGroup()->secureRadio, Qt::LeftButton);
      else
        manualSeed(31);
      display();  // off
      start();
      const QByteArray run = Contents(name).mid(6);
      QCOMPARE(run.size(), 3000);
      display();  // on: the file as written
      QCOMPARE(page->view().model()->rowCount(), 1000);
      QCOMPARE(held(), run);
      display();  // off, and the run again, its file changed afterwards
      page->RxSpinAutoFilename->setValue(page->RxSpinAutoFilename->value() - 1);
      QFile::remove(name);
      append(name, "before");
      if (!secure) manualSeed(31);
      start();
      if (!secure) QCOMPARE(Contents(name).mid(6), run);
      append(name, "after");
      display();  // on
      if (secure) {
        QCOMPARE(test::AccessibleRows(page->view().list()),
                 QStringList{"The bytes of this run cannot be shown: they came from the system's generator, "
                             "which cannot draw them again, and the file '" +
                             name + "' has changed since the run wrote them."});
        QVERIFY(page->generated().Bytes().empty());
      } else {
        QCOMPARE(held(), run);
        QCOMPARE(page->view().model()->rowCount(), 1000);
      }
    }
  }

  // For the same seed the page writes and shows what quenvar-cli writes and prints.
  void sameBytesAsTheCommandLineTool_data() {
    QTest::addColumn<bool>("display");
    QTest::newRow("display on") << true;
    QTest::newRow("display off") << false;
  }
  void sameBytesAsTheCommandLineTool() {
    QFETCH(bool, display);
    if (!display) QTest::mouseClick(page->btn3Displayed, Qt::LeftButton);
    manualSeed(-987654);
    SetSpin(page->Rx3SpinCount, 200000);
    QTest::mouseClick(page->btnHex, Qt::LeftButton);
    start();
    const QString cliFile = inHome("cli.dat");
    const test::CliRun cli =
        test::RunCli({"file", "--output", cliFile, "--size", "200000", "--seed", "-987654", "--show", "hex"});
    QCOMPARE(cli.exitCode, 0);
    QCOMPARE(Contents(inHome("byteFile01.dat")), Contents(cliFile));
    if (display) {
      QStringList printed = QString::fromLatin1(cli.out).split('\n');
      QCOMPARE(printed.takeLast(), QString());
      QCOMPARE(test::ShownEntries(*page), printed);
    }
    const QString done = QString::fromUtf8(cli.err).trimmed().section('\n', -1);
    QCOMPARE(done, page->view().totalsLabel()->text().replace(inHome("byteFile01.dat"), cliFile));
  }

  // Errors end in the window's message and an idle page, ready to run.
  void errorsEndInAMessageAndAnIdlePage() {
    // A name without a folder (only a hand-edited setting gives one): the
    // message comes before the status panel shows.
    page->BaseFileName = "byteFile.dat";
    page->ChAutoFileNameClick();
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text, QString("EInOutError\nUnable to create directory"));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    verifyIdleWithoutResults();
    QCOMPARE(page->RxSpinAutoFilename->value(), 1);
    // A folder that can't be made: a file stands where it should be.
    QFile blocker(inHome("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    page->BaseFileName = inHome("blocker/sub/byteFile.dat");
    page->ChAutoFileNameClick();
    start();
    QCOMPARE(fake->boxes.size(), size_t(2));
    QVERIFY2(fake->boxes[1].text.startsWith("EInOutError\nUnable to create directory"),
             qPrintable(fake->boxes[1].text));
    verifyIdleWithoutResults();
    // A file that can't be written (a folder has its name), display on and off.
    for (bool display : {true, false}) {
      if (page->btn3Displayed->isChecked() != display) QTest::mouseClick(page->btn3Displayed, Qt::LeftButton);
      page->BaseFileName = inHome("taken.dat");
      page->ChAutoFileNameClick();
      QVERIFY(QDir().mkpath(page->EditFileName->text()));
      const size_t before = fake->boxes.size();
      start();
      QCOMPARE(fake->boxes.size(), before + 1);
      QVERIFY2(fake->boxes.back().text.startsWith("EInOutError\n"), qPrintable(fake->boxes.back().text));
      verifyIdleWithoutResults();
      QCOMPARE(page->EditFileName->text(), inHome("taken01.dat"));  // nothing was written under it
    }
    // The next run works.
    page->BaseFileName = inHome("fine.dat");
    page->ChAutoFileNameClick();
    start();
    QCOMPARE(QFileInfo(inHome("fine01.dat")).size(), 100);
    QVERIFY(!page->view().statusPanel()->isHidden());
  }

  // Shown, the bytes in the list are those written, seeded (drawn again as
  // they are painted) or from the system's generator (held): across blocks
  // of the draw and slices drawn again, in the radix chosen.
  void shownBytesAreTheBytesWritten_data() {
    QTest::addColumn<bool>("secure");
    QTest::newRow("seeded") << false;
    QTest::newRow("System") << true;
  }
  void shownBytesAreTheBytesWritten() {
    QFETCH(bool, secure);
    if (secure)
      QTest::mouseClick(page->seedGroup()->secureRadio, Qt::LeftButton);
    else
      manualSeed(4242);
    SetSpin(page->Rx3SpinCount, 200003);
    columns(5);
    QTest::mouseClick(page->btnHex, Qt::LeftButton);
    start();
    const QByteArray written = Contents(inHome("byteFile01.dat"));
    QCOMPARE(written.size(), 200003);
    QStringList expected;
    for (char b : written) expected << PlainText(uint8_t(b), RadixHex);
    QCOMPARE(test::ShownEntries(*page), expected);
  }

  // Cancel while writing, display on or off, leaves the file as it was; the
  // name moves on.
  void cancelWritesNothing_data() {
    QTest::addColumn<bool>("display");
    QTest::newRow("display on") << true;
    QTest::newRow("display off") << false;
  }
  void cancelWritesNothing() {
    QFETCH(bool, display);
    if (!display) QTest::mouseClick(page->btn3Displayed, Qt::LeftButton);
    SetSpin(page->Rx3SpinCount, 40000000);
    columns(20);
    QFile old(inHome("byteFile01.dat"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    // Clicked at a point where messages run, some blocks into the write:
    // the write may take less time than the pump's interval.
    test::CancelWatch seen;
    int writing = 0;
    {
      test::FakePump pump([&](int) {
        const QString now = page->DisplayLabelText();
        if (seen.phases.isEmpty() || seen.phases.back() != now) seen.phases << now;
        if (now != "Write File ..." || seen.cancelled || ++writing < 50) return;
        seen.cancelled = true;
        QTest::mouseClick(page->actions().cancelButton(), Qt::LeftButton);
      });
      start();
    }
    SetMessagePump(&form->pump);
    QVERIFY2(seen.cancelled, qPrintable(seen.phases.join(", ")));
    QCOMPARE(page->view().totalsLabel()->text(), QString("The user cancel the operation!"));
    verifyIdleWithoutResults();
    QCOMPARE(Contents(inHome("byteFile01.dat")), QByteArray("old"));
    QCOMPARE(QDir(home->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"byteFile01.dat"});
    QCOMPARE(page->EditFileName->text(), inHome("byteFile02.dat"));
  }

  void automaticSeedsDiffer() {
    start();
    const int first = page->seedGroup()->autoSpin->value();
    QTest::qWait(20);
    start();
    QVERIFY(page->seedGroup()->autoSpin->value() != first);
    QCOMPARE(page->seedGroup()->lastTaken(), page->seedGroup()->autoSpin->value());
    QVERIFY(Contents(inHome("byteFile01.dat")) != Contents(inHome("byteFile02.dat")));
  }

  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    using test::AccessibleName;
    QCOMPARE(AccessibleName(page->Rx3SpinCount), QString("Size ( Byte )"));
    QCOMPARE(AccessibleName(page->EditFileName), QString("Name"));
    QCOMPARE(AccessibleName(page->spSelectFile), QString("Please select file to save data"));
    QCOMPARE(AccessibleName(page->RxSpinAutoFilename), QString("to filename when generate"));
    QCOMPARE(AccessibleName(page->btnHex), QString("Display As Hex"));
    QCOMPARE(AccessibleName(page->btnOct), QString("Display As Octet"));
    QCOMPARE(AccessibleName(page->btn3Displayed),
             QString("Display Results In List Box While Create Random File"));
    const QStringList unnamed = test::UnnamedControls(page);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    SetSpin(page->Rx3SpinCount, 5);
    columns(2);
    QTest::mouseClick(page->btnHex, Qt::LeftButton);
    start();
    const QList<int> b = drawnBytes();
    auto hex = [](int v) { return PlainText(v, RadixHex); };
    QCOMPARE(test::AccessibleRows(page->view().list()),
             (QStringList{"1\t" + hex(b[0]) + "\t" + hex(b[1]), "2\t" + hex(b[2]) + "\t" + hex(b[3]),
                          "3\t" + hex(b[4])}));
    QTest::mouseClick(page->btnBin, Qt::LeftButton);
    QCOMPARE(test::AccessibleRows(page->view().list()).last(), "3\t" + PlainText(b[4], RadixBinary));
  }
};

QTEST_MAIN(FilePageTest)
#include "test_page_file.moc"
