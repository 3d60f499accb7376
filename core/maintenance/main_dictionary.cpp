#include "core/maintenance/main_dictionary.h"

#include <algorithm>

#include "core/store/data_compiler.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::maintenance {

using namespace zelmor::text::literals;
using store::StringList;

std::size_t FieldCount(MainDictionary which) {
    return which == MainDictionary::EnTr ? store::kEnTrFieldCount : store::kTrEnFieldCount;
}

StringList& Keys(store::DictionaryStore& store, MainDictionary which) {
    return which == MainDictionary::EnTr ? store.EnTrKeys : store.TrEnKeys;
}

StringList& Records(store::DictionaryStore& store, MainDictionary which) {
    return which == MainDictionary::EnTr ? store.EnTrRecords : store.TrEnRecords;
}

std::string ListingText(const StringList& keys, const StringList& records) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) bytes += keys[i].size() + records[i].size() + 2;
    std::string out;
    out.reserve(bytes);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        out += keys[i];
        out += ';';
        out += records[i];
        out += '\n';
    }
    return out;
}

std::string ClosingLine(std::size_t field_count) {
    return std::string(store::kClosingKey) + ";???" + std::string(field_count - 1, ';');
}

namespace {

struct ListingLine {
    std::string_view key;
    std::string_view record;
    std::string_view text;
    std::size_t number;  // 1-based line of the listing
};

std::string ShownLine(std::string_view line) {
    constexpr std::size_t kShown = 80;
    if (line.size() <= kShown) return std::string(line);
    return std::string(line.substr(0, kShown)) + "...";
}

ListingRebuild Refuse(const ListingLine& line, std::string_view reason) {
    ListingRebuild r;
    r.line = line.number;
    r.message = std::string("Liste kaydı yapılmadı! Satır "_cp) + std::to_string(line.number) + ": " +
                std::string(reason) + " --> " + ShownLine(line.text);
    return r;
}

std::string UnstorableReason(std::string_view text) {
    for (char c : text)
        if (store::IsUnstorableInMainDictionary(c))
            return std::string("\"") + c + std::string("\" karakteri sözlük dosyasında saklanamaz"_cp);
    return {};
}

}  // namespace

std::string CheckFieldText(std::string_view text) {
    if (text.find(';') != std::string_view::npos)
        return std::string("\";\" işareti kullanılamaz: "_cp) + std::string(text);
    std::string reason = UnstorableReason(text);
    if (!reason.empty()) reason += ": " + std::string(text);
    return reason;
}

ListingRebuild RebuildFromListing(std::string_view listing, std::size_t field_count) {
    std::vector<ListingLine> lines;
    std::size_t number = 0;
    for (std::string_view text : store::SplitLines(listing)) {
        ++number;
        if (text::Trim(text).empty()) continue;
        std::size_t semi = text.find(';');
        ListingLine l{text.substr(0, semi), {}, text, number};
        if (semi != std::string_view::npos) l.record = text.substr(semi + 1);
        lines.push_back(l);
    }
    if (lines.empty()) {
        ListingRebuild r;
        r.message = std::string("Bir dosya yükleyiniz"_cp);
        return r;
    }

    // Checks of each line on its own, in listing order.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ListingLine& l = lines[i];
        if (l.key.empty()) return Refuse(l, "anahtar boş"_cp);
        if (text::Trim(l.key).size() != l.key.size())
            return Refuse(l, "anahtarın başında veya sonunda boşluk var"_cp);
        std::string reason = UnstorableReason(l.text);
        if (!reason.empty()) return Refuse(l, reason);
        if (i == 0) continue;  // the header's record is rewritten on save
        std::size_t fields = l.text.find(';') == std::string_view::npos
                                 ? 0
                                 : text::CountFields(l.record, ';');
        if (fields != field_count)
            return Refuse(l, std::string("alan sayısı "_cp) + std::to_string(fields) + ", " +
                                 std::to_string(field_count) + std::string(" olmalı"_cp));
    }

    // The header stays first; the rest is sorted, keeping listing order
    // among equal keys so that a duplicate names the later line.
    const ListingLine header = lines.front();
    std::vector<ListingLine> body(lines.begin() + 1, lines.end());
    std::stable_sort(body.begin(), body.end(), [](const ListingLine& a, const ListingLine& b) {
        return text::OrdinalCompare(a.key, b.key) < 0;
    });
    const ListingLine* duplicate = nullptr;
    const ListingLine* first = nullptr;
    for (std::size_t i = 1; i < body.size(); ++i) {
        if (body[i].key != body[i - 1].key) continue;
        // body[i - 1] may itself be a later copy; find the first of the run.
        std::size_t j = i - 1;
        while (j > 0 && body[j - 1].key == body[i].key) --j;
        if (!duplicate || body[i].number < duplicate->number) {
            duplicate = &body[i];
            first = &body[j];
        }
    }
    if (duplicate)
        return Refuse(*duplicate, std::string("anahtar satır "_cp) + std::to_string(first->number) +
                                      std::string(" ile aynı"_cp));
    if (!body.empty() && text::OrdinalCompare(body.front().key, header.key) <= 0)
        return Refuse(body.front(), "anahtar ilk satırdaki başlık kaydından önce geliyor"_cp);
    bool has_closing = false;
    for (const ListingLine& l : body) {
        if (l.key == store::kClosingKey) has_closing = true;
        else if (has_closing) return Refuse(l, "anahtar kapanış kaydından (şşşş) sonra geliyor"_cp);
    }
    if (header.key == store::kClosingKey)
        return Refuse(header, "kapanış kaydı ilk satırda olamaz"_cp);

    ListingRebuild r;
    r.ok = true;
    std::size_t bytes = listing.size() + 64;
    r.keys.reserve(lines.size() + 1, bytes);
    r.records.reserve(lines.size() + 1, bytes);
    r.keys.push_back(header.key);
    r.records.push_back(header.record);
    for (const ListingLine& l : body) {
        r.keys.push_back(l.key);
        r.records.push_back(l.record);
    }
    if (!has_closing) {
        std::string closing = ClosingLine(field_count);
        std::size_t semi = closing.find(';');
        r.keys.push_back(std::string_view(closing).substr(0, semi));
        r.records.push_back(std::string_view(closing).substr(semi + 1));
    }
    return r;
}

std::string EncodeMainDictionaryFile(const StringList& keys, const StringList& records) {
    std::string out;
    std::string line;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        line.assign(keys[i]);
        line += ';';
        line += records[i];
        out += store::EncodeDictionaryLine(line);
        out += "\r\n";
    }
    return out;
}

bool WriteMainDictionary(const std::filesystem::path& path, const StringList& keys,
                         const StringList& records, std::string* error,
                         const store::WriteFaultHook& fault) {
    return store::WriteFileAtomically(path, EncodeMainDictionaryFile(keys, records), error,
                                      /*keep_backup=*/true, fault);
}

}  // namespace zelmor::maintenance
