#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace quenvar {

// The values drawn so far in a run without repeats, answering "drawn
// before?" in constant time: a bit per value when the range is small next to
// the number of values wanted, otherwise an open-addressing hash table.
class DrawnSet {
 public:
  // What reset() takes for these figures.
  static uint64_t BytesFor(uint64_t size, uint64_t expected) {
    if (UsesBits(size, expected)) return (size + 63) / 64 * 8;
    uint64_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;
    return capacity * 4;
  }

  // Values lie in lower .. lower + size - 1; about `expected` will be added.
  void reset(int32_t lower, uint64_t size, uint64_t expected) {
    lower_ = lower;
    bits_.clear();
    slots_.clear();
    count_ = 0;
    if (UsesBits(size, expected)) {
      bits_.assign((size + 63) / 64, 0);
    } else {
      uint64_t capacity = 16;
      while (capacity < expected * 2) capacity *= 2;
      slots_.assign(capacity, kEmpty);
      mask_ = capacity - 1;
    }
  }

  bool contains(int32_t v) const {
    const uint32_t key = static_cast<uint32_t>(v) - static_cast<uint32_t>(lower_);
    if (!bits_.empty()) return (bits_[key >> 6] >> (key & 63)) & 1u;
    for (uint64_t i = hash(key);; i = (i + 1) & mask_) {
      if (slots_[i] == key) return true;
      if (slots_[i] == kEmpty) return false;
    }
  }

  void insert(int32_t v) {
    const uint32_t key = static_cast<uint32_t>(v) - static_cast<uint32_t>(lower_);
    if (!bits_.empty()) {
      bits_[key >> 6] |= uint64_t{1} << (key & 63);
      return;
    }
    if ((count_ + 1) * 2 > slots_.size()) grow();
    place(key);
  }

  void release() {
    std::vector<uint64_t>().swap(bits_);
    std::vector<uint32_t>().swap(slots_);
  }

 private:
  static constexpr uint32_t kEmpty = 0xFFFFFFFFu;  // offsets stay below 2^31

  static bool UsesBits(uint64_t size, uint64_t expected) {
    return size <= (uint64_t{1} << 24) || size <= expected * 64;
  }

  uint64_t hash(uint32_t key) const { return (key * 0x9E3779B97F4A7C15ull >> 20) & mask_; }

  void place(uint32_t key) {
    uint64_t i = hash(key);
    while (slots_[i] != kEmpty) {
      if (slots_[i] == key) return;
      i = (i + 1) & mask_;
    }
    slots_[i] = key;
    ++count_;
  }

  void grow() {
    std::vector<uint32_t> old(slots_.size() * 2, kEmpty);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    count_ = 0;
    for (uint32_t key : old)
      if (key != kEmpty) place(key);
  }

  int32_t lower_ = 0;
  std::vector<uint64_t> bits_;
  std::vector<uint32_t> slots_;
  uint64_t mask_ = 0;
  uint64_t count_ = 0;
};

}  // namespace quenvar
