// The Random File page through the real window (offscreen).
//   bench_file_page display PATH   100,000,000 bytes with display on: wall
//                                  time, peak memory, the longest gap between
//                                  two processed batches of events, and the
//                                  time a radix switch takes to repaint.
//   bench_file_page plain PATH SIZE  SIZE bytes with display off: wall time.
//                                  Then every row selected and copied.
// COLUMNS_CHOICE=N in the environment shows N columns instead of three;
// NO_COPY=1 leaves the copy out.
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/FilePage.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

namespace {
long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_file_page display PATH | plain PATH SIZE\n");
    return 2;
  }
  const bool display = std::strcmp(argv[1], "display") == 0;
  const int size = display ? 100000000 : std::atoi(argv[3]);
  TFormRandom form;
  form.show();
  form.PageControl1->setCurrentWidget(form.TabSheet3);
  FilePage* page = form.TabSheet3;
  page->ChAutoFileName->setChecked(false);
  page->BaseFileName = QString::fromLocal8Bit(argv[2]);
  page->ChAutoFileNameClick();
  page->Rx3SpinCount->setValue(size);
  page->Rx3SpinCountExit();
  page->seedGroup()->manualRadio->setChecked(true);
  page->seedGroup()->manualSpin->setValue(1);
  if (page->btn3Displayed->isChecked() != display) page->pmEnableDisplay->trigger();
  if (const char* columns = std::getenv("COLUMNS_CHOICE")) {
    page->actions().columnsBox()->setCurrentIndex(std::atoi(columns) - 1);
    page->ColumnsChange();
  }
  QApplication::processEvents();
  const long baseKiB = PeakKiB();

  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  QTimer ticker;
  ticker.setInterval(5);
  QString gapPhase;  // the status shown when the longest gap began and ended
  QString lastPhase;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 gap = sinceTick.restart();
    if (gap > longestGap) gapPhase = lastPhase + "\" to \"" + page->DisplayLabelText();
    lastPhase = page->DisplayLabelText();
    longestGap = std::max(longestGap, gap);
  });
  ticker.start();
  sinceTick.start();
  form.pump.resetGaps();
  QElapsedTimer run;
  run.start();
  page->actions().startButton()->click();
  const qint64 ms = run.elapsed();
  const qint64 loopGap = form.pump.longestGapMs();
  longestGap = std::max(longestGap, sinceTick.elapsed());
  if (!display) {
    std::printf("window file run, display off: %.3f s, %s\n", ms / 1000.0,
                qPrintable(page->view().totalsLabel()->text()));
    return 0;
  }
  // A second more of messages, the gaps still watched: nothing of the run
  // may be left to do after it says "Done". Then switch the radix four times.
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 1000) QApplication::processEvents();
  ticker.stop();
  qint64 slowestSwitch = 0;
  for (QAction* radix : {page->mH, page->mO, page->mB, page->mD}) {
    QElapsedTimer one;
    one.start();
    radix->trigger();
    page->view().list()->viewport()->repaint();
    slowestSwitch = std::max(slowestSwitch, one.nsecsElapsed() / 1000);
  }
  std::printf(
      "window file run, display on, 100000000 bytes: %.3f s, %d rows; peak memory %ld MiB (%ld MiB before "
      "the run); "
      "longest gap between event batches, in the run and the second after, %lld ms (from \"%s\"), of which "
      "outside event processing %lld ms; "
      "slowest radix switch with repaint %.3f "
      "ms\n",
      ms / 1000.0, page->view().model()->rowCount(), PeakKiB() / 1024, baseKiB / 1024,
      static_cast<long long>(longestGap), gapPhase.toUtf8().constData(), static_cast<long long>(loopGap),
      slowestSwitch / 1000.0);

  // Every row selected and copied (Ctrl+A, Ctrl+C), the gaps watched again.
  if (std::getenv("NO_COPY") != nullptr) return 0;
  page->view().list()->selectAll();
  longestGap = 0;
  form.pump.resetGaps();
  ticker.start();
  sinceTick.restart();
  run.restart();
  page->view().CopyClick();
  const qint64 copyMs = run.elapsed();
  longestGap = std::max(longestGap, sinceTick.elapsed());
  ticker.stop();
  std::printf(
      "  all rows copied: %.3f s, %lld characters; peak memory %ld MiB; longest gap between event batches "
      "%lld ms\n",
      copyMs / 1000.0, static_cast<long long>(QApplication::clipboard()->text().size()), PeakKiB() / 1024,
      static_cast<long long>(longestGap));
  return 0;
}
