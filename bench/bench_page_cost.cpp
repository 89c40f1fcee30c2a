// One run of one page through the real window (offscreen), timed from the
// click on its Start button to the last row painted, for the comparison with
// the command-line tool's whole process making the same run. Prints the time
// in seconds; bench/run takes the median of five processes.
//   bench_page_cost FOLDER PAGE [ARG]
// FOLDER holds wildcard.ini and the name lists (the build folder). PAGE and
// the run it makes (quenvar-cli's arguments in bench/run):
//   number          1,000,000 distinct of 1..2000000000, ascending, 10 columns
//   lottery         1,000,000 unique lines of 6 from 1..49, ascending
//   sampling ITEMS  1,000,000 of the items in ITEMS (loaded before the click)
//   string          1,000,000 distinct of "########", ascending, 10 columns
//   name            1,000,000 distinct names, ascending
//   file PATH       100,000,000 bytes written to PATH, display off
//   shown PATH      the same with display on, the bytes shown in 3 columns
// PROFILE_REPEAT=N in the environment makes N runs more before the one timed.
#include <sys/resource.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

#include "ui/FilePage.h"
#include "ui/Folders.h"
#include "ui/LotteryPage.h"
#include "ui/NamePage.h"
#include "ui/NumberPage.h"
#include "ui/SamplingPage.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

namespace {

// Processor time of the whole process (every thread), user and system.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets messages run until none is left (at most 16 rounds).
void Settle() {
  for (int pass = 0; pass < 16; ++pass)
    if (!QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents)) break;
}

void Manual(ResultPage* page) {
  page->seedGroup()->manualRadio->setChecked(true);
  page->seedGroup()->manualSpin->setValue(1);
}

void Columns(ResultPage* page, int columns) {
  page->actions().columnsBox()->setCurrentIndex(columns - 1);
  page->ColumnsChange();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_page_cost FOLDER PAGE [ARG]\n");
    return 2;
  }
  SetApplicationFolder(QString::fromLocal8Bit(argv[1]));
  const char* what = argv[2];
  const QString arg = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  TFormRandom form;
  form.show();
  ResultPage* page = nullptr;
  if (std::strcmp(what, "number") == 0) {
    NumberPage* p = form.TabSheet1;
    p->RxSpinLow->setValue(1);
    p->RxSpinUpper->setValue(2000000000);
    p->RxSpinCount->setValue(1000000);
    if (p->ChDuplicate->isChecked()) p->ChDuplicate->click();
    p->actions().ascAction()->trigger();
    Columns(p, 10);
    page = p;
  } else if (std::strcmp(what, "lottery") == 0) {
    LotteryPage* p = form.TabSheet55;
    p->RadioNoBonus->click();
    p->RxSpinMainUpper->setValue(49);
    p->RxSpinMainPick->setValue(6);
    p->RxSpinEditTotal->setValue(1000000);
    p->ChDupRows->setChecked(true);
    p->actions().ascAction()->trigger();
    page = p;
  } else if (std::strcmp(what, "sampling") == 0) {
    SamplingPage* p = form.TabSheet22;
    form.PageControl1->setCurrentWidget(p);
    p->loadItems(arg);
    p->RxSpinEdit22->setValue(1000000);
    p->RxSpinEdit22Exit();
    Columns(p, 1);
    page = p;
  } else if (std::strcmp(what, "string") == 0) {
    StringPage* p = form.TabSheet2;
    form.PageControl1->setCurrentWidget(p);
    p->comMask->setEditText("########");
    p->Rx2SpinCount->setValue(1000000);
    p->actions().ascAction()->trigger();
    Columns(p, 10);
    page = p;
  } else if (std::strcmp(what, "name") == 0) {
    NamePage* p = form.TabSheet44;
    p->RxSpinEdit44->setValue(1000000);
    p->actions().ascAction()->trigger();
    Columns(p, 1);
    page = p;
  } else if (std::strcmp(what, "file") == 0 || std::strcmp(what, "shown") == 0) {
    FilePage* p = form.TabSheet3;
    p->ChAutoFileName->setChecked(false);
    p->BaseFileName = arg;
    p->ChAutoFileNameClick();
    p->Rx3SpinCount->setValue(100000000);
    p->Rx3SpinCountExit();
    const bool display = std::strcmp(what, "shown") == 0;
    if (p->btn3Displayed->isChecked() != display) p->pmEnableDisplay->trigger();
    page = p;
  } else {
    std::fprintf(stderr, "bench_page_cost: unknown page %s\n", what);
    return 2;
  }
  form.PageControl1->setCurrentWidget(page);
  Manual(page);
  // The window settles first: what building and showing it left queued
  // (layouts, repaints, and what they queue in turn) is not the run's.
  Settle();

  // PROFILE_REPEAT=N runs it N times more first, for a profiler.
  for (int k = qEnvironmentVariableIntValue("PROFILE_REPEAT"); k > 0; --k) {
    page->actions().startButton()->click();
    QApplication::processEvents();
  }
  const double cpuBefore = CpuSeconds();
  QElapsedTimer run;
  run.start();
  page->actions().startButton()->click();
  // Whatever the click left queued (a pending repaint, a layout, and what
  // they queue in turn) is part of the run.
  Settle();
  const qint64 ns = run.nsecsElapsed();
  std::printf("%.3f %.3f\n", ns / 1e9, CpuSeconds() - cpuBefore);
  std::fprintf(stderr, "%s: %d rows, %s\n", what, page->view().model()->rowCount(),
               page->view().totalsLabel()->text().toStdString().c_str());
  return 0;
}
