#pragma once

#include <string>
#include <string_view>

namespace quenvar {

// The program holds text as UTF-8. Text read from the user's files (item and
// name lists, the settings and wildcard files) is taken as UTF-8 where it is
// valid UTF-8, and every other byte as the Latin-1 character of its code, so
// that a list saved by an older editor reads "café", not "caf?".
bool IsUtf8(std::string_view bytes);
std::string TextFromBytes(std::string_view bytes);

// The longest start of UTF-8 text of at most `limit` bytes that does not end
// inside a character.
std::string_view CutUtf8(std::string_view text, size_t limit);

}  // namespace quenvar
