#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/StringArray.h"

namespace quenvar {

// Which texts of a growing TArrayString are present, in constant time: an
// open-addressing table of entry numbers, the texts themselves staying in the
// array.
class TextSet {
 public:
  explicit TextSet(const TArrayString& texts) : texts_(texts) {}

  void reserve(size_t expected) {
    size_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;
    if (capacity > slots_.size()) rebuild(capacity);
  }
  bool contains(std::string_view text) const {
    if (slots_.empty()) return false;
    const uint64_t h = Hash(text);
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.index == kEmpty) return false;
      if (s.hash == h && texts_[s.index] == text) return true;
    }
  }
  // Records entry `index` of the array (already appended).
  void insert(uint32_t index) {
    if ((count_ + 1) * 2 > slots_.size()) rebuild(slots_.empty() ? 16 : slots_.size() * 2);
    place(index, Hash(texts_[index]));
  }
  void clear() {
    slots_.clear();
    count_ = 0;
  }

  static uint64_t Hash(std::string_view text) {
    uint64_t h = 0xcbf29ce484222325ull ^ text.size();
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return h ^ (h >> 29);
  }

 private:
  static constexpr uint32_t kEmpty = 0xFFFFFFFFu;
  struct Slot {
    uint64_t hash;
    uint32_t index;
  };

  void place(uint32_t index, uint64_t h) {
    size_t i = h & mask_;
    while (slots_[i].index != kEmpty) i = (i + 1) & mask_;
    slots_[i] = Slot{h, index};
    ++count_;
  }
  void rebuild(size_t capacity) {
    std::vector<Slot> old(capacity, Slot{0, kEmpty});
    old.swap(slots_);
    mask_ = capacity - 1;
    count_ = 0;
    for (const Slot& s : old)
      if (s.index != kEmpty) place(s.index, s.hash);
  }

  const TArrayString& texts_;
  std::vector<Slot> slots_;
  size_t mask_ = 0;
  size_t count_ = 0;
};

}  // namespace quenvar
