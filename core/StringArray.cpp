#include "core/StringArray.h"

namespace quenvar {

TArrayString::TArrayString(std::initializer_list<std::string_view> items) {
  for (std::string_view item : items) push_back(item);
}

void TArrayString::clear() {
  chars_.clear();
  ends_.clear();
}

void TArrayString::reserve(size_t count, size_t characters) {
  ends_.reserve(count);
  chars_.reserve(characters);
}

void TArrayString::push_back(std::string_view s) {
  chars_.append(s);
  ends_.push_back(chars_.size());
}

void TArrayString::resize(size_t n) {
  if (n <= ends_.size()) {
    ends_.resize(n);
    chars_.resize(n == 0 ? 0 : ends_.back());
  } else {
    ends_.resize(n, chars_.size());
  }
}

void TArrayString::swap(TArrayString& other) noexcept {
  chars_.swap(other.chars_);
  ends_.swap(other.ends_);
}

std::vector<std::string> TArrayString::toVector() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

}  // namespace quenvar
