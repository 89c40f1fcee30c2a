#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <thread>

#include "Fakes.h"
#include "Reference.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/Memory.h"
#include "core/Unit_base.h"
#include "generators/Unit_lottery.h"
#include "generators/Unit_name_sampling.h"
#include "generators/Unit_number.h"

using namespace quenvar;
using quenvar::test::FakePump;
using quenvar::test::FakeStatus;

namespace {

Tinputpar Request(int32_t lower, int32_t upper, int32_t count, bool duplicate, TArrayInteger excluded = {},
                  uint8_t kind = 1) {
  return Tinputpar{.Lower = lower,
                   .Upper = upper,
                   .Excluded = std::move(excluded),
                   .ExcludeKind = static_cast<TExcludeKind>(kind),  // the reference model's codes
                   .Count = count,
                   .Duplicate = duplicate};
}

// The draw from `seed`; `end` gets the state the run left its source in.
TArrayInteger Draw(const Tinputpar& par, int32_t seed, Tmake_random* keep = nullptr,
                   uint32_t* end = nullptr) {
  Tmake_random local;
  Tmake_random& engine = keep ? *keep : local;
  RandomSource source(seed);
  engine.MakeRandoms(par, source);
  if (end != nullptr) *end = source.state;
  return engine.Randoms;
}

std::vector<std::string> Format(Tmake_random& engine, uint8_t order, bool comma = false, uint8_t radix = 0) {
  TArrayString list;
  engine.FormatRandoms(list, TformatPar{static_cast<TSortOrder>(order), comma, static_cast<TRadix>(radix)});
  return list.toVector();
}

unsigned Bits(std::initializer_list<int> digits) {
  unsigned mask = 0;
  for (int d : digits) mask |= 1u << d;
  return mask;
}

}  // namespace

// The fast engine against the plain transcription, on many random requests:
// same values in the same order, same totals, same texts in every order.
TEST(EngineMatchesReference, RandomRequests) {
  std::mt19937 rng(20261207);
  for (int round = 0; round < 1500; ++round) {
    const int32_t lower = std::uniform_int_distribution<int32_t>(-3000, 3000)(rng);
    const int32_t width = std::uniform_int_distribution<int32_t>(1, round % 5 == 0 ? 5 : 1500)(rng);
    ref::Input in;
    in.lower = lower;
    in.upper = lower + width - 1;
    in.count = std::uniform_int_distribution<int32_t>(1, width * 2)(rng);
    in.duplicate = rng() % 2 == 0;
    in.kind = rng() % 3 == 0 ? 0 : 1;
    const int exclusions = int(rng() % 4);
    if (in.kind == 1) {
      std::set<int32_t> digits;
      for (int i = 0; i < exclusions; ++i) digits.insert(int32_t(rng() % 10));
      in.excluded.assign(digits.rbegin(), digits.rend());  // unsorted on purpose
    } else {
      std::set<int32_t> values;
      for (int i = 0; i < exclusions * 3 && int(values.size()) < width - 1; ++i)
        values.insert(in.lower + int32_t(rng() % uint32_t(width)));
      in.excluded.assign(values.rbegin(), values.rend());
    }
    const auto seed = int32_t(rng());

    ref::Engine expected;
    expected.seed = uint32_t(seed);
    expected.MakeRandoms(in);

    Tmake_random engine;
    uint32_t end = 0;
    Draw(Request(in.lower, in.upper, in.count, in.duplicate, in.excluded, uint8_t(in.kind)), seed, &engine,
         &end);
    ASSERT_EQ(engine.Randoms, expected.randoms) << "round " << round;
    ASSERT_EQ(engine.GeneratedTotal(), expected.generated);
    if (!in.duplicate || (in.kind == 1 && !in.excluded.empty())) {
      ASSERT_EQ(engine.PossibleTotal(), expected.possible);
    }
    ASSERT_EQ(end, expected.seed) << "the random source must end where the reference's does";

    const uint8_t order = uint8_t(round % 3);
    const bool comma = round % 7 == 0;
    const uint8_t radix = round % 11 == 0 ? uint8_t(rng() % 4) : 0;
    ASSERT_EQ(Format(engine, order, comma, radix), expected.FormatRandoms(order, comma, radix))
        << "round " << round;
  }
}

