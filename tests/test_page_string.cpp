// The Random String page in the real window, offscreen: the mask box and its
// history, runs against quenvar-cli, and the wildcard editor with the
// selection dialog, in a folder of its own with its own wildcard.ini.
#include <QAccessible>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "Accessibility.h"
#include "FakePlatform.h"
#include "GuiFixture.h"
#include "PageFixture.h"
#include "ui/Folders.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"

using namespace quenvar;
using namespace quenvar::ui;
namespace fs = std::filesystem;

namespace {

std::string Read(const QString& path) { return test::ReadFile(path.toStdString()); }

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Whether a click on `button` opened the selection dialog; `drive` acts on it.
bool Selects(QWidget* button, const std::function<void(TFormSelect*)>& drive) {
  return test::WhenModal<TFormSelect>([button] { QTest::mouseClick(button, Qt::LeftButton); }, drive);
}

}  // namespace

class StringPageTest : public QObject, public test::PageFixture<StringPage> {
  Q_OBJECT

  QString wildcardFile() const { return QString::fromStdString(folder->file("wildcard.ini")); }
  void typeMask(const QString& mask) {
    page->comMask->setFocus();
    page->comMask->lineEdit()->selectAll();
    page->comMask->lineEdit()->setText(mask);
  }
  void run(const QString& mask, int count, int seed) {
    typeMask(mask);
    setSpin(page->Rx2SpinCount, count);
    manualSeed(seed);
    click(page->actions().startButton());
  }
  QStringList shown() const { return test::Texts(page->generated().Results); }
  QStringList wildcards() const {
    QStringList out;
    for (int i = 0; i < page->ListBoxSpecial->topLevelItemCount(); ++i)
      out << page->ListBoxSpecial->topLevelItem(i)->text(0);
    return out;
  }
  // The editor's controls as the user sees them.
  QString editor() const {
    QString checks;
    for (QCheckBox* c : {page->ChUpper, page->Chlower, page->ChNumber, page->ChSpecial})
      checks += c->isChecked() ? '1' : '0';
    return page->comName->currentText() + "|" + page->EditDescription->text() + "|" + checks + "|" +
           page->Editupper->text() + "|" + page->EditLower->text() + "|" + page->EditNumber->text() + "|" +
           page->EditSpecial->text();
  }
  bool browsing() const {
    return !page->PanelEdit->isEnabled() && page->ListBoxSpecial->isEnabled() && page->BtnAdd->isEnabled() &&
           page->btnEdit->isEnabled() && page->btndelete->isEnabled() && !page->btnSave->isEnabled() &&
           !page->btnCancel->isEnabled() && page->view().header()->isEnabled();
  }
  bool editing() const {
    return page->PanelEdit->isEnabled() && !page->ListBoxSpecial->isEnabled() && !page->BtnAdd->isEnabled() &&
           !page->btnEdit->isEnabled() && !page->btndelete->isEnabled() && page->btnSave->isEnabled() &&
           page->btnCancel->isEnabled() && !page->view().header()->isEnabled();
  }
  void showPage(Tab tab) { form->PageControl1->setCurrentIndex(int(tab)); }
  // Adds a wildcard through the editor: name, note and digits.
  void addDigits(const QString& name, const QString& note) {
    click(page->BtnAdd);
    page->comName->setCurrentText(name);
    page->EditDescription->setText(note);
    click(page->ChNumber);
    click(page->btnSave);
  }
 private slots:
  // The window on another page, with the wildcards of the test's own.
  void init() {
    openWindow(
        &TFormRandom::TabSheet2, [](const test::TempFolder& f) { f.write("wildcard.ini", test::kWildcards); },
        false);
  }
  void cleanup() { closeWindow(); }

