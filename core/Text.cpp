#include "core/Text.h"

#include <string_view>

namespace quenvar {

Text Text::Plain(std::string text) {
  Text t;
  t.pieces_.push_back({nullptr, std::move(text), {}});
  return t;
}

Text& Text::arg(std::string value) {
  if (pieces_.empty()) pieces_.push_back({"%1", {}, {}});
  pieces_.back().args.push_back(std::move(value));
  return *this;
}

Text& Text::operator+=(const Text& next) {
  pieces_.insert(pieces_.end(), next.pieces_.begin(), next.pieces_.end());
  return *this;
}

bool Text::empty() const {
  for (const Piece& p : pieces_)
    if (p.source != nullptr ? *p.source != '\0' : !p.plain.empty()) return false;
  return true;
}

std::string FillTemplate(std::string_view source, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(source.size());
  for (size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (c == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(source[i + 1] - '1');
      if (n < args.size()) {
        out += args[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string Text::english() const {
  std::string out;
  for (const Piece& p : pieces_) out += p.source != nullptr ? FillTemplate(p.source, p.args) : p.plain;
  return out;
}

bool operator==(const Text& text, std::string_view english) { return text.english() == english; }

}  // namespace quenvar
