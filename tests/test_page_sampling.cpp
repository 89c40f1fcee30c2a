// The Random Sampling page in the real window, offscreen, driven through
// its widgets; message boxes, the input box and the file dialogs are
// answered by the fake platform.
#include <QAccessible>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "Fakes.h"
#include "PageFixture.h"
#include "ui/SamplingPage.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"

using namespace quenvar;
using namespace quenvar::ui;
using namespace quenvar::test;

class SamplingPageTest : public QObject, public test::PageFixture<SamplingPage> {
  Q_OBJECT

 private:
  void addItems(const QStringList& texts, bool checked) {
    for (const QString& t : texts) {
      fake->nextInput = t;
      QTest::mouseClick(page->SpeedButton17, Qt::LeftButton);
      if (checked) page->items->setChecked(page->items->count() - 1, true);
    }
  }
  QStringList itemTexts() const { return page->items->texts(); }
  QStringList results() const { return Texts(page->generated().Results); }
  // A file of the test's own folder.
  QString inFolder(const QString& name) const {
    return QString::fromStdString(folder->file(name.toStdString()));
  }
  QString writeFile(const QString& name, const QByteArray& bytes) {
    return QString::fromStdString(folder->write(name.toStdString(), bytes.toStdString()));
  }
  int current() const { return page->ListBoxSampling->currentIndex().row(); }
  QString caption() const { return page->LabelSampling->title(); }
  void setColumns(int c) {
    page->actions().columnsBox()->setCurrentIndex(c - 1);
    page->ColumnsChange();
  }

 private slots:
  void init() { openWindow(&TFormRandom::TabSheet22); }
  void cleanup() { closeWindow(); }

