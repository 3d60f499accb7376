#include "core/text/split.h"

#include <algorithm>

namespace zelmor::text {

void SplitToList(std::vector<std::string>& list, std::string_view text, char delimiter) {
    list.clear();
    for (std::string_view piece : SplitViews(text, delimiter)) list.emplace_back(piece);
}

std::vector<std::string_view> SplitViews(std::string_view text, char delimiter) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t pos = text.find(delimiter, start);
        if (pos == std::string_view::npos) {
            out.push_back(text.substr(start));
            return out;
        }
        out.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
}

std::size_t CountFields(std::string_view text, char delimiter) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), delimiter)) + 1;
}

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (;;) {
        std::size_t pos = text.find(from, start);
        if (pos == std::string_view::npos) break;
        out.append(text.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace zelmor::text
