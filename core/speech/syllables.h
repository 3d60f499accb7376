// Turkish syllables for the syllable speech: character classes, the split
// of a word into syllables, the shape of a syllable and the file name a
// sound is stored under. All text is code page 1254.
#pragma once

#include <string>
#include <string_view>

namespace zelmor::speech {

/// "aeıioöuüAEIİOÖUÜ"
bool IsVowel(char c);
/// "bcçdfgğhjklmnpqrsştvyxwz" and their capitals.
bool IsConsonant(char c);
inline bool IsLetter(char c) { return IsVowel(c) || IsConsonant(c); }
/// The apostrophe, the double quote, ")", "]" and "}".
bool IsCloser(char c);

/// The word with "-" between its syllables: "MERHABA" -> "MER-HA-BA",
/// "AİLE" -> "A-İ-LE". A consonant before a vowel opens that vowel's
/// syllable; an apostrophe or other closer in front of a suffix starts a
/// new syllable after it ("ANKARA'DA" -> "AN-KA-RA'-DA").
std::string Syllabify(std::string_view word);

/// The shape of a syllable: "0" for a vowel (and the digits 0 and 1, which
/// the speech's own markers use), "9" for a 9, "1" for anything else.
/// "MER" -> "101", "N9" -> "19".
std::string SyllableShape(std::string_view syllable);

/// The name a sound is stored under: "İ" -> "II", "Ğ" -> "GG", "Ö" -> "OO",
/// "Ç" -> "CC", "Ü" -> "UU", "Ş" -> "SS", "+" -> "4"; everything else as it
/// is. Keeps file names plain ASCII for Turkish words.
std::string SoundName(std::string_view text);

/// Upper case as the speech writes words: the Turkish pairs, then ASCII;
/// "â", "î", "û" become "A", "İ", "U".
std::string SpeechUpperCase(std::string_view text);

}  // namespace zelmor::speech
