#include "core/maintenance/user_dictionary.h"

#include <algorithm>

#include "core/store/data_compiler.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::maintenance {

using namespace zelmor::text::literals;
using store::StringList;

namespace {

constexpr std::string_view kOkCaption = "OK Dügmesine basin"_cp;
constexpr std::string_view kLoadFile = "Bir dosya yükleyiniz"_cp;

struct Keyed {
    std::string key;
    std::string line;
};

// Sorts `entries` by key, keeping the first of equal keys and dropping keys
// in `taken`; then lays them out as: header, keys before the closing key,
// closing line, keys after it. Equivalent to inserting the lines one by one
// at their sorted place, in linear-logarithmic time.
std::vector<std::string> SortedLayout(std::vector<Keyed> entries, std::string header,
                                      std::string_view header_key, std::string closing) {
    std::stable_sort(entries.begin(), entries.end(), [](const Keyed& a, const Keyed& b) {
        return text::OrdinalCompare(a.key, b.key) < 0;
    });
    std::vector<std::string> out;
    out.reserve(entries.size() + 2);
    out.push_back(std::move(header));
    bool closed = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Keyed& e = entries[i];
        if (i > 0 && e.key == entries[i - 1].key) continue;
        if (e.key == header_key || e.key == store::kClosingKey) continue;
        if (!closed && text::OrdinalCompare(e.key, store::kClosingKey) > 0) {
            out.push_back(closing);
            closed = true;
        }
        out.push_back(e.line);
    }
    if (!closed) out.push_back(std::move(closing));
    return out;
}

std::string_view FileName(UserDictionary which) {
    return which == UserDictionary::English ? store::kEnUserFile : store::kTrUserFile;
}

}  // namespace

std::string NormaliseUserLine(std::string_view line) {
    std::string s(text::Trim(line));
    std::replace(s.begin(), s.end(), '\t', ' ');
    s = std::string(text::Trim(s));
    for (std::string_view from : {"   =", "  =", " =", "=   ", "=  ", "= "}) s = text::ReplaceAll(s, from, "=");
    for (std::string_view from : {"   ", "  "}) s = text::ReplaceAll(s, from, " ");
    if (s.empty()) s = std::string(store::kClosingKey) + "=???";
    return s;
}

UserRebuild RebuildUserDictionary(std::string_view text, std::string_view date) {
    std::vector<Keyed> entries;
    for (std::string_view raw : store::SplitLines(text)) {
        std::string line = NormaliseUserLine(raw);
        std::string key = line.substr(0, line.find('='));
        entries.push_back({std::move(key), std::move(line)});
    }
    std::string header = std::string(store::kUserHeaderKey) + "=" + store::UserHeaderRecord(date);
    std::vector<std::string> sorted = SortedLayout(std::move(entries), header, store::kUserHeaderKey,
                                                   std::string(store::kClosingKey) + "=???");

    UserRebuild r;
    r.lines.push_back(sorted[0]);
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const std::string& line = sorted[i];
        if (line.empty() || line.find('*', 1) != std::string::npos || line == sorted[i - 1]) continue;
        std::size_t eq = line.find('=');
        std::string key = line.substr(0, eq);
        std::string translation = eq == std::string::npos ? "???" : line.substr(eq + 1);
        if (translation.empty()) translation = "*";
        r.lines.push_back(key + "=" + translation);
    }
    std::vector<std::string_view> views(r.lines.begin(), r.lines.end());
    store::ParseUserDictionaryLines(views, r.keys, r.records);
    return r;
}

std::string JoinLinesLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += '\n';
    }
    return out;
}

std::optional<std::string> IndexAndSaveUserDictionary(store::DictionaryStore& store,
                                                      UserDictionary which, std::string_view text,
                                                      const std::filesystem::path& program_dir,
                                                      MaintenanceUi& ui, std::string_view date,
                                                      const store::WriteFaultHook& fault) {
    if (store::SplitLines(text).empty()) {
        ui.Warning(kLoadFile, "  ");
        return std::nullopt;
    }
    UserRebuild r = RebuildUserDictionary(text, date);
    const bool en = which == UserDictionary::English;
    (en ? store.EnUserKeys : store.TrUserKeys) = std::move(r.keys);
    (en ? store.EnUserRecords : store.TrUserRecords) = std::move(r.records);
    std::string shown = JoinLinesLf(r.lines);
    ui.SetListing(shown);
    if (!ui.Confirm(en ? "usering.txt düzenlenecek"_cp : "usertur.txt düzenlenecek"_cp, kOkCaption))
        return shown;
    std::string error;
    if (!store::WriteFileAtomically(program_dir / FileName(which), store::JoinLinesCrLf(r.lines), &error,
                                    /*keep_backup=*/true, fault)) {
        ui.Error(std::string(FileName(which)) + std::string(" yazılamadı: "_cp) +
                 text::Utf8ToCp1254Lossy(error) + std::string(". Önceki dosya değişmedi."_cp));
        return shown;
    }
    ui.SetListing(shown);
    ui.Message(std::string(en ? "Usering.txt dosyasına kayıt yapıldı="_cp
                              : "usertur.txt dosyasına kayıt yapıldı="_cp) +
               std::to_string(r.lines.size() - 1));
    return shown;
}

