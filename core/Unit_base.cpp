#include "core/Unit_base.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/Printing.h"
#include "core/Writers.h"

namespace quenvar {

namespace {

std::string& ThousandsSeparatorSetting() {
  static std::string separator = ",";
  return separator;
}

// Longest text FormatRandom can give: a negative binary IntToBase is up to
// 31 pieces of "-1".
constexpr size_t kMaxFormatted = 72;

unsigned DigitsOf(int64_t v) {
  uint64_t a = v < 0 ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
  unsigned mask = 0;
  do {
    mask |= 1u << (a % 10);
    a /= 10;
  } while (a != 0);
  return mask;
}

// The state k + 1 steps on from s is kJumps[k].mul * s + kJumps[k].add.
struct Jump {
  uint32_t mul;
  uint32_t add;
};
constexpr std::array<Jump, 16> MakeJumps() {
  std::array<Jump, 16> jumps{};
  uint32_t mul = 1, add = 0;
  for (Jump& j : jumps) {
    mul *= kRandomMultiplier;
    add = add * kRandomMultiplier + 1u;
    j = {mul, add};
  }
  return jumps;
}
constexpr auto kJumps = MakeJumps();

constexpr uint32_t kDigitGroup = 10000;

// Whether v has an excluded digit, looked up four digits at a time in a
// table of 2 x 10000 entries: the first half for a group inside a number
// (its leading zeros are digits), the second for the leading group (they are
// not; 0 alone is the digit 0).
inline bool HasExcludedDigit(const uint8_t* table, int32_t v) {
  // The minus sign of a negative value is no digit.
  const uint32_t a = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
  const uint8_t* leading = table + kDigitGroup;
  if (a < kDigitGroup) return leading[a];
  // The last four digits first: with most digits excluded they decide at once.
  if (table[a % kDigitGroup]) return true;
  const uint32_t rest = a / kDigitGroup;
  if (rest < kDigitGroup) return leading[rest];
  return table[rest % kDigitGroup] || leading[rest / kDigitGroup];
}

bool AllHaveExcludedDigit(const uint8_t* table, int64_t low, int64_t high);

// The digit test as DrawDistinct takes it, with a first test on the state of
// the random source alone: the states are cut into 16384 buckets by their top
// bits, and a bucket is marked when every value its states give shares
// leading digits that hold an excluded one (a draw rises with the state).
class DigitTest {
 public:
  static constexpr int kShift = 18;

  DigitTest(const uint8_t* table, std::vector<uint8_t>& buckets) : table_(table), buckets_(buckets) {}
  bool operator()(int32_t v) const { return HasExcludedDigit(table_, v); }
  void prepare(uint32_t lower, uint32_t width) {
    if (built_ && lower == lower_ && width == width_) return;
    built_ = true;
    lower_ = lower;
    width_ = width;
    buckets_.resize(size_t{1} << (32 - kShift));
    for (uint32_t b = 0; b < buckets_.size(); ++b) {
      const uint32_t first = b << kShift;
      const uint32_t last = first | ((uint32_t{1} << kShift) - 1);
      auto value = [lower, width](uint32_t state) {
        return static_cast<int64_t>(
            static_cast<int32_t>(lower + static_cast<uint32_t>((uint64_t{state} * width) >> 32)));
      };
      buckets_[b] = AllHaveExcludedDigit(table_, value(first), value(last));
    }
  }
  bool mayPass(uint32_t state) const { return buckets_[state >> kShift] == 0; }

