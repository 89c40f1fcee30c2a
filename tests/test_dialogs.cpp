// The save, print and about dialogs on the real window, offscreen. Modal
// dialogs are driven from a timer that fires once they are open.
#include <QDateTime>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "FakePlatform.h"
#include "core/Printing.h"
#include "core/Writers.h"
#include "ui/Folders.h"
#include "ui/NumberPage.h"
#include "ui/QtPrinting.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"
#include "ui/myabout.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

// Records the lines a print job draws.
class FakeService : public PrinterService {
 public:
  class Canvas : public PrintCanvas {
   public:
    explicit Canvas(FakeService& owner) : owner_(owner) {}
    int pageWidth() const override { return 100000; }
    int pageHeight() const override { return 100000; }
    int textWidth(std::string_view t) const override { return 10 * int(t.size()); }
    int textHeight(std::string_view) const override { return 8; }
    int charHeight() const override { return 8; }
    int averageCharWidth() const override { return 1; }
    void drawText(int, int y, std::string_view t) override {
      owner_.drawn[y] += QString::fromStdString(std::string(t)) + " ";
    }
    void newPage() override {}
    void endDoc() override { ++owner_.jobs; }

   private:
    FakeService& owner_;
  };
  FakeService() { SetPrinterService(this); }
  ~FakeService() override { SetPrinterService(nullptr); }
  std::unique_ptr<PrintCanvas> beginDoc() override { return std::make_unique<Canvas>(*this); }
  std::map<int, QString> drawn;
  int jobs = 0;
};

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

