// Dictionary look-up and record decoding of the English-Turkish engine.
#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/search.h"
#include "core/text/split.h"

#include <algorithm>

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;

namespace {
constexpr std::size_t kMaxKey = 48;

// Index 0 of every key list is a header line, so a hit there is no hit.
// The key lists are trusted to be in ordinal byte order: the data compiler
// and the record editors write them sorted, and the loader keeps file order.
long Search(const store::StringList& keys, std::string_view key) {
    auto r = text::BinarySearch(keys, key, 2);
    return r.index > 0 ? static_cast<long>(r.index) : 0;
}
}  // namespace

bool EnTrEngine::DecodeInto(WordRecord& rec, long index, bool check_fields) {
    rec.Clear();
    if (index < 0 || static_cast<std::size_t>(index) >= store_.EnTrKeys.size() ||
        static_cast<std::size_t>(index) >= store_.EnTrRecords.size())
        return false;
    rec.key = store_.EnTrKeys[static_cast<std::size_t>(index)];
    std::string record(store_.EnTrRecords[static_cast<std::size_t>(index)]);
    auto pieces = text::SplitViews(record, ';');
    if (check_fields && pieces.size() != store::kEnTrFieldCount) {
        ShowMessage(std::string("kayıt hatası var="_cp) + record);
        return false;
    }
    auto piece = [&](std::size_t i) { return i < pieces.size() ? pieces[i] : std::string_view(); };
    rec.code = piece(0);
    rec.field2 = piece(1);
    rec.meaning = piece(2);
    rec.field4 = piece(3);
    rec.field5 = piece(4);
    rec.field6 = piece(5);
    rec.field7 = piece(6);
    rec.field8 = piece(7);
    return true;
}

long EnTrEngine::LookUpEnglish(std::string_view key) {
    EnTrState& s = state_;
    key = key.substr(0, std::min(key.size(), kMaxKey));
    s.FoundFlag = false;
    s.LastIndex = 0;
    std::string probe(text::TrimRight(key));
    for (std::string_view mark : {"(s)", "(ed)", "(d)", "(ing)"}) RemoveFirst(probe, mark);
    if (probe == "I") probe = "i";
    long hit = Search(store_.EnTrKeys, probe);
    if (hit > 0 && DecodeInto(s.LookupRecord, hit, true) && !s.LookupRecord.code.empty()) {
        s.FoundFlag = true;
        s.LastIndex = hit;
    }
    return s.FoundFlag ? s.LastIndex : 0;
}

long EnTrEngine::LookUpEnglishExact(std::string_view key) const {
    key = key.substr(0, std::min(key.size(), kMaxKey));
    return Search(store_.EnTrKeys, text::TrimRight(key));
}

void EnTrEngine::DecodeCurrent(long index) {
    if (!state_.FoundFlag) return;
    DecodeInto(state_.CurrentRecord, index, true);
}

void EnTrEngine::DecodeLast() { DecodeInto(state_.CurrentRecord, state_.LastIndex, false); }

void EnTrEngine::DecodeRuleRecord(long index) { DecodeInto(state_.RuleRecord, index, true); }

void EnTrEngine::DecodeIntoSlot(int j, long index) {
    EnTrState& s = state_;
    if (j < 1 || j > kMaxWords) return;
    WordRecord& slot = s.WordTable[static_cast<std::size_t>(j)];
    slot.Clear();
    if (!s.FoundFlag) return;
    DecodeInto(slot, index, true);
    if (static_cast<std::size_t>(j) < s.SentenceWords.size()) slot.key = s.SentenceWords[static_cast<std::size_t>(j)];
    std::string_view key = slot.key.view();
    std::string pattern = "az";
    if (!key.empty() && key != "I") {
        if (key[0] == '*')
            pattern[0] = '*';
        else if (IsPatternUpper(key[0]))
            pattern[0] = 'A';
        if (IsPatternUpper(key.back())) pattern[1] = 'Z';
    }
    if (pattern == "*z" && !slot.meaning.empty() && slot.meaning.At(1) != '*') {
        std::string m = slot.meaning.str();
        m[0] = text::AsciiUpperChar(m[0]);
        slot.meaning = m;
    }
    slot.field8 = slot.field8.str() + "dSRT=" + std::to_string(index) + ">";
}

std::string EnTrEngine::LookUpUserSentence(std::string_view input, int mode) {
    std::string t(input);
    std::replace(t.begin(), t.end(), '_', ' ');
    static constexpr std::pair<std::string_view, std::string_view> kSteps[] = {
        {"(1)", ""},  {"(2)", ""}, {"(s)", "s"}, {"(es)", "es"}, {"(ed)", "ed"},
        {"**", ""},   {"*", ""},   {" n9 ", " "}, {" n9", " "}};
    for (auto [from, to] : kSteps) t = text::ReplaceAll(t, from, to);
    std::string probe;
    for (std::string_view piece : text::SplitViews(t, ' ')) {
        if (piece.empty()) continue;
        probe += piece == "i" ? std::string_view("I") : piece;
        probe += ' ';
    }
    probe = std::string(text::Trim(probe));
    const auto& keys = store_.EnUserKeys;
    const auto& records = store_.EnUserRecords;
    auto answer = [&](long hit) {
        std::size_t h = static_cast<std::size_t>(hit);
        if (mode == 1) return std::string(keys.at(h));
        return h < records.size() ? std::string(records[h]) : std::string("***");
    };
    // The user lists hold no header (the loader leaves the file's line 0
    // out), so every index is an entry: a single-entry list is searched and
    // a hit at index 0 counts. Treating index 0 as "not found" here would
    // make the alphabetically first user entry unreachable.
    auto search_user = [&](std::string_view key) {
        return static_cast<long>(text::BinarySearch(keys, key).index);
    };
    long hit = search_user(probe);
    if (hit >= 0) return answer(hit);
    if (!probe.empty()) {
        probe[0] = text::AsciiLowerChar(probe[0]);
        hit = search_user(probe);
        if (hit >= 0) return answer(hit);
    }
    return "***";
}

}  // namespace zelmor::en_tr
