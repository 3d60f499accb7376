// Word lists of the demos and the test: pairs built from the main
// dictionaries (entries marked with a "*" field) or from "word;meaning"
// files. All text is code page 1254.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/store/dictionary_store.h"

namespace zelmor::learning {

/// Which side is shown first: the English word or the Turkish word.
enum class Direction { EnglishFirst, TurkishFirst };

struct WordPair {
    std::string word;     // shown on top / asked
    std::string meaning;  // shown underneath / the right answer
    bool operator==(const WordPair&) const = default;
};

/// First record number the dictionary walk starts at.
inline constexpr std::size_t kEnglishDemoStart = 12500;
inline constexpr std::size_t kTurkishDemoStart = 9500;

/// The Turkish infinitive ending an English-Turkish verb record gets from the
/// first character of its ".YING" field: "mek", "mak" or nothing.
std::string_view EnglishRecordInfinitive(std::string_view ying_field);

/// The infinitive ending of a Turkish verb stem from its last vowel (the last
/// letter when it is a vowel, else the one before it): "mak", "mek" or
/// nothing.
std::string_view TurkishStemInfinitive(std::string_view stem);

/// Pairs from the demo-marked records (records holding ";*;") of the
/// English-Turkish (from 12500) or Turkish-English (from 9500) dictionary,
/// up to but excluding the last entry (the closing line). Verbs get their
/// Turkish infinitive ending. Empty when the key list has at most one entry.
std::vector<WordPair> BuildDictionaryPairs(const store::DictionaryStore& store, Direction direction);

/// Pairs of a word file: each line "word;meaning" gives (word, meaning with
/// its left blanks removed). A line without ";" gives a pair with an empty
/// meaning, so later lines keep their own meanings; blank lines are skipped.
std::vector<WordPair> ParseWordFile(std::string_view text);

/// The text shown for a word or meaning: "_" as blanks.
std::string DisplayText(std::string_view s);

/// Text handed to the English voice: "*", "<" and "_" as blanks, a blank
/// after every ":" and after every "." followed by a character from "A" to
/// "z".
std::string EnglishSpeechText(std::string_view text);

}  // namespace zelmor::learning
