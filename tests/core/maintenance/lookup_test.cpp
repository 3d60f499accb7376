#include <gtest/gtest.h>

#include "core/maintenance/listing_tools.h"
#include "core/maintenance/lookup.h"
#include "tests/support/fixtures.h"

namespace zelmor::maintenance {
namespace {

using testing::Cp;
using testing::Utf8;

// A store whose first `filler` entries are unmarked words, followed by the
// given lines (key;record, UTF-8), all in key order.
store::DictionaryStore BigStore(LookupDictionary which, std::size_t filler, const std::vector<std::string>& tail) {
    store::DictionaryStore s;
    auto& keys = which == LookupDictionary::EnTr ? s.EnTrKeys : s.TrEnKeys;
    auto& records = which == LookupDictionary::EnTr ? s.EnTrRecords : s.TrEnRecords;
    const std::string empty_fields(which == LookupDictionary::EnTr ? 5 : 6, ';');
    keys.push_back("!!!!");
    records.push_back("..XX..;;header;;;;;");
    for (std::size_t i = 1; i < filler; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "a%06zu", i);
        keys.push_back(key);
        records.push_back("..FF..;*;x" + empty_fields);
    }
    for (const std::string& line : tail) {
        std::string cp = Cp(line);
        keys.push_back(cp.substr(0, cp.find(';')));
        records.push_back(cp.substr(cp.find(';') + 1));
    }
    return s;
}

TEST(LookupWords, ListsMarkedEntriesFromTheStartIndexOn) {
    store::DictionaryStore s =
        BigStore(LookupDictionary::EnTr, 12500,
                 {"b;..FF..;*;bee;;;;;", "c;..FF..;;sea;;;;;", "d;..FF..;*x;dee;;;", "e;..FF..;*A;e;;;;;"});
    EXPECT_EQ(BuildLookupWords(s, LookupDictionary::EnTr), (std::vector<std::string>{"b", "e"}));
    // Exactly 12500 entries: nothing is listed.
    store::DictionaryStore small = BigStore(LookupDictionary::EnTr, 12500, {});
    EXPECT_TRUE(BuildLookupWords(small, LookupDictionary::EnTr).empty());

    store::DictionaryStore tr = BigStore(LookupDictionary::TrEn, 9600,
                                         {"ılık;..VV..;*;warm;;;;;;", "su;..FF..;*;water;;;;;"});
    std::vector<std::string> words = BuildLookupWords(tr, LookupDictionary::TrEn);
    EXPECT_EQ(words, std::vector<std::string>{Cp("ılık")});

    store::DictionaryStore tiny;
    tiny.EnTrKeys = {"!!!!", "a"};
    EXPECT_FALSE(HasLookupDictionary(tiny, LookupDictionary::EnTr));
    EXPECT_EQ(Utf8(NoDictionaryMessage(LookupDictionary::EnTr)), "Ingilizce SÖZLÜK  Yok!");
    EXPECT_EQ(Utf8(NoDictionaryMessage(LookupDictionary::TrEn)), "Türkçe  SÖZLÜK  Yok!");
}

TEST(LookupMeaning, JoinsMeaningAndLastFieldOrTranslates) {
    store::DictionaryStore s = testing::MakeStore(
        {.en_tr = {"go_on;..<<..;*;devam_etmek;;;;;sürdürmek", "run;..PP..;*;koşmak;;;;;", "zip;..FF..;*;;;;;;"},
         .tr_en = {"koşmak;..PP..;*;run;;;;;;jog"}});
    std::vector<std::string> asked;
    Translator translate = [&](std::string_view w) {
        asked.emplace_back(w);
        return std::string("fermuar,zımba");
    };
    auto utf8 = [](std::vector<std::string> v) {
        for (auto& s : v) s = Utf8(s);
        return v;
    };
    EXPECT_EQ(utf8(LookupMeaningLines(s, LookupDictionary::EnTr, " go_on ", translate)),
              (std::vector<std::string>{"devam etmek", "sürdürmek"}));
    EXPECT_EQ(utf8(LookupMeaningLines(s, LookupDictionary::EnTr, "run", translate)),
              std::vector<std::string>{"koşmak"});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(LookupMeaningLines(s, LookupDictionary::EnTr, "zip", translate),
              (std::vector<std::string>{"fermuar", "zımba"}));
    EXPECT_EQ(LookupMeaningLines(s, LookupDictionary::EnTr, "nothing", translate).size(), 2u);
    EXPECT_EQ(asked, (std::vector<std::string>{"zip", "nothing"}));
    EXPECT_EQ(LookupMeaningLines(s, LookupDictionary::TrEn, Cp("koşmak"), translate),
              (std::vector<std::string>{"run", "jog"}));
}

TEST(LookupSearch, MatchesOtherThanTheFirstEntry) {
    const std::vector<std::string> words = {"apple", "good_morning", Cp("ılık"), Cp("içmek")};
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::EnTr, "apple"), std::nullopt);
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::EnTr, " good morning "), 1u);
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::EnTr, "Good morning"), std::nullopt);
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::TrEn, Cp("ILIK")), 2u);
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::TrEn, Cp("İÇMEK")), 3u);
    EXPECT_EQ(MatchLookupWord(words, LookupDictionary::EnTr, Cp("ILIK")), std::nullopt);
    EXPECT_EQ(Utf8(LookupSearchText(LookupDictionary::TrEn, Cp("ÂLEM ŞİİR"))), "âlem_şiir");
}

