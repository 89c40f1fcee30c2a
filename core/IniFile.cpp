#include "core/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Errors.h"
#include "core/OutputFile.h"
#include "core/Utf8.h"

namespace quenvar {

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The key of a "key=value" line, or an empty view for any other line.
std::string_view KeyOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return {};
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {};
  return Trim(trimmed.substr(0, equals));
}

bool Quoted(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
         value.back() == value.front();
}

// A value as it stands in the file: blanks around it and one pair of
// enclosing quotes dropped, not yet cut to its length.
std::string_view WholeValueOf(std::string_view line) {
  const size_t equals = line.find('=');
  std::string_view value = Trim(line.substr(equals + 1));
  if (Quoted(value)) {
    value.remove_prefix(1);
    value.remove_suffix(1);
  }
  return value;
}

std::string_view ValueOf(std::string_view line) { return WholeValueOf(line).substr(0, IniFile::kMaxValue); }

// The text of a value as ReadString gives it.
std::string TextOf(std::string_view line) {
  return std::string(CutUtf8(TextFromBytes(WholeValueOf(line)), IniFile::kMaxValue));
}

// A value as it is written so that it reads back the same: in quotes when
// reading would drop its outer blanks or a pair of quotes of its own.
std::string Stored(std::string_view value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  if (Quoted(value) || (!value.empty() && (blank(value.front()) || blank(value.back()))))
    return "\"" + std::string(value) + "\"";
  return std::string(value);
}

// The whole content of a regular file. Anything else that stands there (a
// folder, a FIFO that would wait for a writer, a device) is refused, and
// opening never waits.
std::string ReadRegularFile(const std::string& path) {
  const auto fail = [&](int error) {
    throw EInOutError(
        quenvar::Text(TR_NOOP("Core", "Cannot open file \"%1\". %2")).arg(path).arg(std::strerror(error)));
  };
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) fail(errno);
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) fail(errno);
  if (S_ISDIR(st.st_mode)) fail(EISDIR);
  if (!S_ISREG(st.st_mode))
    throw EInOutError(
        quenvar::Text(TR_NOOP("Core", "Cannot open file \"%1\". Not a regular file")).arg(path));
  std::string text;
  text.reserve(static_cast<size_t>(st.st_size));
  char block[1 << 16];
  for (;;) {
    const ssize_t n = read(fd, block, sizeof(block));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      throw EInOutError(
          quenvar::Text(TR_NOOP("Core", "Cannot read file \"%1\". %2")).arg(path).arg(std::strerror(errno)));
    if (n == 0) return text;
    text.append(block, static_cast<size_t>(n));
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  // A file that is not there yet reads as empty: every value has its
  // default. One that is there but cannot be read (a folder, no access, a
  // loop of links, a FIFO) is an error, so that a later write cannot replace
  // what we never saw.
  struct stat st {};
  if (stat(path_.c_str(), &st) != 0 && errno == ENOENT) {
    Parse("");
    return;
  }
  Parse(ReadRegularFile(path_));
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile ini;
  ini.Parse(text);
  return ini;
}

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  sections_.push_back(Section{});
  lineEnd_ = "\r\n";
  byteOrderMark_ = text.substr(0, 3) == "\xEF\xBB\xBF";
  if (byteOrderMark_) text.remove_prefix(3);
  bool sawBreak = false;
  // A line ends at CR LF, at LF or at CR alone; a last line may have none.
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    size_t next = end;
    if (end == std::string_view::npos) {
      end = next = text.size();
    } else {
      next = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    const std::string_view line = text.substr(start, end - start);
    const std::string_view lineBreak = text.substr(end, next - end);
    if (!sawBreak && !lineBreak.empty()) {
      lineEnd_ = std::string(lineBreak);
      sawBreak = true;
    }
    start = next;

    const std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      Section section;
      section.header = std::string(line);
      section.headerEnd = std::string(lineBreak);
      const size_t close = trimmed.find(']');
      section.lowerName = Lower(
          Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
      sections_.push_back(std::move(section));
      continue;
    }
    Section& current = sections_.back();
    current.lines.emplace_back(line);
    current.ends.emplace_back(lineBreak);
    if (!current.header.empty()) {
      const std::string_view key = KeyOf(line);
      if (!key.empty()) current.keys.emplace(Lower(key), current.lines.size() - 1);
    }
  }
}

// The break after the file's last line; nullptr for an empty file.
std::string* IniFile::LastEnd() {
  for (auto s = sections_.rbegin(); s != sections_.rend(); ++s) {
    if (!s->ends.empty()) return &s->ends.back();
    if (!s->header.empty()) return &s->headerEnd;
  }
  return nullptr;
}

// The break for a line added after the file's last line. When that line had
// none, it gets one and the new line goes without: a file without a final
// line break stays so.
std::string IniFile::EndForNewLastLine() {
  std::string* last = LastEnd();
  if (last == nullptr || !last->empty()) return lineEnd_;
  *last = lineEnd_;
  return "";
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  const std::string wanted = Lower(Trim(section));
  for (const Section& s : sections_)
    if (!s.header.empty() && s.lowerName == wanted) return &s;
  return nullptr;
}

