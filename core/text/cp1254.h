// Code page 1254 (Windows Turkish) <-> UTF-8.
//
// Inside the engines and the dictionary store every text is single-byte
// code page 1254, one byte per character, so positions count characters.
// UTF-8 appears only at the edges: source files of the data, the command
// line and the GUI.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelmor::text {

/// Thrown when a text cannot be converted. what() names the byte offset and
/// the offending character, e.g. "byte 12: U+4E2D has no code page 1254 form".
class EncodingError : public std::runtime_error {
public:
    EncodingError(std::size_t offset, const std::string& reason)
        : std::runtime_error("byte " + std::to_string(offset) + ": " + reason), offset_(offset) {}
    /// 0-based byte offset in the input where the problem starts.
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

namespace detail {
// Unicode code points of the bytes 0x80..0xFF. The seven bytes that code page
// 1254 leaves undefined (81, 8D, 8E, 8F, 90, 9D, 9E) map to the C1 control
// with the same number, so that every byte string survives a round trip
// through UTF-8 unchanged.
inline constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,  // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,  // F8
};

/// Byte for a code point, or -1 when code page 1254 has no form for it.
constexpr int ByteForCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int i = 0; i < 128; ++i)
        if (kHighHalf[static_cast<std::size_t>(i)] == cp) return 0x80 + i;
    return -1;
}

/// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when the
/// bytes are not well-formed UTF-8 (overlong forms and surrogates included).
constexpr std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    if (c < 0x80) { cp = c; return 1; }
    std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (len == 0 || c > 0xF4 || i + len > s.size()) return 0;
    char32_t v = c & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        v = (v << 6) | (b(i + k) & 0x3F);
    }
    constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (v < kMin[len] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    cp = v;
    return len;
}

template <std::size_t N>
struct Utf8Literal {
    char text[N]{};
    constexpr Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

template <std::size_t N>
struct Cp1254Literal {
    char text[N]{};
    std::size_t size = 0;
};

template <Utf8Literal S>
consteval auto ConvertLiteral() {
    constexpr std::size_t n = sizeof(S.text);
    Cp1254Literal<n> out;
    std::string_view in(S.text, n - 1);
    std::size_t i = 0;
    while (i < in.size()) {
        char32_t cp = 0;
        std::size_t len = DecodeUtf8(in, i, cp);
        if (len == 0) throw "invalid UTF-8 in a _cp literal";
        int byte = ByteForCodePoint(cp);
        if (byte < 0) throw "character without a code page 1254 form in a _cp literal";
        out.text[out.size++] = static_cast<char>(byte);
        i += len;
    }
    return out;
}

template <Utf8Literal S>
struct LiteralStorage {
    static constexpr auto value = ConvertLiteral<S>();
};
}  // namespace detail

/// Converts UTF-8 to code page 1254. Throws EncodingError on malformed UTF-8
/// or on a character that the code page cannot hold; nothing is ever
/// replaced silently.
std::string Utf8ToCp1254(std::string_view utf8);

/// As Utf8ToCp1254, but writes `replacement` for every malformed sequence or
/// unmappable character and counts them in *replaced (when given). For
/// display paths that must not fail.
std::string Utf8ToCp1254Lossy(std::string_view utf8, char replacement = '?',
                              std::size_t* replaced = nullptr);

/// Converts code page 1254 to UTF-8. Total: every byte has a form (see
/// kHighHalf for the undefined ones).
std::string Cp1254ToUtf8(std::string_view cp1254);

/// True when `utf8` is well-formed UTF-8; on false, *bad_offset is the first
/// bad byte.
bool IsValidUtf8(std::string_view utf8, std::size_t* bad_offset = nullptr);

/// True when the code page can hold this code point.
inline bool HasCp1254Form(char32_t cp) { return detail::ByteForCodePoint(cp) >= 0; }

namespace literals {
/// Code page 1254 text written in UTF-8 source: "kayıt hatası var="_cp.
/// Converted at compile time; a character the code page lacks is a compile
/// error.
template <detail::Utf8Literal S>
constexpr std::string_view operator""_cp() {
    return {detail::LiteralStorage<S>::value.text, detail::LiteralStorage<S>::value.size};
}
}  // namespace literals

}  // namespace zelmor::text
