#include <gtest/gtest.h>

#include <vector>

#include "core/RandomSource.h"
#include "core/Unit_base.h"

using namespace quenvar;

namespace {

std::vector<int32_t> Draws(uint32_t seed, int32_t lower, int32_t upper, int n) {
  RandomSeed = seed;
  std::vector<int32_t> out;
  for (int i = 0; i < n; ++i) out.push_back(lower + int32_t(RandomBelow(uint32_t(upper - lower + 1))));
  return out;
}

}  // namespace

TEST(RandomSource, WorkedExamples) {
  EXPECT_EQ(Draws(0, 1, 100, 5), (std::vector<int32_t>{1, 4, 87, 21, 28}));
  EXPECT_EQ(Draws(12345, 1, 10000, 5), (std::vector<int32_t>{3854, 2894, 798, 5537, 6337}));
}

TEST(RandomSource, SeedFromClockIsMillisecondsOfTheDay) {
  SeedFromClock();
  EXPECT_LT(RandomSeed, 86'400'000u);
}

TEST(RandomSource, SetSeedTakesTheBitPattern) {
  Tmake_random::SetSeed(-1);
  EXPECT_EQ(RandomSeed, 0xFFFFFFFFu);
}

// The lane-parallel byte fill must equal one RandomBelow(256) after another,
// and leave the state where those draws leave it.
TEST(RandomSource, FillRandomBytesMatchesSingleDraws) {
  for (size_t n : {0u, 1u, 31u, 32u, 33u, 64u, 1000u, 65536u + 7u}) {
    for (uint32_t seed : {0u, 12345u, 0xDEADBEEFu}) {
      RandomSeed = seed;
      std::vector<uint8_t> expected(n);
      for (auto& b : expected) b = uint8_t(RandomBelow(256));
      const uint32_t expectedState = RandomSeed;
      RandomSeed = seed;
      std::vector<uint8_t> fast(n);
      FillRandomBytes(fast.data(), n);
      EXPECT_EQ(fast, expected) << n << " bytes from seed " << seed;
      EXPECT_EQ(RandomSeed, expectedState);
    }
  }
}
