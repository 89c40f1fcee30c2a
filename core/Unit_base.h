#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Codes.h"
#include "core/DrawnSet.h"
#include "core/Feedback.h"
#include "core/RandomSource.h"
#include "core/StringArray.h"

namespace quenvar {

struct PrintFeedback;

// The engine's input record, copied whole into the engine by MakeRandoms.
struct Tinputpar {
  int32_t Lower = 0;
  int32_t Upper = 0;
  TArrayInteger Excluded;  // whole numbers or decimal digits, as ExcludeKind says
  TExcludeKind ExcludeKind = ExcludeNumbers;
  int32_t Count = 0;
  bool Duplicate = false;
};

// What a run lends its generator for Generate: the random source it draws
// from, and nothing else, and the progress bar and status label it shows its
// phases on (a run shows them only when it has both). The generator keeps the
// two views for the FormatResults that follows. A source alone is a run that
// shows nothing.
struct RunContext {
  RunContext(RandomSource& source, ProgressBarView* progress = nullptr, StatusLabelView* status = nullptr)
      : Source(source), Progress(progress), Status(status) {}
  RandomSource& Source;
  ProgressBarView* Progress;
  StatusLabelView* Status;
};

struct TformatPar {
  TSortOrder SortOrder = SortDrawn;
  bool Comma = false;
  TRadix Radix = RadixDecimal;
};

// The highest possible total the string and lottery generators report (2^55).
constexpr int64_t MaxPossible = 36028797018963968;

// The thousands separator of "#,##0" formatting; a comma unless the program
// sets the locale's.
void SetThousandsSeparator(std::string separator);
const std::string& ThousandsSeparator();

// Digits of v in the given base, most significant first, with the digit
// pieces of a negative value negative, padded with "0" to `width`.
std::string IntToBase(int32_t v, int32_t base, size_t width);

// Numbers in lower .. upper whose decimal text has none of the digits in
// `excludedDigits` (bit d set: digit d excluded; a minus sign is no digit).
int64_t CountFreeOfDigits(int64_t lower, int64_t upper, unsigned excludedDigits);

// The generation engine: draws integers from the random source it is lent
// with or without repeats and exclusions, counts the possible outcomes, and
// sorts and formats what it drew.
class Tmake_random {
 public:
  // Draws Count values (without repeats at most Possible) from the run's
  // source, showing its phases on the run's views. A request whose memory
  // cannot be had throws EOutOfMemory and leaves Randoms as it was.
  void MakeRandoms(const Tinputpar& par, const RunContext& run);
  void Cancel() { Stopped = true; }
  int32_t PossibleTotal() const { return Possible; }
  int32_t GeneratedTotal() const { return Generated; }
  // Refills `list` with the drawn values as text, sorted as asked. The list
  // is replaced only when all of it could be built.
  void FormatRandoms(TArrayString& list, TformatPar options);
  // The options the next FormatRandoms will use, so that MakeRandoms can
  // weigh the whole run; without it the last options are assumed.
  void PlanFormat(TformatPar options) {
    SortOrder = options.SortOrder;
    Comma = options.Comma;
    Radix = options.Radix;
  }
  std::string FormatRandom(int32_t v) const;

  // Fields as the last MakeRandoms left them (Lower and Upper narrowed by a
  // run without repeats).
  int32_t Lower = 0;
  int32_t Upper = 0;
  TArrayInteger Excluded;
  TExcludeKind ExcludeKind = ExcludeNumbers;
  int32_t Count = 0;
  bool Duplicate = false;
  bool ShowProgress = false;
  ProgressBarView* ProgressBar = nullptr;
  StatusLabelView* StatusLabel = nullptr;
  bool Stopped = false;
  int32_t Generated = 0;
  int32_t Possible = 0;
  TSortOrder SortOrder = SortDrawn;
  bool Comma = false;
  TRadix Radix = RadixDecimal;
  TArrayInteger Randoms;

