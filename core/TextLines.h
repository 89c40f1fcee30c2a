#pragma once

#include <string>
#include <string_view>

#include "core/StringArray.h"

namespace quenvar {

class ProgressBarView;

// The non-empty lines of a text: a line ends at CR, at LF or at CR LF, a last
// line without a break still counts, and every line is kept exactly as it
// stands (blanks included) as text (core/Utf8.h). With stopAtNul a NUL byte
// ends the text. A bar, when given, shows how far the text is split.
TArrayString SplitNonEmptyLines(std::string_view text, bool stopAtNul, ProgressBarView* bar = nullptr);

// Calls fn(line) for each line of a text broken at LF, a CR before the LF
// dropped; a last line without a break counts, an empty text has none.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    fn(line);
    start = end + 1;
  }
}

// The same for a file, its reading shown on `bar` when one is given; a file
// that cannot be read throws EInOutError.
TArrayString ReadNonEmptyLines(const std::string& path, bool stopAtNul, ProgressBarView* bar = nullptr);

}  // namespace quenvar
