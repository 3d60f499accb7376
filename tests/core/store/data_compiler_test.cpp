#include <gtest/gtest.h>

#include "core/store/data_compiler.h"
#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "tests/support/fixtures.h"

namespace zelmor::store {
namespace {

using testing::Cp;
using testing::TempDir;
using testing::Utf8;

std::vector<SourceLine> Src(const std::vector<std::string>& lines) {
    std::vector<SourceLine> out;
    for (std::size_t i = 0; i < lines.size(); ++i) out.push_back({"en.txt", i + 1, Cp(lines[i])});
    return out;
}

std::vector<std::string> DecodedLines(const std::string& bytes, bool shifted) {
    std::vector<std::string> out;
    for (auto l : SplitLines(bytes)) out.push_back(Utf8(shifted ? DecodeDictionaryLine(l) : std::string(l)));
    return out;
}

TEST(CompileMainDictionary, SortsInByteOrderWithHeaderAndClosingLine) {
    std::vector<Diagnostic> errors;
    std::string bytes = CompileMainDictionary(
        Src({"şapka;..FF..;;hat;;;;;", "book;..FF..;;kitap;;;;;", "Book;..F*..;;Book;;;;;"}), 8,
        "01.02.2026", errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(DecodedLines(bytes, true),
              (std::vector<std::string>{"!!!!;..XX..;;sayılar;01.02.2026;VERSION;V9.03;;",
                                        "Book;..F*..;;Book;;;;;", "book;..FF..;;kitap;;;;;",
                                        "şapka;..FF..;;hat;;;;;", "şşşş;???;;;;;;;"}));
}

TEST(CompileMainDictionary, RejectsBadLinesNamingFileAndLine) {
    struct Case {
        std::string line;
        std::string reason_part;
    } cases[] = {
        {"book;..FF..;;kitap;;;;", "7 fields, expected 8"},
        {"book", "no ';'"},
        {";..FF..;;x;;;;;", "empty key"},
        {"deg;..FF..;;10°;;;;;", "cannot be stored"},
        {"ÿes;..FF..;;x;;;;;", "does not sort between"},
    };
    for (auto& c : cases) {
        std::vector<Diagnostic> errors;
        CompileMainDictionary(Src({"ok;..FF..;;tamam;;;;;", c.line}), 8, "d", errors);
        ASSERT_EQ(errors.size(), 1u) << c.line;
        EXPECT_EQ(errors[0].ToString().rfind("en.txt:2: ", 0), 0u) << errors[0].ToString();
        EXPECT_NE(errors[0].reason.find(c.reason_part), std::string::npos) << errors[0].reason;
    }
    std::vector<Diagnostic> errors;
    CompileMainDictionary(Src({"car;..FF..;;araba;;;;;", "car;..FF..;;oto;;;;;"}), 8, "d", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].ToString(), "en.txt:2: duplicate key 'car' (first at en.txt:1)");
}

TEST(CompileMainDictionary, DecodedOutputCompilesBackByteForByte) {
    std::vector<Diagnostic> errors;
    std::string first = CompileMainDictionary(
        Src({"kitap;..FF..;;book;;;;;;", "göz;..FF..;;eye;;;;;;"}), 9, "01.02.2026", errors);
    std::vector<std::string> decoded = DecodedLines(first, true);
    std::string second = CompileMainDictionary(Src(decoded), 9, "other date", errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(first, second);
}

TEST(CompileUserDictionary, HeaderSortedLinesAndClosingLine) {
    std::vector<Diagnostic> errors;
    std::string bytes = CompileUserDictionary(Src({"I am here=Buradayım", "Good night=İyi geceler"}),
                                              "01.02.2026", errors);
    EXPECT_TRUE(errors.empty());
    auto lines = DecodedLines(bytes, false);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "*01234567=tarih:01.02.2026 DiKKAT: Özel isimler Büyük Harfle, Deyimler küçük harfle başlar");
    EXPECT_EQ(lines[1], "Good night=İyi geceler");
    EXPECT_EQ(lines[3], "şşşş=???");
    CompileUserDictionary(Src({"no equals sign", "x="}), "d", errors);
    EXPECT_EQ(errors.size(), 2u);
}

TEST(CompileAbbreviations, TrimmedSortedWithHeaderAndEnd) {
    std::vector<Diagnostic> errors;
    std::string bytes = CompileAbbreviations(Src({" Mr. ", "Dr.", "*Abreviations*"}), errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(DecodedLines(bytes, false),
              (std::vector<std::string>{"*Abreviations*", "Dr.", "Mr.", "şşşş"}));
}

TEST(ReadSourceLines, SkipsCommentsAndReportsBadEncoding) {
    TempDir dir;
    dir.Write("a/1.txt", "# comment\n\nbook;x\r\nbad\xC3;y\n");
    dir.Write("a/2.txt", "Çay;tea\n");
    dir.Write("a/notes.md", "ignored;x\n");
    std::vector<SourceLine> lines;
    std::vector<Diagnostic> errors;
    ReadSourceLines(dir.path() / "a", lines, errors);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "book;x");
    EXPECT_EQ(lines[0].line, 3u);
    EXPECT_EQ(lines[1].text, Cp("Çay;tea"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 4u);
}

TEST(BuildAllDictionaries, WritesNothingWhenAnyLineIsRejected) {
    TempDir data, out;
    data.Write("en-tr/a.txt", "book;..FF..;;kitap;;;;;\n");
    data.Write("tr-en/a.txt", "kitap;..FF..;;book;;;;\n");  // 8 fields: wrong
    BuildReport report;
    EXPECT_FALSE(BuildAllDictionaries(data.path(), out.path(), "d", report));
    EXPECT_EQ(report.errors.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(out.path() / "pavolkx.txt"));
}

TEST(MakeStore, FixtureStoreLooksLikeALoadedOne) {
    testing::StoreSource src;
    src.en_tr = {"book;..FF..;;kitap;;;;;"};
    src.en_user = {"Good morning=Günaydın"};
    src.abbreviations = {"Dr."};
    DictionaryStore s = testing::MakeStore(src);
    ASSERT_EQ(s.EnTrKeys.size(), 3u);
    EXPECT_EQ(s.EnTrKeys[1], "book");
    EXPECT_EQ(s.EnUserRecords[0], Cp("Günaydın"));
    EXPECT_EQ(s.AbbreviationList[1], "Dr.");
    EXPECT_EQ(s.SyllableList[0], "???");
}

}  // namespace
}  // namespace zelmor::store
