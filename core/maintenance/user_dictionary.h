// The user dictionary editors ("usering.txt", "usertur.txt") and the
// abbreviation editor ("abbreviate.txt"): their rebuilds as pure functions
// from the edited text to the new file lines and store lists, the checks of
// the "Kelime Kontrol" and translate buttons, and the confirmed, crash-safe
// write.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/maintenance/maintenance_ui.h"
#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "core/store/string_list.h"

namespace zelmor::maintenance {

enum class UserDictionary { English, Turkish };  // "usering.txt", "usertur.txt"

/// The tidy-up of one line: trimmed, tabs to blanks, blanks around "="
/// removed, runs of two or three blanks shortened; an empty line becomes
/// "şşşş=???" (and so disappears behind the closing line).
std::string NormaliseUserLine(std::string_view line);

/// Result of the "index-kayıt" rebuild.
struct UserRebuild {
    /// The new file, line by line: line 0 is the header
    /// "*01234567=" + UserHeaderRecord(date), then the entries sorted by key
    /// (first line of a key wins), "şşşş=???" after every ordinary key.
    std::vector<std::string> lines;
    /// The store lists, exactly what loading `lines` gives (line 0 is not
    /// an entry, so no user translation is ever replaced by the header).
    store::StringList keys, records;
};

/// Rebuilds a user dictionary from the editor's text (code page 1254).
/// Lines holding "*" after their first character are dropped; a line
/// without "=" gets "=???"; an empty translation becomes "*". A key that
/// sorts before the header key is placed right after the header.
UserRebuild RebuildUserDictionary(std::string_view text, std::string_view date);

/// The editor text of the rebuilt file: the lines joined with LF.
std::string JoinLinesLf(const std::vector<std::string>& lines);

/// "index-kayıt" as the window runs it: refuses an empty text ("Bir dosya
/// yükleyiniz"), rebuilds, puts the new lists into the store, shows the new
/// text, asks, and writes `program_dir`/file crash-safely. Returns the new
/// editor text, or nothing when the text was empty.
std::optional<std::string> IndexAndSaveUserDictionary(store::DictionaryStore& store,
                                                      UserDictionary which,
                                                      std::string_view text,
                                                      const std::filesystem::path& program_dir,
                                                      MaintenanceUi& ui,
                                                      std::string_view date = store::ShortDate(),
                                                      const store::WriteFaultHook& fault = nullptr);

/// The message of "Kelime Kontrol" for the selected text: whether the
/// (English or Turkish) main dictionary holds the word, with its meaning.
std::string CheckWordMessage(const store::DictionaryStore& store, UserDictionary which,
                             std::string_view selection);

/// The text the translate button shows: "pavolk-ceviri== " / "zelmor-ceviri== "
/// and the translation of the selection, or the refusal message.
std::string TranslateButtonText(UserDictionary which, std::string_view selection,
                                const std::function<std::string(std::string_view)>& translate);

/// "kelimede "=" işareti var!!!,yeniden seçim yapınız"
std::string EqualsSignMessage();

/// Result of the abbreviation editor's "index".
struct AbbreviationRebuild {
    bool ok = false;          // false: the text does not start with the header
    std::vector<std::string> lines;  // "*Abreviations*", sorted unique entries, "şşşş"
};

/// Rebuilds the abbreviation list from the editor's text: each line
/// trimmed, empty lines dropped, duplicates written once.
AbbreviationRebuild RebuildAbbreviations(std::string_view text);

/// "index" as the window runs it: refusal message, rebuild, question, write
/// of `program_dir`/"abbreviate.txt", AbbreviationList replaced. Returns the
/// new text, or nothing when refused.
std::optional<std::string> IndexAndSaveAbbreviations(store::DictionaryStore& store,
                                                     std::string_view text,
                                                     const std::filesystem::path& program_dir,
                                                     MaintenanceUi& ui,
                                                     const store::WriteFaultHook& fault = nullptr);

/// "Abreviations" button: the list, one entry per line.
std::string AbbreviationText(const store::DictionaryStore& store);

}  // namespace zelmor::maintenance
