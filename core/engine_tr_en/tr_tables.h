// Fixed word lists and code tables of the Turkish-to-English engine. They are
// data: copied exactly, indexed by the letters of the suffix codes.
#pragma once

#include <array>
#include <string_view>

#include "core/text/cp1254.h"

namespace zelmor::tr_en {

using namespace zelmor::text::literals;

/// Characters that make up a word (code page 1254).
inline constexpr std::string_view kTrWordChars =
    "ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZQXWâabcçdefgğhıijklmnoöprsştuüvyzqxw0123456789_-é$€£*%"_cp;
inline constexpr std::string_view kSentenceEndChars = "!.?";
inline constexpr std::string_view kLeadingNumberChars = ",.0123456789:";
inline constexpr std::string_view kCopyThroughChars = "!\"(),.:;=?";

/// The built-in abbreviations, in the order they are added before sorting.
inline constexpr std::array<std::string_view, 36> kTrAbbreviations = {
    "Mr.",  "Mrs.", "vs.",  "e.g.", "eg.",  "A.D.", "B.A.",  "B.S.", "Dec.", "Dr.",  "Feb",  "fl.",
    "gal.", "i.e.", "Jr.",  "Jan.", "M.D.", "mt.",  "Nov.",  "Oct.", "pop.", "Sept.", "U.S.", "Sr.",
    "lat.", "Ltd.", "etc.", "MR.",  "MRS.", "DR.",  "U.S.",  "U.N.", "mr.",  "mrs.", "o(e)", "o(k)"};

// Lists searched as ",item," inside the text.
inline constexpr std::string_view kTrSuffixPairs =
    ",PP<P,PB<P,PP<PP,PP<FP,PP<F,PP<PF,PP<P,PY<P,PY<PF,PY<PP,FF<F,FF<FP,FF<P,FF<PF,F*<F,F*<FP,F*<PF,"
    "F*<FF,F1<F,F1<FP,F1<PF,F1<P,QC<F,QI<F,QK<P,QK<PF,VV<F,V1<F,VV<P,VV<PF,XX<F,EE<PF,EE<F,E*<F,OO<F,"
    "QF<F,V4<F,OO<PF,";
inline constexpr std::string_view kTrTimeWords = ",zaman,sırada,vakit,esnada,"_cp;
inline constexpr std::string_view kTrParticleWords = ",da,de,DA,DE,";
inline constexpr std::string_view kTrCaseEndings = ",da,de,e,ye,ya,a,i,yi,ü,yı,u,den,dan,"_cp;

/// Tense code table: Katek position 7 -> new EK[4] of the verb. '2' for 'i'
/// becomes '1' when EK[4] was 'Y' (handled by the caller).
inline constexpr std::string_view kTenseKeys = "iuvwabcdehmnz*j89x4";
inline constexpr std::string_view kTenseValues = "2PV2222226MJZ0789x4";

/// Case sub-class table: Katek position 3 (first row) -> EK[4] by main class.
inline constexpr std::string_view kCaseKeys = "EGHIJKLNZ";
inline constexpr std::string_view kCaseRowV = "GTHDJKLNZ";
inline constexpr std::string_view kCaseRowX = "GTHAJKLNZ";
inline constexpr std::string_view kCaseRowE = "23456789Z";
inline constexpr std::string_view kCaseRowD = "TGHIJKLNZ";

/// Person text tables: index 0 no person, 1..5 persons A..E.
inline constexpr std::array<std::string_view, 6> kTrSubjectWords = {" ", "I", "you", "to", "we", "they"};
inline constexpr std::array<std::string_view, 6> kTrObjectWords = {" ",   "me to", "you to",
                                                                   "* to", "us ",  "them to"};
inline constexpr std::array<std::string_view, 6> kTrPossessives = {"", "my", "your", " ", "our", "their"};

/// Auxiliary words by capital letter A..Z.
inline constexpr std::array<std::string_view, 26> kTrAuxWords = {
    " ",    "do",    "does",      "am",  "are",   "is",   "did", "was",  "were",
    "have", "has",   "had",       "shall", "will", "can", "could", "must", "on",
    "at",   "it\"s", "tto",       "past", "o\"clock", "the", "of", "-"};
/// Small words by letter a..w.
inline constexpr std::array<std::string_view, 23> kTrSmallWords = {
    "i",  "you", "it",  "we",   "they", "my ",     "your ",  " ",      "our ",   " ",       "until", "much",
    "if", "some", "any", "or",  "out",  "between", "among", "across", "through", "for", "of"};
/// Conjunctions by clause code letter.
inline constexpr std::string_view kTrConjunctionKeys = "abcdeiw";
inline constexpr std::array<std::string_view, 7> kTrConjunctions = {"after", "before", "until", "unless",
                                                                    "while", "if",     "when"};

/// Be forms: person letter + tense code.
struct KeyWord {
    std::string_view key, word;
};
inline constexpr std::array<KeyWord, 31> kTrBeForms = {{
    {"A1", "am"},   {"A2", "was"},  {"B1", "are"},  {"B2", "were"}, {"C1", "is"},   {"C2", "was"},
    {"D1", "are"},  {"D2", "were"}, {"E1", "are"},  {"E2", "were"}, {"A3", "have"}, {"B3", "have"},
    {"C3", "has"},  {"D3", "have"}, {"E3", "have"}, {"AN", "will"}, {"BN", "will"}, {"CN", "will"},
    {"DN", "will"}, {"EN", "will"}, {"AI", "am"},   {"BI", "are"},  {"CI", "is"},   {"DI", "are"},
    {"EI", "are"},  {"AO", "can"},  {"BO", "can"},  {"CO", "can"},  {"DO", "can"},  {"EO", "can"},
    {"C0", "is"},
}};

/// Have forms: key person (B, D, E read as A) + tense + polarity + mood.
struct HaveForm {
    std::string_view key, form, before;
};
inline constexpr std::array<HaveForm, 16> kTrHaveForms = {{
    {"A1AO", "have", ""},     {"A1A?", "have", "do"},      {"A1bO", "not have", "do"},
    {"A1b?", "have", "do not"}, {"C1AO", "has", ""},       {"C1A?", "have", "does"},
    {"C1bO", "not have", "does"}, {"C1b?", "have", "does not"}, {"A2AO", "had", ""},
    {"A2A?", "have", "did"},  {"A2bO", "not have", "did"}, {"A2b?", "have", "did not"},
    {"C2AO", "had", ""},      {"C2A?", "have", "did"},     {"C2bO", "not have", "did"},
    {"C2b?", "have", "did not"},
}};

}  // namespace zelmor::tr_en
