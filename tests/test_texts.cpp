// The sampling, name and string generators against plain transcriptions of
// their algorithms.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "Fakes.h"
#include "Reference.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/RepeatWatch.h"
#include "core/Sorting.h"
#include "core/TextLines.h"
#include "core/Utf8.h"
#include "generators/Unit_character.h"
#include "generators/Unit_name_sampling.h"

using namespace quenvar;
namespace fs = std::filesystem;

namespace {

using V = std::vector<std::string>;

// The insertion sort of the texts: a new text goes before the first entry
// that is not smaller (ascending) or that is smaller (descending).
V InsertionSort(const V& texts, bool ascending) {
  V out;
  for (const std::string& x : texts) {
    size_t j = 0;
    while (j < out.size() && (ascending ? out[j] < x : out[j] >= x)) ++j;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(j), x);
  }
  return out;
}

int32_t EngineIndex(Tmake_random& engine, RandomSource& source, int32_t upper) {
  engine.MakeRandoms(Tinputpar{.Lower = 0, .Upper = upper, .Excluded = {}, .Count = 1}, source);
  TArrayString texts;
  engine.FormatRandoms(texts, TformatPar{SortDrawn, false, RadixDecimal});
  return std::stoi(std::string(texts[0]));
}

TArrayString Texts(const V& v) {
  TArrayString out;
  for (const auto& s : v) out.push_back(s);
  return out;
}

std::vector<std::string> Results(Trandom_base& g) { return g.Results.toVector(); }

using Folder = quenvar::test::TempFolder;

}  // namespace

// With no items nothing is drawn, with or without repeats, and no position
// outside the list is read.
TEST(Sampling, NoItemsEndsCleanly) {
  Trandom_sampling g;
  const TArrayString none;
  test::FakeStatus status;
  TinputSampling in;
  in.Items = &none;
  in.Count = 5;
  for (bool dup : {false, true}) {
    in.Duplicate = dup;
    test::SeededRun(g, in, 0, &status);
    g.FormatResults(TformatPar{SortAscending, false, RadixDecimal});
    EXPECT_EQ(g.GeneratedTotal(), 0);
    EXPECT_TRUE(g.Results.empty());
  }
  EXPECT_EQ(status.captions.back(), "Done");
}

TEST(Sampling, MatchesReference) {
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    V items;
    const int n = 1 + int(rng() % 30);
    for (int i = 0; i < n; ++i) items.push_back(std::string(1 + rng() % 3, char('A' + rng() % 40)));
    const TArrayString list = Texts(items);
    TinputSampling in;
    in.Items = &list;
    in.Count = 1 + int32_t(rng() % 40);
    in.Duplicate = rng() % 2 == 0;
    const auto seed = int32_t(rng());
    Trandom_sampling g;
    test::SeededRun(g, in, seed);

    Tmake_random engine;
    RandomSource source(seed);
    engine.MakeRandoms(
        Tinputpar{.Upper = n - 1, .Excluded = {}, .Count = in.Count, .Duplicate = in.Duplicate}, source);
    V expected;
    for (int32_t pos : engine.Randoms) expected.push_back(items[size_t(pos)]);
    for (TSortOrder order : {SortDrawn, SortAscending, SortDescending}) {
      g.FormatResults(TformatPar{order, false, RadixDecimal});
      ASSERT_EQ(Results(g), order == SortDrawn ? expected : InsertionSort(expected, order == SortAscending))
          << round;
    }
  }
}

TEST(Lines, BreaksAndBlanks) {
  EXPECT_EQ(SplitNonEmptyLines("a\r\nb\rc\n\n d \r\n\r\nlast", false).toVector(),
            (V{"a", "b", "c", " d ", "last"}));
  EXPECT_EQ(SplitNonEmptyLines(std::string("x\ny\0z\n", 6), true).toVector(), (V{"x", "y"}));
  EXPECT_EQ(SplitNonEmptyLines("caf\xe9\nJos\xc3\xa9\n", false).toVector(), (V{"caf\u00e9", "Jos\u00e9"}));
}