 private:
  const uint8_t* table_;
  std::vector<uint8_t>& buckets_;
  bool built_ = false;
  uint32_t lower_ = 0;
  uint32_t width_ = 0;
};

// Whether every value of low .. high has an excluded digit, as far as their
// common leading digits tell (false when they cannot).
bool AllHaveExcludedDigit(const uint8_t* table, int64_t low, int64_t high) {
  if (low == high) return HasExcludedDigit(table, static_cast<int32_t>(low));
  if (low < 0 && high >= 0) return false;
  const int64_t x = high < 0 ? -high : low;
  const int64_t y = high < 0 ? -low : high;
  char a[24], b[24];
  const auto na = std::to_chars(a, a + sizeof a, x).ptr - a;
  const auto nb = std::to_chars(b, b + sizeof b, y).ptr - b;
  if (na != nb) return false;
  for (ptrdiff_t i = 0; i < na && a[i] == b[i]; ++i) {
    const int digit = a[i] - '0';
    // A one-digit group: the digit alone, as a leading group.
    if (table[kDigitGroup + digit]) return true;
  }
  return false;
}

// How many x in 0 .. n have no excluded digit.
int64_t CountUpTo(int64_t n, unsigned excluded) {
  if (n < 0) return 0;
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  const int length = static_cast<int>(end - digits);
  auto allowed = [excluded](int d) { return ((excluded >> d) & 1u) == 0; };
  int64_t any = 0, nonZero = 0;
  for (int d = 0; d <= 9; ++d)
    if (allowed(d)) {
      ++any;
      if (d > 0) ++nonZero;
    }
  // Only the powers below the length of n: the next one may pass 2^63.
  int64_t power[20];
  power[0] = 1;
  for (int k = 1; k < length; ++k) power[k] = power[k - 1] * any;

  int64_t total = 0;
  if (length > 1) {
    total += any;  // all one-digit numbers
    for (int k = 2; k < length; ++k) total += nonZero * power[k - 1];
  }
  for (int i = 0; i < length; ++i) {
    const int top = digits[i] - '0';
    for (int d = (i == 0 && length > 1) ? 1 : 0; d < top; ++d)
      if (allowed(d)) total += power[length - 1 - i];
    if (!allowed(top)) return total;
  }
  return total + 1;
}

}  // namespace

void SetThousandsSeparator(std::string separator) { ThousandsSeparatorSetting() = std::move(separator); }
const std::string& ThousandsSeparator() { return ThousandsSeparatorSetting(); }

std::string IntToBase(int32_t v, int32_t base, size_t width) {
  std::string text;
  while (v != 0) {
    text.insert(0, std::to_string(v % base));
    v /= base;
  }
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

int64_t CountFreeOfDigits(int64_t lower, int64_t upper, unsigned excludedDigits) {
  if (lower > upper) return 0;
  if (lower >= 0) return CountUpTo(upper, excludedDigits) - CountUpTo(lower - 1, excludedDigits);
  if (upper < 0) return CountUpTo(-lower, excludedDigits) - CountUpTo(-upper - 1, excludedDigits);
  // Negative numbers have the digits of their absolute value.
  return CountUpTo(-lower, excludedDigits) - CountUpTo(0, excludedDigits) + CountUpTo(upper, excludedDigits);
}

void Tmake_random::ShowStatus(int64_t low, int64_t high, Phase phase, std::string_view text) {
  if (!ShowProgress) return;
  if (phase == Phase::Start) {
    ProgressBar->start(high == 2147483647 ? high - low : high - low + 1);
    StatusLabel->setCaption(text);
  } else {
    ProgressBar->fill();
    StatusLabel->setCaption(text);
    ProgressBar->hide();
  }
}

void Tmake_random::PrepareExclusions() {
  digitMask_ = 0;
  digitsOnly_ = true;
  for (int32_t e : Excluded) {
    if (e < 0 || e > 9) {
      digitsOnly_ = false;
      break;
    }
    digitMask_ |= 1u << e;
  }
  if (ExcludeKind != ExcludeDigits || !digitsOnly_ || tableMask_ == digitMask_) return;
  digitTable_.assign(2 * kDigitGroup, 0);
  for (uint32_t g = 0; g < kDigitGroup; ++g) {
    const unsigned inner = DigitsOf(g) | (g < 1000 ? 1u : 0u);
    digitTable_[g] = (inner & digitMask_) != 0;
    digitTable_[kDigitGroup + g] = (DigitsOf(g) & digitMask_) != 0;
  }
  tableMask_ = digitMask_;
}

bool Tmake_random::IsExcluded(int32_t v) const {
  if (ExcludeKind == ExcludeNumbers) {
    return !Excluded.empty() && Excluded.front() <= v && v <= Excluded.back() &&
           std::binary_search(Excluded.begin(), Excluded.end(), v);
  }
  if (ExcludeKind == ExcludeDigits) {
    if (digitsOnly_) return HasExcludedDigit(digitTable_.data(), v);
    const std::string text = std::to_string(v);
    for (int32_t e : Excluded)
      if (text.find(std::to_string(e)) != std::string::npos) return true;
    return false;
  }
  return false;
}

// Distinct values of the range that the whole-number list leaves free.
int64_t Tmake_random::AllowedWholeNumbers() const {
  int64_t inside = 0;
  for (size_t i = 0; i < Excluded.size(); ++i)
    if (Excluded[i] >= Lower && Excluded[i] <= Upper && (i == 0 || Excluded[i] != Excluded[i - 1])) ++inside;
  return int64_t{Upper} - Lower + 1 - inside;
}

void Tmake_random::CalcPossible() {
  if (Duplicate) return;
  if (ExcludeKind == ExcludeNumbers) {
    Possible = static_cast<int32_t>(AllowedWholeNumbers());
  } else if (ExcludeKind == ExcludeDigits) {
    if (Excluded.empty())
      Possible = static_cast<int32_t>(int64_t{Upper} - Lower + 1);
    else
      CountPossible();
  }
}

void Tmake_random::CountPossible() {
  Possible = 0;
  ShowStatus(Lower, Upper, Phase::Start, TR_NOOP("Core", "Calculate Possible..."));
  if (digitsOnly_) {
    Possible = static_cast<int32_t>(CountFreeOfDigits(Lower, Upper, digitMask_));
    LetMessagesRun();
  } else {
    for (int64_t v = Lower; v <= Upper; ++v) {
      if (!IsExcluded(static_cast<int32_t>(v))) {
        LetMessagesRun();
        ++Possible;
      }
      if (ShowProgress) ProgressBar->step();
      if (Stopped) break;
    }
  }
  ShowStatus(0, 0, Phase::Finish, TR_NOOP("Core", "Done"));
}

void Tmake_random::MakeRandoms(const Tinputpar& par, const RunContext& run) {
  RandomSource& source = run.Source;
  Lower = par.Lower;
  Upper = par.Upper;
  Excluded = par.Excluded;
  ExcludeKind = par.ExcludeKind;
  Count = par.Count;
  Duplicate = par.Duplicate;
  ShowProgress = run.Progress != nullptr && run.Status != nullptr;
  ProgressBar = run.Progress;
  StatusLabel = run.Status;
  Stopped = false;
  std::sort(Excluded.begin(), Excluded.end());
  PrepareExclusions();
  CalcPossible();

  const int64_t width = int64_t{Upper} - Lower + 1;
  const int64_t target = Duplicate ? std::max<int64_t>(Count, 0)
                                   : std::clamp<int64_t>(std::min<int64_t>(Count, Possible), 0, width);
  // With repeats allowed, exclusions that leave no value of the range mean
  // that nothing can be drawn, whatever the count: such a run holds nothing.
  const bool drawsNothing =
      Duplicate && !Excluded.empty() &&
      ((ExcludeKind == ExcludeNumbers && AllowedWholeNumbers() == 0) ||
       (ExcludeKind == ExcludeDigits && digitsOnly_ && CountFreeOfDigits(Lower, Upper, digitMask_) == 0));
  // The whole run is weighed before anything is drawn: drawing (the values
  // and the drawn-before set), then sorting and formatting them as last
  // asked (PlanFormat). A request too large for memory leaves the last run as
  // it was.
  const auto values = drawsNothing ? uint64_t{0} : static_cast<uint64_t>(target);
  const uint64_t drawing =
      values * 4 + (Duplicate ? 0 : DrawnSet::BytesFor(static_cast<uint64_t>(width), values));
  CheckMemoryFor(std::max(drawing, FormatBytes(values, LongestText(Lower, Upper))));
  TArrayInteger fresh;
  try {
    GuardMemory([&] {
      fresh.reserve(static_cast<size_t>(values));
      if (!Duplicate) drawn_.reset(Lower, static_cast<uint64_t>(width), static_cast<uint64_t>(target));
    });
  } catch (const EOutOfMemory&) {
    drawn_.release();
    throw;
  }
  Randoms.swap(fresh);
  TArrayInteger().swap(fresh);
  Generated = 0;

  const uint32_t b = static_cast<uint32_t>(target);
  const uint32_t sum = b + b / 30;
  ShowStatus(0, sum >= 2147483647u ? b : sum, Phase::Start, TR_NOOP("Core", "Calculating randoms..."));

  const bool exclusions = !Excluded.empty();
  if (exclusions && Duplicate) {
    int64_t guard = 100;
    if (ExcludeKind == ExcludeDigits) {
      CountPossible();
      guard = Possible;
    } else if (ExcludeKind == ExcludeNumbers && AllowedWholeNumbers() == 0) {
      guard = 0;  // every value is excluded: nothing can ever be drawn
    }
    uint32_t rejected = 0;
    while (!Stopped && Generated < Count && guard > 0) {
      const int32_t v = NextRandom(source);
      if (!IsExcluded(v))
        AddRandom(v);
      else if (++rejected % 4096 == 0)
        LetMessagesRun();
    }
  } else if (exclusions && ExcludeKind == ExcludeDigits && digitsOnly_) {
    // Most draws are rejected when many digits are excluded: over a wide
    // range sixteen at a time are tested on the state alone first.
    std::vector<uint8_t> buckets;
    if (int64_t{Upper} - Lower >= (int64_t{1} << 22))
      DrawDistinct<16>(target, DigitTest(digitTable_.data(), buckets), source);
    else
      DrawDistinct<1>(target, DigitTest(digitTable_.data(), buckets), source);
  } else if (exclusions) {
    DrawDistinct<1>(
        target, [this](int32_t v) { return IsExcluded(v); }, source);
  } else if (Duplicate) {
    while (!Stopped && Generated < Count) AddRandom(NextRandom(source));
  } else {
    DrawDistinct<1>(
        target, [](int32_t) { return false; }, source);
  }
  drawn_.release();
  ShowStatus(0, 0, Phase::Finish, TR_NOOP("Core", "Done"));
}

template <int kBlock, typename IsOut>
void Tmake_random::DrawDistinct(int64_t target, IsOut excluded, RandomSource& source) {
  // Cryptographic draws are tested one at a time: the block test works on
  // the seeded generator's states.
  if (source.secure())
    DrawDistinctFrom<1, true>(target, excluded, source);
  else
    DrawDistinctFrom<kBlock, false>(target, excluded, source);
}

template <int kBlock, bool kSecure, typename IsOut>
void Tmake_random::DrawDistinctFrom(int64_t target, IsOut excluded, RandomSource& source) {
  // The state of the run's source lives in a register here and goes back
  // when the loop ends: no other run draws from it, not even one started
  // while messages run. The bounds change only when a value is taken.
  uint32_t seed = source.state;
  uint32_t rejected = 0;
  while (!Stopped && Generated < target) {
    const auto lower = static_cast<uint32_t>(Lower);
    const uint32_t width = static_cast<uint32_t>(Upper) - lower + 1u;
    if constexpr (kBlock > 1) excluded.prepare(lower, width);
    int32_t v;
    for (;;) {
      if constexpr (kBlock > 1) {
        // The next kBlock states are each worked out straight from `seed`,
        // so their tests need not wait for one another. A cheap first test
        // on the state, free of branches, marks the draws that may be taken;
        // the full test runs on those in drawing order, and the first draw
        // taken ends the block there.
        uint32_t maybe = 0;
#pragma GCC unroll 16
        for (int j = 0; j < kBlock; ++j) {
          const uint32_t state = kJumps[j].mul * seed + kJumps[j].add;
          maybe |= static_cast<uint32_t>(excluded.mayPass(state)) << j;
        }
        int taken = -1;
        for (; maybe != 0 && taken < 0; maybe &= maybe - 1) {
          const int j = std::countr_zero(maybe);
          const uint32_t state = kJumps[j].mul * seed + kJumps[j].add;
          const auto w = static_cast<int32_t>(lower + static_cast<uint32_t>((uint64_t{state} * width) >> 32));
          if (!excluded(w) && !drawn_.contains(w)) {
            taken = j;
            v = w;
          }
        }
        if (taken >= 0) {
          seed = kJumps[taken].mul * seed + kJumps[taken].add;
          rejected += taken;
          break;
        }
        seed = kJumps[kBlock - 1].mul * seed + kJumps[kBlock - 1].add;
        rejected += kBlock - 1;  // and one more below
      } else {
        if constexpr (kSecure) {
          v = static_cast<int32_t>(lower + source.SecureBelow(width));
        } else {
          seed = seed * kRandomMultiplier + 1u;
          v = static_cast<int32_t>(lower + static_cast<uint32_t>((uint64_t{seed} * width) >> 32));
        }
        if (!excluded(v) && !drawn_.contains(v)) break;
      }
      // Rejected draws let messages run only after a long stretch of them,
      // so that a run that rarely accepts still hears Cancel.
      if (++rejected % 4096 < kBlock) {
        LetMessagesRun();
        if (Stopped) {
          source.state = seed;
          return;
        }
      }
    }
    AddRandom(v);
    drawn_.insert(v);
    ShrinkRange(v);
  }
  source.state = seed;
}

// Equal values have equal text, so ordering the texts comes down to a plain
// numeric order: a radix sort in three passes of 11 bits. The counts of all
// three digits are taken while the values are copied, and the last pass
// writes the result, reversed for a descending order.
void Tmake_random::SortValues(const TArrayInteger& values, TArrayInteger& sorted, bool descending) {
  const size_t n = values.size();
  ShowStatus(0, static_cast<int64_t>(n), Phase::Start, TR_NOOP("Core", "Sorting randoms..."));
  constexpr size_t kSlice = 1 << 16;
  const uint64_t total = 5 * uint64_t{n};  // copy and count, three passes, the copy back
  uint64_t done = 0;
  // Runs body(start, stop) over 0 .. count in slices, letting messages run
  // between them; false when a Cancel stopped it.
  auto sliced = [&](size_t count, auto body) {
    for (size_t start = 0; start < count; start += kSlice) {
      if (Stopped) return false;
      const size_t stop = std::min(count, start + kSlice);
      body(start, stop);
      CountWork(stop - start);
      done += stop - start;
      if (ShowProgress) ProgressBar->setPosition(static_cast<int64_t>(done * n / total));
      LetMessagesRun();
    }
    return !Stopped;
  };
  sorted.clear();
  if (n <= kSlice) {
    sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (descending) std::reverse(sorted.begin(), sorted.end());
    CountWork(n);
  } else {
    auto key = [](int32_t v, int shift) {
      return ((static_cast<uint32_t>(v) ^ 0x80000000u) >> shift) & 2047u;
    };
    std::vector<std::array<size_t, 2049>> counts(3);
    for (auto& c : counts) c.fill(0);
    sorted.reserve(n);
    bool going = sliced(n, [&](size_t start, size_t stop) {
      sorted.insert(sorted.end(), values.begin() + static_cast<std::ptrdiff_t>(start),
                    values.begin() + static_cast<std::ptrdiff_t>(stop));
      for (size_t i = start; i < stop; ++i)
        for (int pass = 0; pass < 3; ++pass) ++counts[pass][key(values[i], pass * 11) + 1];
    });
    // Left untouched until written, so making it costs nothing up front.
    std::unique_ptr<int32_t[]> scratch(going ? new int32_t[n] : nullptr);
    int32_t* from = sorted.data();
    int32_t* to = scratch.get();
    for (int pass = 0; pass < 3 && going; ++pass) {
      auto& offsets = counts[pass];
      for (int k = 0; k < 2048; ++k) offsets[k + 1] += offsets[k];
      const int shift = pass * 11;
      going = sliced(n, [&](size_t start, size_t stop) {
        for (size_t i = start; i < stop; ++i) to[offsets[key(from[i], shift)]++] = from[i];
      });
      std::swap(from, to);
    }
    // Three passes leave the values in the scratch buffer.
    if (going)
      sliced(n, [&](size_t start, size_t stop) {
        if (descending)
          for (size_t i = start; i < stop; ++i) sorted[n - 1 - i] = from[i];
        else
          std::copy(from + start, from + stop, sorted.data() + start);
      });
    if (going) ReleasePagesInSlices(scratch.get(), n * sizeof(int32_t));
  }
  ShowStatus(0, 0, Phase::Finish, TR_NOOP("Core", "Done"));
}

size_t Tmake_random::FormatRandomTo(char* out, int32_t v) const {
  switch (Radix) {
    case RadixDecimal: {
      if (!Comma) return static_cast<size_t>(std::to_chars(out, out + kMaxFormatted, v).ptr - out);
      char digits[16];
      const uint32_t magnitude = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
      const size_t count = static_cast<size_t>(std::to_chars(digits, digits + 16, magnitude).ptr - digits);
      const std::string& sep = ThousandsSeparatorSetting();
      char* p = out;
      if (v < 0) *p++ = '-';
      for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
          memcpy(p, sep.data(), std::min<size_t>(sep.size(), 4));
          p += std::min<size_t>(sep.size(), 4);
        }
        *p++ = digits[i];
      }
      return static_cast<size_t>(p - out);
    }
    case RadixHex: {
      static const char kHex[] = "0123456789ABCDEF";
      uint32_t u = static_cast<uint32_t>(v);
      const int width = v < 0 ? 8 : 2;
      char tmp[8];
      int len = 0;
      do {
        tmp[len++] = kHex[u & 15u];
        u >>= 4;
      } while (u != 0);
      char* p = out;
      for (int i = len; i < width; ++i) *p++ = '0';
      while (len > 0) *p++ = tmp[--len];
      return static_cast<size_t>(p - out);
    }
    case RadixOctal:
    case RadixBinary: {
      const std::string text = IntToBase(v, Radix == RadixOctal ? 8 : 2, Radix == RadixOctal ? 3 : 8);
      memcpy(out, text.data(), text.size());
      return text.size();
    }
    default:
      return 0;
  }
}