std::string EqualsSignMessage() {
    return std::string("kelimede \"=\" işareti var!!!,yeniden seçim yapınız"_cp);
}

namespace {

// "=" after the first character makes the selection unusable as a key.
bool HasEqualsSign(std::string_view s) { return s.size() > 1 && s.find('=', 1) != std::string_view::npos; }

std::string BlanksTo(std::string_view s, char from, char to) {
    std::string out(s);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

}  // namespace

std::string CheckWordMessage(const store::DictionaryStore& store, UserDictionary which,
                             std::string_view selection) {
    // Blanks at the ends of a selection are not part of the word (a
    // double-click often takes the blank after it).
    std::string_view trimmed = text::Trim(selection);
    if (HasEqualsSign(trimmed)) return EqualsSignMessage();
    std::string word = BlanksTo(trimmed, ' ', '_');
    if (word.empty()) return std::string("Kelime seçiniz !!!"_cp);
    word = std::string(text::TrimRight(word.substr(0, std::min<std::size_t>(48, word.size()))));
    const bool en = which == UserDictionary::English;
    const StringList& keys = en ? store.EnTrKeys : store.TrEnKeys;
    const StringList& records = en ? store.EnTrRecords : store.TrEnRecords;
    text::SearchResult s = text::BinarySearch(keys, word, 2);
    if (!s.found())
        return std::string("Ana Dosyada  \"") + word + std::string("\" isimli kayit yok");
    std::vector<std::string_view> fields = text::SplitViews(records[static_cast<std::size_t>(s.index)], ';');
    std::string meaning;
    if (fields.size() == (en ? store::kEnTrFieldCount : store::kTrEnFieldCount))
        meaning = BlanksTo(fields[2], '_', ' ');
    return std::string("Ana Dosyada   \"") + BlanksTo(word, '_', ' ') + "=" + meaning +
           "\"  isimli kayit var";
}

std::string TranslateButtonText(UserDictionary which, std::string_view selection,
                                const std::function<std::string(std::string_view)>& translate) {
    std::string_view trimmed = text::Trim(selection);
    if (HasEqualsSign(trimmed)) return EqualsSignMessage();
    std::string word = BlanksTo(trimmed, ' ', '_');
    if (word.empty()) return std::string("Kelime seçiniz !!!"_cp);
    return std::string(which == UserDictionary::English ? "pavolk-ceviri== " : "zelmor-ceviri== ") +
           translate(word);
}

AbbreviationRebuild RebuildAbbreviations(std::string_view text) {
    AbbreviationRebuild r;
    std::vector<std::string_view> raw = store::SplitLines(text);
    if (raw.empty() || text::Trim(raw[0]) != store::kAbbreviationHeader) return r;
    std::vector<Keyed> entries;
    for (std::string_view line : raw) {
        std::string_view t = text::Trim(line);
        if (!t.empty()) entries.push_back({std::string(t), std::string(t)});
    }
    r.lines = SortedLayout(std::move(entries), std::string(store::kAbbreviationHeader),
                           store::kAbbreviationHeader, std::string(store::kClosingKey));
    r.ok = true;
    return r;
}

std::optional<std::string> IndexAndSaveAbbreviations(store::DictionaryStore& store,
                                                     std::string_view text,
                                                     const std::filesystem::path& program_dir,
                                                     MaintenanceUi& ui,
                                                     const store::WriteFaultHook& fault) {
    AbbreviationRebuild r = RebuildAbbreviations(text);
    if (!r.ok) {
        ui.Warning("Abreviation dosyasını açınız"_cp, "  ");
        return std::nullopt;
    }
    std::string shown = JoinLinesLf(r.lines);
    ui.SetListing(shown);
    if (!ui.Confirm("indeksleme yapıldı, abbreviate.txt dosyasına kayıt için "_cp, kOkCaption))
        return shown;
    std::string error;
    if (!store::WriteFileAtomically(program_dir / store::kAbbreviationFile, store::JoinLinesCrLf(r.lines),
                                    &error, /*keep_backup=*/true, fault)) {
        ui.Error(std::string(store::kAbbreviationFile) + std::string(" yazılamadı: "_cp) +
                 text::Utf8ToCp1254Lossy(error) + std::string(". Önceki dosya değişmedi."_cp));
        return shown;
    }
    store.AbbreviationList.clear();
    for (const std::string& l : r.lines) store.AbbreviationList.push_back(l);
    ui.Message(std::string("kayıt ="_cp) + std::to_string(r.lines.size() - 1));
    return shown;
}

std::string AbbreviationText(const store::DictionaryStore& store) {
    std::string out;
    for (std::string_view l : store.AbbreviationList) {
        out += l;
        out += '\n';
    }
    return out;
}

}  // namespace zelmor::maintenance
