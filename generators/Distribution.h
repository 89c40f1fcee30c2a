#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/StringArray.h"
#include "core/Text.h"

namespace quenvar {

// Pearson's chi-square test of counts against expected counts.
struct ChiSquare {
  double statistic = 0;
  int64_t degreesOfFreedom = 0;
  double pValue = 1;  // the chance of a statistic at least this large
};

// The upper tail of the chi-square distribution: P(X >= x) for X with `dof`
// degrees of freedom (the regularized upper incomplete gamma Q(dof/2, x/2)).
double ChiSquareUpperTail(double x, double dof);

// The test of `counts` against `expected` (same length); categories expected
// never to occur are left out. Nothing when fewer than two categories remain.
std::optional<ChiSquare> ChiSquareTest(const std::vector<int64_t>& counts,
                                       const std::vector<double>& expected);

// Whole-number bins over lower .. upper: at most `maxBins` of them, each
// covering the same number of values give or take one. Bin k starts at
// lower + ceil(k * width / count), so a value's bin is offset * count / width.
struct NumberBins {
  NumberBins(int32_t lower, int32_t upper, int maxBins = 50);
  int count() const { return count_; }
  int64_t first(int k) const;
  int64_t last(int k) const { return first(k + 1) - 1; }
  int of(int32_t v) const {
    return static_cast<int>(static_cast<uint64_t>(int64_t{v} - lower_) * static_cast<uint64_t>(count_) /
                            width_);
  }

 private:
  int64_t lower_;
  uint64_t width_;
  int count_;
};

// What a chart of a run shows: one bar per category, with its label, count
// and the count a uniform draw expects, and the test when it applies.
struct Distribution {
  std::vector<std::string> labels;
  std::vector<int64_t> counts;
  std::vector<double> expected;
  int64_t total = 0;       // values counted
  int64_t categories = 0;  // categories of the test (more than bars when only the top ones are shown)
  std::optional<ChiSquare> test;
  Text notTested;  // why there is no test, when there is none
};

// The numbers a run drew from lower .. upper, in at most 50 bins. With
// repeats they are tested against a uniform draw over the numbers allowed
// (excludedDigits: bit d set when digit d is excluded); without repeats every
// number is drawn at most once, so no test applies.
Distribution NumberDistribution(const TArrayInteger& values, int32_t lower, int32_t upper, bool repeats,
                                unsigned excludedDigits);

// The frequency of each byte value 0 .. 255, tested against a uniform draw.
Distribution ByteDistribution(std::span<const uint8_t> values);
// The same from the counts of the 256 byte values.
Distribution ByteDistribution(std::vector<int64_t> counts);

// The count of each item drawn by position from `items`; the `shown` most
// frequent are kept (ties in list order), the test covers all of them and
// applies to draws with repeats.
Distribution ItemDistribution(const TArrayInteger& positions, const TArrayString& items, bool repeats,
                              size_t shown = 50);

// "Chi-square 245.31 with 255 degrees of freedom, p = 0.6591" or why
// there is no test.
Text DistributionSummary(const Distribution& d);

}  // namespace quenvar
