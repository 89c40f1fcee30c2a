#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/Text.h"

namespace quenvar {

// The checks a sampling request must pass, and the totals line of a run: one
// place for the window's Random Sampling page and quenvar-cli.

// The warning for a list the run cannot draw from: no items at all, or
// items of which none is checked. Nothing when the run can go ahead.
std::optional<Text> SamplingInputError(size_t items, size_t checked);

// "Possible total: P      Generated total: G"; with repeats allowed only
// the generated part, its six blanks included.
Text SamplingTotalsText(bool duplicate, int64_t possible, int64_t generated);

}  // namespace quenvar
