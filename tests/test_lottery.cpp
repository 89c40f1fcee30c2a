#include <gtest/gtest.h>

#include <random>

#include "Fakes.h"
#include "core/Unit_base.h"
#include "generators/Unit_lottery.h"

using namespace quenvar;

namespace {

// The lottery done the plain way, line by line: every part drawn by the engine and
// read back through its texts, a new line compared with every accepted one,
// lines sorted by the insertion sort on integer values.
struct ReferenceLottery {
  std::vector<std::vector<std::string>> lines;
  RandomSource source;

  std::vector<std::string> Draw(Tmake_random& engine, int32_t lower, int32_t upper, int32_t count, bool dup) {
    engine.MakeRandoms(
        Tinputpar{.Lower = lower, .Upper = upper, .Excluded = {}, .Count = count, .Duplicate = dup}, source);
    TArrayString texts;
    engine.FormatRandoms(texts, TformatPar{SortDrawn, false, RadixDecimal});
    return texts.toVector();
  }

  void Generate(const TinputLottery& in, int32_t seed, int64_t lineCount) {
    Tmake_random engine;
    source = RandomSource(seed);
    lines.clear();
    while (static_cast<int64_t>(lines.size()) < lineCount) {
      std::vector<std::string> candidate;
      if (in.Lotto && in.RemainPick) {
        candidate = Draw(engine, in.MainLow, in.MainUpper, in.MainPick + in.ChildPick, in.DupLines);
      } else {
        candidate = Draw(engine, in.MainLow, in.MainUpper, in.MainPick, in.DupLines);
        if (in.Lotto) {
          const auto bonus = Draw(engine, in.ChildLow, in.ChildUpper, in.ChildPick, in.DupLines);
          candidate.insert(candidate.end(), bonus.begin(), bonus.end());
        }
      }
      bool isNew = true;
      if (in.DupRows)
        for (const auto& line : lines) isNew = isNew && line != candidate;
      if (isNew) lines.push_back(candidate);
    }
  }

  static std::vector<std::string> SortNumbers(const std::vector<std::string>& in, bool ascending) {
    std::vector<std::string> out(in.size(), "A");
    size_t filled = 0;
    for (const std::string& x : in) {
      for (size_t slot = 0; slot < out.size(); ++slot) {
        if (out[slot] == "A") {
          out[slot] = x;
          break;
        }
        const long long xv = std::stoll(x), e = std::stoll(out[slot]);
        if (ascending ? xv > e : xv <= e) continue;
        for (size_t k = filled; k > slot; --k) out[k] = out[k - 1];
        out[slot] = x;
        break;
      }
      ++filled;
    }
    return out;
  }

