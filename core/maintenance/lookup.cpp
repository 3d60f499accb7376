#include "core/maintenance/lookup.h"

#include <algorithm>

#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::maintenance {

using namespace zelmor::text::literals;

namespace {

const store::StringList& Keys(const store::DictionaryStore& s, LookupDictionary w) {
    return w == LookupDictionary::EnTr ? s.EnTrKeys : s.TrEnKeys;
}
const store::StringList& Records(const store::DictionaryStore& s, LookupDictionary w) {
    return w == LookupDictionary::EnTr ? s.EnTrRecords : s.TrEnRecords;
}
std::size_t Fields(LookupDictionary w) {
    return w == LookupDictionary::EnTr ? store::kEnTrFieldCount : store::kTrEnFieldCount;
}

}  // namespace

std::size_t LookupStartIndex(LookupDictionary which) {
    return which == LookupDictionary::EnTr ? 12500 : 9600;
}

std::string_view NoDictionaryMessage(LookupDictionary which) {
    return which == LookupDictionary::EnTr ? "Ingilizce SÖZLÜK  Yok!"_cp : "Türkçe  SÖZLÜK  Yok!"_cp;
}

bool HasLookupDictionary(const store::DictionaryStore& store, LookupDictionary which) {
    return Keys(store, which).size() >= 3;
}

std::vector<std::string> BuildLookupWords(const store::DictionaryStore& store, LookupDictionary which) {
    std::vector<std::string> words;
    if (!HasLookupDictionary(store, which)) return words;
    const store::StringList& keys = Keys(store, which);
    const store::StringList& records = Records(store, which);
    for (std::size_t i = LookupStartIndex(which); i < keys.size(); ++i) {
        std::string_view record = records[i];
        if (text::CountFields(record, ';') != Fields(which)) continue;
        std::vector<std::string_view> f = text::SplitViews(record, ';');
        if (!f[1].empty() && f[1][0] == '*') words.emplace_back(keys[i]);
    }
    return words;
}

std::vector<std::string> LookupMeaningLines(const store::DictionaryStore& store, LookupDictionary which,
                                            std::string_view word, const Translator& translate) {
    std::string_view w = text::Trim(word);
    std::string meaning;
    text::SearchResult s = text::BinarySearch(Keys(store, which), w);
    if (s.found()) {
        std::vector<std::string_view> f =
            text::SplitViews(Records(store, which)[static_cast<std::size_t>(s.index)], ';');
        if (f.size() == Fields(which)) {
            meaning = std::string(f[2]);
            if (!f.back().empty()) meaning += "," + std::string(f.back());
            std::replace(meaning.begin(), meaning.end(), '_', ' ');
        }
    }
    if (meaning.empty() && translate) meaning = translate(w);
    std::vector<std::string> lines;
    text::SplitToList(lines, meaning, ',');
    return lines;
}

std::string LookupSearchText(LookupDictionary which, std::string_view typed) {
    std::string s(text::Trim(typed));
    std::replace(s.begin(), s.end(), ' ', '_');
    if (which == LookupDictionary::TrEn) {
        static constexpr std::string_view upper = "*ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZÂ*"_cp;
        static constexpr std::string_view lower = "*abcçdefgğhıijklmnoöpqrsştuüvwxyzâ*"_cp;
        for (char& c : s) {
            std::size_t at = upper.find(c);
            if (at != std::string_view::npos) c = lower[at];
        }
    }
    return s;
}

std::optional<std::size_t> MatchLookupWord(const std::vector<std::string>& words, LookupDictionary which,
                                           std::string_view typed) {
    std::string s = LookupSearchText(which, typed);
    auto it = std::find(words.begin(), words.end(), s);
    if (it == words.end() || it == words.begin()) return std::nullopt;
    return static_cast<std::size_t>(it - words.begin());
}

}  // namespace zelmor::maintenance
