#include "core/TextLines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/Errors.h"
#include "core/Feedback.h"

namespace quenvar {

TArrayString SplitNonEmptyLines(std::string_view text, bool stopAtNul) {
  if (stopAtNul) text = text.substr(0, text.find('\0'));
  TArrayString lines;
  lines.reserve(0, text.size());  // the lines never need more characters than the text
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) lines.push_back(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
    LetMessagesRun();  // a list of millions of lines keeps the window answering
  }
  return lines;
}

TArrayString ReadNonEmptyLines(const std::string& path, bool stopAtNul) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  std::string text;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    text.resize(static_cast<size_t>(size));
    in.read(text.data(), size);
    text.resize(static_cast<size_t>(in.gcount()));
  } else {  // a pipe or a file that tells no size
    in.clear();
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (in.bad()) throw EInOutError("Cannot read file \"" + path + "\".");
  return SplitNonEmptyLines(text, stopAtNul);
}

}  // namespace quenvar
