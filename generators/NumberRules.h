#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Text.h"

namespace quenvar {

// The checks a Random Number request must pass, in their order, and the
// totals line of a run: one place for the window's page and quenvar-cli.

// The message of the first check the request fails; nothing when it passes.
std::optional<Text> NumberInputError(int32_t lower, int32_t upper, size_t excludedDigits);

// "Possible total randoms: P      Generated total randoms: G"; with repeats
// allowed only the generated part, its six blanks included.
Text NumberTotalsText(bool duplicate, int64_t possible, int64_t generated);

}  // namespace quenvar
