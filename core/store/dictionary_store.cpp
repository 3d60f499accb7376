#include "core/store/dictionary_store.h"

#include <cstdint>
#include <cstring>
#include <ctime>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {
// Byte-wise a - b on eight bytes at once, without borrows between bytes.
inline std::uint64_t SubtractBytes(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    return ((a | kHigh) - (b & ~kHigh)) ^ ((a ^ ~b) & kHigh);
}

// The pattern over 24 bytes (three little-endian words) repeats with the
// line position.
constexpr std::uint64_t PatternWord(int j) {
    std::uint64_t w = 0;
    for (int b = 7; b >= 0; --b) w = (w << 8) | kBlock.v[8 * j + b];
    return w;
}
constexpr std::uint64_t kWord[3] = {PatternWord(0), PatternWord(1), PatternWord(2)};
}  // namespace

void DecodeDictionaryLineInPlace(char* data, std::size_t size) {
    std::size_t k = 0;
    for (; k + 24 <= size; k += 24) {
        for (int j = 0; j < 3; ++j) {
            std::uint64_t x;
            std::memcpy(&x, data + k + 8 * j, 8);
            x = SubtractBytes(x, kWord[j]);
            std::memcpy(data + k + 8 * j, &x, 8);
        }
    }
    auto* p = reinterpret_cast<unsigned char*>(data);
    for (std::size_t j = 0; k < size; ++k, ++j) p[k] = static_cast<unsigned char>(p[k] - kBlock.v[j]);
}

namespace {
// The loader's inner loop: decodes one line in place, eight bytes at a time,
// and returns the position of its first ";" (or `n`). `avail` is how many
// bytes from `p` on belong to the buffer: whole-word loads and stores may
// run past the line's end, but the bytes beyond it are written back
// unchanged (their pattern bytes are zero).
#if defined(__SSE2__)
// The same with sixteen bytes at a time, where the processor has SSE2.
std::size_t DecodeLineFindSemicolonSse2(char* p, std::size_t n, std::size_t avail) {
    alignas(16) static constexpr ShiftBlock kAligned = kBlock;
    const __m128i iota = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i semis = _mm_set1_epi8(';');
    std::size_t semi = n;
    std::size_t k = 0;
    for (int j = 0; k < n; k += 16, j = j == 2 ? 0 : j + 1) {
        const std::size_t t = n - k < 16 ? n - k : 16;
        if (k + 16 > avail) {
            // The buffer's last bytes: one at a time.
            for (std::size_t m = k; m < n; ++m) {
                p[m] = static_cast<char>(static_cast<unsigned char>(p[m]) - kBlock.v[m % 48]);
                if (semi == n && p[m] == ';') semi = m;
            }
            break;
        }
        __m128i pattern = _mm_load_si128(reinterpret_cast<const __m128i*>(kAligned.v + 16 * j));
        if (t < 16) pattern = _mm_and_si128(pattern, _mm_cmplt_epi8(iota, _mm_set1_epi8(static_cast<char>(t))));
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
        x = _mm_sub_epi8(x, pattern);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + k), x);
        if (semi == n) {
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, semis)));
            if (t < 16) mask &= (1u << t) - 1;
            if (mask) semi = k + static_cast<std::size_t>(__builtin_ctz(mask));
        }
    }
    return semi;
}
#endif

#if !defined(__SSE2__)
// Without SSE2: eight bytes at a time in a 64-bit word.
std::size_t DecodeLineFindSemicolonWords(char* p, std::size_t n, std::size_t avail) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
    constexpr std::uint64_t kSemis = kOnes * ';';
    std::size_t semi = n;
    // One word: decode with the pattern bytes in `pattern` (zero bytes leave
    // their byte alone) and note the first ";" among the `live` bytes.
    auto word = [&](std::size_t k, std::uint64_t pattern, std::uint64_t live) {
        std::uint64_t x;
        std::memcpy(&x, p + k, 8);
        x = SubtractBytes(x, pattern & live);
        std::memcpy(p + k, &x, 8);
        if (semi == n) {
            std::uint64_t y = x ^ kSemis;
            std::uint64_t zero = (y - kOnes) & ~y & kHigh & live;
            if (zero) semi = k + static_cast<std::size_t>(__builtin_ctzll(zero)) / 8;
        }
    };
    std::size_t k = 0;
    if (n + 8 <= avail) {
        for (; k + 24 <= n; k += 24) {
            word(k, kWord[0], ~0ULL);
            word(k + 8, kWord[1], ~0ULL);
            word(k + 16, kWord[2], ~0ULL);
        }
        // The rest (under 24 bytes); the loads may reach past the line end,
        // which is safe: at least eight bytes of buffer follow it.
        for (int j = 0; k < n; ++j, k += 8) {
            std::size_t t = n - k;
            word(k, kWord[j], t >= 8 ? ~0ULL : (1ULL << (8 * t)) - 1);
        }
        return semi;
    }
    // The buffer's last line: one byte at a time.
    for (; k < n; ++k) {
        p[k] = static_cast<char>(static_cast<unsigned char>(p[k]) - kBlock.v[k % 48]);
        if (semi == n && p[k] == ';') semi = k;
    }
    return semi;
}
#endif

std::size_t DecodeLineFindSemicolon(char* p, std::size_t n, std::size_t avail) {
#if defined(__SSE2__)
    return DecodeLineFindSemicolonSse2(p, n, avail);
#else
    return DecodeLineFindSemicolonWords(p, n, avail);
#endif
}
}  // namespace

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
    // Normally both lists are empty and share the decoded file; lists that
    // already hold entries get copies appended instead.
    const bool share = keys.empty() && records.empty();
    std::vector<StringList::Span> key_spans, record_spans;
    key_spans.reserve(lines.size());
    record_spans.reserve(lines.size());
    for (std::string_view line : lines) {
        const std::size_t at = static_cast<std::size_t>(line.data() - bytes.data());
        const std::size_t semi =
            DecodeLineFindSemicolon(bytes.data() + at, line.size(), bytes.size() - at);
        // A line without ";" keeps an empty record so that the lists stay
        // parallel and line numbers keep matching indexes.
        const std::size_t rec = semi < line.size() ? semi + 1 : line.size();
        key_spans.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(semi)});
        record_spans.push_back({static_cast<std::uint32_t>(at + rec),
                                static_cast<std::uint32_t>(line.size() - rec)});
    }
    const long count = static_cast<long>(lines.size());
    if (share) {
        auto buffer = std::make_shared<const std::string>(std::move(bytes));
        keys.AdoptShared(buffer, std::move(key_spans));
        records.AdoptShared(buffer, std::move(record_spans));
    } else {
        for (std::size_t i = 0; i < key_spans.size(); ++i) {
            keys.push_back(std::string_view(bytes).substr(key_spans[i].offset, key_spans[i].size));
            records.push_back(std::string_view(bytes).substr(record_spans[i].offset, record_spans[i].size));
        }
    }
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
