#pragma once

#include <cstdint>

namespace quenvar {

// The largest magnitude a page's whole-number boxes take, and the bound the
// width of a range must stay below. The most negative 32-bit value is never
// accepted, so every value has a negation.
constexpr int32_t kInputBound = 2147483647;

// The order results are shown in (the codes are those kept in setup.ini).
enum TSortOrder : uint8_t { SortAscending = 0, SortDescending = 1, SortDrawn = 2 };

// How the engine writes a value.
enum TRadix : uint8_t { RadixDecimal = 0, RadixHex = 1, RadixOctal = 2, RadixBinary = 3 };

// What stands between two values of a line in a text export.
enum TSeparator : uint8_t { SeparatorComma = 0, SeparatorTab = 1, SeparatorSpace = 2 };

}  // namespace quenvar
