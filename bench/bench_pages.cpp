// The Lottery and Random Sampling pages through the real window
// (offscreen): wall times of the runs the command-line tool also makes, and
// the longest gap between two processed batches of events, seen by a 5 ms
// timer that only fires when events are processed.
//   bench_pages ITEMS_1M ITEMS_2M
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "ui/LotteryPage.h"
#include "ui/SamplingPage.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

namespace {

// Wall time of `work` in seconds, and the longest event gap meanwhile.
struct Timed {
  double seconds;
  qint64 longestGapMs;
};

template <class Work>
Timed Measure(Work work) {
  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  QTimer ticker;
  ticker.setInterval(5);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
  ticker.start();
  sinceTick.start();
  QElapsedTimer run;
  run.start();
  work();
  const qint64 ns = run.nsecsElapsed();
  longestGap = std::max(longestGap, sinceTick.elapsed());
  return {ns / 1e9, longestGap};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_pages ITEMS_1M ITEMS_2M\n");
    return 2;
  }
  TFormRandom form;
  form.show();

  // 1,000,000 unique lines of 6 from 1 to 49, shown as drawn, then sorted.
  LotteryPage* lottery = form.TabSheet55;
  form.PageControl1->setCurrentWidget(lottery);
  lottery->RadioNoBonus->click();
  lottery->RxSpinMainUpper->setValue(49);
  lottery->RxSpinMainPick->setValue(6);
  lottery->RxSpinEditTotal->setValue(1000000);
  lottery->ChDupRows->setChecked(true);
  lottery->seedGroup()->manualRadio->setChecked(true);
  lottery->seedGroup()->manualSpin->setValue(1);
  QApplication::processEvents();
  const Timed drawn = Measure([&] { lottery->actions().startButton()->click(); });
  const Timed sorted = Measure([&] { lottery->actions().ascAction()->trigger(); });
  std::printf("lottery window: run %.3f s, re-sort %.3f s, %d rows, longest event gap %lld ms, %s\n",
              drawn.seconds, sorted.seconds, lottery->view().model()->rowCount(),
              static_cast<long long>(std::max(drawn.longestGapMs, sorted.longestGapMs)),
              lottery->view().totalsLabel()->text().toStdString().c_str());

  // Loading a file of 1,000,000 lines into the item list.
  SamplingPage* sampling = form.TabSheet22;
  form.PageControl1->setCurrentWidget(sampling);
  QApplication::processEvents();
  const Timed load = Measure([&] { sampling->loadItems(argv[1]); });
  std::printf("item file load: %.3f s, %d items, longest event gap %lld ms\n", load.seconds,
              sampling->items->count(), static_cast<long long>(load.longestGapMs));

  // 1,000,000 samples from 2,000,000 checked items.
  sampling->items->clear();
  sampling->loadItems(argv[2]);
  sampling->RxSpinEdit22->setValue(1000000);
  sampling->RxSpinEdit22Exit();
  sampling->seedGroup()->manualRadio->setChecked(true);
  sampling->seedGroup()->manualSpin->setValue(1);
  sampling->actions().columnsBox()->setCurrentIndex(0);
  sampling->ColumnsChange();
  QApplication::processEvents();
  const Timed sample = Measure([&] { sampling->actions().startButton()->click(); });
  std::printf("sampling window: run %.3f s, %d rows, longest event gap %lld ms, %s\n", sample.seconds,
              sampling->view().model()->rowCount(), static_cast<long long>(sample.longestGapMs),
              sampling->view().totalsLabel()->text().toStdString().c_str());
  return 0;
}
