#include <gtest/gtest.h>

#include "core/speech/syllables.h"
#include "tests/support/fixtures.h"

namespace zelmor::speech {
namespace {

using testing::Cp;
using testing::Utf8;

TEST(Syllabify, Table) {
    struct Case {
        const char* word;
        const char* syllables;
    } cases[] = {
        {"MERHABA", "MER-HA-BA"},
        {"AİLE", "A-İ-LE"},
        {"İSTANBUL", "İS-TAN-BUL"},
        {"TÜRKÇE", "TÜRK-ÇE"},
        {"SAAT", "SA-AT"},
        {"BA", "BA"},
        {"A", "A"},
        {"KRAL", "K-RAL"},  // a leading cluster gives its first consonant a slot
        {"TREN", "T-REN"},
        {"ARABAMA", "A-RA-BA-MA"},
        {"ANKARA'DA", "AN-KA-RA'-DA"},  // closer before consonant + vowel
        {"SAAT'İ", "SA-AT'-İ"},         // closer right before a vowel
        {"(EV)", "(EV)"},
        {"yılında", "yı-lın-da"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(Syllabify(Cp(c.word))), c.syllables) << c.word;
}

TEST(SyllableShape, VowelsDigitsAndConsonants) {
    struct Case {
        const char* syllable;
        const char* shape;
    } cases[] = {
        {"MER", "101"}, {"HA", "10"},   {"A", "0"},     {"İ", "0"},      {"ı", "0"},
        {"ÖÜ", "00"},   {"TÜRK", "1011"}, {"ÜST", "011"}, {"N9", "19"}, {"N1", "10"},
        {"AL'", "011"},
    };
    for (const auto& c : cases) EXPECT_EQ(SyllableShape(Cp(c.syllable)), c.shape) << c.syllable;
}

TEST(SoundName, TurkishCapitalsBecomeAsciiPairs) {
    EXPECT_EQ(SoundName(Cp("ŞÖĞÜÇİ+I")), "SSOOGGUUCCII4I");
    EXPECT_EQ(SoundName(Cp("MERHABA")), "MERHABA");
    EXPECT_EQ(SoundName(Cp("*ÜRK")), "*UURK");
}

TEST(CharacterClasses, TurkishLetters) {
    for (char c : Cp("aeıioöuüAEIİOÖUÜ")) EXPECT_TRUE(IsVowel(c)) << c;
    for (char c : Cp("bcçdfgğhjklmnpqrsştvyxwzBCÇDFGĞHJKLMNPQRSŞTVYXWZ")) {
        EXPECT_TRUE(IsConsonant(c)) << c;
        EXPECT_FALSE(IsVowel(c)) << c;
    }
    for (char c : Cp("'\")]}")) EXPECT_TRUE(IsCloser(c));
    for (char c : Cp("(-9 .é")) EXPECT_FALSE(IsLetter(c)) << c;
}

TEST(SpeechUpperCase, TurkishPairsFirst) {
    EXPECT_EQ(Utf8(SpeechUpperCase(Cp("ılık işçi göğüs wx"))), "ILIK İŞÇİ GÖĞÜS WX");
    EXPECT_EQ(Utf8(SpeechUpperCase(Cp("kâğıt hâlâ îman Ûmit"))), "KAĞIT HALA İMAN UMİT");
}

}  // namespace
}  // namespace zelmor::speech
