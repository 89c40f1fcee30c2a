#include "core/StringArray.h"

#include <algorithm>
#include <cstring>

#include "core/Memory.h"

namespace quenvar {

TArrayString::TArrayString(std::initializer_list<std::string_view> items) {
  for (std::string_view item : items) push_back(item);
}

TArrayString::TArrayString(const TArrayString& other)
    : used_(other.used_), capacity_(other.used_), ends_(other.ends_) {
  chars_.reset(new char[capacity_ == 0 ? 1 : capacity_]);
  if (used_ > 0) memcpy(chars_.get(), other.chars_.get(), used_);
}

TArrayString& TArrayString::operator=(const TArrayString& other) {
  if (this != &other) {
    TArrayString copy(other);
    swap(copy);
  }
  return *this;
}

bool operator==(const TArrayString& a, const TArrayString& b) {
  return a.ends_ == b.ends_ && (a.used_ == 0 || memcmp(a.chars_.get(), b.chars_.get(), a.used_) == 0);
}

void TArrayString::grow(size_t needed) {
  const size_t capacity = std::max({needed, capacity_ * 2, size_t{256}});
  std::unique_ptr<char[]> bigger(new char[capacity]);
  if (used_ > 0) memcpy(bigger.get(), chars_.get(), used_);
  chars_ = std::move(bigger);
  capacity_ = capacity;
}

void TArrayString::releaseInSlices() {
  ReleasePagesInSlices(chars_.get(), capacity_);
  ReleasePagesInSlices(ends_.data(), ends_.capacity() * sizeof(size_t));
  TArrayString().swap(*this);
}

void TArrayString::clear() {
  used_ = 0;
  ends_.clear();
}

void TArrayString::reserve(size_t count, size_t characters) {
  ends_.reserve(count);
  if (characters > capacity_) grow(characters);
}

void TArrayString::push_back(std::string_view s) {
  if (used_ + s.size() > capacity_) grow(used_ + s.size());
  if (!s.empty()) memcpy(chars_.get() + used_, s.data(), s.size());
  used_ += s.size();
  ends_.push_back(used_);
}

void TArrayString::resize(size_t n) {
  if (n <= ends_.size()) {
    ends_.resize(n);
    used_ = n == 0 ? 0 : ends_.back();
  } else {
    ends_.resize(n, used_);
  }
}

void TArrayString::swap(TArrayString& other) noexcept {
  chars_.swap(other.chars_);
  std::swap(used_, other.used_);
  std::swap(capacity_, other.capacity_);
  ends_.swap(other.ends_);
}

std::vector<std::string> TArrayString::toVector() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

}  // namespace quenvar