  void emptyOrUncheckedListIsRefused() {
    QCOMPARE(caption(), QString("Random sampling from the 0 checked items below"));
    QCOMPARE(page->actions().startButton()->text(), QString("Random Sampling"));
    // Shown after the window, the page's header still spans its width.
    QCOMPARE(page->view().header()->count(), 4);
    QCOMPARE(page->view().header()->sectionSize(3), (page->view().header()->width() - 80) / 3);
    QVERIFY(page->view().header()->sectionSize(3) > 200);
    start();
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text,
             QString("Please load items from TXT file,\n\nor manually add item one by one!\n"));
    QCOMPARE(fake->boxes[0].icon, Icon::Warning);
    QVERIFY(page->view().statusPanel()->isHidden());
    // Items, none checked: nothing to draw from, with or without repeats.
    addItems({"a", "b"}, false);
    for (bool duplicates : {false, true}) {
      if (duplicates) QTest::mouseClick(page->CheckBox22, Qt::LeftButton);
      start();
      QCOMPARE(fake->boxes.back().icon, Icon::Warning);
      QVERIFY(fake->boxes.back().text.startsWith("No item is checked."));
      QVERIFY(page->view().statusPanel()->isHidden());
    }
    QCOMPARE(fake->boxes.size(), size_t(3));
  }

  void checkedItemsAreSampled() {
    addItems({"a", "b", "c"}, true);
    QCOMPARE(caption(), QString("Random sampling from the 3 checked items below"));
    setSpin(page->RxSpinEdit22, 10);
    start();
    QStringList got = results();
    got.sort();
    QCOMPARE(got, (QStringList{"a", "b", "c"}));
    QCOMPARE(page->view().totalsLabel()->text(), QString("Possible total: 3      Generated total: 3"));
    page->items->setChecked(0, false);
    page->items->setChecked(2, false);
    start();
    QCOMPARE(results(), QStringList{"b"});
    // With repeats: ten samples, the totals without the possible part.
    QTest::mouseClick(page->CheckBox22, Qt::LeftButton);
    start();
    QCOMPARE(results(), QStringList(10, "b"));
    QCOMPARE(page->view().totalsLabel()->text(), QString("      Generated total: 10"));
  }

  // The popup's columns menu, items 1 to 10, has the box's choice checked;
  // "7" from it selects 7 in the columns box.
  void popupColumnsMenu() {
    addItems({"a", "b", "c", "d", "e"}, true);
    setSpin(page->RxSpinEdit22, 5);
    start();
    page->actions().PopupRequested(QPoint(10, 10));
    QVERIFY(page->actions().popup()->isVisible());
    QCOMPARE(page->actions().columnActions()->actions().size(), 10);
    QVERIFY(page->actions().columnActions()->checkedAction() != nullptr);
    QCOMPARE(page->actions().columnActions()->checkedAction()->data().toInt(), 3);
    page->actions().popup()->hide();
    QMenu* columns = page->actions().popup()->actions()[2]->menu();
    QVERIFY(columns != nullptr);
    columns->actions()[6]->trigger();
    QCOMPARE(page->actions().columnsBox()->currentText(), QString("7"));
    QCOMPARE(page->view().header()->count(), 8);
    QCOMPARE(page->view().model()->rowCount(), 1);
  }

  void addEditInsertAndCheckMarks() {
    fake->nextInput = std::nullopt;  // cancelled
    QTest::mouseClick(page->SpeedButton17, Qt::LeftButton);
    fake->nextInput = "";
    QTest::mouseClick(page->SpeedButton17, Qt::LeftButton);
    QCOMPARE(page->items->count(), 0);
    // "Insert Before" on an empty list adds.
    fake->nextInput = "m";
    page->PMSampling->findChild<QAction*>("InsertBefore1")->trigger();
    QCOMPARE(itemTexts(), QStringList{"m"});
    QVERIFY(!page->items->isChecked(0));
    QCOMPARE(caption(), QString("Random sampling from the 0 checked items below"));
    page->items->setData(page->items->index(0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(caption(), QString("Random sampling from the 1 checked items below"));
    fake->nextInput = "first";
    page->InsertBefore1Click();
    QCOMPARE(itemTexts(), (QStringList{"first", "m"}));
    QCOMPARE(current(), 0);
    fake->nextInput = "second";
    page->InsertAfter1Click();
    QCOMPARE(itemTexts(), (QStringList{"first", "second", "m"}));
    QCOMPARE(current(), 1);
    // Editing a checked item unchecks it.
    page->ListBoxSampling->setCurrentIndex(page->items->index(2));
    fake->nextInput = "edited";
    QTest::mouseClick(page->SpeedButton18, Qt::LeftButton);
    QCOMPARE(itemTexts(), (QStringList{"first", "second", "edited"}));
    QVERIFY(!page->items->isChecked(2));
    QCOMPARE(caption(), QString("Random sampling from the 0 checked items below"));
    // Check all and uncheck all: one change each, whatever the length.
    QSignalSpy changes(page->items, &QAbstractItemModel::dataChanged);
    QTest::mouseClick(page->btnSelectall, Qt::LeftButton);
    QCOMPARE(caption(), QString("Random sampling from the 3 checked items below"));
    QTest::mouseClick(page->btnUnselectAll, Qt::LeftButton);
    QCOMPARE(caption(), QString("Random sampling from the 0 checked items below"));
    QCOMPARE(changes.size(), 2);
  }

  void deletions() {
    addItems({"a", "b", "c", "d"}, false);
    page->ListBoxSampling->setCurrentIndex(page->items->index(3));
    fake->answers = {false};
    QTest::mouseClick(page->SpeedButton19, Qt::LeftButton);
    QCOMPARE(page->items->count(), 4);
    QCOMPARE(fake->boxes.back().text, QString("Do you want to delete the item?"));
    QCOMPARE(fake->boxes.back().icon, Icon::Warning);
    fake->answers = {true};
    QTest::mouseClick(page->SpeedButton19, Qt::LeftButton);
    QCOMPARE(itemTexts(), (QStringList{"a", "b", "c"}));
    QCOMPARE(current(), 2);  // the new last item
    page->ListBoxSampling->setCurrentIndex(page->items->index(0));
    fake->answers = {true};
    page->SpeedButton19Click();
    QCOMPARE(itemTexts(), (QStringList{"b", "c"}));
    QCOMPARE(current(), 0);
    fake->answers = {false};
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    QCOMPARE(fake->boxes.back().text, QString("Do you want to delete all the items?"));
    QCOMPARE(page->items->count(), 2);
    fake->answers = {true};
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    QCOMPARE(page->items->count(), 0);
    QCOMPARE(caption(), QString("Random sampling from the 0 checked items below"));
  }

  // 200,000 items, every other one selected: one pass removes them, the
  // others keep their order and marks, the last item becomes current.
  void deletingManySelectedIsOnePass() {
    TArrayString lines;
    for (int i = 0; i < 200000; ++i) lines.push_back(std::to_string(i));
    page->items->appendAll(lines);
    for (int i = 0; i < 200000; i += 3) page->items->setChecked(i, true);
    QItemSelection selection;
    for (int i = 0; i < 200000; i += 2) selection.select(page->items->index(i), page->items->index(i));
    page->ListBoxSampling->selectionModel()->select(selection, QItemSelectionModel::Select);
    QSignalSpy resets(page->items, &QAbstractItemModel::modelReset);
    QSignalSpy removed(page->items, &QAbstractItemModel::rowsRemoved);
    fake->answers = {true};
    page->PMSampling->findChild<QAction*>("DeleteSelectedItems1")->trigger();
    QCOMPARE(fake->boxes.back().text, QString("Do you want to delete the selected items?"));
    QCOMPARE(resets.size(), 1);
    QCOMPARE(removed.size(), 0);
    QCOMPARE(page->items->count(), 100000);
    int checked = 0;
    for (int r = 0; r < 100000; ++r) {
      QCOMPARE(page->items->text(r), QString::number(2 * r + 1));
      checked += page->items->isChecked(r) ? 1 : 0;
      QCOMPARE(page->items->isChecked(r), (2 * r + 1) % 3 == 0);
    }
    QCOMPARE(page->items->checkedCount(), checked);
    QCOMPARE(current(), 99999);
    QVERIFY(page->ListBoxSampling->selectionModel()->isSelected(page->items->index(99999)));
  }

  void loadAndSaveItems() {
    addItems({"old"}, false);
    fake->nextFile = writeFile("in.txt", QByteArray("x\r\n\r\ny\rz\n  \n\nlast"));
    QSignalSpy inserted(page->items, &QAbstractItemModel::rowsInserted);
    QTest::mouseClick(page->SpeedButton15, Qt::LeftButton);
    QCOMPARE(itemTexts(), (QStringList{"old", "x", "y", "z", "  ", "last"}));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(page->items->checkedCount(), 6);  // the old item too
    QCOMPARE(caption(), QString("Random sampling from the 6 checked items below"));
    QCOMPARE(current(), 5);
    // A file that cannot be read: the file and the reason, the list as it was.
    fake->nextFile = inFolder("missing.txt");
    QTest::mouseClick(page->SpeedButton15, Qt::LeftButton);
    QCOMPARE(fake->boxes.size(), size_t(1));
    QVERIFY(fake->boxes[0].text.startsWith("EInOutError\n"));
    QVERIFY(fake->boxes[0].text.contains("missing.txt"));
    QVERIFY(fake->boxes[0].text.contains("No such file"));
    QCOMPARE(page->items->count(), 6);
    // Saving writes every item, checked or not, with CR LF.
    page->items->setChecked(1, false);
    fake->nextFile = inFolder("out.txt");
    QTest::mouseClick(page->SpeedButton16, Qt::LeftButton);
    QFile out(fake->nextFile);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), QByteArray("old\r\nx\r\ny\r\nz\r\n  \r\nlast\r\n"));
    // A save that cannot be written is reported and leaves nothing behind.
    fake->nextFile = inFolder("no/such/folder/out.txt");
    QTest::mouseClick(page->SpeedButton16, Qt::LeftButton);
    QCOMPARE(fake->boxes.size(), size_t(2));
    QVERIFY(fake->boxes[1].text.startsWith("EInOutError\n"));
    QVERIFY(!QFile::exists(fake->nextFile));
  }

  // A million lines come in as one insertion and are all checked at once.
  void loadingAMillionLines() {
    QByteArray text;
    for (int i = 0; i < 1000000; ++i) text += "item " + QByteArray::number(i) + "\r\n";
    fake->nextFile = writeFile("big.txt", text);
    QSignalSpy inserted(page->items, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(page->items, &QAbstractItemModel::dataChanged);
    QTest::mouseClick(page->SpeedButton15, Qt::LeftButton);
    QCOMPARE(page->items->count(), 1000000);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(caption(), QString("Random sampling from the 1000000 checked items below"));
    QCOMPARE(page->items->text(999999), QString("item 999999"));
  }

  // Items restored unchecked are all checked the first time the page shows.
  void activationChecksRestoredItems() {
    form->PageControl1->setCurrentIndex(0);
    page->items->appendAll(TArrayString{"p", "q"});
    QCOMPARE(page->items->checkedCount(), 0);
    form->PageControl1->setCurrentWidget(page);
    QCOMPARE(page->items->checkedCount(), 2);
    QCOMPARE(current(), 0);
    QVERIFY(page->ListBoxSampling->selectionModel()->isSelected(page->items->index(0)));
    // Checked items are left as they are.
    page->items->setChecked(1, false);
    form->PageControl1->setCurrentIndex(0);
    form->PageControl1->setCurrentWidget(page);
    QCOMPARE(page->items->checkedCount(), 1);
  }

  // The run draws from its own copy: emptying the list while it runs
  // changes nothing in that run.
  void editingDuringARunChangesNothing() {
    TArrayString lines;
    for (int i = 0; i < 1000; ++i) lines.push_back(QByteArray("t" + QByteArray::number(i)).toStdString());
    page->items->appendAll(lines);
    page->btnSelectallClick();
    setSpin(page->RxSpinEdit22, 1000);
    bool emptied = false;
    test::FakePump pump([&](int) {
      if (emptied || !page->running()) return;
      emptied = true;
      fake->answers = {true};
      page->SpeedButton20Click();
    });
    start();
    QVERIFY(emptied);
    QCOMPARE(page->items->count(), 0);
    QCOMPARE(page->generated().Results.size(), size_t(1000));
    QStringList got = results();
    got.sort();
    got.removeDuplicates();
    QCOMPARE(got.size(), 1000);
    QVERIFY(got.first().startsWith("t"));
  }

  // Cancel while the drawn positions become texts: nothing is shown.
  void cancelHidesTheRun() {
    TArrayString lines;
    for (int i = 0; i < 5000; ++i) lines.push_back(QByteArray("t" + QByteArray::number(i)).toStdString());
    page->items->appendAll(lines);
    page->btnSelectallClick();
    setSpin(page->RxSpinEdit22, 5000);
    bool cancelled = false;
    test::FakePump pump([&](int) {
      if (cancelled || page->DisplayLabelText() != "Evaluate Randoms...") return;
      cancelled = true;
      QVERIFY(!page->actions().startButton()->isEnabled() && !page->actions().saveButton()->isEnabled());
      QVERIFY(page->SpeedButton17->isEnabled());  // the item list stays usable
      QTest::mouseClick(page->actions().cancelButton(), Qt::LeftButton);
    });
    start();
    QVERIFY(cancelled);
    QVERIFY(page->view().statusPanel()->isHidden());
    QCOMPARE(page->view().model()->rowCount(), 0);
    QVERIFY(page->actions().startButton()->isEnabled());
  }

  // The save dialog opens on the page's columns, every layout available.
  void saveOpensOnTheColumns() {
    addItems({"a", "b", "c"}, true);
    setColumns(5);
    start();
    QVERIFY(WhenModal<TFormSaveText>(
        [&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
        [&](TFormSaveText* dialog) {
          QCOMPARE(dialog->PageKind, PageKind::Sampling);
          QCOMPARE(dialog->RxSpinEdit1->value(), 5);
          QVERIFY(dialog->raSingleLine->isEnabled() && dialog->rxOnecol->isEnabled());
          QCOMPARE(dialog->Generator, static_cast<const Trandom_base*>(&page->generated()));
        }));
  }

  void sameOutputAsTheCommandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no repeats, drawn") << QStringList{"--seed", "12345", "--count", "40"};
    QTest::newRow("repeats, ascending")
        << QStringList{"--seed", "-9", "--count", "70", "--duplicates", "--sort", "asc"};
    QTest::newRow("all, descending") << QStringList{"--seed", "4", "--count", "500", "--sort", "desc"};
  }
  void sameOutputAsTheCommandLine() {
    QFETCH(QStringList, args);
    QByteArray text;
    for (int i = 0; i < 300; ++i) text += "item " + QByteArray::number(i * 7 % 101) + (i % 2 ? "\n" : "\r\n");
    const QString file = writeFile("items.txt", text);
    fake->nextFile = file;
    QTest::mouseClick(page->SpeedButton15, Qt::LeftButton);
    auto option = [&](const QString& name) {
      const qsizetype at = args.indexOf(name);
      return at < 0 ? QString() : args[at + 1];
    };
    manualSeed(option("--seed").toInt());
    setSpin(page->RxSpinEdit22, option("--count").toInt());
    if (args.contains("--duplicates")) QTest::mouseClick(page->CheckBox22, Qt::LeftButton);
    setColumns(3);
    start();
    if (option("--sort") == "asc") QTest::mouseClick(page->actions().ascButton(), Qt::LeftButton);
    if (option("--sort") == "desc") QTest::mouseClick(page->actions().dscButton(), Qt::LeftButton);
    QStringList window;
    for (int r = 0; r < page->view().model()->rowCount(); ++r)
      window << page->view().model()->rowText(r).section('\t', 1);
    window << page->view().totalsLabel()->text();
    const QStringList printed = CliOutput(QStringList{"sample", "--items", file, "--per-line", "3"} + args);
    QCOMPARE(window.size(), printed.size());
    QCOMPARE(window, printed);
  }

  void accessibleNamesAndRows() {
    QAccessible::setActive(true);
    QCOMPARE(AccessibleName(page->RxSpinEdit22), QString("Count to"));
    QCOMPARE(AccessibleName(page->SpeedButton17), QString("Add item"));
    QCOMPARE(AccessibleName(page->SpeedButton15), QString("Load items from TXT file ( Append method )"));
    const QStringList unnamed = UnnamedControls(page);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    addItems({"a", "b", "c", "d", "e"}, true);
    QAccessibleInterface* itemList = QAccessible::queryAccessibleInterface(page->ListBoxSampling);
    QCOMPARE(itemList->childCount(), 5);
    QCOMPARE(itemList->child(1)->text(QAccessible::Name), QString("b"));
    QVERIFY(itemList->child(1)->state().checked);
    manualSeed(0);
    setSpin(page->RxSpinEdit22, 3);
    setColumns(2);
    start();
    const QStringList read = AccessibleRows(page->view().list());
    QCOMPARE(read, (QStringList{"1\ta\tb", "2\te"}));
  }
};

QTEST_MAIN(SamplingPageTest)
#include "test_page_sampling.moc"
