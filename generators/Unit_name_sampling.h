#pragma once

#include <cstdint>
#include <string>

#include "core/RepeatWatch.h"
#include "core/RunOptions.h"
#include "core/TextSet.h"
#include "core/Unit_base.h"

namespace quenvar {

struct TinputSampling {
  int32_t Count = runs::sample::kCount.fallback;
  bool Duplicate = false;
  const TArrayString* Items = nullptr;  // the texts to draw from; read only during Generate
};

// Samples from a list of texts: the engine draws positions, which are then
// looked up. Without repeats a position is drawn once, so two items with the
// same text may both be drawn.
class Trandom_sampling : public Trandom_base {
 public:
  void Generate(const TinputSampling& par, const RunContext& run);
  void FormatResults(TformatPar format);
  // Stops the engine's draw too.
  void Cancel() {
    stopped_ = true;
    Engine.Cancel();
  }
  bool Stopped() const { return stopped_; }
  int64_t PossibleTotal() const { return Engine.PossibleTotal(); }
  int64_t GeneratedTotal() const { return Engine.GeneratedTotal(); }

  TinputSampling Input;
  TArrayString Samples;

 private:
  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
};

struct TinputName {
  int32_t Count = runs::name::kCount.fallback;
  bool Duplicate = false;
  TGender Gender =
      static_cast<TGender>(runs::name::kGender.fallback + 1);  // bit 0 female list, bit 1 male list
  std::string FemaleFile;
  std::string MaleFile;
  std::string LastFile;
  // Lists read already (the command-line tool checks them before the run):
  // used instead of the files when given, the first names being the male
  // lines, then the female ones, as Generate pools them.
  const TArrayString* FirstNames = nullptr;
  const TArrayString* LastNames = nullptr;
};

// Person names: a first name from the female and/or male list, one space, a
// last name.
class Trandom_name : public Trandom_base {
 public:
  void Generate(const TinputName& par, const RunContext& run);
  void FormatResults(TformatPar format);
  void Cancel() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  int64_t GeneratedTotal() const { return Generated; }
  int64_t PossibleTotal() const { return Possible; }

  TinputName Input;
  int64_t Generated = 0;
  int64_t Possible = 0;  // first names times last names, when repeats are not allowed
  // Set when the lists cannot give as many different names as asked: the
  // run stopped with every name they can give.
  bool Exhausted = false;
  TArrayString Names;
  // The lists the last run read (a list its gender leaves out stays empty).
  TArrayString FemaleNames, MaleNames, LastNames;

 private:
  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
};

static_assert(RandomGenerator<Trandom_sampling, TinputSampling>);
static_assert(RandomGenerator<Trandom_name, TinputName>);

// How many different full names (first name, blank, last name) the lists
// give when that is fewer than `wanted`, otherwise `wanted`; -1 when finding
// out would cost too much (lists of more than 2^22 pairs whose names can meet
// through blanks).
int64_t DistinctFullNames(const TArrayString& firsts, const TArrayString& lasts, int64_t wanted);

// Weighs a run of n texts of `characters` bytes in all, with the set that
// finds repeats (unless they are allowed) and the sorted copy for display,
// and refuses it with EOutOfMemory when it is too large, leaving everything
// as it was. Otherwise empties `texts` and `results` and takes the memory of
// the drawing.
void PrepareTextRun(uint64_t n, uint64_t characters, bool repeats, TArrayString& texts, TextSet& seen,
                    TArrayString& results);

// The drawing loop of the string and name generators: draws candidates
// until `wanted` texts are kept in `texts`, each one new unless repeats are
// allowed. `draw(candidate)` draws one candidate into the string, or returns
// false for one it knows to be a repeat without spelling it out; `kept()`
// runs after each text kept. The loop ends early on `stopped`, and with
// `exhausted` set once `reachable` texts are kept or the source comes round
// to draws it already rejected. Returns how many texts were kept.
template <typename Draw, typename Kept>
int64_t DrawDistinctTexts(int64_t wanted, int64_t reachable, bool repeats, const bool& stopped,
                          RandomSource& source, TArrayString& texts, TextSet& seen, ProgressBarView* bar,
                          bool& exhausted, Draw draw, Kept kept) {
  std::string candidate;
  RepeatWatch watch;
  watch.restart(source);
  int64_t i = 0;
  while (!stopped && i < wanted) {
    if (i == reachable) {
      exhausted = true;
      break;
    }
    if (!draw(candidate) || (!repeats && seen.contains(candidate))) {
      if (watch.cycled(source)) {
        exhausted = true;
        break;
      }
      continue;
    }
    watch.restart(source);
    texts.push_back(candidate);
    if (!repeats) seen.insert(static_cast<uint32_t>(i));
    ++i;
    if (bar != nullptr) bar->step();
    kept();
  }
  return i;
}

// The FormatResults of the string, sampling and name generators: the texts
// drawn, in ordinal text order (ascending or descending) or as drawn, with
// the caption, progress and Cancel behaviour they share.
void ArrangeTexts(const TArrayString& drawn, TArrayString& results, TSortOrder sortOrder,
                  std::string_view caption, const bool& stopped, ProgressBarView* bar,
                  StatusLabelView* label);

}  // namespace quenvar
