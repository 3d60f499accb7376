#include "core/maintenance/listing_tools.h"

#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::maintenance {

using namespace zelmor::text::literals;

std::optional<Selection> FindInListing(std::string_view listing, std::string_view needle, std::size_t from) {
    if (needle.empty() || from > listing.size()) return std::nullopt;
    std::size_t at = listing.find(needle, from);
    if (at == std::string_view::npos) return std::nullopt;
    return Selection{at, needle.size()};
}

std::string NotFoundMessage(std::string_view needle) {
    return std::string(needle) + "-->\"" + std::string(" Bulunamadı.."_cp);
}

std::string KeySearchText(std::string_view head_word) { return "\n" + std::string(head_word) + ";"; }

void ReplaceSelection(std::string& listing, Selection selection, std::string_view replacement) {
    if (selection.start > listing.size()) return;
    listing.replace(selection.start, selection.length, replacement);
}

bool ConvertSelectionCase(std::string& listing, Selection selection, CaseConversion conversion) {
    if (selection.start == 0 || selection.start >= listing.size()) return false;
    std::size_t end = std::min(listing.size(), selection.start + selection.length);
    for (std::size_t i = selection.start; i < end; ++i) {
        char& c = listing[i];
        switch (conversion) {
            case CaseConversion::AsciiLower: c = text::AsciiLowerChar(c); break;
            case CaseConversion::AsciiUpper: c = text::AsciiUpperChar(c); break;
            case CaseConversion::TurkishLower: c = text::TurkishLowerChar(c); break;
        }
    }
    return true;
}

std::string NoRecordMessage() { return std::string("Kayıt yok"_cp); }

std::optional<std::vector<std::string>> LinesWithCode(std::string_view listing, std::string_view code) {
    constexpr std::size_t kLines = 5001;
    std::string_view trimmed = text::Trim(code);
    std::vector<std::string_view> lines = store::SplitLines(listing);
    if (lines.size() <= kLines || trimmed.empty()) return std::nullopt;
    std::string needle = ";" + std::string(trimmed) + ";";
    std::vector<std::string> out;
    for (std::size_t i = 0; i < kLines; ++i)
        if (lines[i].size() > 1 && lines[i].find(needle, 1) != std::string_view::npos) out.emplace_back(lines[i]);
    return out;
}

}  // namespace zelmor::maintenance
