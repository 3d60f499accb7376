// Ordinal comparison and the classic binary search every key list is found
// with. Keys are code page 1254 bytes compared as unsigned bytes,
// case-sensitive, a shorter prefix first; the loader, the editors and both
// engines must all use these two functions so that they agree on the order.
#pragma once

#include <cstddef>
#include <string_view>

namespace zelmor::text {

/// <0, 0, >0 as a is before, equal to or after b in ordinal byte order.
int OrdinalCompare(std::string_view a, std::string_view b);

/// Result of a binary search: `index` of the hit or -1, and the index last
/// probed (-1 when nothing was probed), which the editors' insertion walk
/// starts from.
struct SearchResult {
    std::ptrdiff_t index = -1;
    std::ptrdiff_t last_probe = -1;
    bool found() const { return index >= 0; }
};

/// Classic binary search over `keys` (any random-access container of
/// things convertible to std::string_view) sorted in ordinal byte order:
/// middle = (low + high) / 2, equal: found; probe smaller than key: low =
/// middle + 1; probe greater: high = middle - 1; stop when low > high.
/// Lists with fewer than `min_size` entries are not searched (the main
/// dictionaries use 2: their line 0 is a header).
template <typename List>
SearchResult BinarySearch(const List& keys, std::string_view key, std::size_t min_size = 1) {
    SearchResult r;
    const std::size_t n = keys.size();
    if (n == 0 || n < min_size) return r;
    std::ptrdiff_t low = 0, high = static_cast<std::ptrdiff_t>(n) - 1;
    while (low <= high) {
        std::ptrdiff_t middle = (low + high) / 2;
        r.last_probe = middle;
        int c = OrdinalCompare(std::string_view(keys[static_cast<std::size_t>(middle)]), key);
        if (c == 0) {
            r.index = middle;
            return r;
        }
        if (c < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return r;
}

}  // namespace zelmor::text
