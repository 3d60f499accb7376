// The English sentence demo's tool panel for preparing sentence files:
// listing the coded parts, sorting and cleaning lines, and decoding coded
// sentences. Pure functions over lines of code page 1254 text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/store/string_list.h"

namespace zelmor::learning {

/// "Listele": for every line from the second one on, the first "==" is
/// removed, the rest is split at ";" and each non-empty piece becomes a line.
std::vector<std::string> ListCodedParts(const std::vector<std::string>& lines);

/// The clean-up of a listed line: "(1)" and "(2)" removed, "(s)", "(es)",
/// "(ed)" made "s", "es", "ed", "_" made a blank; `full` also removes "**"
/// and "*" and makes "<" a blank.
std::string CleanUpLine(std::string_view line, bool full);

/// "index": the lines sorted (ordinal, duplicates dropped) and, from the
/// second sorted line on, each cleaned up fully.
struct IndexedLines {
    std::vector<std::string> sorted;
    std::vector<std::string> cleaned;
};
IndexedLines IndexLines(const std::vector<std::string>& lines);

/// "indeks" of the file memo: lines after the first trimmed, "***" added to
/// a line ending with "=", sorted (ordinal, duplicates kept), cleaned up
/// without touching "*" and "<".
std::vector<std::string> IndexFileLines(const std::vector<std::string>& lines);

/// A coded sentence: two bytes (h, l) a word, standing for entry h*256+l of
/// `keys`. The result holds a blank and the key (at most 75 characters) for
/// each code; codes past the end of the list and a lone last byte are
/// skipped.
std::string DecodeCodedSentence(std::string_view coded, const store::StringList& keys);

}  // namespace zelmor::learning
