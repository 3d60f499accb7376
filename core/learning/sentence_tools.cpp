#include "core/learning/sentence_tools.h"

#include <algorithm>

#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::learning {

std::vector<std::string> ListCodedParts(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string line = lines[i];
        std::size_t at = line.find("==");
        if (at != std::string::npos) line.erase(at, 2);
        for (std::string_view piece : text::SplitViews(line, ';'))
            if (!piece.empty()) out.emplace_back(piece);
    }
    return out;
}

std::string CleanUpLine(std::string_view line, bool full) {
    std::string s(line);
    if (full) {
        s = text::ReplaceAll(s, "**", "");
        s = text::ReplaceAll(s, "*", "");
        std::replace(s.begin(), s.end(), '<', ' ');
    }
    std::replace(s.begin(), s.end(), '_', ' ');
    for (auto [from, to] : {std::pair<std::string_view, std::string_view>{"(1)", ""}, {"(2)", ""},
                            {"(s)", "s"}, {"(es)", "es"}, {"(ed)", "ed"}})
        s = text::ReplaceAll(s, from, to);
    return s;
}

namespace {

void SortOrdinal(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return text::OrdinalCompare(a, b) < 0; });
}

}  // namespace

IndexedLines IndexLines(const std::vector<std::string>& lines) {
    IndexedLines r;
    r.sorted = lines;
    SortOrdinal(r.sorted);
    r.sorted.erase(std::unique(r.sorted.begin(), r.sorted.end()), r.sorted.end());
    for (std::size_t i = 1; i < r.sorted.size(); ++i) r.cleaned.push_back(CleanUpLine(r.sorted[i], true));
    return r;
}

std::vector<std::string> IndexFileLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = i == 0 ? lines[i] : std::string(text::Trim(lines[i]));
        if (!line.empty() && line.back() == '=') line += "***";
        out.push_back(std::move(line));
    }
    SortOrdinal(out);
    for (std::string& l : out) l = CleanUpLine(l, false);
    return out;
}

std::string DecodeCodedSentence(std::string_view coded, const store::StringList& keys) {
    std::string out;
    for (std::size_t i = 0; i + 1 < coded.size(); i += 2) {
        std::size_t index = static_cast<unsigned char>(coded[i]) * 256u + static_cast<unsigned char>(coded[i + 1]);
        if (index >= keys.size()) continue;
        std::string_view key = keys[index];
        out += ' ';
        out += key.substr(0, std::min<std::size_t>(75, key.size()));
    }
    return out;
}

}  // namespace zelmor::learning
