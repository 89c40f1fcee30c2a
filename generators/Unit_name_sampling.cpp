#include "generators/Unit_name_sampling.h"

#include <algorithm>
#include <new>
#include <unordered_set>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/RandomSource.h"
#include "core/Sorting.h"
#include "core/TextLines.h"
#include "core/TextSet.h"

namespace quenvar {

void ArrangeTexts(const TArrayString& drawn, TArrayString& results, uint8_t sortOrder,
                  std::string_view caption, const bool& stopped, ProgressBarView* bar,
                  StatusLabelView* label) {
  const size_t n = drawn.size();
  if (bar != nullptr) bar->start(static_cast<int64_t>(n));
  if (label != nullptr) label->setCaption(caption);
  TArrayString arranged;
  try {
    if (sortOrder <= 1) {
      std::vector<uint32_t> order;
      const bool done = SortTextOrder(drawn, sortOrder == 1, order, [&](size_t progress) {
        if (bar != nullptr) bar->setPosition(static_cast<int64_t>(progress));
        LetMessagesRun();
        return stopped;
      });
      if (done) arranged = Gather(drawn, order, [] { LetMessagesRun(); });
    } else {
      arranged.reserve(n, 0);
      for (size_t i = 0; i < n; ++i) {
        arranged.push_back(drawn[i]);
        if (stopped) break;
        LetMessagesRun();
        if (bar != nullptr) bar->step();
      }
    }
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  }
  arranged.resize(n);  // a stopped sort leaves the rest empty
  results.swap(arranged);
  if (label != nullptr) label->setCaption("Done");
}

void Trandom_sampling::Generate(const TinputSampling& par) {
  Samples.clear();
  Results.clear();
  Stopped = false;
  Input = par;
  static const TArrayString kNoItems;
  const TArrayString& items = Input.Items != nullptr ? *Input.Items : kNoItems;
  Tinputpar request;
  request.Lower = 0;
  request.Upper = static_cast<int32_t>(items.size()) - 1;
  request.Count = Input.Count;
  // With no items there is nothing to draw, with or without repeats.
  request.Duplicate = Input.Duplicate && !items.empty();
  request.ExcludeKind = 0;
  request.ShowProgress = true;
  request.ProgressBar = Input.ProgressBar;
  request.StatusLabel = Input.StatusLabel;
  if (Input.ProgressBar != nullptr) Input.ProgressBar->show();
  Engine.SetSeed(Input.Seed);
  Engine.MakeRandoms(request);
  Engine.FormatRandoms(Samples, TformatPar{2, false, 0});

  const size_t n = Samples.size();
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Evaluate Randoms...");
  if (Input.ProgressBar != nullptr) Input.ProgressBar->start(static_cast<int64_t>(n));
  TArrayString texts;
  try {
    texts.reserve(n, 0);
    size_t i = 0;
    for (; i < n; ++i) {
      LetMessagesRun();
      if (Stopped) break;
      texts.push_back(items[static_cast<size_t>(Engine.Randoms[i])]);
      if (Input.ProgressBar != nullptr) Input.ProgressBar->step();
    }
    // A stopped run keeps the positions it did not look up.
    for (; i < n; ++i) texts.push_back(Samples[i]);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  }
  Samples.swap(texts);
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Done");
}

void Trandom_sampling::FormatResults(TformatPar format) {
  if (Input.ProgressBar != nullptr) Input.ProgressBar->show();
  ArrangeTexts(Samples, Results, format.SortOrder, "Sort Randoms...", Stopped, Input.ProgressBar,
               Input.StatusLabel);
}

namespace {

// How many different full names the lists can give. Names with blanks can
// meet ("Anne Marie" + "Smith" and "Anne" + "Marie Smith"); small lists of
// that kind are counted exactly, otherwise distinct firsts times distinct lasts.
int64_t DistinctFullNames(const TArrayString& firsts, const TArrayString& lasts) {
  auto distinct = [](const TArrayString& list, bool& blank) {
    std::unordered_set<std::string_view> seen;
    for (size_t i = 0; i < list.size(); ++i) {
      seen.insert(list[i]);
      blank = blank || list[i].find(' ') != std::string_view::npos;
    }
    return static_cast<int64_t>(seen.size());
  };
  bool blank = false;
  const int64_t product = distinct(firsts, blank) * distinct(lasts, blank);
  if (!blank || product > 2'000'000) return product;
  std::unordered_set<std::string> names;
  for (size_t f = 0; f < firsts.size(); ++f)
    for (size_t l = 0; l < lasts.size(); ++l)
      names.insert(std::string(firsts[f]) + " " + std::string(lasts[l]));
  return static_cast<int64_t>(names.size());
}

}  // namespace

void Trandom_name::Generate(const TinputName& par) {
  Names.clear();
  Results.clear();
  Input = par;
  Stopped = false;
  Exhausted = false;
  StatusLabelView* label = Input.StatusLabel;
  ProgressBarView* bar = Input.ProgressBar;

  if (label != nullptr) label->setCaption("Load names database...");
  LetMessagesRun();
  TArrayString firsts;
  if ((Input.Gender & 2) != 0 && !Stopped) firsts = ReadNonEmptyLines(Input.MaleFile, true);
  LetMessagesRun();
  if ((Input.Gender & 1) != 0 && !Stopped) {
    const TArrayString female = ReadNonEmptyLines(Input.FemaleFile, true);
    for (size_t i = 0; i < female.size(); ++i) firsts.push_back(female[i]);
  }
  LetMessagesRun();
  TArrayString lasts;
  if (!Stopped) lasts = ReadNonEmptyLines(Input.LastFile, true);

  const int64_t combinations = static_cast<int64_t>(firsts.size()) * static_cast<int64_t>(lasts.size());
  if (Input.Duplicate) {
    // With an empty list there is no name to draw.
    Generated = combinations == 0 ? 0 : Input.Count;
  } else {
    Possible = combinations;
    Generated = std::min<int64_t>(Input.Count, Possible);
  }
  const int64_t reachable =
      Input.Duplicate ? Generated : std::min(Generated, DistinctFullNames(firsts, lasts));
  TextSet seen(Names);
  if (!Stopped) {
    CheckMemoryFor(static_cast<uint64_t>(Generated) * (sizeof(size_t) + 14 + (Input.Duplicate ? 0 : 24)));
    try {
      Names.reserve(static_cast<size_t>(Generated), static_cast<size_t>(Generated) * 14);
      if (!Input.Duplicate) seen.reserve(static_cast<size_t>(Generated));
    } catch (const std::bad_alloc&) {
      throw EOutOfMemory();
    } catch (const std::length_error&) {
      throw EOutOfMemory();
    }
  }
  if (label != nullptr) label->setCaption("Calculating names...");
  if (bar != nullptr) bar->start(Generated);
  Engine.SetSeed(Input.Seed);

  const auto nFirst = static_cast<uint32_t>(firsts.size());
  const auto nLast = static_cast<uint32_t>(lasts.size());
  std::string candidate;
  int64_t i = 0;
  while (!Stopped && i < Generated) {
    LetMessagesRun();
    if (i == reachable) {
      Exhausted = true;
      break;
    }
    const uint32_t f = RandomBelow(nFirst);  // the first name is always drawn first
    const uint32_t l = RandomBelow(nLast);
    candidate.assign(firsts[f]).append(" ").append(lasts[l]);
    if (!Input.Duplicate && seen.contains(candidate)) continue;
    Names.push_back(candidate);
    if (!Input.Duplicate) seen.insert(static_cast<uint32_t>(i));
    ++i;
    if (bar != nullptr) bar->step();
  }
  if (Exhausted) {
    Generated = i;
    CurrentNotifier().warning(
        "Only " + std::to_string(i) +
        " different names can be made from these lists; all of them have been generated.");
  }
  if (label != nullptr) label->setCaption("Done");
}

void Trandom_name::FormatResults(TformatPar format) {
  if (Input.ProgressBar != nullptr) Input.ProgressBar->show();
  ArrangeTexts(Names, Results, format.SortOrder, "Sort Names...", Stopped, Input.ProgressBar,
               Input.StatusLabel);
}

}  // namespace quenvar