// Runs `drive` on the modal dialog of type T once it is open, then closes it.
template <typename T>
bool WhenOpen(const std::function<void(T*)>& drive) {
  auto done = std::make_shared<bool>(false);
  QTimer::singleShot(0, [drive, done] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    drive(dialog);
    dialog->close();
    *done = true;
  });
  return true;
}

}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::FakePlatform> fake;
  std::unique_ptr<TFormRandom> form;
  NumberPage* page = nullptr;
  QTemporaryDir dir;

  QString layoutOf(bool oneLine, int perLine, uint8_t separator) const {
    QString text;
    LayOutLines(page->generator.Results, oneLine, perLine, separator, "\r\n",
                [&text](std::string_view piece) { text += QString::fromStdString(std::string(piece)); });
    return text;
  }
  // A seeded run of seven numbers shown in three columns.
  void run() {
    page->seed->manualRadio->setChecked(true);
    page->seed->manualSpin->setValue(12345);
    page->RxSpinCount->setValue(7);
    page->RxSpinCountExit();
    QTest::mouseClick(page->startButton, Qt::LeftButton);
    QCOMPARE(page->generator.Results.size(), size_t(7));
  }

 private slots:
  void init() {
    fake = std::make_unique<test::FakePlatform>();
    form = std::make_unique<TFormRandom>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    page = form->TabSheet1;
    run();
  }
  void cleanup() {
    form.reset();
    fake.reset();
  }

  void savesEveryLayoutByteForByte() {
    struct Case {
      QRadioButton* TFormSaveText::*layout;
      QRadioButton* TFormSaveText::*separator;
      bool oneLine;
      int perLine;
      uint8_t sep;
    };
    const Case cases[] = {{&TFormSaveText::raSingleLine, &TFormSaveText::RaComma, true, 1, 0},
                          {&TFormSaveText::raMutiCol, &TFormSaveText::RaTab, false, 3, 1},
                          {&TFormSaveText::rxOnecol, &TFormSaveText::RaSpace, false, 1, 2},
                          {&TFormSaveText::raMutiCol, &TFormSaveText::RaSpace, false, 3, 2}};
    int n = 0;
    for (const Case& c : cases) {
      const QString file = dir.filePath(QString("layout%1.txt").arg(n++));
      fake->nextFile = file;
      WhenOpen<TFormSaveText>([&](TFormSaveText* d) {
        QCOMPARE(d->RxSpinEdit1->value(), 3);  // the page's three columns
        QTest::mouseClick(d->FilenameEdit1->browse, Qt::LeftButton);
        (d->*c.layout)->setChecked(true);
        (d->*c.separator)->setChecked(true);
        QTest::mouseClick(d->btnSave, Qt::LeftButton);
      });
      QTest::mouseClick(page->saveButton, Qt::LeftButton);
      QCOMPARE(QString::fromUtf8(ReadAll(file)), layoutOf(c.oneLine, c.perLine, c.sep));
    }
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been saved as text file!"));
    QCOMPARE(fake->boxes.back().icon, Icon::Information);
  }

  void appendTwiceAndQuotedNames() {
    const QString file = dir.filePath("with blanks.txt");
    fake->nextFile = file;
    WhenOpen<TFormSaveText>([&](TFormSaveText* d) {
      QTest::mouseClick(d->btnview, Qt::LeftButton);  // nothing saved yet: nothing opens
      QCOMPARE(fake->opened.size(), size_t(0));
      QTest::mouseClick(d->FilenameEdit1->browse, Qt::LeftButton);
      QCOMPARE(d->FilenameEdit1->edit->text(), "\"" + file + "\"");
      d->raAppend->setChecked(true);
      QTest::mouseClick(d->btnSave, Qt::LeftButton);
      QTest::mouseClick(d->btnSave, Qt::LeftButton);
      QTest::mouseClick(d->btnview, Qt::LeftButton);
      QCOMPARE(fake->opened.size(), size_t(1));
      QCOMPARE(fake->opened[0], QUrl::fromLocalFile(file));
    });
    QTest::mouseClick(page->saveButton, Qt::LeftButton);
    const QString once = layoutOf(false, 3, 1);
    QCOMPARE(QString::fromUtf8(ReadAll(file)), once + once);
  }

  void emptyNameIsRefused() {
    WhenOpen<TFormSaveText>([&](TFormSaveText* d) { QTest::mouseClick(d->btnSave, Qt::LeftButton); });
    QTest::mouseClick(page->saveButton, Qt::LeftButton);
    QCOMPARE(fake->boxes.size(), size_t(1));
    QCOMPARE(fake->boxes[0].text, QString("Please input file name! "));
    QCOMPARE(fake->boxes[0].icon, Icon::Error);
  }

  void oneColumnPresetsTwo() {
    page->columnsBox->setCurrentIndex(0);
    page->ColumnsChange();
    int preset = 0;
    WhenOpen<TFormSaveText>([&](TFormSaveText* d) { preset = d->RxSpinEdit1->value(); });
    QTest::mouseClick(page->saveButton, Qt::LeftButton);
    QCOMPARE(preset, 2);
  }

  void printsThroughTheTempFolder() {
    FakeService service;
    fake->printers = {"Fake printer"};
    QString printedFile;
    WhenOpen<TFormPrinttext>([&](TFormPrinttext* d) {
      d->raspace->setChecked(true);
      QTest::mouseClick(d->btnprint, Qt::LeftButton);
      printedFile = QString::fromStdString(d->Par.FileName);
    });
    QTest::mouseClick(page->printButton, Qt::LeftButton);
    QCOMPARE(service.jobs, 1);
    QVERIFY(QFile::exists(printedFile));
    QVERIFY(printedFile.startsWith(TempFolder() + "/"));
    QVERIFY(QRegularExpression(R"(/temp/\d{8}_\d{6}\.txt$)").match(printedFile).hasMatch());
    QCOMPARE(QString::fromUtf8(ReadAll(printedFile)), layoutOf(false, 3, 2));
    QStringList lines;
    for (const auto& [y, text] : service.drawn) lines << text.trimmed();
    QCOMPARE(lines.join("\n"), layoutOf(false, 3, 2).trimmed().replace("\r\n", "\n"));
    QCOMPARE(fake->boxes.back().text, QString("The randoms have been printed!"));
    QCOMPARE(TFormPrinttext::PrintFileName("/opt/q/temp", QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3))),
             QString("/opt/q/temp/20261207_090503.txt"));
  }

  void printSetupSetsTheOrientation() {
    fake->printers = {"Fake printer"};
    WhenOpen<TFormPrinttext>([&](TFormPrinttext* d) {
      fake->setupOrientation = QPageLayout::Landscape;
      QTest::mouseClick(d->btnsetup, Qt::LeftButton);
      QVERIFY(d->RaLan->isChecked());
      fake->setupOrientation.reset();  // cancelled: nothing changes
      QTest::mouseClick(d->btnsetup, Qt::LeftButton);
      QVERIFY(d->RaLan->isChecked());
    });
    QTest::mouseClick(page->printButton, Qt::LeftButton);
    QCOMPARE(fake->setups, 2);
    // Opened again, the dialog shows the printer's landscape; Portrait sets it back.
    WhenOpen<TFormPrinttext>([&](TFormPrinttext* d) {
      QVERIFY(d->RaLan->isChecked());
      QTest::mouseClick(d->RaPor, Qt::LeftButton);
      QCOMPARE(CurrentPrinter().pageLayout().orientation(), QPageLayout::Portrait);
    });
    QTest::mouseClick(page->printButton, Qt::LeftButton);
  }

  void aboutBoxLinks() {
    WhenOpen<Taboutform>([&](Taboutform* d) {
      QCOMPARE(d->windowTitle(), QString("About Quenvar Random Number Generator "));
      QCOMPARE(d->RxLabel1->text(), QString("Quenvar Random Number Generator V1.04 (Build 8)"));
      d->Label6Click();
      d->Label4Click();
    });
    form->About1Click();
    QCOMPARE(fake->opened.size(), size_t(2));
    QCOMPARE(fake->opened[0], QUrl(kHomePageAddress));
    QCOMPARE(fake->opened[1], QUrl(QString("mailto:") + kSupportAddress));
  }

  void helpContextsOfTheDialogs() {
    auto pressF1 = [](QWidget* d) {
      for (QAction* a : d->actions())
        if (a->shortcut() == QKeySequence(Qt::Key_F1)) a->trigger();
    };
    WhenOpen<TFormSaveText>([&](TFormSaveText* d) { pressF1(d); });
    QTest::mouseClick(page->saveButton, Qt::LeftButton);
    fake->printers = {"Fake printer"};
    WhenOpen<TFormPrinttext>([&](TFormPrinttext* d) { pressF1(d); });
    QTest::mouseClick(page->printButton, Qt::LeftButton);
    QCOMPARE(fake->help.size(), size_t(2));
    QCOMPARE(fake->help[0].second, 23);
    QCOMPARE(fake->help[1].second, 24);
  }
};

QTEST_MAIN(DialogTest)
#include "test_dialogs.moc"
