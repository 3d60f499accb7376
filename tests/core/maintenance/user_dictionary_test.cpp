#include <gtest/gtest.h>

#include <filesystem>

#include "core/maintenance/key_order.h"
#include "core/maintenance/user_dictionary.h"
#include "core/store/file_io.h"
#include "tests/core/maintenance/fake_ui.h"

namespace zelmor::maintenance {
namespace {

using store::StringList;
using testing::Cp;
using testing::TempDir;
using testing::Utf8;
namespace fs = std::filesystem;

std::vector<std::string> Utf8All(const std::vector<std::string>& v) {
    std::vector<std::string> out;
    for (const auto& s : v) out.push_back(Utf8(s));
    return out;
}

std::vector<std::string> Pairs(const StringList& keys, const StringList& records) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < keys.size(); ++i) out.push_back(Utf8(keys[i]) + "=" + Utf8(records[i]));
    return out;
}

const std::string kHeaderLine =
    "*01234567=tarih:11.12.2026 DiKKAT: Özel isimler Büyük Harfle, Deyimler küçük harfle başlar";

TEST(NormaliseUserLine, TidiesBlanksAroundTheEqualsSign) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"  car   =   araba  ", "car=araba"},
        {"car\t=\taraba", "car=araba"},
        {"good  morning =  günaydın", "good morning=günaydın"},
        {"a    b=c", "a b=c"},  // four blanks: three become one, then two become one
        {"", "şşşş=???"},
        {"   ", "şşşş=???"},
        {"car", "car"},
    };
    for (const auto& [in, want] : cases) EXPECT_EQ(Utf8(NormaliseUserLine(Cp(in))), want) << in;
}

TEST(RebuildUserDictionary, RewritesSortsAndKeepsEveryEntry) {
    UserRebuild r = RebuildUserDictionary(Cp("*01234567=tarih:01.01.2020 old header\r\n"
                                             "car  =  araba\r\n"
                                             "\r\n"
                                             "apple= elma \r\n"
                                             "car=otomobil\r\n"
                                             "good morning\r\n"
                                             "zip=\r\n"
                                             "st*ar=yıldız\r\n"
                                             "!hey=hey\r\n"
                                             "şşşş=???\r\n"
                                             "Ankara=Ankara"),
                                          "11.12.2026");
    EXPECT_EQ(Utf8All(r.lines),
              (std::vector<std::string>{kHeaderLine, "!hey=hey", "Ankara=Ankara", "apple=elma", "car=araba",
                                        "good morning=???", "zip=*", "şşşş=???"}));
    // The store is what loading the file gives: no header entry, and the
    // lowest key keeps its own translation.
    EXPECT_EQ(Pairs(r.keys, r.records),
              (std::vector<std::string>{"!hey=hey", "Ankara=Ankara", "apple=elma", "car=araba",
                                        "good morning=???", "zip=*", "şşşş=???"}));
    EXPECT_TRUE(IsStrictlyAscending(r.keys));
}

TEST(RebuildUserDictionary, KeysAfterTheClosingKeyStaySorted) {
    UserRebuild r = RebuildUserDictionary(Cp("ÿ=y\nb=c"), "11.12.2026");
    EXPECT_EQ(Utf8All(r.lines), (std::vector<std::string>{kHeaderLine, "b=c", "şşşş=???", "ÿ=y"}));
    EXPECT_TRUE(IsStrictlyAscending(r.keys));
}

TEST(IndexAndSaveUserDictionary, WritesTheFileAndTheStoreLoadsTheSame) {
    TempDir dir;
    dir.Write("usertur.txt", "old\r\n");
    store::DictionaryStore s;
    FakeUi ui;
    auto text = IndexAndSaveUserDictionary(s, UserDictionary::Turkish, Cp("su = water\nçay=tea\n"), dir.path(),
                                           ui, "11.12.2026");
    ASSERT_TRUE(text);
    EXPECT_EQ(Utf8(*text), kHeaderLine + "\nsu=water\nçay=tea\nşşşş=???\n");
    EXPECT_EQ(ui.confirms, std::vector<std::string>{"usertur.txt düzenlenecek|OK Dügmesine basin"});
    EXPECT_EQ(ui.messages, std::vector<std::string>{"usertur.txt dosyasına kayıt yapıldı=3"});
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(dir.path() / "usertur.txt", bytes, nullptr));
    EXPECT_EQ(Utf8(bytes), kHeaderLine + "\r\nsu=water\r\nçay=tea\r\nşşşş=???\r\n");
    StringList keys, records;
    store::ParseUserDictionaryLines(store::SplitLines(bytes), keys, records);
    EXPECT_EQ(keys, s.TrUserKeys);
    EXPECT_EQ(records, s.TrUserRecords);
    EXPECT_EQ(Pairs(s.TrUserKeys, s.TrUserRecords), (std::vector<std::string>{"su=water", "çay=tea", "şşşş=???"}));
    EXPECT_TRUE(fs::exists(dir.path() / "usertur.txt.bak"));
    EXPECT_TRUE(s.EnUserKeys.empty());
}

