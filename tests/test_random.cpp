#include <gtest/gtest.h>

#include <vector>

#include "core/RandomSource.h"
#include "core/Unit_base.h"

using namespace quenvar;

namespace {

std::vector<int32_t> Draws(int32_t seed, int32_t lower, int32_t upper, int n) {
  RandomSource source(seed);
  std::vector<int32_t> out;
  for (int i = 0; i < n; ++i) out.push_back(lower + int32_t(source.RandomBelow(uint32_t(upper - lower + 1))));
  return out;
}

}  // namespace

TEST(RandomSource, WorkedExamples) {
  EXPECT_EQ(Draws(0, 1, 100, 5), (std::vector<int32_t>{1, 4, 87, 21, 28}));
  EXPECT_EQ(Draws(12345, 1, 10000, 5), (std::vector<int32_t>{3854, 2894, 798, 5537, 6337}));
}

TEST(RandomSource, ClockSeedIsMillisecondsOfTheDay) {
  const int32_t seed = ClockSeed();
  EXPECT_GE(seed, 0);
  EXPECT_LT(seed, 86'400'000);
}

TEST(RandomSource, SeedTakesTheBitPattern) { EXPECT_EQ(RandomSource(-1).state, 0xFFFFFFFFu); }

// The lane-parallel byte fill must equal one RandomBelow(256) after another,
// and leave the state where those draws leave it.
TEST(RandomSource, FillRandomBytesMatchesSingleDraws) {
  for (size_t n : {0u, 1u, 31u, 32u, 33u, 64u, 1000u, 65536u + 7u}) {
    for (int32_t seed : {0, 12345, -559038737}) {
      RandomSource single(seed), lanes(seed);
      std::vector<uint8_t> expected(n);
      for (auto& b : expected) b = uint8_t(single.RandomBelow(256));
      std::vector<uint8_t> fast(n);
      lanes.FillRandomBytes(fast.data(), n);
      EXPECT_EQ(fast, expected) << n << " bytes from seed " << seed;
      EXPECT_EQ(lanes.state, single.state);
    }
  }
}
