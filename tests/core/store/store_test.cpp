#include <gtest/gtest.h>

#include <filesystem>

#include "core/store/data_compiler.h"
#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "tests/support/fixtures.h"

namespace zelmor::store {
namespace {

namespace fs = std::filesystem;
using testing::Cp;
using testing::TempDir;
using testing::Utf8;

std::string Shifted(const std::vector<std::string>& plain_lines) {
    std::string out;
    for (auto& l : plain_lines) out += EncodeDictionaryLine(Cp(l)) + "\r\n";
    return out;
}

TEST(LineShift, OffsetsRunEightyEightyOneSeventyNine) {
    EXPECT_EQ(EncodeDictionaryLine("abc"), "\xB1\xB3\xB2");
    EXPECT_EQ(DecodeDictionaryLine("\xB1\xB3\xB2"), "abc");
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(DecodeDictionaryLine(EncodeDictionaryLine(all)), all);
    const std::string plain = "book;..FF..;;kitap;;;;;";
    const std::string stored = EncodeDictionaryLine(plain);
    for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_NE(plain[i], stored[i]) << i;
}

TEST(LineShift, ExactlyNineCharactersCannotBeStored) {
    std::string bad;
    for (int b = 0; b < 256; ++b)
        if (IsUnstorableInMainDictionary(static_cast<char>(b))) bad += static_cast<char>(b);
    EXPECT_EQ(bad, "\xAF\xB0\xB1\xB9\xBA\xBB\xBC\xBD\xBE");
}

TEST(MainDictionaryFile, KeysAndRecordsStayParallel) {
    TempDir dir;
    std::string bytes = Shifted({"!!!!;..XX..;;sayılar;;;;;", "book;..FF..;;kitap;;;;;", "car;a;b;c;d"});
    bytes += EncodeDictionaryLine("no separator") + "\r\n";
    bytes += EncodeDictionaryLine("last;line");  // truncated: no line end
    auto path = dir.Write("pavolkx.txt", bytes);
    StringList keys, records;
    std::string error;
    ASSERT_EQ(LoadMainDictionaryFile(path, keys, records, &error), 5);
    ASSERT_EQ(keys.size(), records.size());
    EXPECT_EQ(keys[1], "book");
    EXPECT_EQ(records[1], "..FF..;;kitap;;;;;");
    EXPECT_EQ(records[2], "a;b;c;d");  // everything after the first ";"
    EXPECT_EQ(keys[3], "no separator");
    EXPECT_EQ(records[3], "");
    EXPECT_EQ(records[4], "line");
}

TEST(MainDictionaryFile, NulAndLoneCrStayInsideTheLine) {
    TempDir dir;
    // Plain bytes that the shift turns into NUL (B0 at position 1) and CR (BE at 3).
    std::string plain = std::string("\xB0x\xBE;rec");
    auto path = dir.Write("zelmorx.txt", EncodeDictionaryLine(plain) + "\r\n");
    ASSERT_NE(EncodeDictionaryLine(plain).find('\0'), std::string::npos);
    StringList keys, records;
    ASSERT_EQ(LoadMainDictionaryFile(path, keys, records, nullptr), 1);
    EXPECT_EQ(keys[0], "\xB0x\xBE");
    EXPECT_EQ(records[0], "rec");
}

TEST(MainDictionaryFile, EmptyAndUnreadableFiles) {
    TempDir dir;
    StringList keys, records;
    EXPECT_EQ(LoadMainDictionaryFile(dir.Write("empty.txt", ""), keys, records, nullptr), 0);
    fs::create_directories(dir.path() / "folder.txt");
    std::string error;
    EXPECT_EQ(LoadMainDictionaryFile(dir.path() / "folder.txt", keys, records, &error), -1);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(keys.empty());
}

TEST(UserDictionary, LoadRules) {
    const std::vector<std::string> src = {
        "ignored=header",     // line 0 never used
        "car=araba",
        "car  =  araba ",     // key keeps its blanks, translation trimmed
        "car  =  araba ",     // repeats the line before: skipped
        "empty=",             // no translation
        "no separator",
        "car=otomobil",       // same key again, not consecutive: kept
    };
    std::vector<std::string> cp;
    for (auto& s : src) cp.push_back(Cp(s));
    std::vector<std::string_view> lines(cp.begin(), cp.end());
    StringList keys, records;
    ParseUserDictionaryLines(lines, keys, records);
    EXPECT_EQ(keys.ToVector(), (std::vector<std::string>{"car", "car  ", "car"}));
    EXPECT_EQ(records.ToVector(), (std::vector<std::string>{"araba", "araba", "otomobil"}));
}

// Records every message and answers the open dialog from a script.
struct ScriptedUi : LoadUi {
    std::vector<std::string> messages;
    std::vector<std::optional<fs::path>> answers;  // consumed front to back
    std::vector<std::string> filters;
    void Warning(std::string_view t) override { messages.push_back(Utf8(t)); }
    std::optional<fs::path> ChooseFile(std::string_view filter) override {
        filters.emplace_back(filter);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void SetOpenFilter(std::string_view f) override { filters.emplace_back(f); }
    void ReadError(std::string_view t) override { messages.push_back("read error: " + std::string(t)); }
};

struct StoreFiles {
    TempDir dir;
    void Main(const std::string& name, const std::vector<std::string>& lines) {
        dir.Write(name, Shifted(lines));
    }
    void Plain(const std::string& name, const std::vector<std::string>& lines) {
        std::string s;
        for (auto& l : lines) s += Cp(l) + "\r\n";
        dir.Write(name, s);
    }
    void All() {
        Main("pavolkx.txt", {"!!!!;h", "book;..FF..;;kitap;;;;;"});
        Plain("usering.txt", {"*0=h", "car=araba"});
        Main("zelmorx.txt", {"!!!!;h", "kitap;..FF..;;book;;;;;;", "okul;..FF..;;school;;;;;;"});
        Plain("usertur.txt", {"*0=h", "araba=car", "ev=house"});
        Plain("abbreviate.txt", {"*Abreviations*", "Dr.", "şşşş"});
    }
};

TEST(LoadDictionaryStore, LoadsEveryFileAndSetsTheNumbers) {
    StoreFiles f;
    f.All();
    fs::create_directories(f.dir.path() / "trwav");
    f.Plain("trwav/abcdhece.txt", {"a", "ba"});
    ScriptedUi ui;
    DictionaryStore s;
    LoadOutcome out = LoadDictionaryStore(s, f.dir.path(), ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(out.TurkishKeyboard);
    EXPECT_FALSE(out.StoppedOnReadError);
    EXPECT_EQ(s.EnTrKeys.size(), 2u);
    EXPECT_EQ(s.EnUserKeys.ToVector(), (std::vector<std::string>{"car"}));
    EXPECT_EQ(s.TrEnLastIndex, 2);
    EXPECT_EQ(s.LastLoadedIndex, 2);  // usertur.txt was read last: 3 lines
    EXPECT_EQ(s.TrUserKeys.size(), 2u);
    EXPECT_EQ(s.AbbreviationList.size(), 3u);
    EXPECT_EQ(s.SyllableList.ToVector(), (std::vector<std::string>{"a", "ba"}));
}

TEST(LoadDictionaryStore, MissingEnglishDictionarySkipsItsUserFileButNotTheTurkishOnes) {
    StoreFiles f;
    f.All();
    fs::remove(f.dir.path() / "pavolkx.txt");
    fs::remove(f.dir.path() / "abbreviate.txt");
    ScriptedUi ui;
    DictionaryStore s;
    LoadOutcome out = LoadDictionaryStore(s, f.dir.path(), ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "pavolkx.txt  DOSYA AÇILAMADI! Lütfen dosyayi açilacak pencerede bulunuz!.",
                               "pavolkx.txt  DOSYASI YOK, YÜKLENMEDi!"}));
    EXPECT_EQ(ui.filters, (std::vector<std::string>{"Text files(*.txt)|*.txt",
                                                    "Rich Text files(*.rtf)|*.rtf|All files(*.*)|*.*"}));
    EXPECT_TRUE(s.EnTrKeys.empty());
    EXPECT_TRUE(s.EnUserKeys.empty());  // skipped although the file exists
    EXPECT_EQ(s.TrEnKeys.size(), 3u);
    EXPECT_EQ(s.SyllableList.ToVector(), (std::vector<std::string>{"???"}));
    EXPECT_TRUE(s.AbbreviationList.empty());
    EXPECT_FALSE(out.TurkishKeyboard);
}

TEST(LoadDictionaryStore, FileFoundThroughTheDialogIsLoadedFromThere) {
    StoreFiles f;
    f.All();
    TempDir elsewhere;
    fs::rename(f.dir.path() / "zelmorx.txt", elsewhere.path() / "ZELMORX.TXT");
    fs::remove(f.dir.path() / "usertur.txt");
    ScriptedUi ui;
    ui.answers = {elsewhere.path() / "ZELMORX.TXT", elsewhere.path() / "other.txt"};
    DictionaryStore s;
    LoadDictionaryStore(s, f.dir.path(), ui);
    EXPECT_EQ(s.TrEnKeys.size(), 3u);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[1], "zelmorx.txt Bulundu, yüklenecek! ");
    EXPECT_EQ(ui.messages[3], "usertur.txt  DOSYASI YOK, YÜKLENMEDi!");
    EXPECT_TRUE(s.TrUserKeys.empty());
    EXPECT_EQ(s.AbbreviationList.size(), 3u);  // later files still load
}

TEST(LoadDictionaryStore, TurkishDictionaryHasItsOwnRefusalText) {
    StoreFiles f;
    f.All();
    fs::remove(f.dir.path() / "zelmorx.txt");
    ScriptedUi ui;
    DictionaryStore s;
    LoadDictionaryStore(s, f.dir.path(), ui);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], "zelmorx.txt  DOSYASI YOK ,YÜKLENMEDi!");
    EXPECT_TRUE(s.TrUserKeys.empty());
}

