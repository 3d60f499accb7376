// The look-up windows over the main dictionaries: the list of marked head
// words, the meaning shown for one of them, and the search field's matching.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/dictionary_store.h"

namespace zelmor::maintenance {

enum class LookupDictionary { EnTr, TrEn };

/// Translation used when a word has no meaning in the record (the engines'
/// TranslateEnToTr / TranslateTrToEn).
using Translator = std::function<std::string(std::string_view)>;

/// First store index the window lists: 12500 (English) / 9600 (Turkish).
std::size_t LookupStartIndex(LookupDictionary which);

/// "Ingilizce SÖZLÜK  Yok!" / "Türkçe  SÖZLÜK  Yok!", shown when the
/// dictionary has fewer than 3 entries.
std::string_view NoDictionaryMessage(LookupDictionary which);

/// True when the dictionary is big enough for the window to start.
bool HasLookupDictionary(const store::DictionaryStore& store, LookupDictionary which);

/// LookupWords: the keys from the start index on whose record has the full
/// field count and whose "KOD" field starts with "*".
std::vector<std::string> BuildLookupWords(const store::DictionaryStore& store, LookupDictionary which);

/// The meaning of `word` (trimmed): "ING" plus "," and the last field when
/// that is set, "_" shown as blanks; when empty, `translate(word)`. Returned
/// split at "," - one line of the text area each.
std::vector<std::string> LookupMeaningLines(const store::DictionaryStore& store, LookupDictionary which,
                                            std::string_view word, const Translator& translate);

/// The search field's text as it is matched: trimmed, blanks to "_", and
/// for the Turkish window upper-case letters lowered ("I" -> "ı", "İ" -> "i").
std::string LookupSearchText(LookupDictionary which, std::string_view typed);

/// The entry of `words` to select for the typed text: its first occurrence,
/// when that is not the first entry of the list.
std::optional<std::size_t> MatchLookupWord(const std::vector<std::string>& words, LookupDictionary which,
                                           std::string_view typed);

}  // namespace zelmor::maintenance