 private:
  enum class Phase { Start, Finish };
  void ShowStatus(int64_t low, int64_t high, Phase phase, std::string_view text);
  void CalcPossible();
  void CountPossible();
  bool IsExcluded(int32_t v) const;
  void PrepareExclusions();
  int64_t AllowedWholeNumbers() const;
  // Lower + RandomBelow(Upper - Lower + 1) in wrapping 32-bit arithmetic.
  int32_t NextRandom(RandomSource& source) const {
    const uint32_t width = static_cast<uint32_t>(Upper) - static_cast<uint32_t>(Lower) + 1u;
    return static_cast<int32_t>(static_cast<uint32_t>(Lower) + source.RandomBelow(width));
  }
  void AddRandom(int32_t v) {
    LetMessagesRun();
    Randoms.push_back(v);
    ++Generated;
    if (ShowProgress) ProgressBar->step();
  }
  void ShrinkRange(int32_t v) {
    if (v == Lower && int64_t{Lower} + 1 <= Upper) ++Lower;
    if (v == Upper && int64_t{Upper} - 1 >= Lower) --Upper;
  }
  // kBlock: how many draws are tested side by side. Chooses the source once
  // per run, so that the seeded loop stays as it is.
  template <int kBlock, typename IsOut>
  void DrawDistinct(int64_t target, IsOut excluded, RandomSource& source);
  template <int kBlock, bool kSecure, typename IsOut>
  void DrawDistinctFrom(int64_t target, IsOut excluded, RandomSource& source);
  // Sorts a copy of `values` into `sorted`; every phase (the copy, the
  // counting, each pass, the copy back) runs in slices with messages between.
  void SortValues(const TArrayInteger& values, TArrayInteger& sorted, bool descending);
  size_t CharactersFor(const TArrayInteger& values, bool sorted);
  void FormatInto(TArrayString& list, const TArrayInteger& values, std::string_view phaseText);
  size_t FormatRandomTo(char* out, int32_t v) const;
  // The longest text of a value of low .. high in the current options, and
  // the memory formatting n such values takes.
  size_t LongestText(int32_t low, int32_t high) const;
  uint64_t FormatBytes(uint64_t n, size_t longest) const;

  unsigned digitMask_ = 0;           // kind 1 with single digits: the excluded digits
  bool digitsOnly_ = false;          // kind 1 entries are all single digits
  std::vector<uint8_t> digitTable_;  // per group of four digits: has one of tableMask_
  unsigned tableMask_ = ~0u;
  DrawnSet drawn_;
};

struct TsaveTextPar;  // core/Writers.h

// The common base of the generators whose output is a list of text lines.
class Trandom_base {
 public:
  virtual ~Trandom_base() = default;
  // Writes Results to a text file in the layout the record asks for, with
  // TsavetoText (core/Writers.h).
  void SaveText(const TsaveTextPar& par) const;
  // The same, showing its progress and letting messages run; false when it
  // was stopped, the file then left as it was.
  bool SaveText(const TsaveTextPar& par, const PrintFeedback& feedback) const;
  // Writes the file, then prints it as one job on the current printer.
  void PrintText(const TsaveTextPar& par) const;
  // The same, showing its progress and letting messages run; false when it
  // was stopped (the file then may be missing) or the user declined.
  bool PrintText(const TsaveTextPar& par, const PrintFeedback& feedback) const;
  // Frees the formatted results and the engine's values in slices, letting
  // messages run while a large block goes.
  void ReleaseResults();

  Tmake_random Engine;
  TArrayString Results;
};

// What the window's pages and the command-line tool rely on in a generator,
// the same for every one of them:
// - Generate draws a run for its input record from the run's context (the
//   source, the progress bar and the status label it is lent) and keeps the
//   two views for the FormatResults that follows;
// - FormatResults arranges what the last run drew into Results, in the sort
//   order, thousands separators and radix asked for (a generator ignores what
//   does not apply to its values), and may be called again with other
//   options without drawing again;
// - Cancel only asks the running Generate or FormatResults to stop (it comes
//   from a handler nested inside them); Stopped says whether it did, and
//   stays so until the next Generate;
// - GeneratedTotal and PossibleTotal are the totals of the last run, 64-bit
//   for every generator (the string and lottery totals reach 2^55);
// - ReleaseResults frees what a run left behind (after a failed run).
template <class G, class Input>
concept RandomGenerator = requires(G& generator, const G& done, const Input& input, const RunContext& run,
                                   TformatPar format) {
  generator.Generate(input, run);
  generator.FormatResults(format);
  generator.Cancel();
  generator.ReleaseResults();
  { done.Stopped() } -> std::same_as<bool>;
  { done.GeneratedTotal() } -> std::same_as<int64_t>;
  { done.PossibleTotal() } -> std::same_as<int64_t>;
  { done.Results } -> std::same_as<const TArrayString&>;
};

}  // namespace quenvar
