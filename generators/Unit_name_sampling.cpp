#include "generators/Unit_name_sampling.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <unordered_set>

#include "core/DrawnSet.h"
#include "core/Errors.h"
#include "core/Memory.h"
#include "core/RepeatWatch.h"
#include "core/Sorting.h"
#include "core/TextLines.h"
#include "core/TextSet.h"

namespace quenvar {

void ArrangeTexts(const TArrayString& drawn, TArrayString& results, TSortOrder sortOrder,
                  std::string_view caption, const bool& stopped, ProgressBarView* bar,
                  StatusLabelView* label) {
  const size_t n = drawn.size();
  if (bar != nullptr) bar->show();
  if (bar != nullptr) bar->start(static_cast<int64_t>(n));
  if (label != nullptr) label->setCaption(caption);
  TArrayString arranged;
  CheckMemoryFor(ArrangeBytes(n, drawn.characters(), SortsValues(sortOrder)));
  GuardMemory([&] {
    if (SortsValues(sortOrder)) {
      std::vector<uint32_t> order;
      const bool done = SortTextOrder(drawn, sortOrder == SortDescending, order, [&](size_t progress) {
        if (bar != nullptr) bar->setPosition(static_cast<int64_t>(progress));
        LetMessagesRun();
        return stopped;
      });
      if (done) arranged = Gather(drawn, order, [] { LetMessagesRun(); });
    } else {
      arranged.reserve(n, drawn.characters());
      for (size_t i = 0; i < n; ++i) {
        arranged.push_back(drawn[i]);
        if (stopped) break;
        LetMessagesRun();
        if (bar != nullptr) bar->step();
      }
    }
  });
  arranged.resize(n);  // a stopped sort leaves the rest empty
  results.swap(arranged);
  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Done"));
}

void PrepareTextRun(uint64_t n, uint64_t characters, bool repeats, TArrayString& texts, TextSet& seen,
                    TArrayString& results) {
  const uint64_t set = repeats ? 0 : HashSlotsFor(n) * 16;
  CheckMemoryFor(TextListBytes(n, characters) + std::max(set, ArrangeBytes(n, characters, true)));
  texts.clear();
  results.clear();
  GuardMemory([&] {
    texts.reserve(static_cast<size_t>(n), static_cast<size_t>(characters));
    if (!repeats) seen.reserve(static_cast<size_t>(n));
  });
}

void Trandom_sampling::Generate(const TinputSampling& par, const RunContext& run) {
  stopped_ = false;
  Input = par;
  bar_ = run.Progress;
  label_ = run.Status;
  static const TArrayString kNoItems;
  const TArrayString& items = Input.Items != nullptr ? *Input.Items : kNoItems;
  Tinputpar request;
  request.Lower = 0;
  request.Upper = static_cast<int32_t>(items.size()) - 1;
  request.Count = Input.Count;
  // With no items there is nothing to draw, with or without repeats.
  request.Duplicate = Input.Duplicate && !items.empty();
  request.ExcludeKind = ExcludeNumbers;
  // The whole run is weighed before anything is drawn: the positions and
  // their texts, the items looked up (of the list's mean length), and their
  // sorted copy for display.
  const auto total = static_cast<uint64_t>(items.size());
  const uint64_t n = items.empty()       ? 0
                     : request.Duplicate ? static_cast<uint64_t>(Input.Count)
                                         : std::min<uint64_t>(static_cast<uint64_t>(Input.Count), total);
  const uint64_t chars =
      n == 0 ? 0
             : static_cast<uint64_t>(static_cast<double>(n) * static_cast<double>(items.characters()) /
                                     static_cast<double>(total)) +
                   4096;
  const uint64_t drawing = request.Duplicate ? 0 : DrawnSet::BytesFor(total, n);
  const uint64_t lookingUp = TextListBytes(n, n * 10) + TextListBytes(n, chars);
  CheckMemoryFor(n * 4 +
                 std::max({drawing, lookingUp, TextListBytes(n, chars) + ArrangeBytes(n, chars, true)}));
  Samples.clear();
  Results.clear();
  if (bar_ != nullptr) bar_->show();
  Engine.MakeRandoms(request, run);
  Engine.FormatRandoms(Samples, TformatPar{SortDrawn, false, RadixDecimal});

  const size_t drawn = Samples.size();
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Evaluate Randoms..."));
  if (bar_ != nullptr) bar_->start(static_cast<int64_t>(drawn));
  TArrayString texts;
  GuardMemory([&] {
    texts.reserve(drawn, static_cast<size_t>(chars));
    size_t i = 0;
    for (; i < drawn; ++i) {
      LetMessagesRun();
      if (stopped_) break;
      texts.push_back(items[static_cast<size_t>(Engine.Randoms[i])]);
      if (bar_ != nullptr) bar_->step();
    }
    // A stopped run keeps the positions it did not look up.
    for (; i < drawn; ++i) texts.push_back(Samples[i]);
  });
  Samples.swap(texts);
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Done"));
}

void Trandom_sampling::FormatResults(TformatPar format) {
  ArrangeTexts(Samples, Results, format.SortOrder, TR_NOOP("Core", "Sort Randoms..."), stopped_, bar_,
               label_);
}

namespace {

// Two polynomial hashes modulo 2^61 - 1 with different bases: a 122-bit key
// for a text, and one that can be built for a first name, a blank and a last
// name from the keys of the parts in constant time.
constexpr uint64_t kMod = (uint64_t{1} << 61) - 1;
constexpr uint64_t kBase[2] = {1000003, 911382323};

__extension__ typedef unsigned __int128 Wide;

uint64_t MulMod(uint64_t a, uint64_t b) {
  const Wide p = static_cast<Wide>(a) * b;
  const uint64_t r = static_cast<uint64_t>(p & kMod) + static_cast<uint64_t>(p >> 61);
  return r >= kMod ? r - kMod : r;
}
uint64_t AddMod(uint64_t a, uint64_t b) {
  const uint64_t r = a + b;
  return r >= kMod ? r - kMod : r;
}

struct TextKey {
  uint64_t h[2] = {0, 0};
  uint64_t power[2] = {1, 1};  // base^length
};

TextKey KeyOf(std::string_view text) {
  TextKey k;
  for (unsigned char c : text)
    for (int j = 0; j < 2; ++j) {
      k.h[j] = AddMod(MulMod(k.h[j], kBase[j]), c + 1u);
      k.power[j] = MulMod(k.power[j], kBase[j]);
    }
  return k;
}

// Full names counted exactly only up to this many first and last name pairs.
constexpr int64_t kMaxPairsCounted = int64_t{1} << 22;

}  // namespace

// Two pairs can give the same name only through blanks inside both names
// ("Anne Marie" + "Smith" and "Anne" + "Marie Smith"); so pairs with a
// blank-free first name, or with a blank-free last name, all give different
// names. Beyond that the names of every pair are told apart by their 122-bit
// keys.
int64_t DistinctFullNames(const TArrayString& firsts, const TArrayString& lasts, int64_t wanted) {
  // The different lines of a list, the scan stopping once it has `cap`.
  auto distinct = [](const TArrayString& list, size_t cap, int64_t& blankFree) {
    blankFree = 0;
    std::unordered_set<std::string_view> seen;
    std::vector<std::string_view> texts;
    for (size_t i = 0; i < list.size() && texts.size() < cap; ++i)
      if (seen.insert(list[i]).second) {
        texts.push_back(list[i]);
        if (list[i].find(' ') == std::string_view::npos) ++blankFree;
      }
    return texts;
  };
  // First as many different lines as names are wanted: for a few names from
  // long lists that is a glance at their first lines, and the counts found
  // are lower bounds that mostly settle the question.
  const auto cap = static_cast<size_t>(std::max<int64_t>(wanted, 0));
  int64_t firstBlankFree = 0, lastBlankFree = 0;
  std::vector<std::string_view> f = distinct(firsts, cap, firstBlankFree);
  std::vector<std::string_view> l = distinct(lasts, cap, lastBlankFree);
  if (wanted <= std::max(static_cast<int64_t>(f.size()) * lastBlankFree,
                         firstBlankFree * static_cast<int64_t>(l.size())))
    return wanted;
  if (f.size() == cap) f = distinct(firsts, SIZE_MAX, firstBlankFree);
  if (l.size() == cap) l = distinct(lasts, SIZE_MAX, lastBlankFree);
  const auto nf = static_cast<int64_t>(f.size()), nl = static_cast<int64_t>(l.size());
  const int64_t pairs = nf * nl;
  if (firstBlankFree == nf || lastBlankFree == nl) return std::min(pairs, wanted);
  if (wanted <= std::max(nf * lastBlankFree, firstBlankFree * nl)) return wanted;
  if (pairs > kMaxPairsCounted) return -1;

  std::vector<TextKey> firstKeys, lastKeys;
  for (std::string_view t : f) firstKeys.push_back(KeyOf(t));
  for (std::string_view t : l) {
    // The key of " " + last name, and base^(its length).
    TextKey k = KeyOf(t);
    for (int j = 0; j < 2; ++j) {
      k.h[j] = AddMod(MulMod(' ' + 1u, k.power[j]), k.h[j]);
      k.power[j] = MulMod(k.power[j], kBase[j]);
    }
    lastKeys.push_back(k);
  }
  std::vector<std::pair<uint64_t, uint64_t>> names;
  names.reserve(static_cast<size_t>(pairs));
  for (const TextKey& a : firstKeys)
    for (const TextKey& b : lastKeys)
      names.emplace_back(AddMod(MulMod(a.h[0], b.power[0]), b.h[0]),
                         AddMod(MulMod(a.h[1], b.power[1]), b.h[1]));
  std::sort(names.begin(), names.end());
  return std::min(wanted, static_cast<int64_t>(std::unique(names.begin(), names.end()) - names.begin()));
}

void Trandom_name::Generate(const TinputName& par, const RunContext& run) {
  Input = par;
  stopped_ = false;
  Exhausted = false;
  RandomSource& source = run.Source;
  StatusLabelView* label = label_ = run.Status;
  ProgressBarView* bar = bar_ = run.Progress;

  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Load names database..."));
  LetMessagesRun();
  // The lists read are kept, so that a copied command can name copies of them.
  FemaleNames.clear();
  MaleNames.clear();
  LastNames.clear();
  TArrayString firstsRead;
  if (Input.FirstNames == nullptr) {
    if ((Input.Gender & GenderMale) != 0 && !stopped_) MaleNames = ReadNonEmptyLines(Input.MaleFile, true);
    firstsRead = MaleNames;
    LetMessagesRun();
    if ((Input.Gender & GenderFemale) != 0 && !stopped_) {
      FemaleNames = ReadNonEmptyLines(Input.FemaleFile, true);
      for (size_t i = 0; i < FemaleNames.size(); ++i) firstsRead.push_back(FemaleNames[i]);
    }
    LetMessagesRun();
  }
  if (Input.LastNames == nullptr && !stopped_) LastNames = ReadNonEmptyLines(Input.LastFile, true);
  const TArrayString& firsts = Input.FirstNames != nullptr ? *Input.FirstNames : firstsRead;
  const TArrayString& lasts = Input.LastNames != nullptr ? *Input.LastNames : LastNames;

  const int64_t combinations = static_cast<int64_t>(firsts.size()) * static_cast<int64_t>(lasts.size());
  // With an empty list there is no name to draw.
  const int64_t wanted =
      Input.Duplicate ? (combinations == 0 ? 0 : Input.Count) : std::min<int64_t>(Input.Count, combinations);
  // Without repeats the run ends once every different name is drawn: when
  // the lists give fewer than asked, or when the random source cannot reach
  // the names left (the same rejected draws would come round again).
  int64_t reachable = wanted;
  if (!Input.Duplicate && !stopped_) {
    const int64_t distinct = DistinctFullNames(firsts, lasts, wanted);
    if (distinct >= 0) reachable = distinct;
  }
  TextSet seen(Names);
  if (!stopped_) {
    // The whole run is weighed before anything is drawn: the names (of the
    // lists' mean length), the set that finds repeats, and the sorted copy
    // for display. A refused run leaves the last one as it was.
    const auto n = static_cast<uint64_t>(wanted);
    auto mean = [](const TArrayString& list) {
      return list.empty() ? 0.0 : static_cast<double>(list.characters()) / static_cast<double>(list.size());
    };
    const auto chars =
        static_cast<uint64_t>(static_cast<double>(n) * (mean(firsts) + 1 + mean(lasts))) + 4096;
    PrepareTextRun(n, chars, Input.Duplicate, Names, seen, Results);
  } else {
    Names.clear();
    Results.clear();
  }
  if (!Input.Duplicate) Possible = combinations;
  Generated = wanted;
  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Calculating names..."));
  if (bar != nullptr) bar->start(Generated);

  const auto nFirst = static_cast<uint32_t>(firsts.size());
  const auto nLast = static_cast<uint32_t>(lasts.size());
  // Without repeats, the pairs of lines drawn before (a bit each, for lists
  // of up to 2^27 pairs): a pair drawn again is a repeated name at once, so
  // the last names of a nearly exhausted run are found without spelling out
  // every rejected one.
  std::vector<uint64_t> pairsDrawn;
  if (!Input.Duplicate && !stopped_ && combinations <= (int64_t{1} << 27))
    GuardMemory([&] { pairsDrawn.assign(static_cast<size_t>(combinations + 63) / 64, 0); });
  const auto draw = [&](std::string& candidate) {
    LetMessagesRun();
    const uint32_t f = source.RandomBelow(nFirst);  // the first name is always drawn first
    const uint32_t l = source.RandomBelow(nLast);
    if (!pairsDrawn.empty()) {
      const uint64_t pair = uint64_t{f} * nLast + l;
      uint64_t& word = pairsDrawn[pair >> 6];
      if ((word >> (pair & 63)) & 1u) return false;
      word |= uint64_t{1} << (pair & 63);
    }
    candidate.assign(firsts[f]).append(" ").append(lasts[l]);
    return true;
  };
  const int64_t i = DrawDistinctTexts(Generated, reachable, Input.Duplicate, stopped_, source, Names, seen,
                                      bar, Exhausted, draw, [] {});
  if (Exhausted) {
    Generated = i;
    ShowWarning(Text(TR_NOOP("Core",
                             "Only %1 different names can be drawn from these lists; all of them have been "
                             "generated."))
                    .arg(i));
  }
  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Done"));
}

void Trandom_name::FormatResults(TformatPar format) {
  ArrangeTexts(Names, Results, format.SortOrder, TR_NOOP("Core", "Sort Names..."), stopped_, bar_, label_);
}

}  // namespace quenvar
