#include "core/TextLines.h"

#include "core/Feedback.h"
#include "core/InputFile.h"
#include "core/Utf8.h"

namespace quenvar {

TArrayString SplitNonEmptyLines(std::string_view text, bool stopAtNul, ProgressBarView* bar) {
  if (stopAtNul) text = text.substr(0, text.find('\0'));
  TArrayString lines;
  lines.reserve(0, text.size());  // the lines never need more characters than the text
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) {
      const std::string_view line = text.substr(start, end - start);
      if (IsUtf8(line))
        lines.push_back(line);
      else
        lines.push_back(TextFromBytes(line));
    }
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
    if (bar != nullptr) bar->setPosition(static_cast<int64_t>(start));
    LetMessagesRun();  // a list of millions of lines keeps the window answering
  }
  return lines;
}

TArrayString ReadNonEmptyLines(const std::string& path, bool stopAtNul, ProgressBarView* bar) {
  if (bar == nullptr) return SplitNonEmptyLines(ReadWholeFile(path), stopAtNul);
  // Shown twice over: the bytes read, then the text split into lines.
  const std::string text = ReadWholeFile(path, bar);
  bar->start(static_cast<int64_t>(text.size()));
  TArrayString lines = SplitNonEmptyLines(text, stopAtNul, bar);
  bar->hide();
  return lines;
}

}  // namespace quenvar