size_t Tmake_random::LongestText(int32_t low, int32_t high) const {
  // A text grows with the magnitude of its value: the ends are the longest.
  char buffer[kMaxFormatted + 16];
  return std::max(FormatRandomTo(buffer, low), FormatRandomTo(buffer, high));
}

uint64_t Tmake_random::FormatBytes(uint64_t n, size_t longest) const {
  // The values, their texts, and for a sorted order a sorted copy (the radix
  // sort's scratch copy is gone before the texts are made).
  return n * 4 + TextListBytes(n, n * longest) + (SortsValues(SortOrder) ? n * 4 : 0);
}

std::string Tmake_random::FormatRandom(int32_t v) const {
  char buffer[kMaxFormatted + 16];
  return std::string(buffer, FormatRandomTo(buffer, v));
}

// Room for the texts of all values, so that the list never grows (and
// copies itself whole) while it is filled: the widest text of the extreme
// values, found in slices unless the values are sorted.
size_t Tmake_random::CharactersFor(const TArrayInteger& values, bool sorted) {
  if (values.empty()) return 0;
  int32_t low = values.front(), high = values.back();
  if (sorted) {
    if (low > high) std::swap(low, high);
  } else {
    constexpr size_t kSlice = 1 << 16;
    for (size_t start = 0; start < values.size(); start += kSlice) {
      const size_t stop = std::min(values.size(), start + kSlice);
      const auto [lo, hi] = std::minmax_element(values.begin() + static_cast<std::ptrdiff_t>(start),
                                                values.begin() + static_cast<std::ptrdiff_t>(stop));
      low = std::min(low, *lo);
      high = std::max(high, *hi);
      CountWork(stop - start);
      LetMessagesRun();
    }
  }
  // Octal and binary texts of negative values are pieced; take the bound.
  const size_t widest = Radix >= RadixOctal && low < 0
                            ? kMaxFormatted
                            : std::max(FormatRandom(low).size(), FormatRandom(high).size());
  return values.size() * widest + kMaxFormatted + 16;
}

