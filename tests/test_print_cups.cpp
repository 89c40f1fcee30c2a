// Prints for real: a page's results through the print dialog on the CUPS
// PDF printer named in QUENVAR_CUPS_PRINTER (scripts/cups-setup makes one),
// then reads the PDF back with pdftotext.
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "GuiFixture.h"
#include "ui/NumberPage.h"
#include "ui/QtPrinting.h"
#include "ui/UnitMain.h"
#include "ui/UnitprintText.h"

using namespace quenvar::ui;

namespace {

// Message boxes answered; the printers are the print service's own.
class CupsPlatform : public quenvar::test::FakePlatform {
 public:
  QStringList printerNames() override { return QPrinterInfo::availablePrinterNames(); }
};

QSet<QString> Pdfs(const QString& folder) {
  QSet<QString> out;
  for (const QString& name : QDir(folder).entryList({"*.pdf"}, QDir::Files)) out.insert(folder + "/" + name);
  return out;
}

}  // namespace

class CupsTest : public QObject {
  Q_OBJECT

 private slots:
  void printsThePageOnAPdfPrinter() {
    const QString printer = qEnvironmentVariable("QUENVAR_CUPS_PRINTER");
    if (printer.isEmpty()) QSKIP("no CUPS test printer (run scripts/cups-setup)");
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(printer),
             "the print service does not list the printer");
    CupsPlatform platform;
    TFormRandom form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    NumberPage* page = form.TabSheet1;
    page->seedGroup()->manualRadio->setChecked(true);
    page->seedGroup()->manualSpin->setValue(4242);
    page->RxSpinCount->setValue(30);
    page->RxSpinCountExit();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    CurrentPrinter().setPrinterName(printer);

    // The PDF back end writes to the PDF folder in the job owner's home.
    const passwd* user = getpwuid(getuid());
    const QString pdfFolder = QString::fromLocal8Bit(user != nullptr ? user->pw_dir : "/root") + "/PDF";
    const QSet<QString> before = Pdfs(pdfFolder);
    QString printedFile;
    QVERIFY(quenvar::test::WhenModal<TFormPrinttext>(
        [&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
        [&](TFormPrinttext* dialog) {
          dialog->raspace->setChecked(true);
          QTest::mouseClick(dialog->btnprint, Qt::LeftButton);
          printedFile = QString::fromStdString(dialog->Par.FileName);
        }));
    QCOMPARE(platform.boxes.back().text, QString("The randoms have been printed!"));

    // The job reaches the PDF back end within a few seconds.
    QString pdf;
    for (int i = 0; i < 300 && pdf.isEmpty(); ++i) {
      const QSet<QString> now = Pdfs(pdfFolder) - before;
      if (!now.isEmpty()) pdf = *now.begin();
      QTest::qWait(100);
    }
    QVERIFY2(!pdf.isEmpty(), "no PDF appeared in ~/PDF");
    QTest::qWait(500);
    QProcess toText;
    toText.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(toText.waitForFinished(30000));
    const QString text = QString::fromUtf8(toText.readAllStandardOutput());

    QFile file(printedFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 10);  // 30 numbers, 3 per line
    for (const QString& line : lines) {
      const QString pattern = "(^|\\n)\\s*" + line.split(' ').join("\\s+") + "\\s*(\\n|$)";
      QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable("missing line: " + line));
    }
  }
};

QTEST_MAIN(CupsTest)
#include "test_print_cups.moc"