TEST(LoadDictionaryStore, UnreadableFileStopsTheLoadAndKeepsWhatWasRead) {
    StoreFiles f;
    f.All();
    fs::remove(f.dir.path() / "zelmorx.txt");
    fs::create_directories(f.dir.path() / "zelmorx.txt");  // exists, cannot be read
    ScriptedUi ui;
    DictionaryStore s;
    LoadOutcome out = LoadDictionaryStore(s, f.dir.path(), ui);
    EXPECT_TRUE(out.StoppedOnReadError);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("read error: ", 0), 0u);
    EXPECT_EQ(s.EnTrKeys.size(), 2u);
    EXPECT_TRUE(s.AbbreviationList.empty());
}

TEST(LoadDictionaryStore, LargeDictionaryLoadsEveryLine) {
    TempDir dir;
    std::string bytes = EncodeDictionaryLine("!!!!;h") + "\r\n";
    for (int i = 0; i < 200000; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "w%07d", i);
        bytes += EncodeDictionaryLine(std::string(key) + ";..FF..;;anlam;;;;;") + "\r\n";
    }
    dir.Write("pavolkx.txt", bytes);
    StringList keys, records;
    ASSERT_EQ(LoadMainDictionaryFile(dir.path() / "pavolkx.txt", keys, records, nullptr), 200001);
    EXPECT_EQ(keys[200000], "w0199999");
    EXPECT_EQ(records[123], "..FF..;;anlam;;;;;");
    EXPECT_LT(keys.MemoryBytes() + records.MemoryBytes(), 3 * bytes.size());
}

