#pragma once

#include <string>
#include <string_view>

#include "core/StringArray.h"

namespace quenvar {

// The non-empty lines of a text: a line ends at CR, at LF or at CR LF, a last
// line without a break still counts, and every line is kept exactly as it
// stands (blanks included). With stopAtNul a NUL byte ends the text.
TArrayString SplitNonEmptyLines(std::string_view text, bool stopAtNul);

// The same for a file; a file that cannot be read throws EInOutError.
TArrayString ReadNonEmptyLines(const std::string& path, bool stopAtNul);

}  // namespace quenvar
