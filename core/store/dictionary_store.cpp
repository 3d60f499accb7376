#include "core/store/dictionary_store.h"

#include <ctime>

#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::store {

using namespace zelmor::text::literals;
namespace fs = std::filesystem;

void DictionaryStore::Clear() { *this = DictionaryStore{}; }

std::size_t DictionaryStore::MemoryBytes() const {
    std::size_t n = 0;
    for (const StringList* l : {&EnTrKeys, &EnTrRecords, &TrEnKeys, &TrEnRecords, &EnUserKeys,
                                &EnUserRecords, &TrUserKeys, &TrUserRecords, &AbbreviationList,
                                &SyllableList})
        n += l->MemoryBytes();
    return n;
}

// Offsets by 1-based position: i mod 3 = 1, 2, 0 -> 80, 81, 79.
static constexpr unsigned char kShift[3] = {80, 81, 79};

namespace {
// The shift pattern repeated over 48 bytes (a multiple of 3 and of the
// vector width), so that whole blocks decode without a division per byte.
struct ShiftBlock {
    unsigned char v[48];
    constexpr ShiftBlock() : v{} {
        for (int k = 0; k < 48; ++k) v[k] = kShift[k % 3];
    }
};
constexpr ShiftBlock kBlock;
}  // namespace

void DecodeDictionaryLineInPlace(char* data, std::size_t size) {
    auto* p = reinterpret_cast<unsigned char*>(data);
    while (size > 0) {
        // Simple counted loops over the 48-byte pattern vectorise well.
        std::size_t n = size < 48 ? size : 48;
        for (std::size_t k = 0; k < n; ++k) p[k] = static_cast<unsigned char>(p[k] - kBlock.v[k]);
        p += n;
        size -= n;
    }
}

std::string DecodeDictionaryLine(std::string_view stored) {
    std::string out(stored);
    DecodeDictionaryLineInPlace(out.data(), out.size());
    return out;
}

std::string EncodeDictionaryLine(std::string_view plain) {
    std::string out(plain);
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = static_cast<char>(static_cast<unsigned char>(out[k]) + kShift[k % 3]);
    return out;
}

bool IsUnstorableInMainDictionary(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    for (unsigned char off : kShift) {
        unsigned char stored = static_cast<unsigned char>(u + off);
        if (stored == 0 || stored == '\n' || stored == '\r') return true;
    }
    return false;
}

long LoadMainDictionaryFile(const fs::path& path, StringList& keys, StringList& records,
                            std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error)) return -1;
    std::vector<std::string_view> lines = SplitLines(bytes);
    const bool adopt = records.empty();
    std::vector<StringList::Span> record_spans;
    if (adopt) record_spans.reserve(lines.size());
    keys.reserve(keys.size() + lines.size(), bytes.size() / 3);
    for (std::string_view line : lines) {
        // The lines are views into our own buffer: decode them where they lie.
        auto* p = reinterpret_cast<unsigned char*>(bytes.data() + (line.data() - bytes.data()));
        DecodeDictionaryLineInPlace(reinterpret_cast<char*>(p), line.size());
        std::size_t semi = std::string_view::npos;
        for (std::size_t k = 0; k < line.size(); ++k)
            if (p[k] == ';') {
                semi = k;
                break;
            }
        // A line without ";" keeps an empty record so that the lists stay
        // parallel and line numbers keep matching indexes.
        std::string_view key = semi == std::string_view::npos ? line : line.substr(0, semi);
        std::string_view record =
            semi == std::string_view::npos ? std::string_view{} : line.substr(semi + 1);
        keys.push_back(key);
        if (adopt)
            record_spans.push_back({static_cast<std::uint32_t>(record.empty() ? 0 : record.data() - bytes.data()),
                                    static_cast<std::uint32_t>(record.size())});
        else
            records.push_back(record);
    }
    const long count = static_cast<long>(lines.size());
    // The decoded file itself becomes the records' arena: no second copy.
    if (adopt) records.Adopt(std::move(bytes), std::move(record_spans));
    return count;
}

void ParseUserDictionaryLines(const std::vector<std::string_view>& lines, StringList& keys,
                              StringList& records) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line == lines[i - 1]) continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view translation = text::Trim(line.substr(eq + 1));
        if (translation.empty()) continue;
        keys.push_back(line.substr(0, eq));
        records.push_back(translation);
    }
}

std::string StoreHeaderRecord(std::string_view date) {
    return std::string("..XX..;;sayılar;"_cp) + std::string(date) + ";VERSION;V9.03;;";
}

std::string UserHeaderRecord(std::string_view date) {
    return std::string("tarih:"_cp) + std::string(date) +
           std::string(" DiKKAT: Özel isimler Büyük Harfle, Deyimler küçük harfle başlar"_cp);
}

std::string ShortDate() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d.%m.%Y", &tm);
    return buf;
}

