#include "core/maintenance/key_order.h"

namespace zelmor::maintenance {

KeySearch FindRecordKey(const store::StringList& keys, std::string_view head_word) {
    text::SearchResult r = text::BinarySearch(keys, text::Trim(head_word));
    if (r.found()) return {true, r.index};
    return {false, r.last_probe};
}

bool IsStrictlyAscending(const store::StringList& keys) {
    for (std::size_t i = 1; i < keys.size(); ++i)
        if (text::OrdinalCompare(keys[i - 1], keys[i]) >= 0) return false;
    return true;
}

}  // namespace zelmor::maintenance
