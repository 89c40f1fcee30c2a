#pragma once

#include <cstdint>

namespace quenvar {

// The largest magnitude a page's whole-number boxes take, and the bound the
// width of a range must stay below. The most negative 32-bit value is never
// accepted, so every value has a negation.
constexpr int32_t kInputBound = 2147483647;

// The order results are shown in (the codes are those kept in setup.ini).
enum TSortOrder : uint8_t { SortAscending = 0, SortDescending = 1, SortDrawn = 2 };

// Ascending or descending: an order that sorts (a code past SortDrawn is
// neither, and shows nothing).
constexpr bool SortsValues(TSortOrder order) { return order == SortAscending || order == SortDescending; }

// How the engine writes a value.
enum TRadix : uint8_t { RadixDecimal = 0, RadixHex = 1, RadixOctal = 2, RadixBinary = 3 };

// What stands between two values of a line in a text export.
enum TSeparator : uint8_t { SeparatorComma = 0, SeparatorTab = 1, SeparatorSpace = 2 };

// What the exclusion list of a number run holds: whole numbers, or decimal
// digits that no drawn value may contain; any other code excludes nothing.
enum TExcludeKind : uint8_t { ExcludeNumbers = 0, ExcludeDigits = 1, ExcludeNothing = 2 };

// The first-name lists a name run draws from, as bits.
enum TGender : uint8_t { GenderNone = 0, GenderFemale = 1, GenderMale = 2, GenderBoth = 3 };

}  // namespace quenvar