TEST(ListingTools, SearchReplaceAndCase) {
    std::string listing = "!!!!;h\napple;..FF..;;elma;;;;;\nbook;..FF..;;kitap;;;;;\n";
    auto hit = FindInListing(listing, KeySearchText("book"), 0);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->start, listing.find("\nbook;"));
    EXPECT_FALSE(FindInListing(listing, KeySearchText("book"), hit->start + 1));
    EXPECT_FALSE(FindInListing(listing, "APPLE", 0));  // case-sensitive
    EXPECT_EQ(Utf8(NotFoundMessage("APPLE")), "APPLE-->\" Bulunamadı..");

    auto elma = FindInListing(listing, "elma", 0);
    ASSERT_TRUE(elma);
    ReplaceSelection(listing, *elma, "ELMA");
    EXPECT_NE(listing.find(";ELMA;"), std::string::npos);

    std::string t = Cp("IŞIK İNCE");
    EXPECT_FALSE(ConvertSelectionCase(t, {0, t.size()}, CaseConversion::AsciiLower));
    EXPECT_EQ(Utf8(t), "IŞIK İNCE");
    ASSERT_TRUE(ConvertSelectionCase(t, {1, t.size()}, CaseConversion::TurkishLower));
    EXPECT_EQ(Utf8(t), "Işık ince");
    std::string a = Cp("xIŞIK");
    ASSERT_TRUE(ConvertSelectionCase(a, {1, 4}, CaseConversion::AsciiLower));
    EXPECT_EQ(Utf8(a), "xiŞik");
    ASSERT_TRUE(ConvertSelectionCase(a, {1, 4}, CaseConversion::AsciiUpper));
    EXPECT_EQ(Utf8(a), "xIŞIK");
}

TEST(ListingTools, LinesWithCodeSearchTheFirst5001Lines) {
    std::string listing;
    for (int i = 0; i < 5002; ++i) listing += "w" + std::to_string(i) + (i % 1000 == 7 ? ";..FF..;NN;x\n" : ";..FF..;AB;x\n");
    auto lines = LinesWithCode(listing, " NN ");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"w7;..FF..;NN;x", "w1007;..FF..;NN;x", "w2007;..FF..;NN;x",
                                                "w3007;..FF..;NN;x", "w4007;..FF..;NN;x"}));
    EXPECT_FALSE(LinesWithCode(listing, "  "));
    EXPECT_FALSE(LinesWithCode("a;NN;\n", "NN"));
    EXPECT_EQ(Utf8(NoRecordMessage()), "Kayıt yok");
}

}  // namespace
}  // namespace zelmor::maintenance
