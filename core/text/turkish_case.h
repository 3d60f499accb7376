// Turkish letter case for code page 1254 text.
//
// The Turkish pairs come first (ı/I, i/İ, ç/Ç, ğ/Ğ, ö/Ö, ş/Ş, ü/Ü), then the
// ASCII letters. Other letters of the code page (é, â …) are left as they are.
#pragma once

#include <string>
#include <string_view>

namespace zelmor::text {

/// One character to upper case: 'i' -> 'İ', 'ı' -> 'I', 'ş' -> 'Ş', 'a' -> 'A'.
char TurkishUpperChar(char c);
/// One character to lower case: 'I' -> 'ı', 'İ' -> 'i', 'Ş' -> 'ş', 'A' -> 'a'.
char TurkishLowerChar(char c);

std::string TurkishUpperCase(std::string_view text);
std::string TurkishLowerCase(std::string_view text);

/// ASCII-only case changes, for the places that deliberately leave Turkish
/// letters alone.
char AsciiUpperChar(char c);
char AsciiLowerChar(char c);
std::string AsciiLowerCase(std::string_view text);
std::string AsciiUpperCase(std::string_view text);

/// True for the upper-case letters of the Turkish and ASCII alphabets
/// (A–Z, Ç, Ğ, İ, Ö, Ş, Ü).
bool IsTurkishUpper(char c);
/// True for the lower-case letters of the Turkish and ASCII alphabets
/// (a–z, ç, ğ, ı, ö, ş, ü).
bool IsTurkishLower(char c);

}  // namespace zelmor::text
