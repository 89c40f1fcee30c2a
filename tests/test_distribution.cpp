// The statistics behind the Distribution chart: the chi-square tail against
// published critical values and closed forms, the number bins, and the
// counts of numbers, bytes and items.
#include <gtest/gtest.h>

#include <cmath>

#include "generators/Distribution.h"

using namespace quenvar;

TEST(ChiSquare, UpperTailMatchesCriticalValuesAndClosedForms) {
  // Critical values of the 5% and 1% levels.
  EXPECT_NEAR(ChiSquareUpperTail(3.841458820694124, 1), 0.05, 1e-9);
  EXPECT_NEAR(ChiSquareUpperTail(6.634896601021214, 1), 0.01, 1e-9);
  EXPECT_NEAR(ChiSquareUpperTail(18.307038053275146, 10), 0.05, 1e-9);
  EXPECT_NEAR(ChiSquareUpperTail(293.2478350807012, 255), 0.05, 1e-6);
  // One degree of freedom: erfc(sqrt(x / 2)); two: exp(-x / 2).
  for (double x : {0.01, 0.5, 1.0, 2.5, 7.0, 30.0}) {
    EXPECT_NEAR(ChiSquareUpperTail(x, 1), std::erfc(std::sqrt(x / 2)), 1e-12) << x;
    EXPECT_NEAR(ChiSquareUpperTail(x, 2), std::exp(-x / 2), 1e-12) << x;
  }
  EXPECT_EQ(ChiSquareUpperTail(0, 5), 1.0);
  EXPECT_LT(ChiSquareUpperTail(1e4, 10), 1e-300);
  // Many degrees of freedom (a sampling list of a million items): close to
  // the Wilson-Hilferty approximation.
  const double k = 1e6;
  for (double x : {k - 2000, k, k + 3000}) {
    const double z = (std::cbrt(x / k) - (1 - 2 / (9 * k))) / std::sqrt(2 / (9 * k));
    EXPECT_NEAR(ChiSquareUpperTail(x, k), 0.5 * std::erfc(z / std::sqrt(2.0)), 1e-4) << x;
  }
}

TEST(ChiSquare, TestSkipsImpossibleCategories) {
  const auto t = ChiSquareTest({10, 20, 30, 0}, {20, 20, 20, 0});
  ASSERT_TRUE(t);
  EXPECT_DOUBLE_EQ(t->statistic, 10.0);
  EXPECT_EQ(t->degreesOfFreedom, 2);
  EXPECT_NEAR(t->pValue, std::exp(-5.0), 1e-12);
  EXPECT_FALSE(ChiSquareTest({5, 0}, {5, 0}));
}

TEST(NumberBins, EdgesCoverTheRangeAndAgreeWithTheBinOfEachValue) {
  const NumberBins hundred(1, 100);
  EXPECT_EQ(hundred.count(), 50);
  EXPECT_EQ(hundred.first(0), 1);
  EXPECT_EQ(hundred.last(0), 2);
  EXPECT_EQ(hundred.first(49), 99);
  EXPECT_EQ(hundred.last(49), 100);
  EXPECT_EQ(NumberBins(1, 10).count(), 10);
  EXPECT_EQ(NumberBins(7, 7).count(), 1);
  for (auto [lo, hi] : {std::pair{0, 102}, {-37, 61}, {-5, 5}, {1, 10000}}) {
    const NumberBins bins(lo, hi);
    EXPECT_EQ(bins.first(0), lo);
    EXPECT_EQ(bins.last(bins.count() - 1), hi);
    for (int k = 0; k < bins.count(); ++k) {
      const int64_t size = bins.last(k) - bins.first(k) + 1;
      EXPECT_GE(size, (int64_t{hi} - lo + 1) / bins.count());
      EXPECT_LE(size, (int64_t{hi} - lo + 1) / bins.count() + 1);
    }
    for (int32_t v = lo; v <= hi; ++v) {
      const int k = bins.of(v);
      ASSERT_LE(bins.first(k), v);
      ASSERT_GE(bins.last(k), v);
    }
  }
  const NumberBins widest(-2147483647, 2147483647);
  EXPECT_EQ(widest.of(-2147483647), 0);
  EXPECT_EQ(widest.of(2147483647), 49);
  EXPECT_EQ(widest.of(widest.first(25)), 25);
  EXPECT_EQ(widest.of(static_cast<int32_t>(widest.first(25) - 1)), 24);
}