TEST(WriteFileAtomically, ReplacesAndKeepsABackup) {
    TempDir dir;
    auto path = dir.Write("usering.txt", "old");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
    std::string got;
    ReadWholeFile(path, got, nullptr);
    EXPECT_EQ(got, "new");
    ReadWholeFile(fs::path(path.string() + ".bak"), got, nullptr);
    EXPECT_EQ(got, "old");
}

TEST(WriteFileAtomically, FailureHalfWayLeavesTheOldFileAndNoLeftovers) {
    TempDir dir;
    auto path = dir.Write("usering.txt", "old contents");
    std::string error;
    std::string big(300000, 'x');
    EXPECT_FALSE(WriteFileAtomically(path, big, &error, true,
                                     [](std::size_t written) { return written < 100000; }));
    EXPECT_NE(error.find("usering.txt"), std::string::npos);
    std::string got;
    ReadWholeFile(path, got, nullptr);
    EXPECT_EQ(got, "old contents");
    int files = 0;
    for (auto& e : fs::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(WriteFileAtomically, MissingFolderIsAnError) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-zelmor/x.txt", "a", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace zelmor::store

namespace zelmor::store {
namespace {

TEST(StringList, EditsAfterALoadKeepEveryEntry) {
    testing::TempDir dir;
    std::string bytes;
    for (const char* l : {"!!!!;h", "b;1", "d;2"}) bytes += EncodeDictionaryLine(l) + "\r\n";
    auto path = dir.Write("x.txt", bytes);
    StringList keys, records;
    ASSERT_EQ(LoadMainDictionaryFile(path, keys, records, nullptr), 3);
    keys.insert(2, "c");
    records.insert(2, "3");
    keys.set(1, keys[3]);  // an entry copied from the list itself
    keys.erase(0);
    for (int i = 0; i < 3000; ++i) keys.set(0, std::string(5, static_cast<char>('a' + i % 26)));
    EXPECT_EQ(keys.ToVector(), (std::vector<std::string>{std::string(5, static_cast<char>('a' + 2999 % 26)), "c", "d"}));
    EXPECT_EQ(records.ToVector(), (std::vector<std::string>{"h", "1", "3", "2"}));
}

}  // namespace
}  // namespace zelmor::store

namespace zelmor::store {
namespace {

// The loader decodes eight bytes at a time and may touch bytes past a
// line's end; every line length and position in the file must still decode
// exactly as the plain byte-by-byte rule does.
TEST(MainDictionaryFile, EveryLineLengthDecodesLikeTheByteRule) {
    std::vector<std::string> plain;
    unsigned seed = 7;
    for (int len = 0; len <= 70; ++len) {
        std::string l;
        for (int i = 0; i < len; ++i) {
            seed = seed * 1103515245u + 12345u;
            char c = static_cast<char>((seed >> 16) & 0xFF);
            if (IsUnstorableInMainDictionary(c)) c = 'x';
            l += c;
        }
        plain.push_back(l);
    }
    std::string bytes;
    for (auto& l : plain) bytes += EncodeDictionaryLine(l) + "\r\n";
    bytes += EncodeDictionaryLine("k;tail");  // last line, no line end
    testing::TempDir dir;
    StringList keys, records;
    ASSERT_EQ(LoadMainDictionaryFile(dir.Write("x.txt", bytes), keys, records, nullptr), 72);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        std::size_t semi = plain[i].find(';');
        std::string key = semi == std::string::npos ? plain[i] : plain[i].substr(0, semi);
        std::string rec = semi == std::string::npos ? "" : plain[i].substr(semi + 1);
        EXPECT_EQ(keys[i], key) << "line " << i;
        EXPECT_EQ(records[i], rec) << "line " << i;
    }
    EXPECT_EQ(keys[71], "k");
    EXPECT_EQ(records[71], "tail");
}

}  // namespace
}  // namespace zelmor::store
