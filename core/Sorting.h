#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/StringArray.h"

namespace quenvar {

// Orders the entries of `items` by ordinal byte order (upper case before
// lower case, a prefix before its extensions), ascending or descending.
// Equal texts are indistinguishable, so this is the order an insertion
// sort of the texts gives, in O(n log n). A merge sort in slices:
// `slice(done)` is called after each slice with the work done so far (in
// entries, up to items.size()) and stops the sort when it returns true.
// Returns false when stopped.
bool SortTextOrder(const TArrayString& items, bool descending, std::vector<uint32_t>& order,
                   const std::function<bool(size_t done)>& slice);

// Copies the entries of `from` in the given order, calling `slice` (when
// given) after every few thousand entries.
TArrayString Gather(const TArrayString& from, const std::vector<uint32_t>& order,
                    const std::function<void()>& slice = {});

}  // namespace quenvar