TEST(Distribution, NumbersAreCountedInBinsAndTestedAgainstTheAllowedNumbers) {
  const Distribution d = NumberDistribution({1, 2, 2, 100, 57}, 1, 100, true, 0);
  ASSERT_EQ(d.counts.size(), 50u);
  EXPECT_EQ(d.counts[0], 3);
  EXPECT_EQ(d.counts[28], 1);  // 57 .. 58
  EXPECT_EQ(d.counts[49], 1);
  EXPECT_EQ(d.labels[28], "57..58");
  EXPECT_DOUBLE_EQ(d.expected[0], 0.1);
  EXPECT_EQ(d.total, 5);
  ASSERT_TRUE(d.test);
  EXPECT_EQ(d.test->degreesOfFreedom, 49);

  // Excluding digit 1 from 1 .. 20 leaves 2 .. 9 and 20.
  const Distribution free = NumberDistribution({2, 20, 20}, 1, 20, true, 1u << 1);
  ASSERT_EQ(free.labels.size(), 20u);
  EXPECT_EQ(free.labels[19], "20");
  EXPECT_EQ(free.expected[0], 0);
  EXPECT_EQ(free.expected[12], 0);
  EXPECT_DOUBLE_EQ(free.expected[19], 3.0 / 9);
  ASSERT_TRUE(free.test);
  EXPECT_EQ(free.test->degreesOfFreedom, 8);

  const Distribution once = NumberDistribution({3, 1, 2}, 1, 3, false, 0);
  EXPECT_FALSE(once.test);
  EXPECT_FALSE(once.notTested.empty());
  EXPECT_NE(DistributionSummary(once).english().find("without repeats"), std::string::npos);
}

TEST(Distribution, BytesAreCountedByValue) {
  std::vector<uint8_t> bytes;
  for (int v = 0; v < 256; ++v) bytes.push_back(uint8_t(v));
  bytes.push_back(255);
  bytes.push_back(0);
  const Distribution d = ByteDistribution(bytes);
  ASSERT_EQ(d.counts.size(), 256u);
  EXPECT_EQ(d.counts[0], 2);
  EXPECT_EQ(d.counts[255], 2);
  EXPECT_EQ(d.counts[128], 1);
  EXPECT_EQ(d.labels[255], "255");
  ASSERT_TRUE(d.test);
  EXPECT_EQ(d.test->degreesOfFreedom, 255);
  // Expected 258/256 each: 254 ones and two twos.
  const double e = 258.0 / 256;
  EXPECT_NEAR(d.test->statistic, (254 * (1 - e) * (1 - e) + 2 * (2 - e) * (2 - e)) / e, 1e-9);
  EXPECT_EQ(DistributionSummary(d).english().substr(0, 28), "258 values in 256 categories");
}

TEST(Distribution, ItemsAreCountedAndTheMostFrequentKept) {
  TArrayString items;
  for (const char* t : {"a", "b", "c", "d"}) items.push_back(t);
  const Distribution d = ItemDistribution({2, 2, 0, 1, 2, 3, 3}, items, true, 3);
  ASSERT_EQ(d.labels.size(), 3u);
  EXPECT_EQ(d.labels, (std::vector<std::string>{"c", "d", "a"}));  // ties in list order
  EXPECT_EQ(d.counts, (std::vector<int64_t>{3, 2, 1}));
  EXPECT_EQ(d.categories, 4);
  ASSERT_TRUE(d.test);
  EXPECT_EQ(d.test->degreesOfFreedom, 3);  // every item, not only those shown
  const double e = 7.0 / 4;
  EXPECT_NEAR(d.test->statistic, ((3 - e) * (3 - e) + (2 - e) * (2 - e) + 2 * (1 - e) * (1 - e)) / e, 1e-12);
  EXPECT_FALSE(ItemDistribution({1, 0}, items, false).test);
}
