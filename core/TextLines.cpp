#include "core/TextLines.h"

#include "core/InputFile.h"

namespace quenvar {

TArrayString SplitNonEmptyLines(std::string_view text, bool stopAtNul) {
  if (stopAtNul) text = text.substr(0, text.find('\0'));
  TArrayString lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    if (i > start) lines.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

TArrayString ReadNonEmptyLines(const std::string& path, bool stopAtNul) {
  return SplitNonEmptyLines(ReadWholeFile(path), stopAtNul);
}

}  // namespace quenvar
