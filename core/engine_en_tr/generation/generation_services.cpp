#include "core/engine_en_tr/generation/generation_services.h"

#include <algorithm>

#include "core/text/search.h"
#include "core/text/turkish_case.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

const std::string& GenerationRecord::FieldByNumber(int n) const {
    switch (n) {
        case 0: return Key;
        case 1: return Code;
        case 2: return Field2;
        case 3: return Meaning;
        case 4: return Field4;
        case 5: return Field5;
        case 6: return Field6;
        case 7: return Field7;
        default: return Field8;
    }
}

std::string& GenerationRecord::FieldByNumber(int n) {
    return const_cast<std::string&>(static_cast<const GenerationRecord&>(*this).FieldByNumber(n));
}

bool DecodeGenerationRecord(std::string_view key, std::string_view record, GenerationRecord& out) {
    out = GenerationRecord{};
    out.Key = std::string(key.substr(0, kRecordFieldCapacity[0]));
    std::vector<std::string_view> pieces = text::SplitViews(record, ';');
    if (pieces.size() != 8) return false;
    for (int i = 0; i < 8; ++i)
        out.FieldByNumber(i + 1) =
            std::string(pieces[static_cast<std::size_t>(i)].substr(0, kRecordFieldCapacity[static_cast<std::size_t>(i + 1)]));
    return true;
}

namespace {

void EraseFirst(std::string& s, std::string_view what) {
    auto p = s.find(what);
    if (p != std::string::npos) s.erase(p, what.size());
}

}  // namespace

const GenerationRecord* StoreGenerationServices::LookUpEnglish(std::string_view key) {
    std::string probe(key.substr(0, 48));
    while (!probe.empty() && probe.back() == ' ') probe.pop_back();
    for (std::string_view mark : {"(s)", "(ed)", "(d)", "(ing)"}) EraseFirst(probe, mark);
    if (probe == "I") probe = "i";
    auto hit = text::BinarySearch(store_.EnTrKeys, probe, 2);
    if (hit.index <= 0) return nullptr;
    auto i = static_cast<std::size_t>(hit.index);
    if (i >= store_.EnTrRecords.size()) return nullptr;
    if (!DecodeGenerationRecord(store_.EnTrKeys[i], store_.EnTrRecords[i], lookup_record_)) return nullptr;
    if (lookup_record_.Code.empty()) return nullptr;
    return &lookup_record_;
}

std::string StoreGenerationServices::LookUpUserSentence(std::string_view text) {
    std::string t = text::ReplaceAll(text, "_", " ");
    t = text::ReplaceAll(t, "(1)", "");
    t = text::ReplaceAll(t, "(2)", "");
    t = text::ReplaceAll(t, "(s)", "s");
    t = text::ReplaceAll(t, "(es)", "es");
    t = text::ReplaceAll(t, "(ed)", "ed");
    t = text::ReplaceAll(t, "**", "");
    t = text::ReplaceAll(t, "*", "");
    t = text::ReplaceAll(t, " n9 ", " ");
    t = text::ReplaceAll(t, " n9", " ");
    std::string probe;
    for (std::string_view piece : text::SplitViews(t, ' ')) {
        if (piece.empty()) continue;
        probe += piece == "i" ? std::string_view("I") : piece;
        probe += ' ';
    }
    probe = std::string(text::Trim(probe));
    if (probe.empty()) return "***";
    auto hit = text::BinarySearch(store_.EnUserKeys, probe, 2);
    if (hit.index < 0 && probe[0] >= 'A' && probe[0] <= 'Z') {
        probe[0] = static_cast<char>(probe[0] - 'A' + 'a');
        hit = text::BinarySearch(store_.EnUserKeys, probe, 2);
    }
    if (hit.index < 0) return "***";
    return std::string(store_.EnUserRecords[static_cast<std::size_t>(hit.index)]);
}

std::string StoreGenerationServices::NounEnding(char letter, std::string_view text) {
    return NounEndingRule ? NounEndingRule(letter, text) : std::string();
}

std::string StoreGenerationServices::OrderedSlotKey(int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= OrderedKeys.size()) return {};
    return OrderedKeys[static_cast<std::size_t>(slot)];
}

void StoreGenerationServices::Trace(TraceSection section, std::string line) {
    Logs[static_cast<std::size_t>(section) - 1].push_back(std::move(line));
}

void StoreGenerationServices::SortTrace(TraceSection section) {
    auto& log = Logs[static_cast<std::size_t>(section) - 1];
    std::stable_sort(log.begin(), log.end(), [](const std::string& a, const std::string& b) {
        return text::OrdinalCompare(text::TurkishLowerCase(a), text::TurkishLowerCase(b)) < 0;
    });
}

}  // namespace zelmor::en_tr
