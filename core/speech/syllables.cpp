#include "core/speech/syllables.h"

#include "core/text/cp1254.h"
#include "core/text/turkish_case.h"

namespace zelmor::speech {

using namespace zelmor::text::literals;

namespace {

constexpr std::string_view kVowels = "aeıioöuüAEIİOÖUÜ"_cp;
constexpr std::string_view kConsonants =
    "bcçdfgğhjklmnpqrsştvyxwzBCÇDFGĞHJKLMNPQRSŞTVYXWZ"_cp;
constexpr std::string_view kShapeVowels = "01AEIOUaeiouÖÜİöüı"_cp;

bool In(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

}  // namespace

bool IsVowel(char c) { return In(kVowels, c); }
bool IsConsonant(char c) { return In(kConsonants, c); }
bool IsCloser(char c) { return c == '\'' || c == '"' || c == ')' || c == ']' || c == '}'; }

std::string Syllabify(std::string_view word) {
    // Positions are 1-based as in the walk below; outside the word there is
    // no character (and so no letter, vowel or closer).
    const long n = static_cast<long>(word.size());
    auto at = [&](long k) -> char { return k >= 1 && k <= n ? word[k - 1] : '\0'; };
    auto letter = [&](long k) { return k >= 1 && k <= n && IsLetter(word[k - 1]); };
    auto vowel = [&](long k) { return k >= 1 && k <= n && IsVowel(word[k - 1]); };
    auto consonant = [&](long k) { return k >= 1 && k <= n && IsConsonant(word[k - 1]); };
    auto closer = [&](long k) { return k >= 1 && k <= n && IsCloser(word[k - 1]); };

    // Built back to front, reversed at the end.
    std::string rev;
    rev.reserve(word.size() * 2);
    for (long k = n; k >= 1; --k) {
        char c = at(k);
        rev += c;
        if (!IsVowel(c)) continue;
        if (vowel(k - 1)) {
            rev += '-';
        } else if (consonant(k - 1) && letter(k - 2)) {
            rev += at(k - 1);
            rev += '-';
            --k;
        }
        if (closer(k - 1) && letter(k - 2)) rev += '-';
        if (closer(k - 2) && letter(k - 3)) {
            rev += at(k - 1);
            rev += '-';
            --k;
        }
    }
    return std::string(rev.rbegin(), rev.rend());
}

std::string SyllableShape(std::string_view syllable) {
    std::string shape;
    shape.reserve(syllable.size());
    for (char c : syllable) shape += c == '9' ? '9' : In(kShapeVowels, c) ? '0' : '1';
    return shape;
}

std::string SoundName(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (char c : text) {
        if (c == "İ"_cp[0]) out += "II";
        else if (c == "Ğ"_cp[0]) out += "GG";
        else if (c == "Ö"_cp[0]) out += "OO";
        else if (c == "Ç"_cp[0]) out += "CC";
        else if (c == "Ü"_cp[0]) out += "UU";
        else if (c == "Ş"_cp[0]) out += "SS";
        else if (c == '+') out += '4';
        else out += c;
    }
    return out;
}

std::string SpeechUpperCase(std::string_view text) {
    std::string up = text::TurkishUpperCase(text);
    // Circumflex vowels ("kâğıt", "hâlâ") are spoken as their plain vowels;
    // otherwise no syllable holding them could ever be found.
    for (char& c : up) {
        if (c == "â"_cp[0] || c == "Â"_cp[0]) c = 'A';
        else if (c == "î"_cp[0] || c == "Î"_cp[0]) c = "İ"_cp[0];
        else if (c == "û"_cp[0] || c == "Û"_cp[0]) c = 'U';
    }
    return up;
}

}  // namespace zelmor::speech
