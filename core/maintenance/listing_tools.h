// Text tools of the record editors' listing: searching, replacing, case
// conversion of the selection and the Turkish-English editor's code filter.
// Positions are 0-based byte offsets into the listing (code page 1254).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmor::maintenance {

struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;
};

/// Case-sensitive search for `needle` in the listing after `from` (the end
/// of the current selection). Nothing when absent or `needle` is empty.
std::optional<Selection> FindInListing(std::string_view listing, std::string_view needle, std::size_t from);

/// The error text of a failed search: needle + "-->" + '"' + " Bulunamadı..".
std::string NotFoundMessage(std::string_view needle);

/// What a double-click on the head-word field searches for: a key at the
/// start of a line, i.e. LF + head word + ";".
std::string KeySearchText(std::string_view head_word);

/// Replaces the selection by `replacement` (the "Replace" button after the
/// user said Yes).
void ReplaceSelection(std::string& listing, Selection selection, std::string_view replacement);

enum class CaseConversion {
    AsciiLower,    // "INGLower"
    AsciiUpper,    // "MemoUpper" / "INGupper"
    TurkishLower,  // "TRMemoLower" / "TRLower": Turkish pairs, then ASCII
};

/// Converts the selected text in place. Does nothing (returns false) when
/// the selection starts at the very first character.
bool ConvertSelectionCase(std::string& listing, Selection selection, CaseConversion conversion);

/// "Kayıt yok"
std::string NoRecordMessage();

/// The Turkish-English editor's double-click on "KOD": among the first 5001
/// listing lines, those holding ";" + code + ";" after their first
/// character. Nothing (show NoRecordMessage) when the listing has 5001
/// lines or fewer or the trimmed code is empty.
std::optional<std::vector<std::string>> LinesWithCode(std::string_view listing, std::string_view code);

}  // namespace zelmor::maintenance
