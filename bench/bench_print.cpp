// Prints 1,000,000 numbers (1..2e9, in the page's three columns) through the
// real window and its print dialog, offscreen, to a PDF file printer, and
// prints the wall time, the pages and the longest gap between two processed
// batches of events, seen by a 5 ms timer that only fires when events are
// processed (under 100 ms is the aim).
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "ui/NumberPage.h"
#include "ui/Platform.h"
#include "ui/QtPrinting.h"
#include "ui/UnitMain.h"
#include "ui/UnitprintText.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

// One printer; every question is answered Yes and noted.
class YesPlatform : public Platform {
 public:
  YesPlatform() { setPlatform(this); }
  ~YesPlatform() override { setPlatform(nullptr); }
  Answer messageBox(QWidget*, const QString& text, Icon, bool yesNo) override {
    if (yesNo) question = text;
    return yesNo ? Answer::Yes : Answer::Ok;
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QString> inputBox(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  QStringList printerNames() override { return {"PDF file"}; }
  bool printerSetup(QWidget*, QPrinter&) override { return false; }
  bool openUrl(const QUrl&) override { return true; }
  QString helpViewer() override { return "xchm"; }
  void showHelp(const QString&, int) override {}
  QString question;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  YesPlatform yes;
  QTemporaryDir dir;
  const QString pdf = dir.filePath("print.pdf");
  CurrentPrinter().setOutputFileName(pdf);
  TFormRandom form;
  form.show();
  NumberPage* page = form.TabSheet1;
  page->seedGroup()->manualRadio->setChecked(true);
  page->seedGroup()->manualSpin->setValue(1);
  page->RxSpinLow->setValue(1);
  page->RxSpinUpper->setValue(2000000000);
  page->RxSpinCount->setValue(1000000);
  page->actions().startButton()->click();

  QTimer ticker;
  QElapsedTimer sinceTick;
  qint64 longest = 0;
  ticker.setInterval(5);
  QString phase, gapPhase;  // the status shown when the longest gap began and ended
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 gap = sinceTick.restart();
    if (gap > longest) gapPhase = phase + "\" to \"" + page->DisplayLabelText();
    longest = std::max(longest, gap);
    phase = page->DisplayLabelText();
  });
  QApplication::processEvents();
  QElapsedTimer run;
  // The dialog is driven once it is open: Print, then Close.
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TFormPrinttext*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    ticker.start();
    sinceTick.start();
    run.start();
    dialog->btnprint->click();
    dialog->close();
  });
  page->actions().printButton()->click();
  const qint64 ms = run.elapsed();
  if (sinceTick.elapsed() > longest) gapPhase = phase + "\" to the end";
  longest = std::max(longest, sinceTick.elapsed());
  std::printf(
      "print 1M numbers to a PDF printer: %.3f s, %s; PDF %lld KiB; longest gap between event batches: %lld "
      "ms (from \"%s\")\n",
      ms / 1000.0, yes.question.section('\n', 0, 0).replace('\r', ' ').toStdString().c_str(),
      static_cast<long long>(QFileInfo(pdf).size() / 1024), static_cast<long long>(longest),
      gapPhase.toStdString().c_str());
  return 0;
}
