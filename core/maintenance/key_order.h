// Finding keys and insertion points in the sorted, parallel key lists the
// maintenance windows edit. Keys are compared in ordinal byte order
// (zelmor::text::OrdinalCompare), the order every reader of the store uses.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/store/string_list.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::maintenance {

/// Result of FindRecordKey: `index` is the hit, or the index last probed by
/// the binary search when the key is absent (-1 for an empty list).
struct KeySearch {
    bool found = false;
    std::ptrdiff_t index = -1;
};

/// The record editors' key search: the head word is trimmed of blanks, then
/// binary-searched over the whole key list.
KeySearch FindRecordKey(const store::StringList& keys, std::string_view head_word);

/// The insertion walk: starting at `start` (normally the last probe of a
/// failed search), move up while `key` sorts after the key there, or down
/// while it sorts before; the result is the index at which inserting `key`
/// keeps the list sorted. Works at both ends of the list (0 or size()).
template <typename List>
std::size_t InsertionIndex(const List& keys, std::string_view key, std::ptrdiff_t start) {
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(keys.size());
    if (n == 0) return 0;
    std::ptrdiff_t i = std::clamp<std::ptrdiff_t>(start, 0, n - 1);
    auto cmp = [&](std::ptrdiff_t at) {
        return text::OrdinalCompare(key, std::string_view(keys[static_cast<std::size_t>(at)]));
    };
    if (cmp(i) > 0) {
        while (i < n && cmp(i) > 0) ++i;
        return static_cast<std::size_t>(i);
    }
    while (i > 0 && cmp(i) < 0) --i;
    return static_cast<std::size_t>(cmp(i) > 0 ? i + 1 : i);
}

/// True when `keys` is strictly ascending (sorted and unique).
bool IsStrictlyAscending(const store::StringList& keys);

}  // namespace zelmor::maintenance