// Excluded digits over wide ranges, where most draws are rejected on the
// state of the random source before any digit is looked at; and single
// values around the edges of the four-digit groups.
TEST(EngineMatchesReference, ExcludedDigitsOverWideRanges) {
  struct Case {
    int32_t lower, upper;
    std::vector<int32_t> digits;
    int32_t count;
    int32_t seed;
  };
  const Case cases[] = {
      {1, 4300000, {1, 2, 3, 4, 5, 6, 7, 8}, 40, 5},           // only 0 and 9 allowed
      {-2500000, 2000000, {0, 3, 5, 7}, 300, -77},             // through zero
      {2143000000, 2147483646, {1, 2, 3, 5, 6, 7, 8}, 60, 9},  // ten digits
      {-2147483647, -2143100000, {9, 4}, 200, 123},
  };
  for (const Case& c : cases) {
    ref::Input in{c.lower, c.upper, c.digits, 1, c.count, false};
    ref::Engine expected;
    expected.seed = uint32_t(c.seed);
    expected.MakeRandoms(in);
    Tmake_random engine;
    uint32_t end = 0;
    ASSERT_EQ(Draw(Request(c.lower, c.upper, c.count, false, c.digits, 1), c.seed, &engine, &end),
              expected.randoms)
        << c.lower;
    EXPECT_EQ(engine.PossibleTotal(), expected.possible);
    EXPECT_EQ(end, expected.seed);
  }
  // Values next to 0, 10^4, 10^8 and the ends of the 32-bit range, with
  // repeats allowed: each digit counts once, leading zeros are no digits.
  const int32_t around[] = {0, 9999, 10000, 99999999, 100000000, 2147483647, -2147483647, -10000, -9999};
  for (int32_t centre : around)
    for (unsigned mask : {1u, 2u, 512u, 0x3FEu, 0x201u}) {
      std::vector<int32_t> digits;
      for (int d = 0; d < 10; ++d)
        if (mask >> d & 1u) digits.push_back(d);
      const int32_t lower = int32_t(std::max<int64_t>(-2147483647, int64_t{centre} - 30));
      const int32_t upper = int32_t(std::min<int64_t>(2147483647, int64_t{centre} + 30));
      ref::Input in{lower, upper, digits, 1, 200, true};
      ref::Engine expected;
      expected.seed = 31;
      expected.MakeRandoms(in);
      ASSERT_EQ(Draw(Request(lower, upper, 200, true, digits, 1), 31), expected.randoms)
          << centre << " " << mask;
    }
}

// A wide range switches the drawn-before test from a bitset to a hash table.
TEST(EngineMatchesReference, WideRangeUsesTheHashTableAlike) {
  for (int32_t seed : {1, 777, -5}) {
    ref::Input in{1, 2000000000, {}, 1, 4000, false};
    ref::Engine expected;
    expected.seed = uint32_t(seed);
    expected.MakeRandoms(in);
    Tmake_random engine;
    EXPECT_EQ(Draw(Request(1, 2000000000, 4000, false), seed, &engine), expected.randoms);
    EXPECT_EQ(Format(engine, 0), expected.FormatRandoms(0, false, 0));
    EXPECT_EQ(Format(engine, 1, true), expected.FormatRandoms(1, true, 0));
  }
}

TEST(CountFreeOfDigits, AgreesWithTestingEveryValue) {
  std::mt19937 rng(42);
  auto brute = [](int64_t lower, int64_t upper, unsigned mask) {
    int64_t count = 0;
    for (int64_t v = lower; v <= upper; ++v) {
      const std::string text = std::to_string(v < 0 ? -v : v);
      bool ok = true;
      for (char c : text) ok = ok && !((mask >> (c - '0')) & 1u);
      count += ok;
    }
    return count;
  };
  for (int round = 0; round < 3000; ++round) {
    const unsigned mask = rng() % 1023;  // never all ten digits
    int64_t lower;
    switch (round % 4) {
      case 0:
        lower = int64_t(rng() % 4000) - 2000;
        break;
      case 1:
        lower = 2147483647 - int64_t(rng() % 6000);
        break;
      case 2:
        lower = -2147483647 + int64_t(rng() % 3000);
        break;
      default:
        lower = int64_t(rng() % 2000000000);
        break;
    }
    const int64_t upper = std::min<int64_t>(2147483647, lower + int64_t(rng() % 3000));
    ASSERT_EQ(CountFreeOfDigits(lower, upper, mask), brute(lower, upper, mask))
        << lower << ".." << upper << " mask " << mask;
  }
  // Whole range: the numbers of nine digits or fewer made of 9 and 0 alone.
  EXPECT_EQ(CountFreeOfDigits(1, 2147483647, Bits({1, 2, 3, 4, 5, 6, 7, 8})), 511);
  EXPECT_EQ(CountFreeOfDigits(-2147483647, 2147483647, Bits({1, 2, 3, 4, 5, 6, 7, 8})), 1023);
  EXPECT_EQ(CountFreeOfDigits(1, 100, Bits({1, 2, 3, 4, 5, 6, 7, 8, 9})), 0);
  EXPECT_EQ(CountFreeOfDigits(-2147483647, 2147483647, 0), 4294967295);  // no digit excluded
}