const std::string* IniFile::FindLine(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  const auto it = s->keys.find(Lower(Trim(key)));
  return it == s->keys.end() ? nullptr : &s->lines[it->second];
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindLine(section, key) != nullptr;
}

size_t IniFile::KeyCount(std::string_view section) const {
  const Section* s = FindSection(section);
  return s == nullptr ? 0 : s->keys.size();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const std::string* line = FindLine(section, key);
  return line == nullptr ? std::string(CutUtf8(fallback, kMaxValue)) : TextOf(*line);
}

bool IniFile::ParseInteger(std::string_view text, bool dollarHex, int32_t& value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  uint64_t magnitude = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else if (dollarHex && text.size() > 1 && text[0] == '$') {
    text.remove_prefix(1);
  } else {
    if (text.empty()) return false;
    for (char c : text) {
      if (c < '0' || c > '9') return false;
      magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
      if (magnitude > 2147483648ull) return false;
    }
    if (!negative && magnitude > 2147483647ull) return false;
    value =
        static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
    return true;
  }
  if (text.empty()) return false;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    magnitude = magnitude * 16 + static_cast<uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  // Hexadecimal takes the 32-bit pattern: 0xFFFFFFFF is -1.
  const uint32_t bits = static_cast<uint32_t>(magnitude);
  value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback,
                             bool dollarHex) const {
  const std::string* line = FindLine(section, key);
  int32_t value = 0;
  return line != nullptr && ParseInteger(ValueOf(*line), dollarHex, value) ? value : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  const std::string* line = FindLine(section, key);
  int32_t value = 0;
  return line != nullptr && ParseInteger(ValueOf(*line), false, value) ? value != 0 : fallback;
}

IniFile::Section& IniFile::SectionFor(std::string_view section) {
  if (const Section* found = FindSection(section)) return const_cast<Section&>(*found);
  Section added;
  added.header = "[" + std::string(Trim(section)) + "]";
  added.headerEnd = EndForNewLastLine();
  added.lowerName = Lower(Trim(section));
  sections_.push_back(std::move(added));
  return sections_.back();
}

void IniFile::Reindex(Section& section) {
  section.keys.clear();
  for (size_t i = 0; i < section.lines.size(); ++i) {
    const std::string_view key = KeyOf(section.lines[i]);
    if (!key.empty()) section.keys.emplace(Lower(key), i);
  }
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  WriteLine(section, key, Stored(value), [&](const std::string& line) { return TextOf(line) == value; });
}

void IniFile::WriteLine(std::string_view section, std::string_view key, const std::string& value,
                        const std::function<bool(const std::string&)>& holds) {
  Section& s = SectionFor(section);
  const std::string lowerKey = Lower(Trim(key));
  const auto it = s.keys.find(lowerKey);
  if (it != s.keys.end()) {
    std::string& line = s.lines[it->second];
    // A line that already reads as the value stays as it is, byte for byte.
    if (!holds(line)) line = std::string(KeyOf(line)) + "=" + value;
    return;
  }
  // A new key goes after the section's last line that is not blank.
  size_t at = s.lines.size();
  while (at > 0 && Trim(s.lines[at - 1]).empty()) --at;
  const bool last = at == s.lines.size() && &s == &sections_.back();
  std::string lineBreak = last ? EndForNewLastLine() : lineEnd_;
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), std::string(Trim(key)) + "=" + value);
  s.ends.insert(s.ends.begin() + static_cast<std::ptrdiff_t>(at), std::move(lineBreak));
  if (at + 1 == s.lines.size()) {
    s.keys.emplace(lowerKey, at);
  } else {
    Reindex(s);
  }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
  WriteLine(section, key, std::to_string(value), [&](const std::string& line) {
    int32_t read = 0;
    return ParseInteger(ValueOf(line), true, read) && read == value;
  });
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteLine(section, key, value ? "1" : "0", [&](const std::string& line) {
    int32_t read = 0;
    return ParseInteger(ValueOf(line), false, read) && (read != 0) == value;
  });
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  const Section* found = FindSection(section);
  if (found == nullptr) return;
  Section& s = const_cast<Section&>(*found);
  const auto it = s.keys.find(Lower(Trim(key)));
  if (it == s.keys.end()) return;
  const auto at = static_cast<std::ptrdiff_t>(it->second);
  const bool lastWithoutBreak = s.ends[it->second].empty();
  s.lines.erase(s.lines.begin() + at);
  s.ends.erase(s.ends.begin() + at);
  // The file's last line went without a break: the one before it now does.
  if (lastWithoutBreak)
    if (std::string* end = LastEnd()) end->clear();
  Reindex(s);
}

std::string IniFile::Text() const {
  std::string text = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
  for (const Section& s : sections_) {
    if (!s.header.empty()) text.append(s.header).append(s.headerEnd);
    for (size_t i = 0; i < s.lines.size(); ++i) text.append(s.lines[i]).append(s.ends[i]);
  }
  return text;
}

void IniFile::UpdateFile() const {
  try {
    OutputFile file(path_, OutputFile::Options{});
    file.write(Text());
    file.commit();
  } catch (const EInOutError&) {
    throw EInOutError(quenvar::Text(TR_NOOP("Core", "Unable to write to %1")).arg(path_));
  }
}

}  // namespace quenvar
