#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Text.h"
#include "generators/Unit_character.h"

namespace quenvar {

// The checks a Random String request and an edited wildcard must pass, and
// the totals line of a run: one place for the window's page and quenvar-cli.

// The message for a mask that is blank once trimmed; nothing when it is not.
std::optional<Text> StringInputError(std::string_view trimmedMask);

// "Possible total randoms: P      Generated total randoms: G", with "Over "
// before a possible total that reached MaxPossible; with repeats allowed
// only the generated part, its six blanks included.
Text StringTotalsText(bool duplicate, int64_t possible, int64_t generated);

// The window's totals line: StringTotalsText with the mask's strength in
// bits beside the possible total, "(47.6 bits)", or in its place when
// repeats are allowed, "Strength: 47.6 bits". A seeded run can be no
// stronger than its seed: `seedBits` above 0 adds the seed's limit,
// "(47.6 bits, seed limit 32.0 bits)".
Text StringTotalsWithStrength(bool duplicate, int64_t possible, int64_t generated, double bits,
                              double seedBits);

// The first group of an edited wildcard that leaves nothing to draw: a
// checked letter or digit group with every character excluded, or a checked
// special group with no character included. Nothing when every checked
// group gives at least one character.
std::optional<Text> WildcardGroupError(const Tparchar& wildcard);

}  // namespace quenvar
