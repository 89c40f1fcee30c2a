// The cryptographic source: not repeatable, uniform, unbiased in its ranges.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "core/RandomSource.h"
#include "core/Unit_base.h"
#include "generators/Unit_lottery.h"

using namespace quenvar;

namespace {

// The chi-square statistic of observed counts against equal expectations.
template <typename Counts>
double ChiSquare(const Counts& counts, double total) {
  const double expected = total / static_cast<double>(counts.size());
  double sum = 0;
  for (auto c : counts)
    sum += (static_cast<double>(c) - expected) * (static_cast<double>(c) - expected) / expected;
  return sum;
}

// A quantile of the chi-square distribution with `df` degrees of freedom,
// `z` standard deviations from the middle (Wilson and Hilferty). z = 5 is a
// tail of about 3e-7: a sound generator never falls outside.
double ChiSquareBound(double df, double z) {
  const double a = 2.0 / (9.0 * df);
  const double base = 1.0 - a + z * std::sqrt(a);
  return base <= 0 ? 0 : df * base * base * base;
}

std::vector<int32_t> SecureNumbers(int32_t lower, int32_t upper, int32_t count, bool duplicate) {
  RandomSource secure = RandomSource::System();
  Tmake_random engine;
  // No whole number excluded.
  engine.MakeRandoms(
      Tinputpar{.Lower = lower, .Upper = upper, .Excluded = {}, .Count = count, .Duplicate = duplicate},
      secure);
  return engine.Randoms;
}

}  // namespace

TEST(SecureSource, TwoRunsDiffer) {
  EXPECT_NE(SecureNumbers(1, 1000000000, 1000, true), SecureNumbers(1, 1000000000, 1000, true));
  EXPECT_NE(SecureNumbers(1, 1000000000, 1000, false), SecureNumbers(1, 1000000000, 1000, false));
  std::vector<uint8_t> a(4096), b(4096);
  RandomSource::System().FillRandomBytes(a.data(), a.size());
  RandomSource::System().FillRandomBytes(b.data(), b.size());
  EXPECT_NE(a, b);
}

TEST(SecureSource, BytesAreUniform) {
  constexpr size_t kBytes = 4 << 20;
  std::vector<uint8_t> bytes(kBytes);
  {
    RandomSource secure = RandomSource::System();
    // In pieces of odd sizes too, as a page's blocks end.
    size_t done = 0;
    for (size_t piece : {size_t{1}, size_t{31}, size_t{4097}, kBytes}) {
      const size_t n = std::min(piece, kBytes - done);
      secure.FillRandomBytes(bytes.data() + done, n);
      done += n;
    }
  }
  std::array<uint64_t, 256> counts{};
  for (uint8_t b : bytes) ++counts[b];
  const double chi = ChiSquare(counts, kBytes);
  EXPECT_GT(chi, ChiSquareBound(255, -5));
  EXPECT_LT(chi, ChiSquareBound(255, 5));
}

TEST(SecureSource, DieRollsAreUniform) {
  const std::vector<int32_t> rolls = SecureNumbers(1, 6, 1000000, true);
  ASSERT_EQ(rolls.size(), 1000000u);
  std::array<uint64_t, 6> counts{};
  for (int32_t r : rolls) {
    ASSERT_TRUE(r >= 1 && r <= 6) << r;
    ++counts[static_cast<size_t>(r - 1)];
  }
  EXPECT_LT(ChiSquare(counts, 1e6), ChiSquareBound(5, 5));
}

// A range of 3 * 2^30 shows any bias plainly: taken modulo, the lowest third
// comes up half the time; multiplied without rejection, every multiple of 3
// does. Unbiased, each is a third.
TEST(SecureSource, RangesAreUnbiased) {
  RandomSource secure = RandomSource::System();
  constexpr uint32_t kRange = 3u << 30;
  constexpr int kDraws = 600000;
  int low = 0, multiples = 0;
  for (int i = 0; i < kDraws; ++i) {
    const uint32_t v = secure.SecureBelow(kRange);
    ASSERT_LT(v, kRange);
    low += v < (1u << 30);
    multiples += v % 3 == 0;
  }
  EXPECT_NEAR(low / double(kDraws), 1.0 / 3, 0.01);
  EXPECT_NEAR(multiples / double(kDraws), 1.0 / 3, 0.01);
  EXPECT_EQ(secure.SecureBelow(1), 0u);
  EXPECT_EQ(secure.SecureBelow(0), 0u);
}

// Without repeats every value still comes, and the exclusions hold.
TEST(SecureSource, DistinctAndExcludedDrawsKeepTheirRules) {
  std::vector<int32_t> all = SecureNumbers(-50, 49, 100, false);
  std::sort(all.begin(), all.end());
  for (int32_t i = 0; i < 100; ++i) ASSERT_EQ(all[size_t(i)], i - 50);

  RandomSource secure = RandomSource::System();
  for (bool duplicate : {false, true}) {
    Tmake_random engine;
    // Wide: the seeded run would test sixteen at a time.
    engine.MakeRandoms(Tinputpar{.Lower = 1,
                                 .Upper = 100000000,
                                 .Excluded = {1, 2, 3, 4, 5, 6, 7, 8},
                                 .ExcludeKind = ExcludeDigits,
                                 .Count = 200,
                                 .Duplicate = duplicate},
                       secure);
    ASSERT_EQ(engine.Randoms.size(), 200u);
    for (int32_t v : engine.Randoms)
      for (char c : std::to_string(v)) ASSERT_TRUE(c == '0' || c == '9') << v;
  }
}

// Unique lottery lines until the last: a secure run never takes a rejected
// draw for a cycle of the seeded generator.
TEST(SecureSource, EveryLineIsReached) {
  RandomSource secure = RandomSource::System();
  TinputLottery in;
  in.MainLow = 1;
  in.MainUpper = 4;
  in.MainPick = 2;
  in.Lotto = false;
  in.ChildPick = 0;
  in.DupRows = true;
  in.Total = 12;
  Trandom_Lottery g;
  g.Generate(in, secure);
  EXPECT_FALSE(g.Exhausted);
  EXPECT_EQ(g.GeneratedTotal(), 12);
}
