// TrEntry, the decoded Turkish-English dictionary entry, and the small
// position helpers every stage of the engine uses.
//
// Class letters, codes and templates are read by 1-based position (EK[3] is
// the third character). Reading past the end gives '\0'; writing past the end
// pads with '.', the filler letter of the dictionary's class fields.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zelmor::tr_en {

/// Field capacities of a TrEntry; longer values are cut silently.
inline constexpr std::size_t kKeyMax = 60, kEkMax = 8, kKodMax = 2, kIngMax = 60, kYadMax = 25,
                             kYedMax = 25, kDingMax = 25, kYingMax = 9, kYyingMax = 9,
                             kYdekMax = 55;

struct TrEntry {
    std::string key;    // the dictionary key
    std::string EK;     // positional class letters (EK[3] main class, EK[4] sub-class)
    std::string KOD;    // two-letter code
    std::string ING;    // English equivalent
    std::string YAD;    // second English part (past form of verbs)
    std::string YED;    // third English part
    std::string DING;   // further English form
    std::string YING;   // positional code letters
    std::string YYING;  // positional code letters
    std::string YDEK;   // free text

    void Clear() { *this = TrEntry{}; }
    /// Cuts every field to its capacity.
    void Fit();
    /// The fields joined with ";" in record order (trace lines).
    std::string Joined() const;
};

/// Character at 1-based position `pos`, or '\0' past the end.
inline char At(std::string_view s, std::size_t pos) {
    return pos >= 1 && pos <= s.size() ? s[pos - 1] : '\0';
}
/// Writes `c` at 1-based position `pos`, padding with '.' when the text is shorter.
inline void SetAt(std::string& s, std::size_t pos, char c) {
    if (pos == 0) return;
    if (s.size() < pos) s.resize(pos, '.');
    s[pos - 1] = c;
}
/// Characters `from`..`to` (1-based, inclusive); shorter when the text ends.
inline std::string Mid(std::string_view s, std::size_t from, std::size_t to) {
    if (from < 1 || from > s.size() || to < from) return {};
    return std::string(s.substr(from - 1, to - from + 1));
}
inline std::string Cut(std::string_view s, std::size_t max) {
    return std::string(s.substr(0, std::min(s.size(), max)));
}
inline bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}
inline bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
inline bool EndsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}
/// True when `item` stands between two commas inside the list text ",a,b,".
inline bool InCommaList(std::string_view list, std::string_view item) {
    std::string probe = "," + std::string(item) + ",";
    return Contains(list, probe);
}
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace zelmor::tr_en
