#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Codes.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace quenvar {

// The Random Name request's check, its name lists and its totals line: one
// place for the window's page and quenvar-cli.

// The message when no first-name list is chosen.
std::optional<Text> NameInputError(TGender gender);

// The three lists of the "name" folder: the user's, or the shipped ones (see
// core/Paths.h).
struct NameLists {
  std::string female, male, last;
};
NameLists NameListFiles(paths::Use use);

// "Possible total: P      Generated total: G"; with repeats allowed only
// the generated part, its six blanks included.
Text NameTotalsText(bool duplicate, int64_t possible, int64_t generated);

}  // namespace quenvar
