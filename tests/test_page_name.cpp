// The Random Name page in the real window, offscreen, with name lists of the
// test's own; message boxes and the shell are answered by the fake platform.
#include <QtTest>
#include <filesystem>

#include "FakePlatform.h"
#include "PageFixture.h"
#include "core/RandomSource.h"
#include "ui/Folders.h"
#include "ui/NamePage.h"
#include "ui/UnitMain.h"

using namespace quenvar;
using namespace quenvar::ui;
using quenvar::test::SetSpin;

class NamePageTest : public QObject, public test::PageFixture<NamePage> {
  Q_OBJECT

 private:
  QString inFolder(const QString& name) const {
    return QString::fromStdString(folder->file(name.toStdString()));
  }
  QString names() const { return inFolder("name/"); }
  void writeList(const QString& name, const QByteArray& lines) {
    QDir().mkpath(names());
    QFile file(names() + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines);
  }
  static QByteArray ReadAll(const QString& path) {
    return QByteArray::fromStdString(test::ReadFile(path.toStdString()));
  }
  QStringList drawn() const { return test::Texts(page->generated().Names); }
  void columns(int c) { test::ChooseColumns(*page, c); }

 private slots:
  void init() {
    // Three first names in all, two last names: six full names. CR LF, LF
    // and a blank line, as edited lists have.
    openWindow(&TFormRandom::TabSheet44, [](const test::TempFolder& f) {
      std::filesystem::create_directories(f.path / "name");
      f.write("name/male_first_names.txt", "Carl\r\nDave\r\n");
      f.write("name/female_first_names.txt", "Anna\n\n");
      f.write("name/last_names.txt", "Smith\nJones");
    });
  }
  void cleanup() { closeWindow(); }

  void layoutAndDefaults() {
    QCOMPARE(page->actions().startButton()->text(), QString("Create Random Names"));
    QVERIFY(page->chmale->isChecked() && page->chFemale->isChecked());
    QCOMPARE(page->inputs().Gender, GenderBoth);
    QCOMPARE(page->RxSpinEdit44->value(), 100);
    QCOMPARE(page->RxSpinEdit44->minimum(), 1);
    QVERIFY(!page->CheckBox44->isChecked());
    QVERIFY(page->seedGroup()->autoRadio->isChecked());
    QCOMPARE(page->view().header()->count(), 4);  // three columns without settings
    // Behind another tab when the window opened, sized when first shown.
    QCOMPARE(page->view().header()->sectionSize(1), (page->view().header()->width() - 80) / 3);
    QVERIFY(QString::fromStdString(page->inputs().MaleFile).endsWith("/name/male_first_names.txt"));
    // The manual seed proposed at start is seed div 13559 + seed.
    QVERIFY(test::ProposedFromClock(page->seedGroup()->manualSpin->value(), 13559));
  }

