// The Distribution chart of 10,000,000 results (offscreen): the time from
// the held values to the dialog painted, for numbers in bins, bytes and
// items, as the three pages open it.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

#include "core/Unit_base.h"
#include "generators/Distribution.h"
#include "ui/DistributionDialog.h"

using namespace quenvar;

namespace {

constexpr int32_t kCount = 10000000;

TArrayInteger Draw(int32_t lower, int32_t upper) {
  Tmake_random engine;
  Tinputpar request;
  request.Lower = lower;
  request.Upper = upper;
  request.Count = kCount;
  request.Duplicate = true;
  RandomSource source(1);
  engine.MakeRandoms(request, source);
  return std::move(engine.Randoms);
}

void Time(const char* what, const std::function<Distribution()>& count) {
  QElapsedTimer clock;
  clock.start();
  const Distribution d = count();
  const qint64 counted = clock.nsecsElapsed();
  ui::DistributionDialog dialog(nullptr, d, "Bench");
  dialog.show();
  dialog.repaint();
  QApplication::processEvents();
  const qint64 shown = clock.nsecsElapsed();
  std::printf("distribution of 10,000,000 %s: counted %.1f ms, chart shown %.1f ms\n", what, counted / 1e6,
              shown / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const TArrayInteger numbers = Draw(-1000000, 1000000);
  Time("numbers", [&] { return NumberDistribution(numbers, -1000000, 1000000, true, 0); });
  const TArrayInteger drawn = Draw(0, 255);
  const std::vector<uint8_t> bytes(drawn.begin(), drawn.end());
  Time("bytes", [&] { return ByteDistribution(bytes); });
  TArrayString items;
  for (int k = 0; k < 100000; ++k) items.push_back("item " + std::to_string(k));
  const TArrayInteger positions = Draw(0, 99999);
  Time("samples of 100,000 items", [&] { return ItemDistribution(positions, items, true); });
  return 0;
}
