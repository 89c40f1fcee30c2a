#include "generators/Unit_lottery.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/RepeatWatch.h"

namespace quenvar {

namespace {

int64_t CapAndRound(long double value) {
  return std::llround(std::min(value, static_cast<long double>(MaxPossible)));
}

// A line seen before, found by hashing its numbers.
class LineSet {
 public:
  LineSet(const std::vector<int32_t>& lines, int32_t width) : lines_(lines), width_(width) {}
  void reserve(int64_t lines) {
    size_t capacity = 16;
    while (capacity < static_cast<size_t>(lines) * 2) capacity *= 2;
    slots_.assign(capacity, kEmpty);
    mask_ = capacity - 1;
  }
  // True when `line` was not there; then it is recorded as line `index`.
  bool insertIfNew(const int32_t* line, int64_t index) {
    size_t i = Hash(line) & mask_;
    for (; slots_[i] != kEmpty; i = (i + 1) & mask_)
      if (std::equal(line, line + width_, &lines_[static_cast<size_t>(slots_[i] * width_)])) return false;
    slots_[i] = index;
    return true;
  }

 private:
  static constexpr int64_t kEmpty = -1;
  uint64_t Hash(const int32_t* line) const {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (int32_t c = 0; c < width_; ++c) h = (h ^ static_cast<uint32_t>(line[c])) * 0xff51afd7ed558ccdull;
    return h ^ (h >> 32);
  }
  const std::vector<int32_t>& lines_;
  int32_t width_;
  std::vector<int64_t> slots_;
  size_t mask_ = 0;
};

}  // namespace

int64_t PowerTotal(int64_t n, int64_t k) {
  long double result = 1.0L;
  long double base = static_cast<long double>(n);
  for (int64_t e = k; e > 0; e >>= 1) {
    if (e & 1) result *= base;
    base *= base;
  }
  return CapAndRound(result);
}

int64_t PermutationTotal(int64_t n, int64_t k) {
  if (k <= 0) return 1;
  long double result = static_cast<long double>(n);
  for (int64_t i = 1; i < k; ++i) result *= static_cast<long double>(n - i);
  return CapAndRound(result);
}

void DrawNumbers(int32_t lower, int32_t upper, int32_t count, bool duplicate, std::vector<int32_t>& out,
                 RandomSource& source) {
  const size_t first = out.size();
  if (duplicate) {
    const uint32_t width = static_cast<uint32_t>(upper) - static_cast<uint32_t>(lower) + 1u;
    for (int32_t i = 0; i < count; ++i) {
      const auto v = static_cast<int32_t>(static_cast<uint32_t>(lower) + source.RandomBelow(width));
      LetMessagesRun();
      out.push_back(v);
    }
    return;
  }
  const int64_t target = std::min<int64_t>(count, int64_t{upper} - lower + 1);
  while (static_cast<int64_t>(out.size() - first) < target) {
    const uint32_t width = static_cast<uint32_t>(upper) - static_cast<uint32_t>(lower) + 1u;
    const auto v = static_cast<int32_t>(static_cast<uint32_t>(lower) + source.RandomBelow(width));
    if (std::find(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(), v) != out.end()) continue;
    LetMessagesRun();
    out.push_back(v);
    // The engine moves an edge inwards when the edge value is taken.
    if (v == lower && int64_t{lower} + 1 <= upper) ++lower;
    if (v == upper && int64_t{upper} - 1 >= lower) --upper;
  }
}

uint64_t Trandom_Lottery::LongestNumber() const {
  auto length = [](int32_t v) { return std::to_string(v).size(); };
  uint64_t longest = std::max(length(Input.MainLow), length(Input.MainUpper));
  if (Input.Lotto && !Input.RemainPick)
    longest = std::max<uint64_t>({longest, length(Input.ChildLow), length(Input.ChildUpper)});
  return longest;
}

int64_t Trandom_Lottery::CalcPossible() const {
  const int64_t m = int64_t{Input.MainUpper} - Input.MainLow + 1;
  const int64_t n = int64_t{Input.ChildUpper} - Input.ChildLow + 1;
  const int64_t p = Input.MainPick;
  const int64_t q = Input.ChildPick;
  if (!Input.DupLines) {
    if (Input.Lotto && Input.RemainPick) {
      if (p + q > m) return -1;
    } else if (Input.Lotto) {
      if (m < p || n < q) return -1;
    } else if (m < p) {
      return -1;
    }
  }
  auto total = [this](int64_t size, int64_t k) {
    return Input.DupLines ? PowerTotal(size, k) : PermutationTotal(size, k);
  };
  if (Input.Lotto && Input.RemainPick) return total(m, p + q);
  if (Input.Lotto) {
    const long double product = static_cast<long double>(total(m, p)) * static_cast<long double>(total(n, q));
    return CapAndRound(product);
  }
  return total(m, p);
}

void Trandom_Lottery::Generate(const TinputLottery& par, const RunContext& run) {
  Input = par;
  if (!Input.Lotto) Input.ChildPick = 0;
  stopped_ = false;
  bar_ = run.Progress;
  label_ = run.Status;
  Results.clear();
  Lines.clear();
  filled_ = 0;
  Exhausted = false;

  // A range of more than 2147483647 numbers cannot be drawn from.
  const bool bonusRange = Input.Lotto && !Input.RemainPick;
  if (int64_t{Input.MainUpper} - Input.MainLow >= 2147483647 ||
      (bonusRange && int64_t{Input.ChildUpper} - Input.ChildLow >= 2147483647)) {
    ShowError(
        TR_NOOP("Core", "The Upper number minus the Lower number\r\r    must be less than 2147483647!"));
    Possible = -1;
  } else {
    Possible = CalcPossible();
    if (Possible < 0)
      ShowError(
          TR_NOOP("Core", "Can't get more numbers than defined by \rthe Lower and the Upper components. "));
  }
  if (Possible < 0) {
    Input.Total = Input.MainPick = Input.ChildPick = 0;
    LineCount = 0;
    return;
  }
  const int64_t lineCount = Input.DupRows ? std::min<int64_t>(Input.Total, Possible) : Input.Total;
  LineCount = 0;
  // All lines are sized at once, before drawing, and the whole run is
  // weighed first: the lines, the set that finds repeated lines, and their
  // texts for display. Too little memory ends the run here with nothing drawn.
  const uint64_t cells = static_cast<uint64_t>(lineCount) * static_cast<uint64_t>(LineWidth());
  const uint64_t set = Input.DupRows ? HashSlotsFor(static_cast<uint64_t>(lineCount)) * 8 : 0;
  CheckMemoryFor(cells * 4 + std::max(set, TextListBytes(cells, cells * LongestNumber())));
  GuardMemory([&] { Lines.assign(static_cast<size_t>(cells), 0); });
  LineCount = lineCount;
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Calculating randoms..."));
  if (bar_ != nullptr) bar_->start(LineCount);
  if (Input.Lotto)
    GenerateLines<true>(run.Source);
  else
    GenerateLines<false>(run.Source);
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Done"));
}

template <bool kWithBonus>
void Trandom_Lottery::GenerateLines(RandomSource& source) {
  const int32_t width = LineWidth();
  LineSet seen(Lines, width);
  if (Input.DupRows) seen.reserve(LineCount);
  std::vector<int32_t> candidate;
  candidate.reserve(static_cast<size_t>(width));
  // The possible total counts every line, but the random source may not
  // reach them all: a run that comes round to draws it already rejected ends
  // with the lines it found.
  RepeatWatch watch;
  watch.restart(source);
  int64_t i = 0;
  while (!stopped_ && i < LineCount) {
    candidate.clear();
    if (kWithBonus && Input.RemainPick) {
      DrawNumbers(Input.MainLow, Input.MainUpper, width, Input.DupLines, candidate, source);
    } else {
      DrawNumbers(Input.MainLow, Input.MainUpper, Input.MainPick, Input.DupLines, candidate, source);
      if (kWithBonus)
        DrawNumbers(Input.ChildLow, Input.ChildUpper, Input.ChildPick, Input.DupLines, candidate, source);
    }
    int32_t* row = &Lines[static_cast<size_t>(i * width)];
    std::copy(candidate.begin(), candidate.end(), row);
    // Lines are compared as drawn: the same numbers in another order differ.
    if (Input.DupRows && !seen.insertIfNew(row, i)) {
      if (!watch.cycled(source)) continue;
      Exhausted = true;
      LineCount = i;
      Lines.resize(static_cast<size_t>(i * width));
      ShowWarning(
          Text(TR_NOOP("Core", "Only %1 different lines can be drawn; all of them have been generated."))
              .arg(i));
      break;
    }
    watch.restart(source);
    ++i;
    filled_ = i;
    if (bar_ != nullptr) bar_->step();
    LetMessagesRun();
  }
}

void Trandom_Lottery::FormatResults(TformatPar format) {
  const TSortOrder order = format.SortOrder;
  const int32_t width = LineWidth();
  const int64_t rows = width > 0 ? static_cast<int64_t>(Lines.size()) / width : 0;
  TArrayString results;
  const auto cells = static_cast<uint64_t>(rows * width);
  CheckMemoryFor(TextListBytes(cells, cells * LongestNumber()));
  GuardMemory([&] {
    results.reserve(static_cast<size_t>(cells), static_cast<size_t>(cells * LongestNumber() + 12));
  });
  if (bar_ != nullptr) bar_->start(rows);
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Sort Randoms..."));
  std::vector<int32_t> line(static_cast<size_t>(width));
  for (int64_t r = 0; r < rows; ++r) {
    if (r < filled_) {
      std::copy_n(&Lines[static_cast<size_t>(r * width)], width, line.begin());
      const auto bonus = line.begin() + Input.MainPick;
      if (order == SortAscending) {
        std::sort(line.begin(), bonus);
        std::sort(bonus, line.end());
      } else if (order == SortDescending) {
        std::sort(line.begin(), bonus, std::greater<>());
        std::sort(bonus, line.end(), std::greater<>());
      }
      for (int32_t v : line)
        results.emplace_with(
            12, [v](char* out) { return static_cast<size_t>(std::to_chars(out, out + 12, v).ptr - out); });
    } else {
      for (int32_t c = 0; c < width; ++c) results.push_back("");
    }
    if (stopped_) break;
    if (bar_ != nullptr) bar_->step();
    LetMessagesRun();
  }
  results.resize(static_cast<size_t>(rows * width));
  Results.swap(results);
}

void Trandom_Lottery::ReleaseResults() {
  TArrayString().swap(Results);
  std::vector<int32_t>().swap(Lines);
}

}  // namespace quenvar
