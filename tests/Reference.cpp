#include "Reference.h"

#include <algorithm>

namespace ref {

uint32_t Engine::RandomBelow(uint32_t n) {
  seed = seed * 134775813u + 1u;
  return static_cast<uint32_t>((uint64_t(seed) * n) >> 32);
}

int32_t Engine::NextRandom() {
  return static_cast<int32_t>(uint32_t(in.lower) + RandomBelow(uint32_t(in.upper) - uint32_t(in.lower) + 1u));
}

bool Engine::IsExcluded(int32_t v) const {
  if (in.kind == 0) {
    if (in.excluded.empty() || v < in.excluded.front() || v > in.excluded.back()) return false;
    for (int32_t e : in.excluded)
      if (e == v) return true;
    return false;
  }
  if (in.kind == 1) {
    const std::string text = std::to_string(v);
    for (int32_t e : in.excluded)
      if (text.find(std::to_string(e)) != std::string::npos) return true;
  }
  return false;
}

bool Engine::IsGenerated(int32_t v) const {
  for (int32_t i = 0; i < generated; ++i)
    if (randoms[size_t(i)] == v) return true;
  return false;
}

void Engine::CountPossible() {
  possible = 0;
  for (int64_t v = in.lower; v <= in.upper; ++v)
    if (!IsExcluded(int32_t(v))) ++possible;
}

void Engine::AddRandom(int32_t v) {
  randoms[size_t(generated)] = v;
  ++generated;
  if (generated % 1000 == 0) randoms.resize(randoms.size() + 1000);
}

void Engine::ShrinkRange(int32_t v) {
  if (v == in.lower && int64_t(in.lower) + 1 <= in.upper) ++in.lower;
  if (v == in.upper && int64_t(in.upper) - 1 >= in.lower) --in.upper;
}

void Engine::MakeRandoms(const Input& par) {
  randoms.clear();
  in = par;
  // Selection sort, the first smallest wins.
  for (size_t i = 0; i + 1 < in.excluded.size(); ++i) {
    size_t best = i;
    for (size_t j = i + 1; j < in.excluded.size(); ++j)
      if (in.excluded[j] < in.excluded[best]) best = j;
    std::swap(in.excluded[i], in.excluded[best]);
  }
  if (!in.duplicate) {
    if (in.kind == 0)
      possible = in.upper - in.lower + 1 - int32_t(in.excluded.size());
    else if (in.kind == 1)
      in.excluded.empty() ? void(possible = in.upper - in.lower + 1) : CountPossible();
  }
  generated = 0;
  randoms.assign(1000, 0);
  const bool excl = !in.excluded.empty();
  if (excl && in.duplicate) {
    int64_t guard = 100;
    if (in.kind == 1) {
      CountPossible();
      guard = possible;
    }
    while (generated < in.count && guard > 0) {
      const int32_t v = NextRandom();
      if (!IsExcluded(v)) AddRandom(v);
    }
  } else if (excl) {
    while (generated < std::min(in.count, possible)) {
      const int32_t v = NextRandom();
      if (!IsExcluded(v) && !IsGenerated(v)) {
        AddRandom(v);
        ShrinkRange(v);
      }
    }
  } else if (in.duplicate) {
    while (generated < in.count) AddRandom(NextRandom());
  } else {
    while (generated < std::min(in.count, possible)) {
      const int32_t v = NextRandom();
      if (!IsGenerated(v)) {
        AddRandom(v);
        ShrinkRange(v);
      }
    }
  }
  randoms.resize(size_t(generated));
}

namespace {

std::string IntToBase(int32_t v, int32_t base, size_t width) {
  std::string text;
  while (v != 0) {
    text = std::to_string(v % base) + text;
    v /= base;
  }
  while (text.size() < width) text = "0" + text;
  return text;
}

}  // namespace

std::string FormatRandom(int32_t v, bool comma, int radix) {
  switch (radix) {
    case 0: {
      if (!comma) return std::to_string(v);
      std::string digits = std::to_string(v < 0 ? -int64_t(v) : int64_t(v));
      std::string out;
      for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
      }
      return v < 0 ? "-" + out : out;
    }
    case 1: {
      char buffer[16];
      snprintf(buffer, sizeof buffer, v < 0 ? "%08X" : "%02X", uint32_t(v));
      return buffer;
    }
    case 2:
      return IntToBase(v, 8, 3);
    default:
      return IntToBase(v, 2, 8);
  }
}

std::vector<std::string> Engine::FormatRandoms(int sortOrder, bool comma, int radix) const {
  std::vector<std::string> list(randoms.size());
  if (sortOrder == 2) {
    for (size_t i = 0; i < randoms.size(); ++i) list[i] = FormatRandom(randoms[i], comma, radix);
    return list;
  }
  // The text insertion sort with "A" marking an empty slot.
  std::fill(list.begin(), list.end(), "A");
  size_t filled = 0;
  for (int32_t v : randoms) {
    for (size_t pos = 0; pos < list.size(); ++pos) {
      if (list[pos] == "A") {
        list[pos] = std::to_string(v);
        break;
      }
      const int64_t d = std::stoll(list[pos]);
      if (sortOrder == 0 ? d >= v : d < v) {
        for (size_t k = filled; k > pos; --k) list[k] = list[k - 1];
        list[pos] = std::to_string(v);
        break;
      }
    }
    ++filled;
  }
  for (std::string& entry : list) entry = FormatRandom(int32_t(std::stoll(entry)), comma, radix);
  return list;
}

}  // namespace ref