  void startsBrowsingAndShowsTheFirstWildcard() {
    QCOMPARE(wildcards(), (QStringList{"#", "@", "*"}));
    QCOMPARE(page->HeaderControl4->sectionSize(0), 60);
    QCOMPARE(page->HeaderControl4->sectionSize(1), 240);
    QCOMPARE(page->ListBoxSpecial->headerItem()->text(1), QString("Description"));
    // The 93 one-character names, in code order, without the vertical bar.
    QCOMPARE(page->comName->count(), 93);
    QCOMPARE(page->comName->itemText(0), QString("!"));
    QCOMPARE(page->comName->itemText(92), QString("~"));
    QCOMPARE(page->comName->findText("|"), -1);
    QCOMPARE(page->Rx2SpinCount->value(), 100);
    QCOMPARE(page->inputs().Count, 100);
    QVERIFY(page->actions().origAction()->isChecked());
    QVERIFY(page->seedGroup()->autoRadio->isChecked());
    QVERIFY(test::ProposedFromClock(page->seedGroup()->manualSpin->value(), 43254));
    QVERIFY(browsing());
    QCOMPARE(page->selectedRow(), -1);  // not shown yet
    QCOMPARE(editor(), QString("||0000||||"));

    showPage(Tab::String);
    // Hidden when the columns were set, the header is sized once shown.
    QCOMPARE(page->view().header()->count(), 4);
    QVERIFY(page->view().header()->width() > 800);
    QCOMPARE(page->view().header()->sectionSize(3), (page->view().header()->width() - 80) / 3);
    QCOMPARE(page->selectedRow(), 0);
    QCOMPARE(editor(), QString("#|digits 0-9|0010||||"));
    QVERIFY(page->comMask->hasFocus());
    QTest::mouseClick(page->ListBoxSpecial->viewport(), Qt::LeftButton, Qt::NoModifier,
                      page->ListBoxSpecial->visualItemRect(page->ListBoxSpecial->topLevelItem(2)).center());
    QCOMPARE(editor(), QString("*|letters and digits|1110||||"));
  }

  void blankMaskAndHistory() {
    showPage(Tab::String);
    run(" \t ", 5, 1);
    QCOMPARE(fake->texts(), QStringList{"The edit box of Mask can not be blank!"});
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(page->maskHistory().isEmpty());
    QVERIFY(page->view().statusPanel()->isHidden());

    // Nine masks: the newest on top, the oldest pushed out; the typed text stays.
    for (int i = 1; i <= 9; ++i) run(QString("  m%1#  ").arg(i), 1, 1);
    QCOMPARE(page->maskHistory(), (QStringList{"m9#", "m8#", "m7#", "m6#", "m5#", "m4#", "m3#", "m2#"}));
    QCOMPARE(page->comMask->currentText(), QString("  m9#  "));
    // An entry equal but for letter case is not added, nor moved.
    run("M5#", 1, 1);
    QCOMPARE(page->maskHistory().size(), 8);
    QCOMPARE(page->maskHistory()[4], QString("m5#"));
    QCOMPARE(page->inputs().Mask, std::string("M5#"));  // as typed: not matched to the entry
    QCOMPARE(page->comMask->currentText(), QString("M5#"));
    QCOMPARE(shown().size(), 1);
    QVERIFY(shown()[0].startsWith("M5"));
    QCOMPARE(fake->texts().size(), 1);
    // Typed key by key, the start of a longer entry is not completed to it.
    typeMask("");
    QTest::keyClicks(page->comMask->lineEdit(), "m7");
    click(page->actions().startButton());
    QCOMPARE(page->inputs().Mask, std::string("m7"));
    QCOMPARE(shown(), QStringList{"m7"});
  }

