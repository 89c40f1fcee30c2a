// setup.ini: the real window, offscreen, reads it while it is made and writes
// it when it closes; every test has an application folder of its own.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <csignal>
#include <memory>
#include <optional>
#include <vector>

#include "FakePlatform.h"
#include "PageFixture.h"
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
using test::SetSpin;

namespace {

const char kItemsMessage[] = "In Random Sampling tab, only first 800 items can be saved when exit!";

QStringList Numbered(const QString& prefix, int from, int to) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << prefix + QString::number(i);
  return out;
}

QStringList Lines(const QByteArray& text) {
  return QString::fromUtf8(text).split("\r\n", Qt::SkipEmptyParts);
}

// The values of spin boxes, in the order given.
QList<int> Values(std::initializer_list<const QSpinBox*> boxes) {
  QList<int> out;
  for (const QSpinBox* box : boxes) out << box->value();
  return out;
}

// The sort button that is down: 0 ascending, 1 descending, 2 as drawn.
int SortButtonDown(const ResultPage& page) {
  return page.actions().ascAction()->isChecked() ? 0 : page.actions().dscAction()->isChecked() ? 1 : 2;
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<test::FakePlatform> fake;
  std::unique_ptr<TFormRandom> form;

  QString iniPath() const { return folder->filePath("setup.ini"); }
  void writeIni(const QByteArray& bytes) {
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray readIni() const {
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // A start of the program: the window made (reading setup.ini) and shown.
  void openWindow() {
    form = std::make_unique<TFormRandom>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  // The user closes it: hidden, then setup.ini written.
  void closeWindow() {
    QVERIFY(form->close());
    QVERIFY(form->isHidden());
    form.reset();
  }

  // An installed copy (bin/ beside share/quenvar/) with a home of the test's
  // own, whose configuration folder (returned) keeps the user's files.
  QString installCopy() {
    const QString prefix = folder->filePath("prefix"), home = folder->filePath("home");
    const QString shipped = prefix + "/share/quenvar/";
    if (!QDir().mkpath(prefix + "/bin") || !QDir().mkpath(shipped + "name") || !QDir().mkpath(home))
      return {};
    QFile::copy(QUENVAR_DATA_DIR "/wildcard.ini", shipped + "wildcard.ini");
    for (const char* list : {"male_first_names.txt", "female_first_names.txt", "last_names.txt"})
      QFile::copy(QString(QUENVAR_DATA_DIR "/name/") + list, shipped + "name/" + list);
    qputenv("HOME", home.toUtf8());
    for (const char* name : kXdg) qunsetenv(name);
    SetApplicationFolder(prefix + "/bin");
    QDir().mkpath(home + "/.config/quenvar");
    return home + "/.config/quenvar";
  }
  static constexpr const char* kXdg[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
  std::vector<std::pair<const char*, std::optional<QByteArray>>> environment;

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    SetApplicationFolder(folder->path());
    fake = std::make_unique<test::FakePlatform>();
    environment.clear();
    for (const char* name : {"HOME", kXdg[0], kXdg[1], kXdg[2]})
      environment.emplace_back(name,
                               qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
  }
  void cleanup() {
    form.reset();
    fake.reset();
    for (const auto& [name, value] : environment)
      if (value)
        qputenv(name, *value);
      else
        qunsetenv(name);
    SetApplicationFolder({});
    folder.reset();
  }

  // Without setup.ini nothing is said and nothing is written until the
  // window closes; the first close writes every page's defaults in seven
  // sections in their order, every key in its order, with CR LF line ends.
  void closeWritesEverySectionInOrder() {
    openWindow();
    QVERIFY(!QFile::exists(iniPath()));
    closeWindow();
    const QByteArray expected =
        "[Simply]\r\ncolumn=2\r\ncomma=0\r\nisduplicate=0\r\nlow=1\r\nupper=10000\r\n"
        "countto=100\r\nsortby=2\r\nSeedChoice=0\r\n"
        "[Character]\r\ncolumn2=2\r\ncommaskCount=0\r\nIsrepeat=0\r\nsortby=2\r\nSeedChoice=0\r\n"
        "[File]\r\ncolumn=2\r\nFilename=" +
        FilePage::DefaultFileName().toUtf8() +
        "\r\nIsAuto=1\r\nIncream=1\r\nIsDisplayed=1\r\nSeedChoice=0\r\n"
        "[Sampling]\r\ncolumn=2\r\nSeedChoice=0\r\n"
        "[Name]\r\ncolumn=2\r\nSeedChoice=0\r\n"
        "[Sampling Items]\r\nIsSave=1\r\nTotal=0\r\n"
        "[Lotty]\r\nMainLow=1\r\nMainUpper=53\r\nMainPick=5\r\nChildLow=1\r\n"
        "ChildUpper=42\r\nChildPick=1\r\nTotal=20\r\nDupLines=0\r\nDupRows=0\r\n"
        "Lotto=1\r\nRemainPick=0\r\nNoLotto=0\r\nSeedChoice=0\r\n"
        "[Clipboard]\r\nClearSecretsAfter=30\r\n";
    const QByteArray ini = readIni();
    QCOMPARE(ini.left(ini.indexOf("[Window]")), expected);
    const QRegularExpression window(
        "\\[Window\\]\r\nleft=-?\\d+\r\ntop=-?\\d+\r\nwidth=932\r\nheight=666\r\n"
        "maximized=0\r\n$");
    QVERIFY2(window.match(QString::fromLatin1(ini)).hasMatch(), ini.constData());
    QVERIFY(fake->boxes.empty());
  }

  // What the user set on every page is there at the next start, and the
  // pages' records and displays follow it: in a copy that keeps its files
  // beside the executable, and in an installed one (bin/ beside
  // share/quenvar/) that keeps them in the user's configuration folder.
  void everyPageComesBack_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("beside the executable") << false;
    QTest::newRow("installed copy") << true;
  }
  void everyPageComesBack() {
    QFETCH(bool, installed);
    const QString settingsAt = installed ? installCopy() + "/setup.ini" : iniPath();
    openWindow();
    NumberPage* number = form->TabSheet1;
    test::ChooseColumns(*number, 5);
    QTest::mouseClick(number->actions().commaButton(), Qt::LeftButton);
    QTest::mouseClick(number->ChDuplicate, Qt::LeftButton);
    SetSpin(number->RxSpinLow, -50);
    SetSpin(number->RxSpinUpper, 70000);
    SetSpin(number->RxSpinCount, 12);
    QTest::mouseClick(number->actions().dscButton(), Qt::LeftButton);

    StringPage* string = form->TabSheet2;
    test::ChooseColumns(*string, 7);
    for (const char* mask : {"?##", "AA"}) {
      string->comMask->setEditText(mask);
      string->comMaskExit();
      string->AddMaskHistory();
    }
    QTest::mouseClick(string->Ch2Duplicate, Qt::LeftButton);
    QTest::mouseClick(string->actions().ascButton(), Qt::LeftButton);

    FilePage* file = form->TabSheet3;
    test::ChooseColumns(*file, 1);
    fake->nextFile = folder->filePath("bytes.bin");
    QTest::mouseClick(file->spSelectFile, Qt::LeftButton);
    file->RxSpinAutoFilename->setValue(9);
    QTest::mouseClick(file->ChAutoFileName, Qt::LeftButton);
    QTest::mouseClick(file->btn3Displayed, Qt::LeftButton);

    SamplingPage* sampling = form->TabSheet22;
    test::ChooseColumns(*sampling, 10);
    for (const char* item : {"alpha", "beta", "gamma delta"}) {
      fake->nextInput = item;
      QTest::mouseClick(sampling->SpeedButton17, Qt::LeftButton);
    }
    test::ChooseColumns(*form->TabSheet44, 20);

    LotteryPage* lottery = form->TabSheet55;
    const std::pair<TSpinEdit*, int> spins[] = {
        {lottery->RxSpinMainLower, 3},  {lottery->RxSpinMainUpper, 60},  {lottery->RxSpinMainPick, 6},
        {lottery->RxSpinBonusLower, 2}, {lottery->RxSpinBonusUpper, 30}, {lottery->RxSpinBonusPick, 2},
        {lottery->RxSpinEditTotal, 7}};
    for (const auto& [spin, value] : spins) SetSpin(spin, value);
    QTest::mouseClick(lottery->ChDupLines, Qt::LeftButton);
    QTest::mouseClick(lottery->ChDupRows, Qt::LeftButton);
    QTest::mouseClick(lottery->ChExclude, Qt::LeftButton);
    QTest::mouseClick(lottery->RadioNoBonus, Qt::LeftButton);
    closeWindow();
    QVERIFY(fake->boxes.empty());
    QVERIFY(QFile::exists(settingsAt));
    if (installed) QVERIFY(!QFile::exists(folder->filePath("prefix/bin/setup.ini")));

    openWindow();
    number = form->TabSheet1;
    QCOMPARE(number->actions().columnsBox()->currentIndex(), 4);
    QCOMPARE(number->view().header()->count(), 6);
    QVERIFY(number->actions().commaAction()->isChecked());
    QVERIFY(number->comma());
    QVERIFY(number->ChDuplicate->isChecked());
    QVERIFY(number->inputs().Duplicate);
    QCOMPARE(Values({number->RxSpinLow, number->RxSpinUpper, number->RxSpinCount}),
             (QList<int>{-50, 70000, 12}));
    QCOMPARE((QList<int>{number->inputs().Lower, number->inputs().Upper, int(number->inputs().Count)}),
             (QList<int>{-50, 70000, 12}));
    QCOMPARE(SortButtonDown(*number), 1);
    QCOMPARE(number->sortOrder(), SortDescending);

    string = form->TabSheet2;
    QCOMPARE(string->actions().columnsBox()->currentIndex(), 6);
    QCOMPARE(string->view().header()->count(), 8);
    QCOMPARE(string->maskHistory(), (QStringList{"AA", "?##"}));
    QCOMPARE(string->comMask->currentText(), QString("AA"));
    QCOMPARE(string->inputs().Mask, std::string("AA"));
    QVERIFY(string->Ch2Duplicate->isChecked());
    QVERIFY(string->inputs().Duplicate);
    QCOMPARE(string->sortOrder(), SortAscending);

    file = form->TabSheet3;
    QCOMPARE(file->actions().columnsBox()->currentIndex(), 0);
    QCOMPARE(file->BaseFileName, folder->filePath("bytes.bin"));
    QVERIFY(!file->ChAutoFileName->isChecked());
    QCOMPARE(file->RxSpinAutoFilename->value(), 9);
    QVERIFY(!file->RxSpinAutoFilename->isEnabled());
    QCOMPARE(file->EditFileName->text(), folder->filePath("bytes.bin"));
    QCOMPARE(file->inputs().FileName, folder->filePath("bytes.bin").toStdString());
    QVERIFY(!file->btn3Displayed->isChecked());
    QCOMPARE(file->view().list()->model(), file->disabledLine);

    sampling = form->TabSheet22;
    QCOMPARE(sampling->actions().columnsBox()->currentIndex(), 9);
    QCOMPARE(sampling->items->texts(), (QStringList{"alpha", "beta", "gamma delta"}));
    QCOMPARE(form->TabSheet44->actions().columnsBox()->currentIndex(), 19);
    QCOMPARE(form->TabSheet44->view().header()->count(), 21);

    lottery = form->TabSheet55;
    QCOMPARE(Values({lottery->RxSpinMainLower, lottery->RxSpinMainUpper, lottery->RxSpinMainPick,
                     lottery->RxSpinBonusLower, lottery->RxSpinBonusUpper, lottery->RxSpinBonusPick,
                     lottery->RxSpinEditTotal}),
             (QList<int>{3, 60, 6, 2, 30, 2, 7}));
    QVERIFY(lottery->ChDupLines->isChecked() && lottery->ChDupRows->isChecked());
    QVERIFY(lottery->ChExclude->isChecked());
    QVERIFY(lottery->RadioNoBonus->isChecked());
    QVERIFY(!lottery->RadioLotto->isChecked());
    QVERIFY(!lottery->RxSpinBonusPick->isEnabled());
    QVERIFY(fake->boxes.empty());
  }

  // Each page's seed choice is there at the next start.
  void seedChoicesComeBack() {
    openWindow();
    const std::array<SeedGroup::Choice, 6> chosen{SeedGroup::System,    SeedGroup::Manual, SeedGroup::System,
                                                  SeedGroup::Automatic, SeedGroup::Manual, SeedGroup::System};
    for (size_t k = 0; k < 6; ++k) form->Pages[k]->seedGroup()->setChoice(chosen[k]);
    closeWindow();
    openWindow();
    for (size_t k = 0; k < 6; ++k) QCOMPARE(form->Pages[k]->seedGroup()->choice(), chosen[k]);
    QCOMPARE(form->Pages[0]->seedGroup()->secureRadio->isChecked(), true);
  }

  // At most 800 items are kept, with a word to the user. A shorter list
  // later leaves the higher item keys in the file, unread; with saving off
  // only the switch is written and the list starts empty.
  void itemListKeepsAtMost800() {
    QFile list(folder->filePath("items.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(Numbered("item ", 1, 1000).join("\r\n").toUtf8());
    list.close();
    openWindow();
    form->TabSheet22->loadItems(list.fileName());
    QCOMPARE(form->TabSheet22->items->count(), 1000);
    closeWindow();
    QCOMPARE(fake->texts(), QStringList{kItemsMessage});
    QCOMPARE(fake->boxes[0].icon, Icon::Information);
    QStringList lines = Lines(readIni());
    QVERIFY(lines.contains("Total=800"));
    QVERIFY(lines.contains("item799=item 800"));
    QVERIFY(!lines.contains("item800=item 801"));

    fake->boxes.clear();
    openWindow();
    SamplingPage* sampling = form->TabSheet22;
    QCOMPARE(sampling->items->texts(), Numbered("item ", 1, 800));
    QCOMPARE(sampling->items->checkedCount(), 0);
    QVERIFY(fake->boxes.empty());

    sampling->items->clear();
    sampling->items->append("kept");
    closeWindow();
    QVERIFY(fake->boxes.empty());
    lines = Lines(readIni());
    QVERIFY(lines.contains("Total=1"));
    QVERIFY(lines.contains("item0=kept"));
    QVERIFY(lines.contains("item799=item 800"));  // an earlier run's key stays

    openWindow();
    QCOMPARE(form->TabSheet22->items->texts(), QStringList{"kept"});
    QTest::mouseClick(form->TabSheet22->ChSaveItem, Qt::LeftButton);
    form->TabSheet22->items->append("not kept");
    closeWindow();
    lines = Lines(readIni());
    QVERIFY(lines.contains("IsSave=0"));
    QVERIFY(lines.contains("Total=1"));
    QVERIFY(!lines.contains("item1=not kept"));

    openWindow();
    QVERIFY(!form->TabSheet22->ChSaveItem->isChecked());
    QCOMPARE(form->TabSheet22->items->count(), 0);
  }

  // Every stored history entry is read, a missing one as an empty entry,
  // and the first is chosen.
  void maskHistoryWithAMissingEntry() {
    writeIni("[Character]\r\ncommaskCount=3\r\ncommask0=a?\r\ncommask2=b#\r\ncommask3=unread\r\n");
    openWindow();
    const StringPage* string = form->TabSheet2;
    QCOMPARE(string->maskHistory(), (QStringList{"a?", "", "b#"}));
    QCOMPARE(string->comMask->currentIndex(), 0);
    QCOMPARE(string->inputs().Mask, std::string("a?"));
    closeWindow();
    // Unchanged, the list is not written again; the earlier run's key stays.
    QVERIFY(readIni().startsWith(
        "[Character]\r\ncommaskCount=3\r\ncommask0=a?\r\ncommask2=b#\r\ncommask3=unread\r\n"));
  }

  void sortOrderRead_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("down");
    QTest::newRow("0: ascending") << QByteArray("0") << 0;
    QTest::newRow("1: descending") << QByteArray("1") << 1;
    QTest::newRow("2: as drawn") << QByteArray("2") << 2;
    QTest::newRow("7 changes nothing") << QByteArray("7") << 2;
  }
  void sortOrderRead() {
    QFETCH(QByteArray, value);
    QFETCH(int, down);
    writeIni("[Simply]\r\nsortby=" + value + "\r\n[Character]\r\nsortby=" + value + "\r\n");
    openWindow();
    for (const ResultPage* page : {static_cast<ResultPage*>(form->TabSheet1), form->page(Tab::String)}) {
      QCOMPARE(SortButtonDown(*page), down);
      QCOMPARE(int(page->sortOrder()), down);
    }
  }

  // Integers in decimal or "0x" hexadecimal, Booleans as any non-zero
  // integer, anything else the default; spin values held to their boxes'
  // ranges; a column index or seed choice outside its range gives the
  // default. A count far beyond what the file holds reads as many entries
  // as it could hold, at once; texts are read up to 2047 bytes, never
  // ending in part of a character.
  void valuesAsRead() {
    const QString item = "/" + QString(2043, 'n') + QString::fromUtf8("\u00e9\u00e9");  // 2048 bytes
    writeIni(
        "[SIMPLY]\r\nLow=0x10\r\nupper = 0x7FFFFFFF\r\ncountto=0\r\nisduplicate=-3\r\ncomma=yes\r\n"
        "column=25\r\nSeedChoice=7\r\n"
        "[Character]\r\ncolumn2=0x13\r\nIsrepeat=0x0\r\ncommaskCount=2000000000\r\ncommask0=" +
        QByteArray(3000, '?') +
        "\r\n[File]\r\ncolumn=-1\r\nFilename=\r\nIsAuto=0\r\nIncream=12\r\n"
        "[Sampling]\r\ncolumn=3.5\r\n"
        "[Sampling Items]\r\nTotal=2147483647\r\nitem0=" +
        item.toUtf8() +
        "\r\n[Lotty]\r\nMainPick=301\r\nTotal=-5\r\nLotto=0\r\nNoLotto=0\r\n"
        "[Clipboard]\r\nClearSecretsAfter=5\r\n");
    openWindow();
    auto restore = qScopeGuard([] { ResultView::SecretClearMs = 30000; });
    QCOMPARE(ResultView::SecretClearMs, 5000);
    QCOMPARE(form->Pages[0]->seedGroup()->choice(), SeedGroup::Automatic);
    QVERIFY(form->TabSheet2->comMask->count() < 1000);
    QCOMPARE(form->TabSheet2->comMask->itemText(0), QString(2047, '?'));
    QCOMPARE(form->TabSheet22->items->texts(), QStringList{item.left(2045)});
    const NumberPage* number = form->TabSheet1;
    QCOMPARE(number->RxSpinLow->value(), 16);
    QCOMPARE(number->RxSpinUpper->value(), 2147483647);
    QCOMPARE(number->RxSpinCount->value(), 1);
    QVERIFY(number->ChDuplicate->isChecked());
    QVERIFY(!number->actions().commaAction()->isChecked());
    QCOMPARE(number->actions().columnsBox()->currentIndex(), 2);
    QCOMPARE(form->TabSheet2->actions().columnsBox()->currentIndex(), 19);
    QVERIFY(!form->TabSheet2->Ch2Duplicate->isChecked());
    const FilePage* file = form->TabSheet3;
    QCOMPARE(file->actions().columnsBox()->currentIndex(), 2);
    QCOMPARE(file->BaseFileName, FilePage::DefaultFileName());  // an empty name is no name
    QCOMPARE(file->EditFileName->text(), FilePage::DefaultFileName());
    QCOMPARE(file->RxSpinAutoFilename->value(), 12);
    QCOMPARE(form->TabSheet22->actions().columnsBox()->currentIndex(), 2);
    const LotteryPage* lottery = form->TabSheet55;
    QCOMPARE(lottery->RxSpinMainPick->value(), 300);
    QCOMPARE(lottery->RxSpinEditTotal->value(), 1);
    QVERIFY(lottery->RadioNoBonus->isChecked());  // neither chosen: no bonus, as a run would draw
    QVERIFY(!lottery->RxSpinBonusPick->isEnabled());
    QVERIFY(fake->boxes.empty());
  }

  // The window opens where and as large as it was, but never larger than
  // the screen's free area nor off it.
  void windowPlaceComesBackOnTheScreen_data() {
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QRect>("expected");  // on an 800x600 area at (0, 0), no frame
    QTest::newRow("as it was") << QByteArray("left=10\r\ntop=20\r\nwidth=700\r\nheight=500")
                               << QRect(10, 20, 700, 500);
    QTest::newRow("off the screen") << QByteArray("left=5000\r\ntop=-300\r\nwidth=300\r\nheight=200")
                                    << QRect(500, 0, 300, 200);
    QTest::newRow("larger than it") << QByteArray("left=0\r\ntop=0\r\nwidth=3000\r\nheight=2000")
                                    << QRect(0, 0, 800, 600);
    QTest::newRow("first start: centred") << QByteArray() << QRect(0, 0, 800, 600);
  }
  void windowPlaceComesBackOnTheScreen() {
    QFETCH(QByteArray, kept);
    QFETCH(QRect, expected);
    writeIni("[Window]\r\n" + kept + "\r\n");
    openWindow();
    const QRect area(0, 0, 800, 600);
    QCOMPARE(TFormRandom::FitToScreen(form->saved(), area, QSize(0, 0)), expected);
    // On a larger screen the first start is centred at the opening size.
    if (kept.isEmpty())
      QCOMPARE(TFormRandom::FitToScreen(form->saved(), QRect(0, 0, 1000, 800), QSize(0, 0)),
               QRect(34, 67, 932, 666));
  }

  // Only the program's keys change: a comment, other keys and sections,
  // blank lines, the file's own line breaks and spelling stay byte for byte.
  void otherLinesSurviveAWrite() {
    const QByteArray before =
        "; my notes\r\n[simply]\r\nLOW=0x10\r\nmine = my value\r\n\r\n"
        "[Elsewhere]\r\nkey=1\r\n";
    writeIni(before);
    openWindow();
    closeWindow();
    const QByteArray after = readIni();
    QVERIFY2(
        after.startsWith("; my notes\r\n[simply]\r\nLOW=0x10\r\nmine = my value\r\ncolumn=2\r\ncomma=0\r\n"
                         "isduplicate=0\r\nupper=10000\r\ncountto=100\r\nsortby=2\r\nSeedChoice=0\r\n\r\n"
                         "[Elsewhere]\r\nkey=1\r\n[Character]\r\n"),
        after.constData());
    QVERIFY(
        after.contains("NoLotto=0\r\nSeedChoice=0\r\n[Clipboard]\r\nClearSecretsAfter=30\r\n[Window]\r\n"));
    QVERIFY(after.endsWith("maximized=0\r\n"));
    // Written again unchanged, the file is the same.
    openWindow();
    closeWindow();
    QCOMPARE(readIni(), after);
  }

  // A start and close with nothing done changes no line that is there (only
  // missing keys are added): not a text that is not UTF-8 (read as Latin-1),
  // nor one in quotes or blanks, nor a value the window took otherwise
  // (hexadecimal, out of range, no number), nor a list with a gap.
  void untouchedLinesStay() {
    const QByteArray before =
        "[Simply]\r\nlow = 0x10\r\ncomma=yes\r\nsortby=7\r\ncolumn=25\r\nupper=99999999999\r\n"
        "[Character]\r\ncommaskCount=2\r\ncommask0=\"##\"\r\ncommask1=  spaced  \r\n"
        "[File]\r\nFilename=caf\xe9.dat\r\n"
        "[Sampling Items]\r\nTotal=4\r\nitem0=Jos\xe9\r\nitem1=\r\nitem2=\"Smith, John\"\r\n"
        "[Lotty]\r\nMainPick=301\r\n";
    writeIni(before);
    openWindow();
    QCOMPARE(form->TabSheet3->BaseFileName, QString::fromUtf8("caf\u00e9.dat"));
    QCOMPARE(form->TabSheet22->items->texts(), (QStringList{QString::fromUtf8("Jos\u00e9"), "Smith, John"}));
    QCOMPARE(form->TabSheet2->maskHistory(), (QStringList{"##", "spaced"}));
    closeWindow();
    // Every line of before is in the file, unchanged and in its order.
    const QList<QByteArray> lines = readIni().split('\n');
    qsizetype at = 0;
    for (const QByteArray& line : before.split('\n')) {
      while (at < lines.size() && lines[at] != line) ++at;
      QVERIFY2(at++ < lines.size(), line.constData());
    }
  }

  // Texts the user gave with quotes or blanks around them, or with
  // characters beyond ASCII, come back as they were at every start.
  void quotedAndBlankTextsComeBack() {
    const QStringList items{"\"Smith, John\"", "  padded  ", QString::fromUtf8("Jos\u00e9"), "'single'"};
    openWindow();
    for (const QString& item : items) {
      fake->nextInput = item;
      QTest::mouseClick(form->TabSheet22->SpeedButton17, Qt::LeftButton);
    }
    StringPage* string = form->TabSheet2;
    string->comMask->setEditText("\"##\"");
    string->comMaskExit();
    string->AddMaskHistory();
    form->TabSheet3->BaseFileName = "\"quoted.dat\"";
    closeWindow();
    const QByteArray written = readIni();
    for (int start = 0; start < 2; ++start) {
      openWindow();
      QCOMPARE(form->TabSheet22->items->texts(), items);
      QCOMPARE(form->TabSheet2->maskHistory(), QStringList{"\"##\""});
      QCOMPARE(form->TabSheet3->BaseFileName, QString("\"quoted.dat\""));
      closeWindow();
      QCOMPARE(readIni(), written);
    }
  }

  // Whatever stands at wildcard.ini or setup.ini that cannot be read (a
  // folder, a loop of links, a FIFO, another owner's file), the window
  // starts at once: wildcard.ini's trouble is said, with an empty list that
  // is never saved; setup.ini's gives the defaults, silently, and is not
  // written at close. Neither is replaced.
  void unreadableFilesAtStart_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"folder", "link loop", "FIFO", "no access"})
      QTest::addRow("wildcard.ini: %s", kind) << QString("wildcard.ini") << QString(kind);
    for (const char* kind : {"FIFO", "no access"})  // a folder: unwritableFileAtClose
      QTest::addRow("setup.ini: %s", kind) << QString("setup.ini") << QString(kind);
  }
  void unreadableFilesAtStart() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    // Root reads any file: the mode-000 case needs an ordinary user.
    if (kind == "no access" && geteuid() == 0) QSKIP("root can read every file");
    const QString path = installCopy() + "/" + file;
    const QByteArray local = QFile::encodeName(path);
    if (kind == "folder") QVERIFY(QDir().mkdir(path));
    if (kind == "link loop") QVERIFY(QFile::link(path, path));
    if (kind == "FIFO") QCOMPARE(mkfifo(local.constData(), 0600), 0);
    if (kind == "no access") {
      QFile made(path);
      QVERIFY(made.open(QIODevice::WriteOnly) && made.write("[Special Char]\r\nTotal=0\r\n") > 0);
      made.close();
      QCOMPARE(chmod(local.constData(), 0), 0);
    }
    const auto stat = [&] {
      struct stat st {};
      lstat(local.constData(), &st);
      return std::pair(st.st_mode, st.st_size);
    };
    const auto before = stat();
    openWindow();
    StringPage* string = form->TabSheet2;
    const QString unable = "EInOutError\nUnable to write to " + path;
    if (file == "wildcard.ini") {
      QCOMPARE(fake->texts().size(), 1);
      QVERIFY2(fake->texts()[0].startsWith("EInOutError\nCannot open file \"" + path + "\". "),
               qPrintable(fake->texts()[0]));
      QCOMPARE(string->WildcardList.Items.size(), size_t(0));
      QTest::mouseClick(string->BtnAdd, Qt::LeftButton);
      string->comName->setCurrentText("~");
      QTest::mouseClick(string->ChNumber, Qt::LeftButton);
      QTest::mouseClick(string->btnSave, Qt::LeftButton);
      QCOMPARE(fake->texts().last(), unable);
      fake->boxes.clear();
    } else {
      QVERIFY(fake->boxes.empty());
      QVERIFY(!string->WildcardList.Items.empty());
      QCOMPARE(form->TabSheet1->RxSpinUpper->value(), 10000);
    }
    closeWindow();
    QCOMPARE(fake->texts(), file == "setup.ini" ? QStringList{unable} : QStringList{});
    QVERIFY(stat() == before);
  }

  // Where the user's copy of wildcard.ini cannot be made (a file stands
  // where the configuration folder would be), the shipped wildcards are
  // shown, and an edit is refused with the message: the shipped file is
  // never written.
  void wildcardEditsNeverGoToTheShippedFile() {
    const QString config = installCopy();
    QVERIFY(QDir(config).removeRecursively());
    QFile inTheWay(config);
    QVERIFY(inTheWay.open(QIODevice::WriteOnly) && inTheWay.write("not a folder") > 0);
    inTheWay.close();
    QFile shipped(folder->filePath("prefix/share/quenvar/wildcard.ini"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray before = shipped.readAll();
    shipped.close();
    openWindow();
    QVERIFY(fake->boxes.empty());
    StringPage* string = form->TabSheet2;
    QCOMPARE(string->WildcardList.Items.size(), size_t(3));
    QTest::mouseClick(string->BtnAdd, Qt::LeftButton);
    string->comName->setCurrentText("~");
    QTest::mouseClick(string->ChNumber, Qt::LeftButton);
    QTest::mouseClick(string->btnSave, Qt::LeftButton);
    QCOMPARE(fake->texts(), QStringList{"EInOutError\nUnable to write to " + config + "/wildcard.ini"});
    QCOMPARE(string->WildcardList.Items.size(), size_t(3));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), before);
  }

  // setup.ini cannot be written (here a folder stands in its place): the
  // window starts with the defaults, and at close shows the message and
  // still closes, which ends the program's event loop.
  void unwritableFileAtClose() {
    QVERIFY(QDir(folder->path()).mkdir("setup.ini"));
    openWindow();
    QVERIFY(fake->boxes.empty());
    QCOMPARE(form->TabSheet1->RxSpinUpper->value(), 10000);
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    QTimer hang;  // fires only when the loop never ends
    connect(&hang, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    hang.start(20000);
    const int exitCode = QCoreApplication::exec();
    hang.stop();
    QCOMPARE(exitCode, 0);
    QVERIFY(form->isHidden());
    QCOMPARE(fake->texts(), QStringList{"EInOutError\nUnable to write to " + iniPath()});
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(QFileInfo(iniPath()).isDir());
  }

  // A write that fails part way (here the file size limit) leaves the old
  // file as it was and no other file beside it.
  void failedWriteKeepsTheOldFile() {
    const QByteArray before = "[Simply]\r\nlow=5\r\n; the rest is the program's\r\n";
    writeIni(before);
    openWindow();
    SetSpin(form->TabSheet1->RxSpinLow, 6);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tight{64, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool closed = form->close();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(closed);
    QCOMPARE(fake->texts(), QStringList{"EInOutError\nUnable to write to " + iniPath()});
    QCOMPARE(readIni(), before);
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"setup.ini"});
  }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