void Tmake_random::FormatInto(TArrayString& list, const TArrayInteger& values, std::string_view phaseText) {
  const size_t n = values.size();
  ShowStatus(0, static_cast<int64_t>(n), Phase::Start, phaseText);
  for (size_t i = 0; i < n; ++i) {
    const int32_t v = values[i];
    list.emplace_with(kMaxFormatted + 16, [this, v](char* out) { return FormatRandomTo(out, v); });
    CountWork(1);
    if (ShowProgress) ProgressBar->step();
    if (Stopped) break;
    LetMessagesRun();
  }
  ShowStatus(0, 0, Phase::Finish, TR_NOOP("Core", "Done"));
}

void Tmake_random::FormatRandoms(TArrayString& list, TformatPar options) {
  SortOrder = options.SortOrder;
  Comma = options.Comma;
  Radix = options.Radix;
  const size_t n = Randoms.size();
  if (SortOrder > SortDrawn) {
    list.resize(n);
    return;
  }
  TArrayString formatted;
  // Weighed with the run's range, which holds every value: no pass over
  // the values before the first message may run.
  const size_t longest = n > 0 ? LongestText(Lower, Upper) : 0;
  CheckMemoryFor(FormatBytes(n, longest) - n * 4);  // the values are there already
  GuardMemory([&] {
    if (SortsValues(SortOrder)) {
      TArrayInteger sorted;
      SortValues(Randoms, sorted, SortOrder == SortDescending);
      formatted.reserve(n, CharactersFor(sorted, true));
      FormatInto(formatted, sorted, TR_NOOP("Core", "Format randoms.."));
      ReleasePagesInSlices(sorted.data(), sorted.capacity() * sizeof(int32_t));
    } else {
      formatted.reserve(n, CharactersFor(Randoms, false));
      FormatInto(formatted, Randoms, TR_NOOP("Core", "Format randoms..."));
    }
    formatted.resize(n);  // a stopped run leaves the rest empty
  });
  list.swap(formatted);
  formatted.releaseInSlices();  // the texts shown before
}

