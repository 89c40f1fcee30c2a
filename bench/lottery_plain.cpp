// The lottery's line-by-line duplicate check done the plain way, for
// comparison: lines kept as texts, each new line compared cell by cell with
// every accepted one, every part drawn by the engine and read back as text.
// Usage: lottery_plain LINES (6 of 1..49, no bonus, no repeated lines)
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/Unit_base.h"

using namespace quenvar;

int main(int argc, char** argv) {
  const long lines = argc > 1 ? std::atol(argv[1]) : 20000;
  Tmake_random engine;
  RandomSource source(1);
  Tinputpar par;
  par.Lower = 1;
  par.Upper = 49;
  par.Count = 6;
  par.ExcludeKind = ExcludeNumbers;
  std::vector<std::vector<std::string>> accepted;
  accepted.reserve(static_cast<size_t>(lines));
  while (static_cast<long>(accepted.size()) < lines) {
    engine.MakeRandoms(par, source);
    TArrayString texts;
    engine.FormatRandoms(texts, TformatPar{SortDrawn, false, RadixDecimal});
    std::vector<std::string> candidate = texts.toVector();
    bool isNew = true;
    for (const auto& line : accepted) {
      bool same = true;
      for (size_t c = 0; c < line.size() && same; ++c) same = line[c] == candidate[c];
      if (same) {
        isNew = false;
        break;
      }
    }
    if (isNew) accepted.push_back(std::move(candidate));
  }
  std::printf("%zu lines\n", accepted.size());
  return 0;
}