namespace {

// The missing-file procedure. Returns the path to load, or nothing when the
// user did not find the file.
std::optional<fs::path> FindDictionary(const fs::path& program_dir, std::string_view name,
                                       LoadUi& ui) {
    fs::path path = program_dir / name;
    std::error_code ec;
    if (fs::exists(path, ec)) return path;

    const std::string n(name);
    ui.Warning(n + std::string("  DOSYA AÇILAMADI! Lütfen dosyayi açilacak pencerede bulunuz!."_cp));
    std::optional<fs::path> chosen = ui.ChooseFile("Text files(*.txt)|*.txt");
    ui.SetOpenFilter("Rich Text files(*.rtf)|*.rtf|All files(*.*)|*.*");
    // The name is compared in lower case, so "PAVOLKX.TXT" is accepted. The
    // path itself keeps its case: on this file system lower-casing the whole
    // path would name another (usually missing) file.
    bool ok = chosen && text::AsciiLowerCase(chosen->filename().string()) == n &&
              fs::exists(*chosen, ec);
    if (!ok) {
        if (name == kTrEnFile)
            ui.Warning(n + std::string("  DOSYASI YOK ,YÜKLENMEDi!"_cp));
        else
            ui.Warning(n + std::string("  DOSYASI YOK, YÜKLENMEDi!"_cp));
        return std::nullopt;
    }
    ui.Warning(n + std::string(" Bulundu, yüklenecek! "_cp));
    return chosen;
}

enum class Step { Loaded, Missing, ReadError };

Step LoadMain(const fs::path& dir, std::string_view name, StringList& keys, StringList& records,
              long& line_count, LoadUi& ui) {
    std::optional<fs::path> path = FindDictionary(dir, name, ui);
    if (!path) return Step::Missing;
    std::string error;
    long n = LoadMainDictionaryFile(*path, keys, records, &error);
    if (n < 0) {
        ui.ReadError(error);
        return Step::ReadError;
    }
    line_count = n;
    return Step::Loaded;
}

Step LoadUser(const fs::path& dir, std::string_view name, StringList& keys, StringList& records,
              long& line_count, LoadUi& ui) {
    std::optional<fs::path> path = FindDictionary(dir, name, ui);
    if (!path) return Step::Missing;
    std::string bytes, error;
    if (!ReadWholeFile(*path, bytes, &error)) {
        ui.ReadError(error);
        return Step::ReadError;
    }
    std::vector<std::string_view> lines = SplitLines(bytes);
    line_count = static_cast<long>(lines.size());
    ParseUserDictionaryLines(lines, keys, records);
    return Step::Loaded;
}

// Plain list files: every line as it stands. Returns false on a read error.
bool LoadPlainList(const fs::path& path, StringList& list, LoadUi& ui) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, &error)) {
        ui.ReadError(error);
        return false;
    }
    for (std::string_view line : SplitLines(bytes)) list.push_back(line);
    return true;
}

}  // namespace

LoadOutcome LoadDictionaryStore(DictionaryStore& store, const fs::path& dir, LoadUi& ui) {
    LoadOutcome out;
    long lines = 0;

    // 1-2: English main and user dictionaries.
    Step s = LoadMain(dir, kEnTrFile, store.EnTrKeys, store.EnTrRecords, lines, ui);
    if (s == Step::ReadError) return out.StoppedOnReadError = true, out;
    if (s == Step::Loaded) {
        store.LastLoadedIndex = lines - 1;
        if (lines > 0) out.TurkishKeyboard = true;
        s = LoadUser(dir, kEnUserFile, store.EnUserKeys, store.EnUserRecords, lines, ui);
        if (s == Step::ReadError) return out.StoppedOnReadError = true, out;
        if (s == Step::Loaded) {
            store.LastLoadedIndex = lines - 1;
            if (lines > 1) out.TurkishKeyboard = true;
        }
    }

    // 3-4: Turkish main and user dictionaries.
    s = LoadMain(dir, kTrEnFile, store.TrEnKeys, store.TrEnRecords, lines, ui);
    if (s == Step::ReadError) return out.StoppedOnReadError = true, out;
    if (s == Step::Loaded) {
        store.TrEnLastIndex = lines - 1;
        s = LoadUser(dir, kTrUserFile, store.TrUserKeys, store.TrUserRecords, lines, ui);
        if (s == Step::ReadError) return out.StoppedOnReadError = true, out;
        if (s == Step::Loaded) store.LastLoadedIndex = lines - 1;
    }

    // 5: syllable index, silently "???" when missing.
    std::error_code ec;
    fs::path syllables = dir / kSyllableIndexFile;
    if (fs::exists(syllables, ec)) {
        if (!LoadPlainList(syllables, store.SyllableList, ui))
            return out.StoppedOnReadError = true, out;
    } else {
        store.SyllableList.push_back("???");
    }

    // 6: abbreviations, silently empty when missing.
    fs::path abbreviations = dir / kAbbreviationFile;
    if (fs::exists(abbreviations, ec) && !LoadPlainList(abbreviations, store.AbbreviationList, ui))
        return out.StoppedOnReadError = true, out;
    return out;
}

}  // namespace zelmor::store
