// Character classes of the English-Turkish engine (code page 1254).
#pragma once

#include <string>
#include <string_view>

#include "core/text/cp1254.h"
#include "core/text/turkish_case.h"

namespace zelmor::en_tr::detail {

using namespace zelmor::text::literals;

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

/// Characters that make up tokens; every other character separates them.
inline bool IsWordChar(char c) {
    if (IsDigit(c) || IsAsciiLetter(c)) return true;
    static constexpr std::string_view kOthers = "$'*-_€£ÇĞÖÜİŞçéğöüış"_cp;
    return kOthers.find(c) != std::string_view::npos;
}

inline bool IsSentenceEnd(char c) { return c == '!' || c == '.' || c == '?'; }

/// First characters of segments that are output without translation.
inline bool IsPassThrough(char c) {
    static constexpr std::string_view kPass = "!\"(),.:;=?";
    return kPass.find(c) != std::string_view::npos;
}

/// Letters counted as upper case by the word case patterns ("*" included).
inline bool IsPatternUpper(char c) {
    static constexpr std::string_view kUpper = "ABCÇDEFGĞHIJKLMNOÖPQRSŞTUÜVWXYZİ*"_cp;
    return kUpper.find(c) != std::string_view::npos;
}

inline bool Contains(std::string_view s, std::string_view x) { return s.find(x) != std::string_view::npos; }

/// First occurrence of `from` replaced by `to`; false when absent.
inline bool ReplaceFirst(std::string& s, std::string_view from, std::string_view to) {
    if (from.empty()) return false;
    std::size_t p = s.find(from);
    if (p == std::string::npos) return false;
    s.replace(p, from.size(), to);
    return true;
}

/// First occurrence of `x` removed.
inline void RemoveFirst(std::string& s, std::string_view x) { ReplaceFirst(s, x, ""); }

inline std::string Cut(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

}  // namespace zelmor::en_tr::detail