  // For the same seed, mask and wildcards the page shows what the tool prints.
  void showsWhatTheToolPrints_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("duplicates");
    QTest::addColumn<int>("sort");  // 0 ascending, 1 descending, 2 as drawn
    QTest::newRow("literals and escapes") << "id-#@\\#*\\" << 40 << false << 0;
    QTest::newRow("nearly exhausted") << "#" << 15 << false << 2;
    QTest::newRow("repeats") << "@@" << 30 << true << 1;
    QTest::newRow("capped total") << QString(16, '#') << 12 << false << 2;
  }
  void showsWhatTheToolPrints() {
    QFETCH(QString, mask);
    QFETCH(int, count);
    QFETCH(bool, duplicates);
    QFETCH(int, sort);
    showPage(Tab::String);
    if (duplicates) click(page->Ch2Duplicate);
    test::ChooseColumns(*page, 4);
    run(mask, count, 20240607);
    click(sort == 0   ? page->actions().ascButton()
          : sort == 1 ? page->actions().dscButton()
                      : page->actions().origButton());
    QStringList args{"--mask", mask,       "--count", QString::number(count),
                     "--seed", "20240607", "--sort",  QStringList{"asc", "desc", "drawn"}[sort]};
    if (duplicates) args << "--duplicates";
    QStringList lines = CliOutput(QStringList{"string", "--wildcards", wildcardFile()} + args);
    const QString totals = lines.takeLast();
    QVERIFY(!lines.isEmpty());
    QCOMPARE(shown(), lines);
    // The window adds the mask's strength in bits; the rest is the tool's line.
    static const QRegularExpression strength(
        R"( \(\d+\.\d bits, seed limit 32\.0 bits\)|^Strength: \d+\.\d bits, seed limit 32\.0 bits)");
    QCOMPARE(page->view().totalsLabel()->text().count(strength), 1);
    QCOMPARE(page->view().totalsLabel()->text().remove(strength), totals);
    // The rows read as shown: number, then four strings.
    QCOMPARE(page->view().model()->rowCount(), (int(lines.size()) + 3) / 4);
    QCOMPARE(page->view().model()->rowText(0), "1\t" + QStringList(lines.mid(0, 4)).join('\t'));
  }

  void totalsTexts() {
    showPage(Tab::String);
    run("#", 15, 1);
    QCOMPARE(
        page->view().totalsLabel()->text(),
        QString(
            "Possible total randoms: 10 (3.3 bits, seed limit 32.0 bits)      Generated total randoms: 10"));
    // The strength is counted in full where the total is capped.
    run(QString(16, '#'), 3, 1);
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Possible total randoms: Over 36028797018963968 (53.2 bits, seed "
                     "limit 32.0 bits)      Generated total randoms: 3"));
    run(QString(40, '#'), 3, 1);
    QVERIFY(page->view().totalsLabel()->text().contains("(132.9 bits, seed limit 32.0 bits)"));
    // A seeded run is no stronger than its seed: a clock seed is the
    // milliseconds of a day. A System run has no seed to limit it.
    click(page->seedGroup()->autoRadio);
    click(page->actions().startButton());
    QVERIFY(page->view().totalsLabel()->text().contains("(132.9 bits, seed limit 26.4 bits)"));
    click(page->seedGroup()->secureRadio);
    click(page->actions().startButton());
    QVERIFY(page->view().totalsLabel()->text().contains("(132.9 bits)"));
    click(page->Ch2Duplicate);
    run("#", 15, 1);
    QCOMPARE(page->view().totalsLabel()->text(),
             QString("Strength: 3.3 bits, seed limit 32.0 bits      Generated total randoms: 15"));
  }

  // Generate is refused while a wildcard is added; showing the page again
  // meanwhile leaves the editor as it is.
  void generateAndPageChangeWhileAdding() {
    showPage(Tab::String);
    click(page->BtnAdd);
    QVERIFY(editing());
    QCOMPARE(page->selectedRow(), -1);
    QCOMPARE(editor(), QString("||0000||||"));
    page->comName->setCurrentText("$");
    page->EditDescription->setText("half typed");
    run("#", 5, 1);
    QCOMPARE(fake->texts(), QStringList{"Please Save or Cancel Wildcard before generate randoms"});
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(page->view().statusPanel()->isHidden());
    QVERIFY(page->maskHistory().isEmpty());

    showPage(Tab::Number);
    showPage(Tab::String);
    QVERIFY(editing());
    QCOMPARE(page->selectedRow(), -1);
    QCOMPARE(editor(), QString("$|half typed|0000||||"));

    // Cancel shows the first wildcard again and browses.
    click(page->btnCancel);
    QVERIFY(browsing());
    QCOMPARE(page->selectedRow(), 0);
    QCOMPARE(editor(), QString("#|digits 0-9|0010||||"));
    run("#", 5, 1);
    QVERIFY(!page->view().statusPanel()->isHidden());
  }

  // Every refusal shows its message and leaves the editor open with what
  // was typed.
  void refusalsKeepTheEditorOpen() {
    showPage(Tab::String);
    click(page->BtnAdd);
    page->EditDescription->setText("x");
    click(page->ChNumber);
    click(page->btnSave);  // no name
    page->comName->setCurrentText("#");
    click(page->btnSave);  // taken
    click(page->ChNumber);
    click(page->btnSave);  // no group
    // 26 capitals excluded: refused; 25: accepted, and one capital is left.
    click(page->ChUpper);
    QVERIFY(Selects(page->spUpper, [](TFormSelect* d) {
      QCOMPARE(d->windowTitle(), QString("Select uppercase letters excluded"));
      click(d->btnSelectAll);
      click(d->BitBtn1);
    }));
    QCOMPARE(page->Editupper->text(), QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    page->comName->setCurrentText("U");
    click(page->btnSave);
    QCOMPARE(fake->texts(),
             (QStringList{
                 "The name of wildcard can not be blank, please input!",
                 "The name of wildcard is duplicated, please select another!",
                 "The Upper,lower,number and special letter\nat least one check box must be checked !",
                 "When the uppercase A-Z box is checked\n\nYou can not exclude all uppercase letter!\n"}));
    for (const auto& box : fake->boxes) QCOMPARE(box.icon, Icon::Error);
    QVERIFY(editing());
    QCOMPARE(editor(), QString("U|x|1000|ABCDEFGHIJKLMNOPQRSTUVWXYZ|||"));
    QCOMPARE(page->WildcardList.Items.size(), size_t(3));

    QVERIFY(Selects(page->spUpper, [](TFormSelect* d) {
      d->ListBoxTarget->clearSelection();
      d->ListBoxTarget->item(10)->setSelected(true);  // K
      click(d->btnUnselect);
      click(d->BitBtn1);
    }));
    click(page->btnSave);
    QCOMPARE(fake->texts().size(), 4);
    QVERIFY(browsing());
    QCOMPARE(wildcards(), (QStringList{"#", "@", "*", "U"}));
    QCOMPARE(page->selectedRow(), 3);
    Tinputpar position;
    page->WildcardList.MakeInputpar("U", position);
    QCOMPARE(position.Lower, int('K'));
    QCOMPARE(position.Upper, int('K'));
    // Saved at once.
    const Tlistparchar onDisk(wildcardFile().toStdString());
    QCOMPARE(onDisk.Items.size(), size_t(4));
    QVERIFY(onDisk.Items[3] == page->WildcardList.Items[3]);
  }

  // Ticking "Special character " while editing opens its dialog at once;
  // cancelled, the save asks for a character.
  void tickingSpecialOpensTheDialog() {
    showPage(Tab::String);
    const auto cancel = [](TFormSelect* d) { click(d->BitBtn2); };
    QVERIFY(!Selects(page->ChSpecial, cancel));  // browsing: the editor is disabled, nothing opens
    click(page->BtnAdd);
    page->comName->setCurrentText("%");
    QVERIFY(Selects(page->ChSpecial, [](TFormSelect* d) {
      QCOMPARE(d->windowTitle(), QString("Select special characters included"));
      QCOMPARE(d->ListBoxSource->count(), 33);
      click(d->btnSelectAll);
      click(d->BitBtn2);
    }));
    QVERIFY(page->ChSpecial->isChecked());
    QCOMPARE(page->EditSpecial->text(), QString());
    click(page->btnSave);
    QCOMPARE(fake->texts(),
             QStringList{
                 "When the special character box is checked\n\nYou must select at least one character!\n"});
    QVERIFY(editing());
    QVERIFY(!Selects(page->ChSpecial, cancel));  // unticking opens nothing
  }

  // A click or a double click on an edit box does what its "..." button does,
  // and keeps the name, note and boxes typed so far.
  void editBoxesOpenTheirDialog() {
    showPage(Tab::String);
    QVERIFY(!Selects(page->EditNumber, [](TFormSelect* d) { click(d->BitBtn2); }));  // browsing: nothing
    click(page->btnEdit);
    QVERIFY(editing());
    page->EditDescription->setText("odd digits");
    QVERIFY(Selects(page->EditNumber, [](TFormSelect* d) {
      for (int row : {0, 2, 4, 6, 8}) d->ListBoxSource->item(row)->setSelected(true);
      click(d->btnselect);
      click(d->BitBtn1);
    }));
    QCOMPARE(page->EditNumber->text(), QString("02468"));
    QCOMPARE(page->EditWildcard.NumberExclude, (TArrayInteger{48, 50, 52, 54, 56}));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5), page->EditLower->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(test::WhenModal<TFormSelect>([&] { QApplication::sendEvent(page->EditLower, &twice); },
                                         [](TFormSelect* d) {
                                           QCOMPARE(d->windowTitle(),
                                                    QString("Select lowercase letters excluded"));
                                           click(d->btnselect);  // right after opening: the first line only
                                           click(d->BitBtn1);
                                         }));
    QCOMPARE(page->EditLower->text(), QString("a"));
    QCOMPARE(editor(), QString("#|odd digits|0010||a|02468|"));
    click(page->btnSave);
    QVERIFY(browsing());
    QCOMPARE(page->selectedRow(), 0);
    QCOMPARE(Tlistparchar(wildcardFile().toStdString()).Items[0].Description, "odd digits");
    // Cancel in the dialog changes nothing.
    click(page->btnEdit);
    QVERIFY(Selects(page->spNumber, [](TFormSelect* d) {
      click(d->btnUnSelectAll);
      click(d->BitBtn2);
    }));
    QCOMPARE(page->EditNumber->text(), QString("02468"));
  }

  void deleteSelectsTheNextRow() {
    showPage(Tab::String);
    page->ListBoxSpecial->setCurrentItem(page->ListBoxSpecial->topLevelItem(2));
    QCOMPARE(editor(), QString("*|letters and digits|1110||||"));
    fake->answers = {false};
    click(page->btndelete);
    QCOMPARE(fake->texts(), QStringList{"Do you want to delete the item * ?"});
    QCOMPARE(fake->boxes[0].icon, Icon::Warning);
    QCOMPARE(wildcards().size(), 3);
    QCOMPARE(page->selectedRow(), 2);
    // The last row: the new last row is selected.
    fake->answers = {true};
    click(page->btndelete);
    QCOMPARE(wildcards(), (QStringList{"#", "@"}));
    QCOMPARE(page->selectedRow(), 1);
    QCOMPARE(editor(), QString("@|letters|1100||||"));
    page->ListBoxSpecial->setCurrentItem(page->ListBoxSpecial->topLevelItem(0));
    fake->answers = {true, true};
    click(page->btndelete);
    QCOMPARE(page->selectedRow(), 0);
    QCOMPARE(editor(), QString("@|letters|1100||||"));
    // The only wildcard: the editor is emptied.
    click(page->btndelete);
    QVERIFY(wildcards().isEmpty());
    QCOMPARE(editor(), QString("||0000||||"));
    QVERIFY(browsing());
    QVERIFY(Tlistparchar(wildcardFile().toStdString()).Items.empty());
    // Edit and Delete do nothing on an empty list; the first Add then works.
    click(page->btnEdit);
    click(page->btndelete);
    QVERIFY(browsing());
    addDigits("#", "again");
    QCOMPARE(wildcards(), QStringList{"#"});
    QCOMPARE(page->selectedRow(), 0);
  }

  // A wildcard.ini the page cannot write: the message, the editor as it
  // was, the list as it was, the file untouched; once writable, the same
  // Save goes through.
  void unwritableFileLosesNothing() {
    showPage(Tab::String);
    const std::string before = Read(wildcardFile());
    // Its folder gone: root writes through mode bits, not into a missing folder.
    const fs::path away = folder->path.string() + ".away";
    fs::rename(folder->path, away);

    click(page->BtnAdd);
    page->comName->setCurrentText("$");
    page->EditDescription->setText("kept");
    click(page->ChNumber);
    click(page->btnSave);
    QCOMPARE(fake->texts(), QStringList{"EInOutError\nUnable to write to " + wildcardFile()});
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
    QVERIFY(editing());
    QCOMPARE(editor(), QString("$|kept|0010||||"));
    QCOMPARE(wildcards(), (QStringList{"#", "@", "*"}));
    QCOMPARE(page->WildcardList.Items.size(), size_t(3));
    click(page->btnCancel);

    // A failed change and a failed delete leave the list and the buttons.
    click(page->btnEdit);
    page->EditDescription->setText("changed");
    click(page->btnSave);
    QVERIFY(editing());
    QCOMPARE(page->WildcardList.Items[0].Description, std::string("digits 0-9"));
    click(page->btnCancel);
    QCOMPARE(editor(), QString("#|digits 0-9|0010||||"));
    fake->answers = {true};
    click(page->btndelete);
    QCOMPARE(wildcards().size(), 3);
    QVERIFY(browsing());
    QCOMPARE(fake->boxes.size(), size_t(4));  // three write errors, and the question

    QVERIFY(!fs::exists(folder->path));  // nothing was written anywhere
    fs::rename(away, folder->path);
    QCOMPARE(Read(wildcardFile()), before);
    addDigits("$", "kept");
    QCOMPARE(fake->boxes.size(), size_t(4));
    QCOMPARE(wildcards(), (QStringList{"#", "@", "*", "$"}));
    QCOMPARE(Tlistparchar(wildcardFile().toStdString()).Items.size(), size_t(4));
  }

  // Through the accessibility interfaces every control of the page and of
  // the selection dialog it opens has a name, and result rows read as shown.
  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    showPage(Tab::String);
    const auto nameOf = test::AccessibleName;
    const auto unnamed = test::UnnamedControls;
    QCOMPARE(nameOf(page->comMask), QString("Mask"));
    QCOMPARE(nameOf(page->Rx2SpinCount), QString("Count to"));
    QCOMPARE(nameOf(page->EditDescription), QString("Note"));
    QCOMPARE(nameOf(page->spspecial), QString("Select special characters included"));
    QCOMPARE(nameOf(page->EditSpecial), QString("Special characters included"));
    QCOMPARE(nameOf(page->ListBoxSpecial), QString("Wildcards"));
    const QStringList missing = unnamed(page);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    const QStringList cells = test::AccessibleRows(page->ListBoxSpecial);
    QVERIFY2(cells.contains("letters and digits"), qPrintable(cells.join(", ")));

    QStringList dialogMissing;
    click(page->btnEdit);
    QVERIFY(Selects(page->spUpper, [&](TFormSelect* d) {
      dialogMissing = unnamed(d);
      click(d->BitBtn2);
    }));
    QVERIFY2(dialogMissing.isEmpty(), qPrintable(dialogMissing.join(", ")));
    click(page->btnCancel);

    test::ChooseColumns(*page, 2);
    run("#\\-#", 3, 5);
    QCOMPARE(test::AccessibleRows(page->view().list()),
             (QStringList{"1\t" + shown()[0] + "\t" + shown()[1], "2\t" + shown()[2]}));
    QVERIFY(shown()[0].contains('-'));
  }

  // Save hands the dialog the string generator as page kind 2 with the
  // column count; a Cancel in the middle of a long draw shows nothing.
  void saveAndCancel() {
    showPage(Tab::String);
    test::ChooseColumns(*page, 4);
    run("#@", 30, 9);
    QVERIFY(test::WhenModal<TFormSaveText>([&] { click(page->actions().saveButton()); },
                                           [](TFormSaveText* dialog) {
                                             QCOMPARE(dialog->PageKind, PageKind::String);
                                             QCOMPARE(dialog->RxSpinEdit1->value(), 4);
                                           }));

    const bool cancelled =
        test::CancelInPhase(*page, "Calculating randoms...", [&] { run("########", 5000000, 9); }).cancelled;
    QVERIFY2(cancelled, "the draw was never seen");
    QVERIFY(page->view().statusPanel()->isHidden());
    QCOMPARE(page->view().model()->rowCount(), 0);
    QVERIFY(page->generated().GeneratedTotal() == 5000000 && page->generated().Strings.size() < 5000000);
    QVERIFY(page->actions().startButton()->isEnabled());
  }
};

QTEST_MAIN(StringPageTest)
#include "test_page_string.moc"
