#pragma once

#include <cstddef>
#include <cstdint>
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

  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](size_t i) const {
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(chars_.data() + begin, ends_[i] - begin);
  }

  void clear();
  void reserve(size_t count, size_t characters);
  void push_back(std::string_view s);
  // Appends an entry whose characters are written by the caller (at most
  // `capacity`; `fill` returns how many).
  template <typename Fill>
  void emplace_with(size_t capacity, Fill fill) {
    const size_t old = chars_.size();
    chars_.resize(old + capacity);
    const size_t used = fill(chars_.data() + old);
    chars_.resize(old + used);
    ends_.push_back(chars_.size());
  }
  // Cuts to n entries or pads with empty ones.
  void resize(size_t n);
  void swap(TArrayString& other) noexcept;
  std::vector<std::string> toVector() const;

  friend bool operator==(const TArrayString& a, const TArrayString& b) {
    return a.chars_ == b.chars_ && a.ends_ == b.ends_;
  }

 private:
  std::string chars_;
  std::vector<size_t> ends_;
};

}  // namespace quenvar
