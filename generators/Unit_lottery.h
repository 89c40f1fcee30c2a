#pragma once

#include <cstdint>
#include <vector>

#include "core/RunOptions.h"
#include "core/Unit_base.h"

namespace quenvar {

struct TinputLottery {
  int32_t MainLow = runs::lottery::kMainLow.fallback;
  int32_t MainUpper = runs::lottery::kMainUpper.fallback;
  int32_t MainPick = runs::lottery::kMainPick.fallback;
  int32_t ChildLow = runs::lottery::kBonusLow.fallback;
  int32_t ChildUpper = runs::lottery::kBonusUpper.fallback;
  // 0 whenever Lotto is false
  int32_t ChildPick = runs::lottery::kBonusPick.fallback;
  bool Lotto = true;        // lines carry bonus numbers
  bool RemainPick = false;  // bonus numbers come from the main range, in the same draw
  bool DupLines = false;    // a number may repeat within a line
  bool DupRows = false;     // no two lines of a run alike
  int32_t Total = runs::lottery::kLines.fallback;
};

// n^k and n (n-1) ... (n-k+1) in extended precision, capped at MaxPossible
// and rounded.
int64_t PowerTotal(int64_t n, int64_t k);
int64_t PermutationTotal(int64_t n, int64_t k);

// Lottery lines: main numbers and, optionally, bonus numbers, drawn line by
// line from the random source, optionally with no line repeated.
class Trandom_Lottery {
 public:
  void Generate(const TinputLottery& par, const RunContext& run);
  // In the sort order alone (0 ascending, 1 descending, 2 drawing order);
  // main and bonus numbers are sorted apart.
  void FormatResults(TformatPar format);
  void Cancel() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  // Frees the lines and their texts.
  void ReleaseResults();
  int64_t PossibleTotal() const { return Possible; }
  int64_t GeneratedTotal() const { return LineCount; }
  int32_t LineWidth() const { return Input.MainPick + Input.ChildPick; }
  // Cell c of line i as drawn; lines not reached by a cancelled run are empty.
  bool LineDrawn(int64_t i) const { return i < filled_; }
  int32_t Cell(int64_t i, int32_t c) const { return Lines[static_cast<size_t>(i * LineWidth() + c)]; }

  TinputLottery Input;
  int64_t LineCount = 0;
  int64_t Possible = 0;
  // Set when the random source could not reach as many different lines as
  // asked: the run stopped with all it found, and LineCount says how many.
  bool Exhausted = false;
  TArrayString Results;
  std::vector<int32_t> Lines;  // LineCount rows of LineWidth() numbers, in drawing order

 private:
  int64_t CalcPossible() const;
  // The longest text of a number the lines can hold.
  uint64_t LongestNumber() const;
  template <bool kWithBonus>
  void GenerateLines(RandomSource& source);

  int64_t filled_ = 0;
  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
};

static_assert(RandomGenerator<Trandom_Lottery, TinputLottery>);

// One engine draw of `count` numbers from lower .. upper with or without
// repeats and no exclusions, exactly as Tmake_random::MakeRandoms draws
// them from `source`, appended to `out`; lets messages run once per value.
void DrawNumbers(int32_t lower, int32_t upper, int32_t count, bool duplicate, std::vector<int32_t>& out,
                 RandomSource& source);

}  // namespace quenvar
