#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Marks an English text of the core or the generators as one the window
// shows translated. The core has no Qt: the macro leaves the text as it is,
// and lupdate reads it as QT_TRANSLATE_NOOP (-tr-function-alias). Every core
// text lives in the one context "Core", which the window translates in.
#define TR_NOOP(context, text) text

namespace quenvar {

inline constexpr char kTextContext[] = "Core";

// A message for the user as a template and its figures, so the window can
// translate the template and fill in the figures, and quenvar-cli can show
// the English. A message may be several pieces in a row (a template with its
// arguments, or a text shown as it is, such as a separator).
//
// Text(TR_NOOP("Core", "Only %1 randoms")).arg(n)
class Text {
 public:
  struct Piece {
    const char* source = nullptr;   // a marked template (%1 ... %9), or
    std::string plain;              // when source is null, shown as it is
    std::vector<std::string> args;  // figures, file names, the user's data
  };

  Text() = default;
  // A marked text; its arguments follow with arg().
  Text(const char* source) { pieces_.push_back({source, {}, {}}); }  // NOLINT: marked literals convert
  // A text not to be translated (a file name, a system's message, a separator).
  static Text Plain(std::string text);

  // Fills the next %n of the last piece.
  Text& arg(std::string value);
  Text& arg(const char* value) { return arg(std::string(value)); }
  Text& arg(int64_t value) { return arg(std::to_string(value)); }
  Text& arg(int32_t value) { return arg(std::to_string(value)); }
  Text& arg(uint64_t value) { return arg(std::to_string(value)); }

  // The pieces of `next` after these.
  Text& operator+=(const Text& next);
  friend Text operator+(Text a, const Text& b) { return a += b; }

  const std::vector<Piece>& pieces() const { return pieces_; }
  bool empty() const;

  // The English text: each template with its %n replaced by its arguments.
  std::string english() const;
  operator std::string() const { return english(); }  // NOLINT: the English wherever a string is wanted

 private:
  std::vector<Piece> pieces_;
};

bool operator==(const Text& text, std::string_view english);

// The six blanks between the parts of a totals line.
inline Text TotalsGap() { return Text::Plain("      "); }

// Replaces %1 ... %9 in `source` by the arguments, in one pass (an argument's
// own "%1" stays as it is); a % not followed by a used digit stays too.
std::string FillTemplate(std::string_view source, const std::vector<std::string>& args);

}  // namespace quenvar