TEST(IndexAndSaveUserDictionary, CancelKeepsTheFileAndAFailedWriteSaysSo) {
    TempDir dir;
    dir.Write("usering.txt", "old\r\n");
    store::DictionaryStore s;
    FakeUi ui;
    ui.confirm_answers = {false};
    ASSERT_TRUE(IndexAndSaveUserDictionary(s, UserDictionary::English, "car=araba", dir.path(), ui, "d"));
    EXPECT_EQ(s.EnUserKeys.size(), 2u);  // the store keeps the new lists
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(dir.path() / "usering.txt", bytes, nullptr));
    EXPECT_EQ(bytes, "old\r\n");

    store::WriteFaultHook fault = [](std::size_t written) { return written < 10; };
    ASSERT_TRUE(IndexAndSaveUserDictionary(s, UserDictionary::English, "car=araba", dir.path(), ui, "d", fault));
    ASSERT_TRUE(store::ReadWholeFile(dir.path() / "usering.txt", bytes, nullptr));
    EXPECT_EQ(bytes, "old\r\n");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("usering.txt yazılamadı"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(IndexAndSaveUserDictionary(s, UserDictionary::English, "", dir.path(), ui, "d"));
    EXPECT_EQ(ui.warnings, std::vector<std::string>{"Bir dosya yükleyiniz|  "});
}

TEST(CheckWordMessage, ReportsWhetherTheMainDictionaryHoldsTheWord) {
    store::DictionaryStore s = testing::MakeStore(
        {.en_tr = {"good_morning;..<<..;;günaydın;;;;;", "car;..FF..;;araba;;;;;"},
         .tr_en = {"araba;..FF..;NN;car;;;;;;"}});
    const std::vector<std::tuple<UserDictionary, std::string, std::string>> cases = {
        {UserDictionary::English, "good morning", "Ana Dosyada   \"good morning=günaydın\"  isimli kayit var"},
        {UserDictionary::English, "good evening  ", "Ana Dosyada  \"good_evening\" isimli kayit yok"},
        {UserDictionary::English, "", "Kelime seçiniz !!!"},
        {UserDictionary::English, "car=araba", "kelimede \"=\" işareti var!!!,yeniden seçim yapınız"},
        {UserDictionary::Turkish, "araba", "Ana Dosyada   \"araba=car\"  isimli kayit var"},
        {UserDictionary::Turkish, "car", "Ana Dosyada  \"car\" isimli kayit yok"},
    };
    for (const auto& [which, selection, want] : cases)
        EXPECT_EQ(Utf8(CheckWordMessage(s, which, Cp(selection))), want) << selection;
}

TEST(TranslateButtonText, TranslatesTheTrimmedSelection) {
    std::string seen;
    auto translate = [&](std::string_view t) {
        seen = std::string(t);
        return std::string("iyi günler");
    };
    EXPECT_EQ(TranslateButtonText(UserDictionary::English, "  good day ", translate), "pavolk-ceviri== iyi günler");
    EXPECT_EQ(seen, "good_day");
    EXPECT_EQ(TranslateButtonText(UserDictionary::Turkish, "x", translate), "zelmor-ceviri== iyi günler");
    EXPECT_EQ(Utf8(TranslateButtonText(UserDictionary::Turkish, "   ", translate)), "Kelime seçiniz !!!");
    EXPECT_EQ(TranslateButtonText(UserDictionary::Turkish, "a=b", translate), EqualsSignMessage());
}

TEST(RebuildAbbreviations, SortedUniqueBetweenHeaderAndClosingLine) {
    AbbreviationRebuild r = RebuildAbbreviations(Cp(" *Abreviations* \r\nMr.\r\n Dr. \r\n\r\nMr.\r\n(a)\r\nşşşş\r\netc."));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Utf8All(r.lines), (std::vector<std::string>{"*Abreviations*", "(a)", "Dr.", "Mr.", "etc.", "şşşş"}));
    EXPECT_FALSE(RebuildAbbreviations("Dr.\n*Abreviations*").ok);
    EXPECT_FALSE(RebuildAbbreviations("").ok);
}

TEST(IndexAndSaveAbbreviations, WritesFileAndReplacesTheList) {
    TempDir dir;
    store::DictionaryStore s;
    s.AbbreviationList = {"*Abreviations*", "Dr.", "\xFE\xFE\xFE\xFE"};
    FakeUi ui;
    std::string text = AbbreviationText(s) + "Prof.\nDr.\n";
    ASSERT_TRUE(IndexAndSaveAbbreviations(s, text, dir.path(), ui));
    EXPECT_EQ(s.AbbreviationList, (StringList{"*Abreviations*", "Dr.", "Prof.", "\xFE\xFE\xFE\xFE"}));
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(dir.path() / "abbreviate.txt", bytes, nullptr));
    EXPECT_EQ(bytes, "*Abreviations*\r\nDr.\r\nProf.\r\n\xFE\xFE\xFE\xFE\r\n");
    EXPECT_EQ(ui.confirms,
              std::vector<std::string>{"indeksleme yapıldı, abbreviate.txt dosyasına kayıt için |OK Dügmesine basin"});
    EXPECT_EQ(ui.messages, std::vector<std::string>{"kayıt =3"});

    FakeUi ui2;
    EXPECT_FALSE(IndexAndSaveAbbreviations(s, "Dr.\n", dir.path(), ui2));
    EXPECT_EQ(ui2.warnings, std::vector<std::string>{"Abreviation dosyasını açınız|  "});
    EXPECT_EQ(s.AbbreviationList.size(), 4u);
}

}  // namespace
}  // namespace zelmor::maintenance
