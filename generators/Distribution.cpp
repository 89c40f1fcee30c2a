#include "generators/Distribution.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/Unit_base.h"

namespace quenvar {

namespace {

constexpr double kEpsilon = 1e-15;
constexpr double kTiny = 1e-300;
constexpr int kMaxTerms = 1000000;

// e^-x x^a / Gamma(a), the factor both expansions share.
double GammaFactor(double a, double x) { return std::exp(-x + a * std::log(x) - std::lgamma(a)); }

// The lower regularized gamma P(a, x) by its power series (x < a + 1).
double LowerSeries(double a, double x) {
  double term = 1 / a, sum = term;
  for (int n = 1; n < kMaxTerms; ++n) {
    term *= x / (a + n);
    sum += term;
    if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
  }
  return sum * GammaFactor(a, x);
}

// The upper regularized gamma Q(a, x) by its continued fraction (x >= a + 1),
// evaluated by the modified Lentz method.
double UpperFraction(double a, double x) {
  double b = x + 1 - a, c = 1 / kTiny, d = 1 / b, h = d;
  for (int i = 1; i < kMaxTerms; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1) < kEpsilon) break;
  }
  return h * GammaFactor(a, x);
}

std::string Number(int64_t v) { return std::to_string(v); }

}  // namespace

double ChiSquareUpperTail(double x, double dof) {
  if (x <= 0) return 1;
  const double a = dof / 2, half = x / 2;
  if (half < a + 1) return std::clamp(1 - LowerSeries(a, half), 0.0, 1.0);
  return std::clamp(UpperFraction(a, half), 0.0, 1.0);
}

std::optional<ChiSquare> ChiSquareTest(const std::vector<int64_t>& counts,
                                       const std::vector<double>& expected) {
  ChiSquare result;
  int64_t used = 0;
  for (size_t k = 0; k < counts.size(); ++k) {
    if (expected[k] <= 0) continue;
    const double diff = static_cast<double>(counts[k]) - expected[k];
    result.statistic += diff * diff / expected[k];
    ++used;
  }
  if (used < 2) return std::nullopt;
  result.degreesOfFreedom = used - 1;
  result.pValue = ChiSquareUpperTail(result.statistic, static_cast<double>(result.degreesOfFreedom));
  return result;
}

NumberBins::NumberBins(int32_t lower, int32_t upper, int maxBins)
    : lower_(lower), width_(static_cast<uint64_t>(int64_t{upper} - lower + 1)) {
  count_ = static_cast<int>(std::min<uint64_t>(width_, static_cast<uint64_t>(std::max(maxBins, 1))));
}

int64_t NumberBins::first(int k) const {
  const uint64_t scaled = static_cast<uint64_t>(k) * width_;
  const auto n = static_cast<uint64_t>(count_);
  return lower_ + static_cast<int64_t>((scaled + n - 1) / n);
}

Distribution NumberDistribution(const TArrayInteger& values, int32_t lower, int32_t upper, bool repeats,
                                unsigned excludedDigits) {
  Distribution d;
  const NumberBins bins(lower, upper);
  d.counts.assign(static_cast<size_t>(bins.count()), 0);
  for (const int32_t v : values) ++d.counts[static_cast<size_t>(bins.of(v))];
  d.total = static_cast<int64_t>(values.size());
  const int64_t allowed = CountFreeOfDigits(lower, upper, excludedDigits);
  for (int k = 0; k < bins.count(); ++k) {
    const int64_t a = bins.first(k), b = bins.last(k);
    d.labels.push_back(a == b ? Number(a) : Number(a) + ".." + Number(b));
    const int64_t inBin = CountFreeOfDigits(a, b, excludedDigits);
    d.expected.push_back(allowed > 0 ? static_cast<double>(d.total) * static_cast<double>(inBin) /
                                           static_cast<double>(allowed)
                                     : 0);
  }
  d.categories = bins.count();
  if (!repeats)
    d.notTested = TR_NOOP("Core", "No chi-square test: without repeats every number is drawn at most once.");
  else if (!(d.test = ChiSquareTest(d.counts, d.expected)))
    d.notTested = TR_NOOP("Core", "No chi-square test: fewer than two possible outcomes.");
  return d;
}

Distribution ByteDistribution(std::span<const uint8_t> values) {
  std::vector<int64_t> counts(256, 0);
  for (const uint8_t v : values) ++counts[v];
  return ByteDistribution(std::move(counts));
}

Distribution ByteDistribution(std::vector<int64_t> counts) {
  Distribution d;
  d.total = std::accumulate(counts.begin(), counts.end(), int64_t{0});
  d.counts = std::move(counts);
  d.categories = 256;
  d.expected.assign(256, static_cast<double>(d.total) / 256);
  for (int k = 0; k < 256; ++k) d.labels.push_back(Number(k));
  d.test = ChiSquareTest(d.counts, d.expected);
  return d;
}

Distribution ItemDistribution(const TArrayInteger& positions, const TArrayString& items, bool repeats,
                              size_t shown) {
  Distribution d;
  const size_t n = items.size();
  std::vector<int64_t> counts(n, 0);
  for (const int32_t p : positions) ++counts[static_cast<size_t>(p)];
  d.total = static_cast<int64_t>(positions.size());
  d.categories = static_cast<int64_t>(n);
  const double each = n > 0 ? static_cast<double>(d.total) / static_cast<double>(n) : 0;
  if (!repeats)
    d.notTested = TR_NOOP("Core", "No chi-square test: without repeats every item is drawn at most once.");
  else if (!(d.test = ChiSquareTest(counts, std::vector<double>(n, each))))
    d.notTested = TR_NOOP("Core", "No chi-square test: fewer than two items.");
  std::vector<uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  const size_t keep = std::min(shown, n);
  std::partial_sort(
      order.begin(), order.begin() + static_cast<std::ptrdiff_t>(keep), order.end(),
      [&](uint32_t a, uint32_t b) { return counts[a] != counts[b] ? counts[a] > counts[b] : a < b; });
  for (size_t k = 0; k < keep; ++k) {
    d.labels.emplace_back(items[order[k]]);
    d.counts.push_back(counts[order[k]]);
    d.expected.push_back(each);
  }
  return d;
}

Text DistributionSummary(const Distribution& d) {
  const Text text =
      Text(TR_NOOP("Core", "%1 values in %2 categories. ")).arg(Number(d.total)).arg(Number(d.categories));
  if (!d.test) return text + d.notTested;
  char statistic[64], pValue[64];
  std::snprintf(statistic, sizeof statistic, "%.2f", d.test->statistic);
  std::snprintf(pValue, sizeof pValue, "%.4f", d.test->pValue);
  return text + Text(TR_NOOP("Core", "Chi-square %1 with %2 degrees of freedom, p = %3."))
                    .arg(statistic)
                    .arg(Number(d.test->degreesOfFreedom))
                    .arg(pValue);
}

}  // namespace quenvar
