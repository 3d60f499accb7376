// Shared by the inflection tests: one verb of every stem class, a store
// whose tense keys map position 3 of a code to the tense letter, and a
// helper that inflects a stem through InflectVerb.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/engine_en_tr/generation/generation_services.h"
#include "core/engine_en_tr/generation/inflection.h"
#include "core/engine_en_tr/generation/inflection_state.h"
#include "tests/support/fixtures.h"

namespace zelmor::en_tr::testing_support {

/// A stem of each class 0-11 (UTF-8): -er, -ar, -ir, -ır, e/i-, a/ı-, o/u-,
/// ö/ü-final, -ür, -ur, ö/ü -er, o/u -ar. Voiceless finals on purpose in
/// classes 1 and 11 (bak, tut) to exercise the t of past forms.
inline const std::array<const char*, 12> kStems = {"sev", "bak", "gel", "kal", "iste", "anla",
                                                   "oku", "yürü", "gör", "bul", "dön", "tut"};

/// Class character of a code; class 11 is written "=", as the dictionary
/// does, because ";" separates the fields of a dictionary line.
inline char ClassChar(int cls) { return cls == 11 ? '=' : static_cast<char>('0' + cls); }

/// Inflection code: person, "0", tense letter, class, polarity, mood and an
/// optional auxiliary letter.
inline std::string Code(char person, char tense, int cls, char polarity, char mood, std::string aux = "") {
    return std::string{person, '0', tense, ClassChar(cls), polarity, mood} + aux;
}

/// Source line of a tense-key entry: "P0" + tense + class + "éé" + aux.
inline std::string TenseKeyLine(char tense, char cls_char, const std::string& aux) {
    return std::string("P0") + tense + cls_char + "éé" + aux + ";V;;" + std::string(1, tense) + ";;;;;";
}

/// Every tense letter for every class, plus the -Ir aorist ("K") and the
/// participle forms with a following word ("W").
inline std::vector<std::string> AllTenseKeyLines() {
    std::vector<std::string> lines;
    for (int cls = 0; cls < 12; ++cls) {
        for (char tense : std::string("AUCBEFWGHNIJZKLMST")) lines.push_back(TenseKeyLine(tense, ClassChar(cls), ""));
        lines.push_back(TenseKeyLine('A', ClassChar(cls), "K"));
        lines.push_back(TenseKeyLine('K', ClassChar(cls), "W"));
    }
    return lines;
}

/// Result of one InflectVerb call, in UTF-8.
struct Inflected {
    std::string stem;        // the stem as InflectVerb left it
    std::string word;        // stem + suffix joined by AttachSuffix
    std::string suffix;
    std::string participle;
    std::string participle_case;
};

inline Inflected Inflect(GenerationServices& services, const std::string& stem_utf8, const std::string& code,
                         char sentence_state = '0') {
    InflectionState st;
    st.ClauseText = zelmor::testing::Cp(stem_utf8) + " ";
    st.InflectionCode.Assign(code);
    st.SentenceState = sentence_state;
    InflectVerb(st, services, 2);
    std::string word = st.ClauseText;
    AttachSuffix(word, st.SuffixText);
    return {zelmor::testing::Utf8(st.ClauseText), zelmor::testing::Utf8(word), zelmor::testing::Utf8(st.SuffixText),
            zelmor::testing::Utf8(st.ParticipleText), zelmor::testing::Utf8(st.ParticipleCaseText)};
}

}  // namespace zelmor::en_tr::testing_support
