#include "core/learning/word_pairs.h"

#include <algorithm>

#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::learning {

using namespace zelmor::text::literals;

std::string_view EnglishRecordInfinitive(std::string_view ying_field) {
    if (ying_field.empty()) return {};
    switch (ying_field[0]) {
        case '0': case '2': case '4': case '7': case '8': case ':': return "mek";
        case '1': case '3': case '5': case '6': case '9': case '=': return "mak";
        default: return {};
    }
}

std::string_view TurkishStemInfinitive(std::string_view stem) {
    static constexpr std::string_view kVowels = "aeıioöuü"_cp;
    static constexpr std::string_view kBack = "aouı"_cp;
    static constexpr std::string_view kFront = "eiöü"_cp;
    if (stem.empty()) return {};
    char c = stem.back();
    if (kVowels.find(c) == std::string_view::npos) {
        if (stem.size() < 2) return {};
        c = stem[stem.size() - 2];
    }
    if (kBack.find(c) != std::string_view::npos) return "mak";
    if (kFront.find(c) != std::string_view::npos) return "mek";
    return {};
}

std::vector<WordPair> BuildDictionaryPairs(const store::DictionaryStore& store, Direction direction) {
    const bool en = direction == Direction::EnglishFirst;
    const store::StringList& keys = en ? store.EnTrKeys : store.TrEnKeys;
    const store::StringList& records = en ? store.EnTrRecords : store.TrEnRecords;
    const std::size_t fields_wanted = en ? store::kEnTrFieldCount : store::kTrEnFieldCount;
    std::vector<WordPair> pairs;
    if (keys.size() <= 1) return pairs;
    for (std::size_t i = en ? kEnglishDemoStart : kTurkishDemoStart; i + 1 < keys.size(); ++i) {
        std::string_view record = records[i];
        if (record.find(";*;") == std::string_view::npos) continue;
        std::vector<std::string_view> f = text::SplitViews(record, ';');
        if (f.size() != fields_wanted) {
            pairs.push_back({std::string(keys[i]), std::string(en ? text::Trim(record) : record)});
            continue;
        }
        const bool verb = f[0].find("PP") != std::string_view::npos;
        if (en) {
            std::string meaning(f[2]);
            if (verb) meaning += EnglishRecordInfinitive(f[5]);
            std::string_view trimmed = text::Trim(meaning);
            if (!trimmed.empty()) pairs.push_back({std::string(keys[i]), std::string(trimmed)});
        } else {
            std::string word(keys[i]);
            if (verb) word += TurkishStemInfinitive(word);
            pairs.push_back({std::move(word), std::string(f[2])});
        }
    }
    return pairs;
}

std::vector<WordPair> ParseWordFile(std::string_view text) {
    std::vector<WordPair> pairs;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (text::Trim(line).empty()) continue;
        std::size_t semi = line.find(';');
        if (semi == std::string_view::npos) {
            pairs.push_back({std::string(text::TrimLeft(line)), {}});
            continue;
        }
        pairs.push_back({std::string(line.substr(0, semi)), std::string(text::TrimLeft(line.substr(semi + 1)))});
    }
    return pairs;
}

std::string DisplayText(std::string_view s) {
    std::string out(s);
    std::replace(out.begin(), out.end(), '_', ' ');
    return out;
}

std::string EnglishSpeechText(std::string_view text) {
    std::string_view t = text::Trim(text);
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == '*' || c == '<' || c == '_') c = ' ';
        out += c;
        if (c == ':' || (c == '.' && i + 1 < t.size() && t[i + 1] >= 'A' && t[i + 1] <= 'z')) out += ' ';
    }
    return out;
}

}  // namespace zelmor::learning
