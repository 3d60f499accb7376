// Turkish verb inflection: from an inflection code to suffix text.
//
// Inflection code positions (1-based):
//   1  person "A"-"E" (first singular, second plural/polite, third singular,
//      first plural, third plural); "0" or "R" = no person
//   2  clause kind: "1"/"2" conditionals, "I" with position 7 "S" = -erken
//   3  tense-related letter ("D" with position 2 "1": ability conditional)
//   4  stem class "0"-"9", ":" (10), ";" (11); "=" is read as ";"
//   5  polarity "A"/"B" ("b" read as "B"); 6  mood "O" statement, "?" question
//   7  auxiliary letter; 8  "I"/"J" drop the person, "Y"/"Z" wildcard
//      exception look-up; 9 on: carried into the dictionary keys.
//
// Stem classes: 0 C+e/i aorist -er, 1 C+a/ı -ar, 2 C+e/i -ir, 3 C+a/ı -ır,
// 4 V e/i, 5 V a/ı, 6 V o/u, 7 V ö/ü, 8 C+ö/ü -ür, 9 C+o/u -ur,
// 10 C+ö/ü -er, 11 C+o/u -ar.
//
// Nothing here joins a suffix to its stem; the caller attaches the result.
// All texts are code page 1254.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/engine_en_tr/generation/generation_services.h"
#include "core/engine_en_tr/generation/inflection_state.h"

namespace zelmor::en_tr {

/// Separates the finite form from the participle in a tense result ("é"),
/// and the participle from its case ending.
inline constexpr char kParticipleMark = '\xE9';
inline constexpr char kCaseMark = '\\';

/// Polarity offset of code positions 5 and 6: 12 negative statement, 24
/// question, 36 negative question, 0 otherwise.
int PolarityOffset(char position5, char position6);

/// Stem class 0-11 of a class character ("=" is ";"); anything else is 0.
int StemClassOf(char c);

/// True when the stem (the text's last character) is one of k, p, s, t, ç,
/// ş, after which a suffix's initial d is pronounced and written t.
bool EndsVoiceless(std::string_view stem);

/// Removes trailing blanks and control characters.
void TrimClauseRight(std::string& text);

/// Joins a suffix to the word before it: trailing blanks and control
/// characters of `text` go, then `suffix` is appended (the text is cut at
/// the clause capacity). A vowel stem before "-yor" narrows its last e/a to
/// i/ı (iste-yor -> istiyor, anla-yor -> anlıyor).
void AttachSuffix(std::string& text, std::string_view suffix);

/// The tense selector of `letter` (A, U, C, B, E, F, W, G, H, N, I, J, Z, K,
/// L, M, S, T): the finite form, then for A, C, B, E, F and G kParticipleMark
/// and the participle, then for A, C, B, E and F kCaseMark and the case
/// ending. `voiceless` makes an initial d of a past form t; `sentence_state`
/// "R" adds the future's -dir. Unknown letters give "".
std::string TenseSuffix(char letter, int offset, std::string_view code, bool voiceless = false,
                        char sentence_state = '0');

/// The conditional by code position 2: "1" aorist conditional (-irse), "2"
/// past conditional (-diyse), "1" with position 3 "D" ability conditional
/// (-ebilirse); anything else "***".
std::string ConditionalSuffix(int offset, std::string_view code, bool voiceless = false);
/// The progressive conditional (-iyorsa).
std::string ProgressiveConditionalSuffix(int offset, std::string_view code);

// Fixed forms chosen by the stem class (code position 4) alone.
std::string AfterSuffix(int offset, std::string_view code, bool voiceless = false);  // -dikten sonra
std::string BeforeSuffix(std::string_view code);                                    // -meden önce
std::string UntilSuffix(std::string_view code);                                     // -inceye kadar
std::string WhileSuffix(std::string_view code);                                     // -erken
std::string AsSoonAsSuffix(std::string_view code);                                  // -ince hemen
std::string AlthoughSuffix(int offset, std::string_view code, bool voiceless = false);  // -diği halde
std::string UnlessSuffix(std::string_view code);                                    // -medikçe
/// -meyi for letter "A", -memeyi otherwise.
std::string AccusativeNounSuffix(char letter, std::string_view code);
std::string DativeNounSuffix(std::string_view code);  // -meye

// Selectors that read the class from InflectionCode position 4 (writing
// ";" for "=" there) and write SuffixText.
void NegationSuffix(InflectionState& state);            // -me
void InfinitiveSuffix(InflectionState& state);          // -mek
void NegativeInfinitiveSuffix(InflectionState& state);  // -memek
/// -en when code position 5 is "A", -meyen otherwise.
void ParticipleEnSuffix(InflectionState& state);
void FutureParticipleSuffix(InflectionState& state);  // -ecek
/// -eyim / -sin / -elim by InflectionCode position 1 ("A"; "C" or "E";
/// "D"); any other person leaves SuffixText as it is.
void OptativeSuffix(InflectionState& state);
/// -memi, -menizi ... by ComplementCode position 2 (person) and 3 (class).
void NegativeNounPossessiveSuffix(InflectionState& state);
/// -mek, -meye, -meyi, -mekten, -erek, -mek by ComplementCode position 4
/// (row "0"-"5", anything else rewritten to "5"); the class is the first
/// character of `word_field6` (field 6 of the current word's slot), which
/// is normalised in place ("=" -> ";", anything else outside "0"-";" -> "0").
void VerbalNounCaseSuffix(InflectionState& state, std::string& word_field6);

/// The copula ending of a noun predicate whose word is in SuffixText:
/// writes SuffixText and PossessiveText from InflectionCode positions 1, 3,
/// 5-7 and the noun's harmony digit (from the "J" noun ending).
void NominalPredicateSuffix(InflectionState& state, GenerationServices& services);

/// Inflects the verb of `verb_word` (its ordered-table slot number) from
/// state.InflectionCode: exception entries "MP_" + code first, then the
/// tense letter from the tense-key entry and the tables. Writes SuffixText,
/// ParticipleText and ParticipleCaseText, the verb's code slot and trace
/// lines; clears positions 1-8 of InflectionCode on return.
void InflectVerb(InflectionState& state, GenerationServices& services, int verb_word);

/// The tense key of a code: person letters "A"-"E" become "P", polarity and
/// mood become "é", position 3 "e" becomes "E".
std::string TenseKey(std::string_view code);

}  // namespace zelmor::en_tr
