// Runs through the real window (offscreen) and prints, for each, the wall
// time and the longest gap between two processed batches of events, seen by
// a 5 ms timer that only fires when events are processed:
//  - 1,000,000 distinct numbers from 1 to 2000000000, sorted, 10 columns;
//    then shown in one column, every row selected and copied;
//  - 50,000,000 numbers with repeats allowed, sorted, 10 columns, then
//    re-sorted descending, in drawing order and ascending again;
//  - the time until a request too large for memory is refused.
// Memory is checked against what the system has free.
// `bench_window 1m` runs only the first, `bench_window 50m` the first two.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/NumberPage.h"
#include "ui/Platform.h"
#include "ui/UnitMain.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

// Answers message boxes at once, noting when the first came.
class QuietPlatform : public Platform {
 public:
  QuietPlatform() { setPlatform(this); }
  ~QuietPlatform() override { setPlatform(nullptr); }
  Answer messageBox(QWidget*, const QString& text, Icon, bool) override {
    if (firstBox.isEmpty()) firstBox = text;
    return Answer::Ok;
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QString> inputBox(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  QStringList printerNames() override { return {}; }
  bool printerSetup(QWidget*, QPrinter&) override { return false; }
  bool openUrl(const QUrl&) override { return true; }
  QString helpViewer() override { return "xchm"; }
  void showHelp(const QString&, int) override {}
  QString firstBox;
};

// The longest gap between event batches while `work` runs, and its time.
struct Gaps {
  Gaps() {
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [this] { longest = std::max(longest, sinceTick.restart()); });
  }
  template <typename Work>
  void measure(const char* what, Work work) {
    QApplication::processEvents();
    longest = 0;
    ticker.start();
    sinceTick.start();
    QElapsedTimer run;
    run.start();
    work();
    const qint64 ms = run.elapsed();
    longest = std::max(longest, sinceTick.elapsed());
    ticker.stop();
    std::printf("%-44s %8.3f s   longest gap between event batches: %4lld ms\n", what, ms / 1000.0,
                static_cast<long long>(longest));
    std::fflush(stdout);
  }
  QTimer ticker;
  QElapsedTimer sinceTick;
  qint64 longest = 0;
};

void Set(NumberPage* page, int lower, int upper, int count, bool duplicates) {
  page->RxSpinLow->setValue(lower);
  page->RxSpinUpper->setValue(upper);
  page->RxSpinCount->setValue(count);
  if (page->ChDuplicate->isChecked() != duplicates) page->ChDuplicate->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuietPlatform quiet;
  TFormRandom form;
  form.show();
  NumberPage* page = form.TabSheet1;
  page->seedGroup()->manualRadio->setChecked(true);
  page->seedGroup()->manualSpin->setValue(1);
  page->actions().ascAction()->trigger();
  page->actions().columnsBox()->setCurrentIndex(9);
  page->ColumnsChange();
  Gaps gaps;

  Set(page, 1, 2000000000, 1000000, false);
  gaps.measure("window run: 1M of 1..2e9, sorted", [&] { page->actions().startButton()->click(); });
  std::printf("  %lld rows, %s\n", static_cast<long long>(page->view().model()->rowCount()),
              page->view().totalsLabel()->text().toStdString().c_str());
  // The same results in one column: a million rows selected and copied.
  page->actions().columnsBox()->setCurrentIndex(0);
  page->ColumnsChange();
  gaps.measure("  Ctrl+A, Ctrl+C of 1M rows", [&] {
    page->view().list()->selectAll();
    page->view().CopyClick();
  });
  std::printf("  %lld characters copied\n", static_cast<long long>(QApplication::clipboard()->text().size()));
  page->actions().columnsBox()->setCurrentIndex(9);
  page->ColumnsChange();
  if (argc > 1 && std::strcmp(argv[1], "1m") == 0) return 0;

  Set(page, 1, 2000000000, 50000000, true);
  gaps.measure("50M with repeats, sorted ascending", [&] { page->actions().startButton()->click(); });
  gaps.measure("  re-sorted descending", [&] { page->actions().dscButton()->click(); });
  gaps.measure("  shown in drawing order", [&] { page->actions().origButton()->click(); });
  gaps.measure("  re-sorted ascending", [&] { page->actions().ascButton()->click(); });
  std::printf("  %lld rows\n", static_cast<long long>(page->view().model()->rowCount()));
  if (argc > 1 && std::strcmp(argv[1], "50m") == 0) return 0;

  // Too large for memory: 2147483647 values, distinct or with repeats. Both
  // are weighed before anything is drawn and refused at once.
  for (bool duplicates : {false, true}) {
    quiet.firstBox.clear();
    Set(page, -2147483647, -1, 2147483647, duplicates);
    gaps.measure(duplicates ? "2147483647 with repeats: until refused" : "2147483646 distinct: until refused",
                 [&] { page->actions().startButton()->click(); });
    std::printf("  message: %s\n", quiet.firstBox.left(110).replace('\r', ' ').toStdString().c_str());
  }
  return 0;
}