void Trandom_base::ReleaseResults() {
  Results.releaseInSlices();
  ReleasePagesInSlices(Engine.Randoms.data(), Engine.Randoms.capacity() * sizeof(int32_t));
  TArrayInteger().swap(Engine.Randoms);
}

void Trandom_base::SaveText(const TsaveTextPar& par) const {
  TsavetoText writer(par);
  writer.OpenText();
  writer.WriteRandoms(Results);
  writer.CloseText();
}

bool Trandom_base::SaveText(const TsaveTextPar& par, const PrintFeedback& feedback) const {
  ProgressBarView* bar = feedback.ProgressBar;
  if (feedback.StatusLabel != nullptr) feedback.StatusLabel->setCaption("Saving randoms...");
  if (bar != nullptr) bar->start(static_cast<int64_t>(Results.size()));
  const bool* stop = feedback.Stop;
  const TsavetoText* written = nullptr;
  int64_t counted = 0;
  // Asked at every 64 KiB staged: the progress moves and messages run.
  TsavetoText writer(par, [&] {
    const int64_t now = written->itemsWritten();
    CountWork(static_cast<uint64_t>(now - counted));
    counted = now;
    if (bar != nullptr) bar->setPosition(now);
    LetMessagesRun();
    return stop != nullptr && *stop;
  });
  written = &writer;
  writer.OpenText();
  try {
    writer.WriteRandoms(Results);
  } catch (const OutputFile::Stopped&) {
    return false;  // the file is left as it was
  }
  writer.CloseText();
  return true;
}

void Trandom_base::PrintText(const TsaveTextPar& par) const { PrintText(par, PrintFeedback{}); }

bool Trandom_base::PrintText(const TsaveTextPar& par, const PrintFeedback& feedback) const {
  if (feedback.StatusLabel != nullptr)
    feedback.StatusLabel->setCaption(TR_NOOP("Core", "Writing the print file..."));
  if (feedback.ProgressBar != nullptr) feedback.ProgressBar->start(1);
  const bool* stop = feedback.Stop;
  TsavetoText writer(par, [stop] {
    LetMessagesRun();
    return stop != nullptr && *stop;
  });
  writer.OpenText();
  try {
    writer.WriteRandoms(Results);
  } catch (const OutputFile::Stopped&) {
    return false;
  }
  writer.CloseText();
  return TprinterText().PrintFile(par.FileName, feedback);
}

}  // namespace quenvar
