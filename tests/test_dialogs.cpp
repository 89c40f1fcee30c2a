// The save, print and about dialogs on the real window, offscreen. Modal
// dialogs are driven from a timer that fires once they are open.
#include <QDateTime>
#include <QTimer>
#include <QtTest>

#include "Fakes.h"
#include "GuiFixture.h"
#include "core/Printing.h"
#include "core/Writers.h"
#include "ui/Folders.h"
#include "ui/HelpWindow.h"
#include "ui/NumberPage.h"
#include "ui/PrintPreview.h"
#include "ui/PrinterSetup.h"
#include "ui/QtPrinting.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"
#include "ui/myabout.h"

using namespace quenvar;
using namespace quenvar::ui;
using quenvar::test::WhenModal;

namespace {

// Records the lines a print job draws.
class FakeService : public PrinterService {
 public:
  class Canvas : public PrintCanvas {
   public:
    explicit Canvas(FakeService& owner) : owner_(owner) {}
    int pageWidth() const override { return 100000; }
    int pageHeight() const override { return owner_.pageHeight; }
    int textWidth(std::string_view t) const override { return 10 * int(t.size()); }
    int textHeight(std::string_view) const override { return 8; }
    int charHeight() const override { return 8; }
    int averageCharWidth() const override { return 1; }
    void drawText(int, int y, std::string_view t) override {
      owner_.drawn[y] += QString::fromStdString(std::string(t)) + " ";
    }
    void newPage() override {}
    void endDoc() override { ++owner_.jobs; }
    void abandonDoc() override { ++owner_.abandoned; }

   private:
    FakeService& owner_;
  };
  FakeService() { SetPrinterService(this); }
  ~FakeService() override { SetPrinterService(nullptr); }
  std::unique_ptr<PrintCanvas> beginDoc() override { return std::make_unique<Canvas>(*this); }
  std::map<int, QString> drawn;
  int jobs = 0;
  int abandoned = 0;
  int pageHeight = 100000;
};

}  // namespace

class DialogTest : public QObject, public test::GuiFixture {
  Q_OBJECT

  QString layoutOf(bool oneLine, int perLine, TSeparator separator) const {
    QString text;
    LayOutLines(page->generated().Results, oneLine, perLine, separator, "\r\n",
                [&text](std::string_view piece) { text += QString::fromStdString(std::string(piece)); });
    return text;
  }
  QString pathFor(const QString& name) const {
    return QString::fromStdString(folder->file(name.toStdString()));
  }
  static QString ReadAll(const QString& path) {
    return QString::fromStdString(test::ReadFile(path.toStdString()));
  }
  // A seeded run of seven numbers shown in three columns.
  void run() {
    page->seedGroup()->manualRadio->setChecked(true);
    page->seedGroup()->manualSpin->setValue(12345);
    page->RxSpinCount->setValue(7);
    page->RxSpinCountExit();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    QCOMPARE(page->generated().Results.size(), size_t(7));
  }

 private slots:
  void init() {
    openWindow();
    run();
  }
  void cleanup() { closeWindow(); }

