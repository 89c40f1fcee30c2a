#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quenvar {

// An initialization file of sections and key=value lines, read and written
// with the usual profile semantics: section and key names compared without
// regard to case; values trimmed, a pair of enclosing quotes dropped, read up
// to 2047 bytes (never ending inside a character) as text (core/Utf8.h);
// integers in decimal or with a "0x" prefix (optionally "$"), anything else
// giving the default; Booleans as non-zero integers. Writing updates or adds
// only its key and keeps every other line (comments, unknown keys, blank
// lines) as it was, and a line that already reads as the value written
// stays byte for byte; a text is quoted where that is needed for it to read
// back unchanged. UpdateFile() saves the file.
class IniFile {
 public:
  static constexpr size_t kMaxValue = 2047;

  IniFile() = default;
  // Reads the file; a missing file is an empty one. Anything else that
  // cannot be read, or is not a regular file (a folder, a FIFO, a device),
  // throws EInOutError without waiting.
  explicit IniFile(std::string path);
  static IniFile FromText(std::string_view text);

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  size_t KeyCount(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback,
                      bool dollarHex = false) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int64_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void DeleteKey(std::string_view section, std::string_view key);

  // Writes the file; a failure throws EInOutError "Unable to write to <path>".
  void UpdateFile() const;
  std::string Text() const;

  // Parses a whole integer the way ReadInteger does; false when it is none.
  static bool ParseInteger(std::string_view text, bool dollarHex, int32_t& value);

 private:
  // Every line keeps the break it ended with in the file (CR LF, LF, CR, or
  // none for a last line without one), so that a write gives back every line
  // it did not change byte for byte.
  struct Section {
    std::string header;  // the raw "[name]" line; empty for lines before the first section
    std::string headerEnd;
    std::string lowerName;
    std::vector<std::string> lines;
    std::vector<std::string> ends;                 // the break after each line
    std::unordered_map<std::string, size_t> keys;  // lower-case key -> first line holding it
  };

  void Parse(std::string_view text);
  // Sets a key's line to key=value, unless the line `holds` the value already.
  void WriteLine(std::string_view section, std::string_view key, const std::string& value,
                 const std::function<bool(const std::string&)>& holds);
  const Section* FindSection(std::string_view section) const;
  Section& SectionFor(std::string_view section);
  const std::string* FindLine(std::string_view section, std::string_view key) const;
  void Reindex(Section& section);
  std::string* LastEnd();
  std::string EndForNewLastLine();

  std::string path_;
  std::string lineEnd_ = "\r\n";  // for added lines: the file's first break
  bool byteOrderMark_ = false;    // the file began with a UTF-8 byte-order mark
  std::vector<Section> sections_;
};

}  // namespace quenvar
