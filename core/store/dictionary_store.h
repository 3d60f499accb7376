// The dictionary store: every list the engines and windows read, filled
// once from the dictionary files in the program folder.
//
// All text in the store is code page 1254. Key lists are parallel to their
// record lists and sorted in ordinal byte order (zelmor::text::OrdinalCompare);
// find keys with zelmor::text::BinarySearch. Entry 0 of each main dictionary
// is a header, never a word.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/string_list.h"

namespace zelmor::store {

/// File names in the program folder.
inline constexpr std::string_view kEnTrFile = "pavolkx.txt";
inline constexpr std::string_view kTrEnFile = "zelmorx.txt";
inline constexpr std::string_view kEnUserFile = "usering.txt";
inline constexpr std::string_view kTrUserFile = "usertur.txt";
inline constexpr std::string_view kAbbreviationFile = "abbreviate.txt";
inline constexpr std::string_view kSyllableIndexFile = "trwav/abcdhece.txt";

/// Field counts of a main dictionary record (after the key).
inline constexpr std::size_t kEnTrFieldCount = 8;
inline constexpr std::size_t kTrEnFieldCount = 9;

struct DictionaryStore {
    StringList EnTrKeys, EnTrRecords;      // "pavolkx.txt", line i = entry i
    StringList TrEnKeys, TrEnRecords;      // "zelmorx.txt", line i = entry i
    StringList EnUserKeys, EnUserRecords;  // accepted lines of "usering.txt"
    StringList TrUserKeys, TrUserRecords;  // accepted lines of "usertur.txt"
    StringList AbbreviationList;           // "abbreviate.txt" as it stands
    StringList SyllableList;               // "trwav/abcdhece.txt", or {"???"}

    /// Line count of "zelmorx.txt" minus 1 (-1 when not loaded).
    long TrEnLastIndex = -1;
    /// Line count minus 1 of the last file read among "pavolkx.txt",
    /// "usering.txt" and "usertur.txt" (-1 when none).
    long LastLoadedIndex = -1;

    void Clear();
    /// Bytes held by all lists (for the memory benchmark).
    std::size_t MemoryBytes() const;
};

/// The line shift of the main dictionaries: the byte at 1-based position i
/// is stored as (byte + (i mod 3) + 79) mod 256. Line breaks are not part of
/// the line.
std::string DecodeDictionaryLine(std::string_view stored);
std::string EncodeDictionaryLine(std::string_view plain);
/// In place, for the loader's hot path.
void DecodeDictionaryLineInPlace(char* data, std::size_t size);

/// True when `c` cannot be stored in a main dictionary: the shift turns it
/// into NUL, LF or CR at some position (AF, B0, B1, B9, BA, BB, BC, BD, BE).
bool IsUnstorableInMainDictionary(char c);

/// What the load asks of its caller: the GUI answers with message boxes and
/// an open dialog, the command line by printing to stderr.
class LoadUi {
public:
    virtual ~LoadUi() = default;
    /// A warning box with an OK button. `text` is code page 1254.
    virtual void Warning(std::string_view text) = 0;
    /// Runs the open dialog with `filter` (e.g. "Text files(*.txt)|*.txt")
    /// and returns the chosen path, or nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(std::string_view filter) = 0;
    /// The open dialog keeps this filter from now on, with its file name cleared.
    virtual void SetOpenFilter(std::string_view /*filter*/) {}
    /// A file exists but cannot be read; `text` is the system's error text.
    virtual void ReadError(std::string_view text) = 0;
};

/// What a load tells its caller besides the lists.
struct LoadOutcome {
    /// Set when a line of "pavolkx.txt" or "usering.txt" was loaded; the
    /// frame's TurkishKeyboard switch takes it.
    bool TurkishKeyboard = false;
    /// A file existed but could not be read: the load stopped there and the
    /// lists filled so far stay.
    bool StoppedOnReadError = false;
};

/// Fills `store` (which should be empty) from the files in `program_dir`, in
/// the order "pavolkx.txt", "usering.txt", "zelmorx.txt", "usertur.txt",
/// syllable index, abbreviations. A missing dictionary runs the
/// missing-file procedure through `ui`; it never stops on a missing file.
LoadOutcome LoadDictionaryStore(DictionaryStore& store, const std::filesystem::path& program_dir,
                                LoadUi& ui);

/// Loads one shifted main dictionary file into parallel key/record lists.
/// A decoded line without ";" is kept with an empty record, so the lists
/// stay parallel and line numbers keep matching indexes. Returns the line
/// count, or -1 with *error set when the file cannot be read.
long LoadMainDictionaryFile(const std::filesystem::path& path, StringList& keys,
                            StringList& records, std::string* error);

/// Parses the lines of a user dictionary ("key=translation", line 0 a
/// header) into parallel lists by the load rules: a line equal to the one
/// before it, a line without "=" and one with an empty translation are
/// skipped; the key is kept as written, the translation trimmed.
void ParseUserDictionaryLines(const std::vector<std::string_view>& lines, StringList& keys,
                              StringList& records);

/// The header record a record editor writes at index 0 on save:
/// "..XX..;;sayılar;" + date + ";VERSION;V9.03;;" (code page 1254).
std::string StoreHeaderRecord(std::string_view date);
/// The header translation a user dictionary editor writes on save.
std::string UserHeaderRecord(std::string_view date);
/// Today's date in the short form used by the headers: "dd.mm.yyyy".
std::string ShortDate();

}  // namespace zelmor::store