// UTF-8 where it is valid, every other byte as its Latin-1 character.
TEST(Lines, TextThatIsNotUtf8IsLatin1) {
  const std::pair<std::string, std::string> cases[] = {
      {"caf\xe9", "caf\u00e9"},
      {"Jos\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb2", "Jos\u00e9 \u20ac \U0001F3B2"},  // valid: as it is
      {"\xc3\xa9\xe9", "\u00e9\u00e9"},                                              // mixed
      {"\xc0\xaf", "\u00c0\u00af"},                                                  // overlong
      {"\xed\xa0\x80", "\u00ed\u00a0\u0080"},                                        // a surrogate
      {"a\xe2\x82", "a\u00e2\u0082"},                                                // cut short
      {"\xff\x80", "\u00ff\u0080"},
      {"a longer line, caf\xe9 and Jos\xc3\xa9 within", "a longer line, caf\u00e9 and Jos\u00e9 within"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(TextFromBytes(bytes), text) << bytes;
}

TEST(Names, MatchesReferenceAndRules) {
  Folder dir;
  const std::string female = dir.write("f.txt", "Ann\r\nBea\r\n\r\nCleo");
  const std::string male = dir.write("m.txt", "Al\nBo\n");
  const std::string last = dir.write("l.txt", "Smith\nsmith\nJones\n");
  for (TGender gender : {GenderFemale, GenderMale, GenderBoth}) {
    for (bool dup : {false, true}) {
      TinputName in;
      in.Gender = gender;
      in.Duplicate = dup;
      in.Count = 12;
      const int32_t seed = 99 + gender;
      in.FemaleFile = female;
      in.MaleFile = male;
      in.LastFile = last;
      Trandom_name g;
      test::SeededRun(g, in, seed);
      // The plain algorithm: male names first, then female; an index drawn
      // through the engine for each part; a repeat found by scanning.
      V firsts;
      if (gender & 2) firsts = {"Al", "Bo"};
      if (gender & 1) firsts.insert(firsts.end(), {"Ann", "Bea", "Cleo"});
      const V lasts = {"Smith", "smith", "Jones"};
      Tmake_random engine;
      RandomSource source(seed);
      const int64_t wanted = dup ? 12 : std::min<int64_t>(12, int64_t(firsts.size() * lasts.size()));
      V expected;
      while (int64_t(expected.size()) < wanted) {
        const int32_t f = EngineIndex(engine, source, int32_t(firsts.size()) - 1);
        const int32_t l = EngineIndex(engine, source, int32_t(lasts.size()) - 1);
        const std::string name = firsts[size_t(f)] + " " + lasts[size_t(l)];
        if (dup || std::find(expected.begin(), expected.end(), name) == expected.end())
          expected.push_back(name);
      }
      EXPECT_EQ(g.GeneratedTotal(), wanted);
      if (!dup) {
        EXPECT_EQ(g.PossibleTotal(), int64_t(firsts.size() * lasts.size()));
      }
      for (TSortOrder order : {SortDrawn, SortAscending, SortDescending}) {
        g.FormatResults(TformatPar{order, false, RadixDecimal});
        ASSERT_EQ(Results(g),
                  order == SortDrawn ? expected : InsertionSort(expected, order == SortAscending));
      }
    }
  }
}

// More different names asked than the lists can give: the run stops when
// none is left and says so, instead of drawing for ever.
TEST(Names, ExhaustedListsStopTheRun) {
  Folder dir;
  TinputName in;
  Trandom_name g;
  {
    test::FakeNotifier shown;
    in.Gender = GenderBoth;
    in.FemaleFile = dir.write("f.txt", "Kim\n");
    in.MaleFile = dir.write("m.txt", "Kim\n");  // the same name in both lists
    in.LastFile = dir.write("l.txt", "Lee\nLee\nPark\n");
    in.Count = 100;
    test::SeededRun(g, in, 0);
    EXPECT_EQ(g.PossibleTotal(), 6);
    EXPECT_EQ(g.GeneratedTotal(), 2);
    EXPECT_TRUE(g.Exhausted);
    ASSERT_EQ(shown.warnings.size(), 1u);

    // An empty list with repeats allowed gives no names, and no failure.
    in.LastFile = dir.write("empty.txt", "\r\n\r\n");
    in.Duplicate = true;
    test::SeededRun(g, in, 0);
    EXPECT_EQ(g.GeneratedTotal(), 0);
    in.Duplicate = false;
    test::SeededRun(g, in, 0);
    EXPECT_EQ(g.PossibleTotal(), 0);
    EXPECT_EQ(g.GeneratedTotal(), 0);
  }

  in.LastFile = (dir.path / "missing.txt").string();
  EXPECT_THROW(test::SeededRun(g, in, 0), EInOutError);
}

// Names can meet through blanks ("A" + "A A" and "A A" + "A"): the lists
// then give fewer different names than pairs of lines.
TEST(Names, DistinctFullNamesCountsNamesNotPairs) {
  // 1500 lines "A", "A A", ... in each list: 2250000 pairs, 2999 names.
  TArrayString steps;
  std::string word;
  for (int k = 1; k <= 1500; ++k) {
    word += k == 1 ? "A" : " A";
    steps.push_back(word);
  }
  EXPECT_EQ(DistinctFullNames(steps, steps, 3000), 2999);
  EXPECT_EQ(DistinctFullNames(steps, steps, 2000), 2000);  // enough for the run
  EXPECT_EQ(DistinctFullNames(Texts({"Kim", "Kim", "Lee"}), Texts({"Park", "Ro"}), 100), 4);

  // Small random lists of blanks and two letters, against every name spelt out.
  std::mt19937 random(7);
  auto list = [&random] {
    TArrayString out;
    const int n = 1 + int(random() % 12);
    for (int i = 0; i < n; ++i) {
      std::string text;
      const int length = 1 + int(random() % 5);
      for (int c = 0; c < length; ++c) text += " ab"[random() % 3];
      out.push_back(text);
    }
    return out;
  };
  for (int round = 0; round < 300; ++round) {
    const TArrayString f = list(), l = list();
    std::set<std::string> names;
    for (size_t i = 0; i < f.size(); ++i)
      for (size_t j = 0; j < l.size(); ++j) names.insert(std::string(f[i]) + " " + std::string(l[j]));
    ASSERT_EQ(DistinctFullNames(f, l, 1000), int64_t(names.size())) << round;
  }
}

// Asked for more names than the lists give, the run ends with exactly the
// names the plain loop finds first, and says how many there are.
TEST(Names, ListsMeetingThroughBlanksEndWithTheNamesThePlainLoopFinds) {
  Folder dir;
  V lines;
  std::string text, word;
  for (int k = 1; k <= 200; ++k) {
    word += k == 1 ? "A" : " A";
    lines.push_back(word);
    text += word + "\n";
  }
  TinputName in;
  in.Gender = GenderFemale;
  in.FemaleFile = dir.write("f.txt", text);
  in.LastFile = dir.write("l.txt", text);
  in.Count = 1000;
  Trandom_name g;
  test::FakeNotifier shown;
  test::SeededRun(g, in, 4242);
  EXPECT_TRUE(g.Exhausted);
  EXPECT_EQ(g.GeneratedTotal(), 399);
  EXPECT_EQ(shown.warnings,
            V{"Only 399 different names can be drawn from these lists; all of them have been generated."});

  ref::Engine plain;
  plain.seed = 4242;
  std::set<std::string> seen;
  V expected;
  while (expected.size() < 399) {
    const uint32_t f = plain.RandomBelow(200);
    const uint32_t l = plain.RandomBelow(200);
    std::string name = lines[f] + " " + lines[l];
    if (seen.insert(name).second) expected.push_back(std::move(name));
  }
  EXPECT_EQ(g.Names.toVector(), expected);

  // Asked for no more than there are, the run is the plain loop's.
  in.Count = 399;
  test::SeededRun(g, in, 4242);
  EXPECT_FALSE(g.Exhausted);
  EXPECT_EQ(g.Names.toVector(), expected);
}

TEST(RepeatWatch, SeesACycleOnlyOnceTheStatesRepeat) {
  // States 0 .. 9, then round the cycle 10 .. 19 for ever.
  auto next = [](uint32_t s) { return s < 19 ? s + 1 : 10u; };
  RepeatWatch watch;
  RandomSource s(0);
  watch.restart(s);
  int steps = 0;
  do {
    s.state = next(s.state);
    ++steps;
    ASSERT_LT(steps, 60);
  } while (!watch.cycled(s));
  EXPECT_GE(steps, 20);  // not before every state of the cycle was tried
  // A restart forgets what was seen.
  watch.restart(RandomSource(5));
  EXPECT_FALSE(watch.cycled(RandomSource(6)));
}

namespace {

Tparchar Wildcard(const std::string& name, bool upper, bool lower, bool number, TArrayInteger special = {}) {
  Tparchar w;
  w.Name = name;
  w.IscheckUpper = upper;
  w.IscheckLower = lower;
  w.IscheckNumber = number;
  w.IscheckSpecial = !special.empty();
  w.specialArray = std::move(special);
  return w;
}

}  // namespace

TEST(MaskParser, EscapesAndTotals) {
  Tlistparchar list;
  list.Items.push_back(Wildcard("#", false, false, true));
  TparseString parser(list);
  TArrayInputpar out;
  auto kinds = [&](std::string_view mask) {
    parser.Parse(mask, out);
    std::string shape;
    for (const Tinputpar& p : out) shape += p.Lower == p.Upper ? std::string(1, char(p.Lower)) : "?";
    return shape;
  };
  EXPECT_EQ(kinds("\\"), "\\");
  EXPECT_EQ(kinds("a\\"), "a\\");
  EXPECT_EQ(kinds("\\#"), "#");
  EXPECT_EQ(parser.PossibleTotal(), 1);
  EXPECT_EQ(kinds("\\\\#"), "\\?");
  EXPECT_EQ(kinds("##"), "??");
  EXPECT_EQ(parser.PossibleTotal(), 100);
  EXPECT_EQ(kinds("a b"), "a b");
  EXPECT_EQ(parser.PossibleTotal(), 1);
  EXPECT_EQ(kinds(std::string(15, '#')), std::string(15, '?'));
  EXPECT_EQ(parser.PossibleTotal(), 1000000000000000);
  kinds(std::string(16, '#'));
  EXPECT_EQ(parser.PossibleTotal(), MaxPossible);
  // Masks longer than 1024 positions are parsed whole.
  EXPECT_EQ(kinds(std::string(3000, 'x') + "#").size(), 3001u);
}

TEST(Wildcards, MakeInputpar) {
  Tlistparchar list;
  Tparchar w = Wildcard("x", true, false, true);
  w.UpperExclude = {'I', 'O'};
  w.NumberExclude = {'0', '1'};
  list.Items.push_back(w);
  Tinputpar par;
  list.MakeInputpar("x", par);
  EXPECT_EQ(par.Lower, '2');
  EXPECT_EQ(par.Upper, 'Z');
  EXPECT_EQ(par.Excluded, (TArrayInteger{58, 59, 60, 61, 62, 63, 64, 73, 79}));
  EXPECT_EQ(par.ExcludeKind, ExcludeNumbers);

  list.Items.push_back(
      Wildcard("s", false, false, false, {32, 500, -3}));  // codes outside 32..126 are ignored
  list.MakeInputpar("s", par);
  EXPECT_EQ(par.Lower, 32);
  EXPECT_EQ(par.Upper, 32);

  Tparchar empty = Wildcard("e", false, false, true);
  empty.NumberExclude = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
  list.Items.push_back(empty);
  test::FakeNotifier shown;
  EXPECT_THROW(list.MakeInputpar("e", par), EAbort);
  EXPECT_EQ(shown.errors.size(), 1u);
}

// The string generator against a plain transcription: each position drawn by
// the engine, a repeat found by scanning, the insertion sort.
TEST(StringGenerator, MatchesReference) {
  Tlistparchar list;
  list.Items.push_back(Wildcard("#", false, false, true));
  Tparchar letters = Wildcard("@", true, true, false);
  letters.Lowerexclude = {'l'};
  list.Items.push_back(letters);
  list.Items.push_back(Wildcard("%", false, false, false, {33, 35, 64}));
  std::mt19937 rng(11);
  const V masks = {"#", "##", "@#-%", "a\\#", "%%", "x", "#@#@", "\\\\"};
  for (int round = 0; round < 120; ++round) {
    TinputString in;
    in.Mask = masks[size_t(round) % masks.size()];
    in.Count = 1 + int64_t(rng() % 60);
    in.Duplicate = rng() % 2 == 0;
    in.Wildcards = &list;
    const auto seed = int32_t(rng());
    Trandom_character g;
    test::SeededRun(g, in, seed);

    TparseString parser(list);
    TArrayInputpar positions;
    parser.Parse(in.Mask, positions);
    const int64_t wanted = in.Duplicate ? in.Count : std::min(in.Count, parser.PossibleTotal());
    Tmake_random engine;
    RandomSource source(seed);
    V expected;
    while (int64_t(expected.size()) < wanted) {
      std::string s;
      for (const Tinputpar& p : positions) {
        engine.MakeRandoms(p, source);
        TArrayString texts;
        engine.FormatRandoms(texts, TformatPar{SortDrawn, false, RadixDecimal});
        s += char(std::stoi(std::string(texts[0])));
      }
      if (in.Duplicate || std::find(expected.begin(), expected.end(), s) == expected.end())
        expected.push_back(s);
    }
    EXPECT_EQ(g.GeneratedTotal(), wanted);
    for (TSortOrder order : {SortDrawn, SortAscending, SortDescending}) {
      g.FormatResults(TformatPar{order, false, RadixDecimal});
      ASSERT_EQ(Results(g), order == SortDrawn ? expected : InsertionSort(expected, order == SortAscending))
          << in.Mask;
    }
  }
}

// The strength counts what each position can give, past the capped total;
// a secure run still finds every string of a small mask.
TEST(StringGenerator, StrengthAndSecureRuns) {
  Tlistparchar list;
  list.Items.push_back(Wildcard("#", false, false, true));
  Tparchar letters = Wildcard("@", true, true, false);
  letters.Lowerexclude = {'l', 'o'};
  list.Items.push_back(letters);
  TinputString in;
  in.Wildcards = &list;
  in.Mask = "@#x";
  in.Count = 500;
  Trandom_character g;
  test::SeededRun(g, in, 0);
  EXPECT_EQ(g.PossibleTotal(), 500);
  EXPECT_NEAR(g.StrengthBits(), std::log2(500.0), 1e-9);
  in.Mask = std::string(30, '@');
  in.Count = 1;
  test::SeededRun(g, in, 0);
  EXPECT_EQ(g.PossibleTotal(), MaxPossible);
  EXPECT_NEAR(g.StrengthBits(), 30 * std::log2(50.0), 1e-9);

  in.Mask = "@#x";
  in.Count = 500;
  RandomSource secure = RandomSource::System();
  g.Generate(in, secure);
  g.FormatResults(TformatPar{SortDrawn, false, RadixDecimal});
  V first = Results(g);
  secure = RandomSource::System();
  g.Generate(in, secure);
  g.FormatResults(TformatPar{SortDrawn, false, RadixDecimal});
  EXPECT_FALSE(g.Exhausted);
  EXPECT_EQ(g.GeneratedTotal(), 500);
  EXPECT_NE(Results(g), first);  // two orders of the same 500 strings
  std::sort(first.begin(), first.end());
  EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 500u);
}

// Texts past one sorted run of 4096, with repeats and prefixes: the merges
// give ordinal order, and no stretch of work between two slice calls is
// longer than one run, however long the merge.
TEST(Sorting, LongMergesAreSlicedAndOrdered) {
  std::mt19937 rng(5);
  V texts;
  for (int i = 0; i < 20000; ++i) texts.push_back(std::string(1 + rng() % 3, char('A' + rng() % 40)));
  const TArrayString items = Texts(texts);
  for (bool descending : {false, true}) {
    std::vector<uint32_t> order;
    size_t calls = 0, last = 0;
    bool monotonic = true;
    ASSERT_TRUE(SortTextOrder(items, descending, order, [&](size_t done) {
      ++calls;
      monotonic = monotonic && done >= last;
      last = done;
      return false;
    }));
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(last, texts.size());
    // Runs of 4096, then three merge passes: 4 x 20000 entries of work.
    EXPECT_GE(calls, 4 * texts.size() / 4096);
    size_t gathers = 0;
    const V sorted = Gather(items, order, [&gathers] { ++gathers; }).toVector();
    EXPECT_EQ(gathers, texts.size() / 16384);
    V expected = texts;
    std::sort(expected.begin(), expected.end());
    if (descending) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
  }
  // Stopped in a merge: false, at once.
  std::vector<uint32_t> order;
  size_t calls = 0;
  EXPECT_FALSE(SortTextOrder(items, false, order, [&calls](size_t) { return ++calls == 7; }));
  EXPECT_EQ(calls, 7u);
}
