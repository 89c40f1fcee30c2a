#include "core/Sorting.h"

namespace quenvar {

bool SortTextOrder(const TArrayString& items, bool descending, std::vector<uint32_t>& order,
                   const std::function<bool(size_t done)>& slice) {
  const size_t n = items.size();
  order.resize(n);
  for (size_t i = 0; i < n; ++i) order[i] = static_cast<uint32_t>(i);
  auto less = [&items, descending](uint32_t a, uint32_t b) {
    return descending ? items[b] < items[a] : items[a] < items[b];
  };
  constexpr size_t kRun = 4096;
  // Work is counted so that the whole sort adds up to n.
  size_t passes = 1;
  for (size_t width = kRun; width < n; width *= 2) ++passes;
  size_t work = 0;
  auto report = [&](size_t amount) {
    work += amount;
    return slice(std::min(n, work / passes));
  };
  for (size_t start = 0; start < n; start += kRun) {
    const size_t stop = std::min(n, start + kRun);
    std::sort(order.begin() + static_cast<std::ptrdiff_t>(start),
              order.begin() + static_cast<std::ptrdiff_t>(stop), less);
    if (report(stop - start)) return false;
  }
  std::vector<uint32_t> scratch(n);
  for (size_t width = kRun; width < n; width *= 2) {
    for (size_t left = 0; left < n; left += 2 * width) {
      const size_t middle = std::min(n, left + width);
      const size_t right = std::min(n, left + 2 * width);
      // A merge as std::merge does it (the left run first among equals),
      // reported every kRun entries so that one long merge is no long wait.
      size_t a = left, b = middle;
      for (size_t out = left; out < right;) {
        const size_t begin = out, stop = std::min(right, out + kRun);
        for (; out < stop; ++out)
          scratch[out] = b < right && (a == middle || less(order[b], order[a])) ? order[b++] : order[a++];
        if (report(stop - begin)) return false;
      }
    }
    order.swap(scratch);
  }
  return true;
}

TArrayString Gather(const TArrayString& from, const std::vector<uint32_t>& order,
                    const std::function<void()>& slice) {
  constexpr size_t kSlice = 16384;
  TArrayString out;
  out.reserve(order.size(), order.size() == from.size() ? from.characters() : 0);
  for (size_t k = 0; k < order.size(); ++k) {
    out.push_back(from[order[k]]);
    if (slice && k % kSlice == kSlice - 1) slice();
  }
  return out;
}

}  // namespace quenvar