  void savesEveryLayoutByteForByte() {
    struct Case {
      QRadioButton* TFormSaveText::*layout;
      QRadioButton* TFormSaveText::*separator;
      bool oneLine;
      int perLine;
      TSeparator sep;
    };
    const Case cases[] = {{&TFormSaveText::raSingleLine, &TFormSaveText::RaComma, true, 1, SeparatorComma},
                          {&TFormSaveText::raMutiCol, &TFormSaveText::RaTab, false, 3, SeparatorTab},
                          {&TFormSaveText::rxOnecol, &TFormSaveText::RaSpace, false, 1, SeparatorSpace},
                          {&TFormSaveText::raMutiCol, &TFormSaveText::RaSpace, false, 3, SeparatorSpace}};
    int n = 0;
    for (const Case& c : cases) {
      const QString file = pathFor(QString("layout%1.txt").arg(n++));
      fake->nextFile = file;
      QVERIFY(
          WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                   [&](TFormSaveText* d) {
                                     QCOMPARE(d->RxSpinEdit1->value(), 3);  // the page's three columns
                                     QTest::mouseClick(d->FilenameEdit1->browse, Qt::LeftButton);
                                     (d->*c.layout)->setChecked(true);
                                     (d->*c.separator)->setChecked(true);
                                     QTest::mouseClick(d->btnSave, Qt::LeftButton);
                                   }));
      QCOMPARE((ReadAll(file)), layoutOf(c.oneLine, c.perLine, c.sep));
    }
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been saved as text file!"));
    QCOMPARE(fake->boxes.back().icon, Icon::Information);
  }

  void appendTwiceAndQuotedNames() {
    const QString file = pathFor("with blanks.txt");
    fake->nextFile = file;
    QVERIFY(WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                     [&](TFormSaveText* d) {
                                       QTest::mouseClick(d->btnview,
                                                         Qt::LeftButton);  // nothing saved yet: nothing opens
                                       QCOMPARE(fake->opened.size(), size_t(0));
                                       QTest::mouseClick(d->FilenameEdit1->browse, Qt::LeftButton);
                                       QCOMPARE(d->FilenameEdit1->edit->text(), "\"" + file + "\"");
                                       d->raAppend->setChecked(true);
                                       QTest::mouseClick(d->btnSave, Qt::LeftButton);
                                       QTest::mouseClick(d->btnSave, Qt::LeftButton);
                                       QTest::mouseClick(d->btnview, Qt::LeftButton);
                                       QCOMPARE(fake->opened.size(), size_t(1));
                                       QCOMPARE(fake->opened[0], QUrl::fromLocalFile(file));
                                     }));
    const QString once = layoutOf(false, 3, SeparatorTab);
    QCOMPARE((ReadAll(file)), once + once);
  }

  void emptyNameIsRefused() {
    QVERIFY(
        WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                 [&](TFormSaveText* d) { QTest::mouseClick(d->btnSave, Qt::LeftButton); }));
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text, QString("Please input file name! "));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
  }

  void oneColumnPresetsTwo() {
    page->actions().columnsBox()->setCurrentIndex(0);
    page->ColumnsChange();
    int preset = 0;
    QVERIFY(WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                     [&](TFormSaveText* d) { preset = d->RxSpinEdit1->value(); }));
    QCOMPARE(preset, 2);
  }

  void printsThroughTheTempFolder() {
    FakeService service;
    fake->printers = {"Fake printer"};
    QString printedFile;
    QVERIFY(
        WhenModal<TFormPrinttext>([&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
                                  [&](TFormPrinttext* d) {
                                    d->raspace->setChecked(true);
                                    QTest::mouseClick(d->btnprint, Qt::LeftButton);
                                    printedFile = QString::fromStdString(d->Par.FileName);
                                  }));
    QCOMPARE(service.jobs, 1);
    QVERIFY(QFile::exists(printedFile));
    QVERIFY(printedFile.startsWith(TempFolder() + "/"));
    QVERIFY(QRegularExpression(R"(/temp/\d{8}_\d{6}\.txt$)").match(printedFile).hasMatch());
    QCOMPARE((ReadAll(printedFile)), layoutOf(false, 3, SeparatorSpace));
    QStringList lines;
    for (const auto& [y, text] : service.drawn) lines << text.trimmed();
    QCOMPARE(lines.join("\n"), layoutOf(false, 3, SeparatorSpace).trimmed().replace("\r\n", "\n"));
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been printed!"));
    QCOMPARE(TFormPrinttext::PrintFileName("/opt/q/temp", QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3))),
             QString("/opt/q/temp/20261207_090503.txt"));
  }

  // A save of a million rows shows the page's progress and lets messages
  // run every 64 KiB at most; Cancel leaves the old file as it was.
  void longSavesShowProgressAndCancel() {
    page->RxSpinUpper->setValue(2000000000);
    page->RxSpinUpperExit();
    page->RxSpinCount->setValue(1000000);
    page->RxSpinCountExit();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    QCOMPARE(page->generated().Results.size(), size_t(1000000));
    const QString file = pathFor("saved.txt");
    auto save = [&] {
      QVERIFY(
          WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                   [&](TFormSaveText* d) {
                                     d->FilenameEdit1->setChosen(file);
                                     QTest::mouseClick(d->rxOnecol, Qt::LeftButton);
                                     QTest::mouseClick(d->btnSave, Qt::LeftButton);
                                   }));
    };
    uint64_t longest = 0;
    int64_t shownAt = -1;  // the progress seen while messages ran
    bool shown = true;
    TakeWork();
    {
      test::FakePump pump([&](int) {
        longest = std::max(longest, TakeWork());
        shown = shown && page->running() && page->view().progressBar()->isVisible();
        shownAt = std::max<int64_t>(shownAt, page->view().progressBar()->value());
      });
      save();
      QVERIFY(pump.calls >= 50);
    }
    QVERIFY(shown);
    QVERIFY(longest > 0 && longest <= 65536);
    QVERIFY(shownAt > 500000);
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been saved as text file!"));
    const std::string before = test::ReadFile(file.toStdString());
    QCOMPARE(std::count(before.begin(), before.end(), '\n'), 1000000);

    // Cancelled halfway: the file is as it was, and nothing says saved.
    const size_t boxes = fake->boxes.size();
    page->actions().commaAction()->trigger();  // another layout, so that a finished save would differ
    {
      test::FakePump pump([&](int call) {
        if (call == 40) page->actions().cancelButton()->click();
      });
      save();
    }
    QCOMPARE(fake->boxes.size(), boxes);
    QVERIFY(test::ReadFile(file.toStdString()) == before);
    QVERIFY(!page->running() && page->resultsShown());
  }

  // A long print lays out, asks over 50 pages, and draws a line at a time
  // between message runs, with the page's progress and Cancel; the results
  // stay shown.
  void printsLongJobsWithProgressAndCancel() {
    FakeService service;
    service.pageHeight = 50;  // four lines a page
    fake->printers = {"Fake printer"};
    page->RxSpinCount->setValue(1000);
    page->RxSpinCountExit();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    const QString totals = page->view().totalsLabel()->text();
    auto print = [&] {
      QVERIFY(WhenModal<TFormPrinttext>(
          [&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
          [&](TFormPrinttext* d) { QTest::mouseClick(d->btnprint, Qt::LeftButton); }));
    };
    fake->answers = {false};
    print();
    QCOMPARE(fake->boxes.back().text, QString("The print job has 84 pages.\nDo you want to print them all?"));
    QVERIFY(service.drawn.empty() && service.jobs == 0 && service.abandoned == 1);

    fake->answers = {true};
    uint64_t longest = 0;
    bool shown = true;  // progress and Cancel shown, the totals aside
    TakeWork();
    {
      test::FakePump pump([&](int) {
        longest = std::max(longest, TakeWork());
        shown = shown && page->running() && page->view().progressBar()->isVisible() &&
                !page->view().totalsLabel()->isVisible();
      });
      print();
      QVERIFY(pump.calls >= 2 * 334);
    }
    QVERIFY(shown);
    QCOMPARE(longest, uint64_t(1));
    QCOMPARE(service.jobs, 1);
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been printed!"));

    // Cancel while the pages are drawn: the job is abandoned, no box says printed.
    const size_t boxes = fake->boxes.size();
    fake->answers = {true};
    {
      test::FakePump pump([&](int call) {
        if (call == 500) page->actions().cancelButton()->click();
      });
      print();
    }
    QCOMPARE(service.jobs, 1);
    QCOMPARE(service.abandoned, 2);
    QCOMPARE(fake->boxes.size(), boxes + 1);  // only the question
    QVERIFY(!page->running() && page->resultsShown() && page->view().totalsLabel()->isVisible());
    QCOMPARE(page->view().totalsLabel()->text(), totals);
    QCOMPARE(page->DisplayLabelText(), QString("Done"));
    QCOMPARE(page->view().model()->rowCount(), 334);

    // A re-sort draws its progress in the totals' place, never under them.
    {
      test::FakePump pump([&](int) {
        shown = shown && page->view().progressBar()->isVisible() && !page->view().totalsLabel()->isVisible();
      });
      page->actions().dscAction()->trigger();
      QVERIFY(pump.calls > 0);
    }
    QVERIFY(shown);
    QVERIFY(page->view().totalsLabel()->isVisible());
  }

  // The preview counts the pages the printer will print (as the question
  // before a long job does) and shows any of them, in landscape too.
  void previewShowsThePagesToBePrinted() {
    fake->printers = {"PDF file"};
    const QString pdf = pathFor("preview.pdf");
    CurrentPrinter().setOutputFileName(pdf);
    auto restore = qScopeGuard([] { CurrentPrinter().setOutputFileName({}); });
    page->RxSpinCount->setValue(5000);
    page->RxSpinCountExit();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    std::vector<int64_t> counts;
    for (bool landscape : {false, true}) {
      int64_t previewed = 0;
      QString question;
      QVERIFY(WhenModal<TFormPrinttext>(
          [&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
          [&](TFormPrinttext* d) {
            QTest::mouseClick(landscape ? d->RaLan : d->RaPor, Qt::LeftButton);
            d->rxOnecol->setChecked(true);
            QVERIFY(WhenModal<TPrintPreview>(
                [&] { QTest::mouseClick(d->btnpreview, Qt::LeftButton); },
                [&](TPrintPreview* p) {
                  QTRY_VERIFY(p->counted());
                  previewed = p->pages();
                  QCOMPARE(p->countLabel->text(),
                           QString("of %1 pages").arg(QLocale().toString(int(previewed))));
                  p->pageBox->setValue(int(previewed));
                  QCOMPARE(p->pageBox->value(), int(previewed));
                  QVERIFY(!p->pageView->pixmap().isNull());
                }));
            fake->answers = {false};  // asked with the count, then nothing printed
            QTest::mouseClick(d->btnprint, Qt::LeftButton);
            question = fake->boxes.back().text;
          }));
      QCOMPARE(question,
               QString("The print job has %1 pages.\nDo you want to print them all?").arg(previewed));
      QVERIFY(previewed > 50);
      QVERIFY(!QFile::exists(pdf));
      counts.push_back(previewed);
    }
    QVERIFY(counts[0] != counts[1]);
  }

  void printSetupSetsTheOrientation() {
    fake->printers = {"Fake printer"};
    QVERIFY(
        WhenModal<TFormPrinttext>([&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
                                  [&](TFormPrinttext* d) {
                                    fake->setupOrientation = QPageLayout::Landscape;
                                    QTest::mouseClick(d->btnsetup, Qt::LeftButton);
                                    QVERIFY(d->RaLan->isChecked());
                                    fake->setupOrientation.reset();  // cancelled: nothing changes
                                    QTest::mouseClick(d->btnsetup, Qt::LeftButton);
                                    QVERIFY(d->RaLan->isChecked());
                                  }));
    QCOMPARE(fake->setups, 2);
    // Opened again, the dialog shows the printer's landscape; Portrait sets it back.
    QVERIFY(WhenModal<TFormPrinttext>(
        [&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
        [&](TFormPrinttext* d) {
          QVERIFY(d->RaLan->isChecked());
          QTest::mouseClick(d->RaPor, Qt::LeftButton);
          QCOMPARE(CurrentPrinter().pageLayout().orientation(), QPageLayout::Portrait);
        }));
  }

  // The printer set-up dialog sets printer, paper and orientation on OK.
  void printerSetupDialogApplies() {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Portrait);
    TPrinterSetupDialog setup(form.get(), printer);
    QCOMPARE(setup.windowTitle(), QString("Print Setup"));
    QVERIFY(setup.portrait->isChecked());
    setup.landscape->setChecked(true);
    setup.paperBox->setCurrentIndex(setup.paperBox->findText(QPageSize::name(QPageSize::Letter)));
    setup.apply();
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
  }

  void helpContextsOfTheDialogs() {
    auto pressF1 = [](QWidget* d) {
      for (QAction* a : d->actions())
        if (a->shortcut() == QKeySequence(Qt::Key_F1)) a->trigger();
    };
    QVERIFY(WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                     [&](TFormSaveText* d) { pressF1(d); }));
    fake->printers = {"Fake printer"};
    QVERIFY(
        WhenModal<TFormPrinttext>([&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
                                  [&](TFormPrinttext* d) { pressF1(d); }));
    QCOMPARE(fake->help.size(), size_t(2));
    QCOMPARE(fake->help[0].second, 23);
    QCOMPARE(fake->help[1].second, 24);
  }

  // Without a CHM viewer, F1 in a modal dialog opens the help window as a
  // window of the dialog's, which the dialog does not block; it closes with it.
  void dialogHelpWithoutViewer() {
    useHelpWindow();
    QPointer<HelpWindow> help;
    QVERIFY(WhenModal<Taboutform>([&] { form->About1Click(); },
                                  [&](Taboutform* d) {
                                    for (QAction* a : d->actions())
                                      if (a->shortcut() == QKeySequence(Qt::Key_F1)) a->trigger();
                                    help = HelpWindow::instance();
                                    QVERIFY(help != nullptr && help->isVisible());
                                    QCOMPARE(help->browser()->source().fileName(), QString("about.html"));
                                    QCOMPARE(help->parentWidget(), static_cast<QWidget*>(d));
                                  }));
    QVERIFY(help.isNull());
    QVERIFY(fake->help.empty());
  }
};

QTEST_MAIN(DialogTest)
#include "test_dialogs.moc"
