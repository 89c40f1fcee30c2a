#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A plain, slow transcription of the engine's algorithms: linear
// duplicate scans, counting by testing every value, the text insertion
// sort. The fast engine must give exactly what this gives.
namespace ref {

struct Input {
  int32_t lower = 0;
  int32_t upper = 0;
  std::vector<int32_t> excluded;
  int kind = 0;
  int32_t count = 0;
  bool duplicate = false;
};

struct Engine {
  uint32_t seed = 0;
  Input in;
  int32_t generated = 0;
  int32_t possible = 0;
  std::vector<int32_t> randoms;

  uint32_t RandomBelow(uint32_t n);
  void MakeRandoms(const Input& par);
  // sortOrder 0 asc, 1 desc, 2 drawn; radix 0..3.
  std::vector<std::string> FormatRandoms(int sortOrder, bool comma, int radix) const;

 private:
  bool IsExcluded(int32_t v) const;
  bool IsGenerated(int32_t v) const;
  void CountPossible();
  void AddRandom(int32_t v);
  void ShrinkRange(int32_t v);
  int32_t NextRandom();
};

std::string FormatRandom(int32_t v, bool comma, int radix);

}  // namespace ref
