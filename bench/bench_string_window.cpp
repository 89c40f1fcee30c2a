// 1,000,000 distinct strings of the mask "########" (# the digits) drawn and
// shown in 10 columns, then re-sorted ascending and shown again, through the
// real window (offscreen). The folder holding wildcard.ini is the first
// argument. Prints the wall times and the longest gap between two processed
// batches of events, seen by a 5 ms timer that only fires when events are
// processed.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/Folders.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1) SetApplicationFolder(QString::fromLocal8Bit(argv[1]));
  TFormRandom form;
  form.show();
  form.PageControl1->setCurrentIndex(int(Tab::String));
  StringPage* page = form.TabSheet2;
  page->comMask->setEditText("########");
  page->Rx2SpinCount->setValue(1000000);
  page->seedGroup()->manualRadio->setChecked(true);
  page->seedGroup()->manualSpin->setValue(1);
  page->actions().columnsBox()->setCurrentIndex(9);
  page->ColumnsChange();
  QApplication::processEvents();

  QElapsedTimer sinceTick, run;
  std::vector<std::pair<QString, qint64>> phases;  // as the ticker saw them begin
  qint64 longestGap = 0;
  // The phases on either side of the longest gap, as the status label names them.
  QString before = page->DisplayLabelText(), gapPhases;
  QTimer ticker;
  ticker.setInterval(5);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 gap = sinceTick.restart();
    const QString now = page->DisplayLabelText();
    if (gap > longestGap) {
      longestGap = gap;
      gapPhases = before == now ? now : before + " to " + now;
    }
    if (now != before) phases.push_back({now, run.elapsed()});
    before = now;
  });
  ticker.start();
  sinceTick.start();
  run.start();
  page->actions().startButton()->click();
  const qint64 drawn = run.elapsed();
  page->actions().ascAction()->trigger();
  const qint64 ms = run.elapsed();
  if (sinceTick.elapsed() > longestGap) {
    longestGap = sinceTick.elapsed();
    gapPhases = "the end";
  }
  const std::string first =
      page->generated().Results.size() > 0 ? std::string(page->generated().Results[0]) : "-";
  std::printf(
      "string window run: %.3f s (drawn and shown %.3f s, re-sorted and shown %.3f s), %lld rows, %zu "
      "strings, "
      "first %s, longest gap between event batches: %lld ms (%s), %s\n",
      ms / 1000.0, drawn / 1000.0, (ms - drawn) / 1000.0,
      static_cast<long long>(page->view().model()->rowCount()), page->generated().Results.size(),
      first.c_str(), static_cast<long long>(longestGap), gapPhases.toStdString().c_str(),
      page->view().totalsLabel()->text().toStdString().c_str());
  for (size_t i = 0; i < phases.size(); ++i)
    std::fprintf(stderr, "  %-24s from %6.3f s\n", phases[i].first.toStdString().c_str(),
                 phases[i].second / 1000.0);
  return 0;
}
