#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quenvar {

// A count of bytes as typed: decimal digits with an optional K, M or G, in
// either case, for 2^10, 2^20 or 2^30 ("10M" is 10,485,760). Nothing when
// the text is no such count or its value lies outside min .. max.
inline std::optional<int64_t> ParseByteCount(std::string_view text, int64_t min, int64_t max) {
  int64_t unit = 1;
  if (!text.empty()) {
    switch (text.back()) {
      case 'K':
      case 'k':
        unit = int64_t{1} << 10;
        break;
      case 'M':
      case 'm':
        unit = int64_t{1} << 20;
        break;
      case 'G':
      case 'g':
        unit = int64_t{1} << 30;
        break;
      default:
        break;
    }
    if (unit != 1) text.remove_suffix(1);
  }
  int64_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < 0 ||
      value > max / unit || value * unit < min)
    return std::nullopt;
  return value * unit;
}

}  // namespace quenvar
