#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quenvar {

// The Random Name request's check, its name lists and its totals line: one
// place for the window's page and quenvar-cli.

// The message when no first-name list is chosen (bit 0 female, bit 1 male).
std::optional<std::string> NameInputError(uint8_t gender);

// The three lists shipped in the "name" folder beside the program.
struct NameLists {
  std::string female, male, last;
};
NameLists ShippedNameLists(const std::string& programFolder);

// "Possible total: P      Generated total: G"; with repeats allowed only
// the generated part, its six blanks included.
std::string NameTotalsText(bool duplicate, int64_t possible, int64_t generated);

}  // namespace quenvar