// Every value excluded by its digits draws nothing; so does every value
// excluded by number with repeats allowed, instead of drawing for ever.
TEST(Engine, RunsThatCanDrawNothingEnd) {
  Tmake_random engine;
  EXPECT_TRUE(Draw(Request(1, 100, 10, false, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 1, &engine).empty());
  EXPECT_EQ(engine.PossibleTotal(), 0);
  EXPECT_TRUE(Draw(Request(1, 5, 10, true, {5, 4, 3, 2, 1}, 0), 1, &engine).empty());
  EXPECT_EQ(engine.GeneratedTotal(), 0);
  // One value left free: it is the only one drawn.
  EXPECT_EQ(Draw(Request(1, 5, 3, true, {5, 4, 2, 1}, 0), 1), (TArrayInteger{3, 3, 3}));
  for (int32_t v : Draw(Request(-5, 5, 500, true, {5}), 3)) EXPECT_TRUE(v != 5 && v != -5);
}

TEST(Engine, Formatting) {
  Tmake_random engine;
  engine.Radix = RadixHex;
  EXPECT_EQ(engine.FormatRandom(255), "FF");
  EXPECT_EQ(engine.FormatRandom(10), "0A");
  EXPECT_EQ(engine.FormatRandom(-1), "FFFFFFFF");
  engine.Radix = RadixOctal;
  EXPECT_EQ(engine.FormatRandom(8), "010");
  EXPECT_EQ(engine.FormatRandom(-8), "-10");  // negative values are written in negative digit pieces
  engine.Radix = RadixBinary;
  EXPECT_EQ(engine.FormatRandom(5), "00000101");
  EXPECT_EQ(engine.FormatRandom(0), "00000000");
  EXPECT_EQ(engine.FormatRandom(-1), "000000-1");
  engine.Radix = RadixDecimal;
  engine.Comma = true;
  EXPECT_EQ(engine.FormatRandom(1234567), "1,234,567");
  EXPECT_EQ(engine.FormatRandom(-1000), "-1,000");
  EXPECT_EQ(engine.FormatRandom(-2147483647), "-2,147,483,647");
  SetThousandsSeparator(".");
  EXPECT_EQ(engine.FormatRandom(1234567), "1.234.567");
  SetThousandsSeparator(",");
}

// Re-sorting and formatting a large result let messages run after every
// slice of work in every phase (the copy and count, each pass, the copy
// back, the formatting): the pump sees at most one slice of values touched
// between two calls, and the work adds up to every phase having run.
TEST(Engine, EveryPhaseOfAReformatLetsMessagesRun) {
  uint64_t longest = 0, total = 0;
  FakePump pump([&](int) {
    const uint64_t work = TakeWork();
    longest = std::max(longest, work);
    total += work;
  });
  Tmake_random engine;
  std::mt19937 rng(9);
  const size_t n = 1'000'003;
  engine.Randoms.resize(n);
  for (auto& v : engine.Randoms) v = int32_t(rng() % 2000000000u) - 1000000000;
  TArrayInteger sorted = engine.Randoms;
  std::sort(sorted.begin(), sorted.end());
  for (TSortOrder order : {SortAscending, SortDescending, SortDrawn}) {
    TakeWork();
    longest = total = 0;
    TArrayString list;
    engine.FormatRandoms(list, TformatPar{order, false, RadixDecimal});
    EXPECT_LE(longest, uint64_t{1} << 16) << "order " << int(order);
    // Sorted: copy and count, three passes, copy back, format; drawn: the
    // scan for the widest text, format.
    EXPECT_GE(total, order == SortDrawn ? 2 * n : 6 * n) << "order " << int(order);
    ASSERT_EQ(list.size(), n);
    for (size_t i = 0; i < n; i += 7919) {
      const int32_t want = order == SortAscending    ? sorted[i]
                           : order == SortDescending ? sorted[n - 1 - i]
                                                     : engine.Randoms[i];
      ASSERT_EQ(list[i], std::to_string(want)) << i;
    }
  }
}

std::ptrdiff_t Threads() {
  const std::filesystem::directory_iterator tasks("/proc/self/task");
  return std::distance(std::filesystem::begin(tasks), std::filesystem::end(tasks));
}

// The pump keeps time with a thread only while pump points are being
// reached: none when it is installed or after a run, one during a run.
TEST(MessagePump, KeepsTimeOnlyDuringARun) {
  const std::ptrdiff_t idle = Threads();
  struct CountingPump : MessagePump {
    void processMessages() override { seen.push_back(Threads()); }
    std::vector<std::ptrdiff_t> seen;
  } pump;
  SetMessagePump(&pump, 1000);
  EXPECT_EQ(Threads(), idle);
  while (pump.seen.size() < 3) LetMessagesRun();  // a run: points until time has passed thrice
  EXPECT_EQ(pump.seen.back(), idle + 1);
  // The ticker ends by itself once no point takes its ticks.
  for (int wait = 0; wait < 10000 && Threads() != idle; ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(Threads(), idle);
  SetMessagePump(nullptr);
}

TEST(Engine, PhasesInOrder) {
  FakePump pump;
  auto phases = [](Tinputpar par, TSortOrder order) {
    FakeStatus status;
    Tmake_random engine;
    RandomSource source;
    engine.MakeRandoms(par, {source, &status, &status});
    TArrayString list;
    engine.FormatRandoms(list, TformatPar{order, false, RadixDecimal});
    return status.captions;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(
      phases(Request(1, 100, 5, false, {3}), SortDrawn),
      (V{"Calculate Possible...", "Done", "Calculating randoms...", "Done", "Format randoms...", "Done"}));
  EXPECT_EQ(phases(Request(1, 100, 5, true, {3}), SortAscending),
            (V{"Calculating randoms...", "Calculate Possible...", "Done", "Done", "Sorting randoms...",
               "Done", "Format randoms..", "Done"}));
  EXPECT_EQ(phases(Request(1, 100, 5, true), SortDescending),
            (V{"Calculating randoms...", "Done", "Sorting randoms...", "Done", "Format randoms..", "Done"}));
}

TEST(Engine, ProgressStepsOncePerAcceptedValue) {
  FakePump pump;
  FakeStatus status;
  Tinputpar par = Request(1, 60, 50, false);
  Tmake_random engine;
  RandomSource source;
  engine.MakeRandoms(par, {source, &status, &status});
  // 50 + 50 div 30 = 51, plus one: the bar's maximum.
  ASSERT_EQ(status.maximums, std::vector<int64_t>{52});
  // The pump sees the position before each value is added: 0, 1, 2, ... 49,
  // then the finish fills the bar.
  std::vector<int64_t> expected;
  for (int64_t i = 1; i < 50; ++i) expected.push_back(i);
  expected.push_back(52);
  EXPECT_EQ(std::vector<int64_t>(status.positions.begin() + 1, status.positions.end()), expected);
  EXPECT_EQ(status.hides, 1);
}

TEST(Engine, CountingTheWholeRangeSetsTheBarMaximumToHighMinusLow) {
  FakeStatus status;
  Tinputpar par = Request(1, 2147483647, 1, false, {1, 2, 3, 4, 5, 6, 7, 8});
  Tmake_random engine;
  RandomSource source;
  engine.MakeRandoms(par, {source, &status, &status});
  ASSERT_FALSE(status.maximums.empty());
  EXPECT_EQ(status.maximums.front(), 2147483646);
  EXPECT_EQ(engine.PossibleTotal(), 511);
  ASSERT_EQ(engine.Randoms.size(), 1u);
  EXPECT_EQ(std::to_string(engine.Randoms[0]).find_first_not_of("09"), std::string::npos);
}

// A Cancel from inside the pump stops the draw; what was drawn stays, and it
// is the start of what the full run draws.
TEST(Engine, CancelKeepsWhatWasDrawn) {
  const TArrayInteger full = Draw(Request(1, 1000000, 500, false), 99);
  Tmake_random engine;
  FakeStatus status;
  FakePump pump([&engine](int) {
    if (engine.Generated == 119) engine.Cancel();  // the value being added still goes in
  });
  Tinputpar par = Request(1, 1000000, 500, false);
  RandomSource source(99);
  engine.MakeRandoms(par, {source, &status, &status});
  ASSERT_EQ(engine.GeneratedTotal(), 120);
  EXPECT_EQ(engine.Randoms, TArrayInteger(full.begin(), full.begin() + 120));
  EXPECT_EQ(status.captions.back(), "Done");
}

TEST(NumberGenerator, EdgeCases) {
  Trandom_simply generator;
  auto run = [&generator](Tinputpar par, int32_t seed) {
    test::SeededRun(generator, par, seed);
    generator.FormatResults(TformatPar{SortAscending, false, RadixDecimal});
    return generator.Results.toVector();
  };
  EXPECT_EQ(run(Request(0, 99, 10, false, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 5), std::vector<std::string>{"0"});
  EXPECT_EQ(generator.PossibleTotal(), 1);

  // Repeats allowed and no value left: nothing is drawn, nor memory asked
  // for it, whatever the count.
  for (int32_t count : {10, 2147483647}) {
    EXPECT_TRUE(run(Request(10, 19, count, true, {1}), 5).empty());
    EXPECT_EQ(generator.GeneratedTotal(), 0);
  }
  EXPECT_TRUE(run(Request(1, 3, 2147483647, true, {1, 2, 3}, 0), 5).empty());
}

// More than the machine has free is refused before anything is reserved.
TEST(Memory, RequestsBeyondWhatIsFreeAreRefused) {
  EXPECT_THROW(CheckMemoryFor(uint64_t{1} << 60), EOutOfMemory);
  EXPECT_NO_THROW(CheckMemoryFor(uint64_t{1} << 20));
  Trandom_Lottery lottery;
  TinputLottery huge;
  huge.Total = 2147483647;
  huge.MainPick = 300;
  huge.Lotto = false;
  huge.MainUpper = 1000;
  EXPECT_THROW(test::SeededRun(lottery, huge, 0), EOutOfMemory);
  EXPECT_EQ(lottery.GeneratedTotal(), 0);
}

namespace {

// Limits the address space to what the process uses now and `more` bytes.
void LimitMemoryTo(uint64_t more) {
  std::ifstream status("/proc/self/status");
  std::string key;
  uint64_t kib = 0;
  while (status >> key)
    if (key == "VmSize:" && status >> kib) break;
  const rlim_t bytes = kib * 1024 + more;
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_AS, &limit);
}

// Runs in the death test's child: exits 0 when a run too large for the
// memory left is refused before anything is drawn (no phase shown, no step
// of the bar), with the previous results as they were.
[[noreturn]] void RefuseTooLargeNumberRun() {
  test::FakeStatus status;
  Trandom_simply generator;
  test::SeededRun(generator, Request(1, 100, 10, true), 1);
  generator.FormatResults(TformatPar{SortDrawn, false, RadixDecimal});
  const TArrayString before = generator.Results;
  LimitMemoryTo(uint64_t{600} << 20);
  // 10^8 values fit (400 MB), their texts do not.
  Tinputpar huge = Request(1, 10000, 100000000, true);
  try {
    test::SeededRun(generator, huge, 1, &status);
    std::exit(3);
  } catch (const EOutOfMemory& e) {
    if (std::string(e.what()).find("MiB are free") == std::string::npos) std::exit(5);
  }
  const bool nothingDrawn = status.captions.empty() && status.position() == 0;
  std::exit(!nothingDrawn ? 6 : generator.Results == before && generator.Engine.Randoms.size() == 10 ? 0 : 4);
}

// The same for samples: a single huge item drawn many times.
[[noreturn]] void RefuseTooLargeSampleRun() {
  test::FakeStatus status;
  TArrayString items{std::string(1 << 20, 'x'), "b"};
  Trandom_sampling generator;
  TinputSampling in;
  in.Items = &items;
  in.Count = 3;
  in.Duplicate = true;
  test::SeededRun(generator, in, 0);
  generator.FormatResults(TformatPar{SortDrawn, false, RadixDecimal});
  const TArrayString before = generator.Results;
  LimitMemoryTo(uint64_t{600} << 20);
  in.Count = 2000;  // about 1000 copies of the huge item, twice
  try {
    test::SeededRun(generator, in, 0, &status);
    std::exit(3);
  } catch (const EOutOfMemory&) {
  }
  const bool nothingDrawn = status.captions.empty() && status.position() == 0;
  std::exit(!nothingDrawn ? 6 : generator.Results == before && generator.Samples.size() == 3 ? 0 : 4);
}

}  // namespace

// A run is weighed whole (drawing, formatting, sorting) before it starts: too
// large, it is refused at once with the figure, and nothing of the last run
// is lost.
TEST(NumberGeneratorDeathTest, TooLargeRunIsRefusedBeforeDrawing) {
  if (quenvar::test::kAddressSanitizer) GTEST_SKIP() << "limits the address space";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RefuseTooLargeNumberRun(), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(RefuseTooLargeSampleRun(), ::testing::ExitedWithCode(0), "");
}
