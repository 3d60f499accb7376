#include "core/text/search.h"

#include <cstring>

namespace zelmor::text {

int OrdinalCompare(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    // memcmp compares as unsigned char, which is exactly the byte order.
    int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace zelmor::text
