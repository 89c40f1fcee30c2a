// Micro-benchmarks of the engine's hot parts.
#include <benchmark/benchmark.h>

#include "core/Feedback.h"
#include "core/Unit_base.h"

using namespace quenvar;

// The possible total of 1 .. 2147483647 with digits excluded, as the count
// phase computes it (the digit patterns are counted, not the values tried).
static void BM_CountPossibleWholeRange(benchmark::State& state) {
  const unsigned excluded = static_cast<unsigned>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CountFreeOfDigits(1, 2147483647, excluded));
}
BENCHMARK(BM_CountPossibleWholeRange)
    ->Arg(0b0000000010)
    ->Arg(0b0111111110)
    ->Arg(0b1010101010)
    ->Unit(benchmark::kMicrosecond);

// The same through the engine: no repeats, digits 1 and 3 excluded, one value.
static void BM_EngineCountAndDrawOne(benchmark::State& state) {
  Tinputpar par;
  par.Lower = 1;
  par.Upper = 2147483647;
  par.Count = 1;
  par.ExcludeKind = ExcludeDigits;
  par.Excluded = {1, 3};
  Tmake_random engine;
  for (auto _ : state) {
    RandomSource source(1);
    engine.MakeRandoms(par, source);
    benchmark::DoNotOptimize(engine.Possible);
  }
}
BENCHMARK(BM_EngineCountAndDrawOne)->Unit(benchmark::kMicrosecond);

// The cost of a message-pump point when no time has passed: a countdown.
static void BM_LetMessagesRun(benchmark::State& state) {
  struct NullPump : MessagePump {
    void processMessages() override {}
  } pump;
  SetMessagePump(&pump);
  for (auto _ : state)
    for (int i = 0; i < 1000; ++i) LetMessagesRun();
  SetMessagePump(nullptr);
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_LetMessagesRun);

BENCHMARK_MAIN();
