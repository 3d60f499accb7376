#include <gtest/gtest.h>

#include "core/learning/word_pairs.h"
#include "tests/support/fixtures.h"

namespace zelmor::learning {
namespace {

using testing::Cp;
using testing::Utf8;

// A store with `filler` unmarked entries (header first) before `tail`
// (key;record lines in UTF-8), then the closing line.
store::DictionaryStore Store(Direction d, std::size_t filler, const std::vector<std::string>& tail) {
    store::DictionaryStore s;
    const bool en = d == Direction::EnglishFirst;
    auto& keys = en ? s.EnTrKeys : s.TrEnKeys;
    auto& records = en ? s.EnTrRecords : s.TrEnRecords;
    keys.push_back("!!!!");
    records.push_back("..XX..;;h;;;;;");
    for (std::size_t i = 1; i < filler; ++i) {
        keys.push_back("a" + std::to_string(100000 + i));
        records.push_back(en ? "..FF..;;x;;;;;" : "..FF..;;x;;;;;;");
    }
    for (const std::string& line : tail) {
        std::string cp = Cp(line);
        keys.push_back(cp.substr(0, cp.find(';')));
        records.push_back(cp.substr(cp.find(';') + 1));
    }
    keys.push_back("\xFE\xFE\xFE\xFE");
    records.push_back(en ? "???;*;;;;;;" : "???;*;;;;;;;");  // marked, but never used
    return s;
}

std::vector<std::string> Utf8Pairs(const std::vector<WordPair>& pairs) {
    std::vector<std::string> out;
    for (const WordPair& p : pairs) out.push_back(Utf8(p.word) + "|" + Utf8(p.meaning));
    return out;
}

TEST(BuildDictionaryPairs, EnglishFirstMarkedRecordsWithInfinitives) {
    store::DictionaryStore s = Store(Direction::EnglishFirst, 12500,
                                     {"ask;..PP..;*;sor;;;=;;", "book;..FF..;*; kitap ;;;;;", "buy;..PP..;*;al;;;3;;",
                                      "come;..PP..;*;gel;;;2x;;", "dog;..FF..;;köpek;;;;;", "eat;..PP..;*;ye;;;;;",
                                      "odd;x;*;a", "zero;..FF..;*;   ;;;;;"});
    EXPECT_EQ(Utf8Pairs(BuildDictionaryPairs(s, Direction::EnglishFirst)),
              (std::vector<std::string>{"ask|sormak", "book|kitap", "buy|almak", "come|gelmek", "eat|ye", "odd|x;*;a"}));
    // Below record 12500 nothing is taken.
    store::DictionaryStore small = Store(Direction::EnglishFirst, 12000, {"ask;..PP..;*;sor;;;=;;"});
    EXPECT_TRUE(BuildDictionaryPairs(small, Direction::EnglishFirst).empty());
    EXPECT_TRUE(BuildDictionaryPairs(store::DictionaryStore{}, Direction::EnglishFirst).empty());
}

TEST(BuildDictionaryPairs, TurkishFirstStemsGetTheirInfinitive) {
    store::DictionaryStore s = Store(Direction::TurkishFirst, 9500,
                                     {"gel;..PP..;*;come;;;;;;", "kalk;..PP..;*;stand up;;;;;;", "oku;..PP..;*;read;;;;;;",
                                      "su;..FF..;*; water;;;;;;", "yaz;..PP..;*;write;;;;;;"});
    EXPECT_EQ(Utf8Pairs(BuildDictionaryPairs(s, Direction::TurkishFirst)),
              (std::vector<std::string>{"gelmek|come", "kalk|stand up", "okumak|read", "su| water", "yazmak|write"}));
}

TEST(Infinitives, StemClassesAndVowels) {
    for (std::string c : {"0", "2", "4", "7", "8", ":"}) EXPECT_EQ(EnglishRecordInfinitive(c), "mek") << c;
    for (std::string c : {"1", "3", "5", "6", "9", "="}) EXPECT_EQ(EnglishRecordInfinitive(c), "mak") << c;
    for (std::string c : {"", ";", "A"}) EXPECT_EQ(EnglishRecordInfinitive(c), "") << c;
    const std::vector<std::pair<std::string, std::string>> stems = {
        {"gel", "mek"}, {"oku", "mak"}, {"kalk", ""}, {"gör", "mek"}, {"ısıt", "mak"}, {"ye", "mek"}, {"k", ""}, {"", ""}};
    for (const auto& [stem, ending] : stems) EXPECT_EQ(TurkishStemInfinitive(Cp(stem)), ending) << stem;
}

TEST(ParseWordFile, PairsWithoutShiftingAfterALineWithoutSemicolon) {
    std::vector<WordPair> pairs = ParseWordFile(Cp("book;kitap\r\n  kalem\r\n\r\npen;   kalem; tükenmez\ngo_on;devam_et"));
    EXPECT_EQ(Utf8Pairs(pairs),
              (std::vector<std::string>{"book|kitap", "kalem|", "pen|kalem; tükenmez", "go_on|devam_et"}));
    EXPECT_EQ(DisplayText("go_on"), "go on");
}

TEST(EnglishSpeechText, BlanksMarksAndSpacesAfterPunctuation) {
    EXPECT_EQ(EnglishSpeechText("  *I go_to<the:house.Then.5 ok. "), " I go to the: house. Then.5 ok.");
}

}  // namespace
}  // namespace zelmor::learning
