#include "core/text/cp1254.h"

#include <cstdio>

namespace zelmor::text {
namespace {

std::string DescribeCodePoint(char32_t cp) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reverse table for the common case: code points below 0x180 index directly.
struct ReverseTable {
    std::array<short, 0x180> low{};
    constexpr ReverseTable() {
        for (auto& v : low) v = -1;
        for (int i = 0; i < 0x80; ++i) low[static_cast<std::size_t>(i)] = static_cast<short>(i);
        for (int i = 0; i < 128; ++i) {
            char16_t cp = detail::kHighHalf[static_cast<std::size_t>(i)];
            if (cp < 0x180) low[cp] = static_cast<short>(0x80 + i);
        }
    }
};
constexpr ReverseTable kReverse;

int ByteFor(char32_t cp) {
    if (cp < 0x180) return kReverse.low[cp];
    return detail::ByteForCodePoint(cp);
}

template <typename OnBad>
std::string Convert(std::string_view utf8, OnBad on_bad) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        char32_t cp = 0;
        std::size_t len = detail::DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            on_bad(out, i, "malformed UTF-8");
            ++i;
            continue;
        }
        int byte = ByteFor(cp);
        if (byte < 0)
            on_bad(out, i, DescribeCodePoint(cp) + " has no code page 1254 form");
        else
            out += static_cast<char>(byte);
        i += len;
    }
    return out;
}

}  // namespace

std::string Utf8ToCp1254(std::string_view utf8) {
    return Convert(utf8, [](std::string&, std::size_t at, const std::string& why) {
        throw EncodingError(at, why);
    });
}

std::string Utf8ToCp1254Lossy(std::string_view utf8, char replacement, std::size_t* replaced) {
    std::size_t count = 0;
    std::string out = Convert(utf8, [&](std::string& o, std::size_t, const std::string&) {
        o += replacement;
        ++count;
    });
    if (replaced) *replaced = count;
    return out;
}

std::string Cp1254ToUtf8(std::string_view cp1254) {
    std::string out;
    out.reserve(cp1254.size() + cp1254.size() / 8);
    for (char ch : cp1254) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else
            AppendUtf8(out, detail::kHighHalf[c - 0x80]);
    }
    return out;
}

bool IsValidUtf8(std::string_view utf8, std::size_t* bad_offset) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = detail::DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            if (bad_offset) *bad_offset = i;
            return false;
        }
        i += len;
    }
    return true;
}

}  // namespace zelmor::text
