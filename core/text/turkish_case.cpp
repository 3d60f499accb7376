#include "core/text/turkish_case.h"

#include <array>

namespace zelmor::text {
namespace {

// Code page 1254 bytes of the Turkish letters.
constexpr unsigned char kCcedilUp = 0xC7, kCcedilLow = 0xE7;
constexpr unsigned char kGbreveUp = 0xD0, kGbreveLow = 0xF0;
constexpr unsigned char kIdotUp = 0xDD, kDotlessLow = 0xFD;
constexpr unsigned char kOumlUp = 0xD6, kOumlLow = 0xF6;
constexpr unsigned char kScedilUp = 0xDE, kScedilLow = 0xFE;
constexpr unsigned char kUumlUp = 0xDC, kUumlLow = 0xFC;

struct CaseTables {
    std::array<char, 256> upper{};
    std::array<char, 256> lower{};
    constexpr CaseTables() {
        for (int i = 0; i < 256; ++i) {
            upper[static_cast<std::size_t>(i)] = static_cast<char>(i);
            lower[static_cast<std::size_t>(i)] = static_cast<char>(i);
        }
        for (int c = 'a'; c <= 'z'; ++c) upper[static_cast<std::size_t>(c)] = static_cast<char>(c - 32);
        for (int c = 'A'; c <= 'Z'; ++c) lower[static_cast<std::size_t>(c)] = static_cast<char>(c + 32);
        // The Turkish pairs override the ASCII rule for i and I.
        upper['i'] = static_cast<char>(kIdotUp);
        upper[kDotlessLow] = 'I';
        lower['I'] = static_cast<char>(kDotlessLow);
        lower[kIdotUp] = 'i';
        const unsigned char pairs[][2] = {{kCcedilUp, kCcedilLow}, {kGbreveUp, kGbreveLow},
                                          {kOumlUp, kOumlLow},     {kScedilUp, kScedilLow},
                                          {kUumlUp, kUumlLow}};
        for (auto& p : pairs) {
            upper[p[1]] = static_cast<char>(p[0]);
            lower[p[0]] = static_cast<char>(p[1]);
        }
    }
};
constexpr CaseTables kCase;

unsigned char U(char c) { return static_cast<unsigned char>(c); }

}  // namespace

char TurkishUpperChar(char c) { return kCase.upper[U(c)]; }
char TurkishLowerChar(char c) { return kCase.lower[U(c)]; }

std::string TurkishUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = kCase.upper[U(c)];
    return out;
}

std::string TurkishLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = kCase.lower[U(c)];
    return out;
}

char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char AsciiLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::string AsciiLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLowerChar(c);
    return out;
}

std::string AsciiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiUpperChar(c);
    return out;
}

bool IsTurkishUpper(char c) {
    return (c >= 'A' && c <= 'Z') || (U(c) != U(kCase.lower[U(c)]) && U(c) >= 0x80);
}

bool IsTurkishLower(char c) {
    return (c >= 'a' && c <= 'z') || (U(c) != U(kCase.upper[U(c)]) && U(c) >= 0x80);
}

}  // namespace zelmor::text
