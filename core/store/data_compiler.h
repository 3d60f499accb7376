// Compiles the readable data sources under data/ into the program's
// dictionary files.
//
// Sources are UTF-8 text, one entry a line; lines starting with "#" and
// blank lines are skipped. Main dictionaries: "key;record" with exactly 8
// (English-Turkish) or 9 (Turkish-English) record fields. User dictionaries:
// "key=translation". Abbreviations: one a line. The compiled files are code
// page 1254, CR LF, sorted in ordinal byte order, with their header and
// closing lines; the main dictionaries are line-shifted.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zelmor::store {

/// Key of line 0 of a compiled main dictionary; sorts before every real key.
inline constexpr std::string_view kMainHeaderKey = "!!!!";
/// Key of line 0 of a compiled user dictionary (the editors' start entry).
inline constexpr std::string_view kUserHeaderKey = "*01234567";
/// Key of the closing line of every compiled dictionary: "şşşş" in code page
/// 1254, which sorts after every real key.
inline constexpr std::string_view kClosingKey = "\xFE\xFE\xFE\xFE";
inline constexpr std::string_view kAbbreviationHeader = "*Abreviations*";

/// One source line, already converted to code page 1254.
struct SourceLine {
    std::string file;
    std::size_t line = 0;
    std::string text;
};

/// A rejected source line.
struct Diagnostic {
    std::string file;
    std::size_t line = 0;
    std::string reason;  // UTF-8
    /// "file:line: reason"
    std::string ToString() const;
};

/// Reads `path` (a file, or every *.txt below a folder, in path order),
/// skipping blank and comment lines. Lines that are not valid UTF-8 or hold
/// a character without a code page 1254 form are reported and left out.
void ReadSourceLines(const std::filesystem::path& path, std::vector<SourceLine>& out,
                     std::vector<Diagnostic>& errors);

/// Builds a main dictionary file. `field_count` is 8 or 9. A source line
/// whose key is kMainHeaderKey is used as the header (else one is made with
/// `date`), one whose key is kClosingKey as the closing line. Returns the
/// file bytes; any rejected line is added to `errors`.
std::string CompileMainDictionary(const std::vector<SourceLine>& lines, std::size_t field_count,
                                  const std::string& date, std::vector<Diagnostic>& errors);

/// Builds a user dictionary file: header line, sorted "key=translation"
/// lines, "şşşş=???" last.
std::string CompileUserDictionary(const std::vector<SourceLine>& lines, const std::string& date,
                                  std::vector<Diagnostic>& errors);

/// Builds "abbreviate.txt": "*Abreviations*", sorted unique abbreviations,
/// "şşşş".
std::string CompileAbbreviations(const std::vector<SourceLine>& lines,
                                 std::vector<Diagnostic>& errors);

/// What `zelmor-cli dict build` compiles: data/en-tr, data/tr-en,
/// data/user/usering.txt, data/user/usertur.txt and data/abbreviate.txt
/// into the five files in `out_dir`. Parts whose source is absent are
/// skipped. Returns false (writing nothing) when any line is rejected.
struct BuildReport {
    std::vector<Diagnostic> errors;
    std::vector<std::string> written;  // "pavolkx.txt: 1234 lines"
};
bool BuildAllDictionaries(const std::filesystem::path& data_dir,
                          const std::filesystem::path& out_dir, const std::string& date,
                          BuildReport& report);

}  // namespace zelmor::store