  std::vector<std::string> Results(int order, int32_t mainPick) const {
    std::vector<std::string> results;
    for (const auto& line : lines) {
      std::vector<std::string> main(line.begin(), line.begin() + mainPick),
          bonus(line.begin() + mainPick, line.end());
      if (order != 2) {
        main = SortNumbers(main, order == 0);
        bonus = SortNumbers(bonus, order == 0);
      }
      results.insert(results.end(), main.begin(), main.end());
      results.insert(results.end(), bonus.begin(), bonus.end());
    }
    return results;
  }
};

using test::SeededRun;

std::vector<std::string> Line(const Trandom_Lottery& g, int64_t i) {
  std::vector<std::string> cells;
  for (int32_t c = 0; c < g.LineWidth(); ++c) cells.push_back(std::to_string(g.Cell(i, c)));
  return cells;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Lottery, WorkedExamples) {
  Trandom_Lottery g;
  SeededRun(g, TinputLottery{}, 12345);
  EXPECT_EQ(g.PossibleTotal(), 14463212400);
  EXPECT_EQ(g.GeneratedTotal(), 20);
  EXPECT_EQ(Line(g, 0), (V{"21", "16", "5", "30", "34", "15"}));
  EXPECT_EQ(Line(g, 1), (V{"24", "5", "2", "49", "52", "14"}));
  EXPECT_EQ(Line(g, 2), (V{"13", "42", "28", "23", "45", "34"}));

  TinputLottery remain;
  remain.RemainPick = true;
  SeededRun(g, remain, 12345);
  EXPECT_EQ(g.PossibleTotal(), 16529385600);
  EXPECT_EQ(Line(g, 0), (V{"21", "16", "5", "30", "34", "19"}));
  EXPECT_EQ(g.Cell(1, 5), 17);
  EXPECT_EQ(g.Cell(2, 5), 43);

  TinputLottery dupLines;
  dupLines.DupLines = true;
  SeededRun(g, dupLines, 1);
  EXPECT_EQ(g.PossibleTotal(), 17564210706);
}

TEST(Lottery, InfeasibleRequestsAndWideRanges) {
  test::FakeNotifier shown;
  Trandom_Lottery g;
  TinputLottery in;
  in.MainUpper = 5;
  in.MainPick = 6;
  in.Lotto = false;
  SeededRun(g, in, 1);
  EXPECT_EQ(g.PossibleTotal(), -1);
  EXPECT_EQ(g.GeneratedTotal(), 0);
  g.FormatResults(TformatPar{SortAscending, false, RadixDecimal});
  EXPECT_TRUE(g.Results.empty());
  in.DupLines = true;
  SeededRun(g, in, 1);
  EXPECT_EQ(g.PossibleTotal(), 15625);

  TinputLottery bonus;
  bonus.MainUpper = 10;
  bonus.MainPick = 3;
  bonus.ChildUpper = 2;
  bonus.ChildPick = 3;
  SeededRun(g, bonus, 1);
  EXPECT_EQ(g.PossibleTotal(), -1);

  // A range of more than 2147483647 numbers is refused, not wrapped.
  TinputLottery wide;
  wide.MainLow = -2147483647;
  wide.MainUpper = 2147483647;
  wide.Lotto = false;
  SeededRun(g, wide, 1);
  EXPECT_EQ(g.PossibleTotal(), -1);
  ASSERT_EQ(shown.errors.size(), 3u);
  EXPECT_EQ(shown.errors[0], "Can't get more numbers than defined by \rthe Lower and the Upper components. ");
  EXPECT_EQ(shown.errors[2], "The Upper number minus the Lower number\r\r    must be less than 2147483647!");
}

// The fast generator against the plain one on many random requests.
TEST(Lottery, MatchesReference) {
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    TinputLottery in;
    const auto seed = int32_t(rng());
    in.MainLow = int32_t(rng() % 40) - 20;
    in.MainUpper = in.MainLow + int32_t(rng() % (round % 4 == 0 ? 4 : 60));
    in.MainPick = 1 + int32_t(rng() % 6);
    in.ChildLow = int32_t(rng() % 10);
    in.ChildUpper = in.ChildLow + int32_t(rng() % 12);
    in.ChildPick = 1 + int32_t(rng() % 3);
    in.Lotto = rng() % 3 != 0;
    if (!in.Lotto) in.ChildPick = 0;
    in.RemainPick = rng() % 2 == 0;
    in.DupLines = rng() % 3 == 0;
    in.DupRows = rng() % 2 == 0;
    in.Total = 1 + int32_t(rng() % 40);
    Trandom_Lottery g;
    SeededRun(g, in, seed);
    if (g.PossibleTotal() < 0) continue;
    ReferenceLottery ref;
    ref.Generate(in, seed, g.GeneratedTotal());
    for (int order = 0; order < 3; ++order) {
      g.FormatResults(TformatPar{static_cast<TSortOrder>(order), false, RadixDecimal});
      ASSERT_EQ(g.Results.toVector(), ref.Results(order, in.MainPick))
          << "round " << round << " order " << order;
    }
  }
}

TEST(Lottery, CountsAreCappedAndRounded) {
  EXPECT_EQ(PermutationTotal(53, 5), 344362200);
  EXPECT_EQ(PowerTotal(53, 5), 418195493);
  EXPECT_EQ(PowerTotal(95, 8), 6634204312890625);
  EXPECT_EQ(PowerTotal(95, 9), MaxPossible);
  EXPECT_EQ(PermutationTotal(1000, 10), MaxPossible);
  EXPECT_EQ(PowerTotal(7, 0), 1);
}

TEST(Lottery, CancelKeepsTheLinesDrawn) {
  Trandom_Lottery g;
  test::FakePump pump([&g](int) {
    if (g.LineDrawn(4)) g.Cancel();
  });
  TinputLottery in;
  in.Total = 100;
  SeededRun(g, in, 12345);
  EXPECT_TRUE(g.LineDrawn(4));
  EXPECT_FALSE(g.LineDrawn(5));
  EXPECT_EQ(Line(g, 0), (V{"21", "16", "5", "30", "34", "15"}));
}