  void atLeastOneFirstNameList() {
    QTest::mouseClick(page->chmale, Qt::LeftButton);
    QTest::mouseClick(page->chFemale, Qt::LeftButton);
    QCOMPARE(page->inputs().Gender, GenderNone);
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text, QString("You must check at least one of the Female and Male box!"));
    QCOMPARE(fake->boxes[0].icon, Icon::Warning);
    QVERIFY(page->view().statusPanel()->isHidden());  // the run never started
    // Female only: no male name ever appears.
    QTest::mouseClick(page->chFemale, Qt::LeftButton);
    QCOMPARE(page->inputs().Gender, GenderFemale);
    QTest::mouseClick(page->CheckBox44, Qt::LeftButton);
    SetSpin(page->RxSpinEdit44, 50);
    start();
    QCOMPARE(drawn().size(), 50);
    for (const QString& name : drawn()) QVERIFY2(name.startsWith("Anna "), qPrintable(name));
  }

  void totalsText() {
    manualSeed(99);
    SetSpin(page->RxSpinEdit44, 4);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 6      Generated total: 4"));
    // Repeats allowed: only the generated total, six blanks first.
    QTest::mouseClick(page->CheckBox44, Qt::LeftButton);
    SetSpin(page->RxSpinEdit44, 40);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("      Generated total: 40"));
    QCOMPARE(drawn().size(), 40);
    QCOMPARE(page->DisplayLabelText(), QString("Done"));
  }

  // More names asked than the lists make: their product, every name once.
  void moreNamesThanTheListsGive() {
    SetSpin(page->RxSpinEdit44, 1000);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 6      Generated total: 6"));
    QStringList names = drawn();
    names.sort();
    QCOMPARE(names, (QStringList{"Anna Jones", "Anna Smith", "Carl Jones", "Carl Smith", "Dave Jones",
                                 "Dave Smith"}));
    QVERIFY(fake->boxes.empty());
  }

  void columnsAndSortingRedrawTheSameNames() {
    manualSeed(5);
    SetSpin(page->RxSpinEdit44, 5);
    columns(3);
    start();
    QCOMPARE(page->view().model()->rowCount(), 2);
    const QStringList asDrawn = test::ShownEntries(*page);
    QCOMPARE(asDrawn, drawn());
    columns(1);
    QCOMPARE(page->view().header()->count(), 2);
    QCOMPARE(page->view().model()->rowCount(), 5);
    QCOMPARE(test::ShownEntries(*page), asDrawn);
    QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    QStringList sorted = asDrawn;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
      return a.toStdString() < b.toStdString();  // byte order, case-sensitive
    });
    QCOMPARE(test::ShownEntries(*page), sorted);
    QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    std::reverse(sorted.begin(), sorted.end());
    QCOMPARE(test::ShownEntries(*page), sorted);
    page->actions().origAction()->trigger();  // "By Original" in the popup menu
    QCOMPARE(test::ShownEntries(*page), asDrawn);
  }

  void seeds() {
    QTest::mouseClick(page->CheckBox44, Qt::LeftButton);
    SetSpin(page->RxSpinEdit44, 30);
    start();
    const QStringList first = drawn();
    const int firstSeed = page->seedGroup()->autoSpin->value();
    QTest::qWait(20);  // the clock seed counts milliseconds
    start();
    QVERIFY(page->seedGroup()->autoSpin->value() != firstSeed);
    QCOMPARE(page->seedGroup()->lastTaken(), page->seedGroup()->autoSpin->value());
    QVERIFY(drawn() != first);
    manualSeed(424242);
    start();
    const QStringList manual = drawn();
    start();
    QCOMPARE(drawn(), manual);
  }

  void viewOrEditOpensTheLists() {
    QTest::mouseClick(page->MaleView, Qt::LeftButton);
    QTest::mouseClick(page->ViewFemale, Qt::LeftButton);
    QTest::mouseClick(page->SpeedButton3, Qt::LeftButton);
    QCOMPARE(fake->opened.size(), size_t(3));
    QCOMPARE(fake->opened[0], QUrl::fromLocalFile(names() + "male_first_names.txt"));
    QCOMPARE(fake->opened[1], QUrl::fromLocalFile(names() + "female_first_names.txt"));
    QCOMPARE(fake->opened[2], QUrl::fromLocalFile(names() + "last_names.txt"));
    // An edited list is read at the next run.
    writeList("last_names.txt", "Brown\n");
    SetSpin(page->RxSpinEdit44, 10);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 3      Generated total: 3"));
  }

  // An installed copy (bin/ beside share/quenvar/) copies the shipped lists
  // into the user's data folder when the window opens, reads and opens the
  // user's copies, and never puts the shipped ones back over them.
  void installedCopyUsesTheUsersLists() {
    const QString prefix = inFolder("prefix"), home = inFolder("home");
    const QString shipped = prefix + "/share/quenvar/name/", user = home + "/.local/share/quenvar/name/";
    QVERIFY(QDir().mkpath(prefix + "/bin") && QDir().mkpath(shipped) && QDir().mkpath(home));
    for (const char* list : {"male_first_names.txt", "female_first_names.txt", "last_names.txt"})
      QVERIFY(QFile::copy(names() + list, shipped + list));
    const QByteArray oldHome = qgetenv("HOME"), oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.toUtf8());
    qunsetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] {
      qputenv("HOME", oldHome);
      if (!oldData.isEmpty()) qputenv("XDG_DATA_HOME", oldData);
    });
    const auto reopen = [&] {
      form.reset();
      SetApplicationFolder(prefix + "/bin");
      form = std::make_unique<TFormRandom>();
      form->show();
      QVERIFY(QTest::qWaitForWindowExposed(form.get()));
      form->PageControl1->setCurrentWidget(form->TabSheet44);
      page = form->TabSheet44;
    };

    reopen();
    QCOMPARE(QString::fromStdString(page->inputs().LastFile), user + "last_names.txt");
    QCOMPARE(ReadAll(user + "last_names.txt"), ReadAll(shipped + "last_names.txt"));
    QCOMPARE(NameListFile(paths::NameList::Male), user + "male_first_names.txt");
    QTest::mouseClick(page->SpeedButton3, Qt::LeftButton);
    QCOMPARE(fake->opened.back(), QUrl::fromLocalFile(user + "last_names.txt"));

    // The user's edit is drawn from, and survives the next start.
    QFile edited(user + "last_names.txt");
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("Brown\n");
    edited.close();
    reopen();
    SetSpin(page->RxSpinEdit44, 3);
    start();
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 3      Generated total: 3"));
    for (const QString& name : drawn()) QVERIFY2(name.endsWith(" Brown"), qPrintable(name));
    QCOMPARE(ReadAll(user + "last_names.txt"), QByteArray("Brown\n"));
  }

  // A list that can't be read: the window's error message, then an idle
  // page showing nothing, which runs again once the list is back.
  void missingListEndsInAMessageAndAnIdlePage() {
    SetSpin(page->RxSpinEdit44, 3);
    start();
    QVERIFY(!page->view().statusPanel()->isHidden());
    QVERIFY(QFile::remove(names() + "last_names.txt"));
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY2(fake->boxes[0].text.startsWith("EInOutError\n"), qPrintable(fake->boxes[0].text));
    QVERIFY(fake->boxes[0].text.contains("last_names.txt"));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(test::IdleWithoutResults(*page));
    writeList("last_names.txt", "Smith\n");
    start();
    QCOMPARE(page->view().model()->rowCount(), 1);
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 3      Generated total: 3"));
  }

  void busyStateAndCancel() {
    QTest::mouseClick(page->CheckBox44, Qt::LeftButton);
    SetSpin(page->RxSpinEdit44, 20000000);
    bool sawBusy = false;
    test::CancelInPhase(
        *page, "Calculating names...", [&] { start(); },
        [&] {
          sawBusy = !page->actions().startButton()->isEnabled() &&
                    !page->actions().ascButton()->isEnabled() && !page->actions().columnsBox()->isEnabled() &&
                    !page->actions().saveButton()->isEnabled() &&
                    !form->page(Tab::Number)->actions().exitButton()->isEnabled();
        });
    QVERIFY(sawBusy);
    QVERIFY(test::IdleWithoutResults(*page));
    QVERIFY(form->page(Tab::Number)->actions().exitButton()->isEnabled());
  }

  // For the same seed and inputs the page shows what quenvar-cli prints.
  void sameNamesAsTheCommandLineTool_data() {
    QTest::addColumn<bool>("duplicates");
    QTest::addColumn<int>("sort");  // 0 ascending, 1 descending, 2 as drawn
    QTest::addColumn<QString>("gender");
    QTest::newRow("unique, as drawn") << false << 2 << "both";
    QTest::newRow("repeats, ascending") << true << 0 << "male";
    QTest::newRow("unique, descending, female") << false << 1 << "female";
  }
  void sameNamesAsTheCommandLineTool() {
    QFETCH(bool, duplicates);
    QFETCH(int, sort);
    QFETCH(QString, gender);
    // The shipped lists, for a realistic draw.
    for (const char* list : {"male_first_names.txt", "female_first_names.txt", "last_names.txt"}) {
      QFile::remove(names() + list);
      QVERIFY(QFile::copy(QString(QUENVAR_DATA_DIR) + "/name/" + list, names() + list));
    }
    if (gender == "female") QTest::mouseClick(page->chmale, Qt::LeftButton);
    if (gender == "male") QTest::mouseClick(page->chFemale, Qt::LeftButton);
    if (duplicates) QTest::mouseClick(page->CheckBox44, Qt::LeftButton);
    manualSeed(-1234567);
    SetSpin(page->RxSpinEdit44, 500);
    QToolButton* sortButton[] = {page->actions().ascButton(), page->actions().dscButton(),
                                 page->actions().origButton()};
    QTest::mouseClick(sortButton[sort], Qt::LeftButton);
    columns(4);
    start();
    const char* sortName[] = {"asc", "desc", "drawn"};
    QStringList args{"name",
                     "--seed",
                     "-1234567",
                     "--count",
                     "500",
                     "--sort",
                     sortName[sort],
                     "--gender",
                     gender,
                     "--male",
                     QString::fromStdString(page->inputs().MaleFile),
                     "--female",
                     QString::fromStdString(page->inputs().FemaleFile),
                     "--last",
                     QString::fromStdString(page->inputs().LastFile)};
    if (duplicates) args << "--duplicates";
    const test::CliRun cli = test::RunCli(args);
    QCOMPARE(cli.exitCode, 0);
    QStringList printed = QString::fromUtf8(cli.out).split('\n');
    QCOMPARE(printed.takeLast(), QString());
    QCOMPARE(printed.size(), 500);
    QCOMPARE(test::ShownEntries(*page), printed);
    QCOMPARE(QString::fromUtf8(cli.err).trimmed(), page->view().totalsLabel()->text().trimmed());
  }

  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    using test::AccessibleName;
    QCOMPARE(AccessibleName(page->MaleView), QString("View or Edit male first name"));
    QCOMPARE(AccessibleName(page->SpeedButton3), QString("View or Edit last name"));
    QCOMPARE(AccessibleName(page->RxSpinEdit44), QString("Count to"));
    QCOMPARE(AccessibleName(page->seedGroup()->manualSpin), QString("Manual created seed"));
    const QStringList unnamed = test::UnnamedControls(page);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));

    SetSpin(page->RxSpinEdit44, 3);
    columns(2);
    start();
    const QStringList names = drawn();
    QCOMPARE(test::AccessibleRows(page->view().list()),
             (QStringList{"1\t" + names[0] + "\t" + names[1], "2\t" + names[2]}));
  }
};

QTEST_MAIN(NamePageTest)
#include "test_page_name.moc"
