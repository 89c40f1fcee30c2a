#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quenvar {

using TArrayInteger = std::vector<int32_t>;

// A list of strings kept in one character buffer: a million results cost
// their characters and one offset each, and appending never copies
// quadratically.
class TArrayString {
 public:
  TArrayString() = default;
  TArrayString(std::initializer_list<std::string_view> items);
  TArrayString(const TArrayString& other);
  TArrayString& operator=(const TArrayString& other);
  TArrayString(TArrayString&&) noexcept = default;
  TArrayString& operator=(TArrayString&&) noexcept = default;

  size_t size() const { return ends_.size(); }
  // The bytes of all entries together.
  size_t characters() const { return used_; }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](size_t i) const {
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(chars_.get() + begin, ends_[i] - begin);
  }

  void clear();
  // Frees the storage, a large one a slice at a time with messages between.
  void releaseInSlices();
  void reserve(size_t count, size_t characters);
  void push_back(std::string_view s);
  // Appends an entry whose characters are written by the caller (at most
  // `capacity`; `fill` returns how many).
  template <typename Fill>
  void emplace_with(size_t capacity, Fill fill) {
    if (used_ + capacity > capacity_) grow(used_ + capacity);
    used_ += fill(chars_.get() + used_);
    ends_.push_back(used_);
  }
  // Cuts to n entries or pads with empty ones.
  void resize(size_t n);
  void swap(TArrayString& other) noexcept;
  std::vector<std::string> toVector() const;

  friend bool operator==(const TArrayString& a, const TArrayString& b);

 private:
  void grow(size_t needed);

  std::unique_ptr<char[]> chars_;  // used_ of capacity_ bytes hold the entries
  size_t used_ = 0;
  size_t capacity_ = 0;
  std::vector<size_t> ends_;
};

}  // namespace quenvar
