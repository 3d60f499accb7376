// The main dictionaries as the record editors see them: the listing (one
// "key;record" line per store entry), the checked rebuild of the store from
// an edited listing, and the shifted file written on save.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "core/store/string_list.h"

namespace zelmor::maintenance {

enum class MainDictionary { EnTr, TrEn };

/// Record fields after the key: 8 for English-Turkish, 9 for Turkish-English.
std::size_t FieldCount(MainDictionary which);
store::StringList& Keys(store::DictionaryStore& store, MainDictionary which);
store::StringList& Records(store::DictionaryStore& store, MainDictionary which);

/// The listing: key ";" record for every entry, in store order, each line
/// ended by LF.
std::string ListingText(const store::StringList& keys, const store::StringList& records);

/// The closing line a rebuild adds when the listing has none: the closing
/// key, "???" in field 1, the other fields empty.
std::string ClosingLine(std::size_t field_count);

/// Result of RebuildFromListing. On refusal `message` (code page 1254) names
/// the 1-based listing line and shows it; `line` is that line number.
struct ListingRebuild {
    bool ok = false;
    std::size_t line = 0;
    std::string message;
    store::StringList keys, records;
};

/// Builds new key and record lists from an edited listing without touching
/// the store. Blank lines are ignored. The first line is the header and
/// stays entry 0; the other lines are sorted by key; a closing line is added
/// when none is present. Refused, naming the line:
/// - a key that is empty or has blanks at either end,
/// - a line (other than the header) whose record has not `field_count` fields,
/// - a character that the line shift cannot store (see
///   store::IsUnstorableInMainDictionary),
/// - a key that appears twice,
/// - a key that sorts before the header's or after the closing key.
ListingRebuild RebuildFromListing(std::string_view listing, std::size_t field_count);

/// Checks text typed into the entry fields: no ";" (it would shift the
/// fields) and no character the line shift cannot store. Returns an empty
/// string when fine, else the message (code page 1254).
std::string CheckFieldText(std::string_view text);

/// The bytes of a main dictionary file: every "key;record" line shifted
/// with store::EncodeDictionaryLine and ended by CR LF.
std::string EncodeMainDictionaryFile(const store::StringList& keys, const store::StringList& records);

/// Writes the file crash-safely (temporary file, flush, rename, previous
/// version kept as ".bak"). False with *error set when the write failed; the
/// previous file is then untouched.
bool WriteMainDictionary(const std::filesystem::path& path, const store::StringList& keys,
                         const store::StringList& records, std::string* error,
                         const store::WriteFaultHook& fault = nullptr);

}  // namespace zelmor::maintenance
