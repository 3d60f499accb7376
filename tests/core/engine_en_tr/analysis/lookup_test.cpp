// Dictionary look-up and record decoding: binary search quirks, record
// checks, the user dictionary's normalisation and slot decoding.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

zelmor::testing::StoreSource Dictionary() {
    zelmor::testing::StoreSource src;
    src.en_tr = {"walk;..PP..;*;yürü;;;1;;", "i;..FF..;*;ben;;;;;", "paris;..FF..;*;paris;;;;;",
                 "cat;..FF..;*;kedi;;;;;", "dog;..FF..;*;köpek;;;;;"};
    src.en_user = {"I am here=buradayım", "the cat=kedi", "paris=Paris şehri", "two cats=iki kedi"};
    return src;
}

TEST(LookUpEnglish, StripsInflectionMarksAndReadsIAsLowerCase) {
    EngineFixture f(Dictionary());
    EnTrEngine& e = f.engine;
    EXPECT_GT(e.LookUpEnglish("walk(ed)"), 0);
    EXPECT_TRUE(e.State().FoundFlag);
    EXPECT_EQ(Utf8(e.State().LookupRecord.meaning.view()), "yürü");
    EXPECT_GT(e.LookUpEnglish("walk(ing)  "), 0);
    EXPECT_GT(e.LookUpEnglish("I"), 0);
    EXPECT_EQ(Utf8(e.State().LookupRecord.meaning.view()), "ben");
    EXPECT_EQ(e.LookUpEnglish("walks"), 0);
    EXPECT_FALSE(e.State().FoundFlag);
    EXPECT_EQ(e.State().LastIndex, 0);
}

TEST(LookUpEnglish, FirstLineOfAKeyListIsNeverFound) {
    store::DictionaryStore store;
    store.EnTrKeys = {"apple", "book"};
    store.EnTrRecords = {"..FF..;*;elma;;;;;", "..FF..;*;kitap;;;;;"};
    EnTrEngine e(store);
    EXPECT_EQ(e.LookUpEnglish("apple"), 0);
    EXPECT_FALSE(e.State().FoundFlag);
    EXPECT_EQ(e.LookUpEnglish("book"), 1);
    EXPECT_EQ(e.LookUpEnglishExact("apple"), 0);

    store::DictionaryStore single;
    single.EnTrKeys = {"book"};
    single.EnTrRecords = {"..FF..;*;kitap;;;;;"};
    EXPECT_EQ(EnTrEngine(single).LookUpEnglish("book"), 0);
    EXPECT_EQ(EnTrEngine(store::DictionaryStore{}).LookUpEnglish("book"), 0);
}

TEST(LookUpEnglish, MalformedRecordIsReportedAndNotFound) {
    EngineFixture f(Dictionary());
    long cat = f.engine.LookUpEnglish("cat");
    ASSERT_GT(cat, 0);
    f.store.EnTrRecords.set(static_cast<std::size_t>(cat), "a;b;c");
    EXPECT_EQ(f.engine.LookUpEnglish("cat"), 0);
    EXPECT_FALSE(f.engine.State().FoundFlag);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "kayıt hatası var=a;b;c");
    // The word is then an unknown name in a sentence.
    EXPECT_EQ(f.Translate("cat"), " Cat");
}

TEST(LookUpEnglish, EntryWithEmptyCodeIsNotFound) {
    EngineFixture f(Dictionary());
    long dog = f.engine.LookUpEnglish("dog");
    ASSERT_GT(dog, 0);
    f.store.EnTrRecords.set(static_cast<std::size_t>(dog), Cp(";*;köpek;;;;;"));
    EXPECT_EQ(f.engine.LookUpEnglish("dog"), 0);
    EXPECT_GT(f.engine.LookUpEnglishExact("dog"), 0);  // the exact search does not decode
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(LookUpEnglish, LongKeysAreCutTo48Characters) {
    std::string key48(48, 'k');
    zelmor::testing::StoreSource src;
    src.en_tr = {key48 + ";..FF..;*;uzun;;;;;"};
    EngineFixture f(src);
    EXPECT_GT(f.engine.LookUpEnglish(key48 + "extra"), 0);
    EXPECT_GT(f.engine.LookUpEnglishExact(key48 + "zzz"), 0);
}

TEST(Decode, CurrentOnlyAfterASuccessfulLookUpAndLastWithoutTheFieldCheck) {
    EngineFixture f(Dictionary());
    EnTrEngine& e = f.engine;
    long walk = e.LookUpEnglish("walk");
    e.LookUpEnglish("nothing");
    e.DecodeCurrent(walk);
    EXPECT_TRUE(e.State().CurrentRecord.IsEmpty());
    e.LookUpEnglish("walk");
    e.DecodeCurrent(walk);
    EXPECT_EQ(Utf8(e.State().CurrentRecord.meaning.view()), "yürü");
    EXPECT_EQ(e.State().CurrentRecord.field6, "1");
    e.DecodeRuleRecord(walk);
    EXPECT_EQ(e.State().RuleRecord.key, "walk");

    f.store.EnTrRecords.set(static_cast<std::size_t>(walk), Cp("..PP..;*;yürü;x"));
    e.DecodeLast();
    EXPECT_EQ(Utf8(e.State().CurrentRecord.meaning.view()), "yürü");
    EXPECT_EQ(e.State().CurrentRecord.field4, "x");
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Decode, FieldsAreCutToTheirCapacities) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"long;..FF..TOOLONG;abc;" + std::string(90, 'm') + ";" + std::string(30, '4') + ";;" +
                 std::string(12, '6') + ";;" + std::string(60, '8')};
    EngineFixture f(src);
    ASSERT_GT(f.engine.LookUpEnglish("long"), 0);
    const WordRecord& r = f.engine.State().LookupRecord;
    EXPECT_EQ(r.code, "..FF..TO");
    EXPECT_EQ(r.field2, "ab");
    EXPECT_EQ(r.meaning.size(), 75u);
    EXPECT_EQ(r.field4.size(), 25u);
    EXPECT_EQ(r.field6.size(), 10u);
    EXPECT_EQ(r.field8.size(), 55u);
}

TEST(DecodeIntoSlot, UsesTheWordAsWrittenAndCapitalisesNames) {
    EngineFixture f(Dictionary());
    EnTrEngine& e = f.engine;
    e.SplitWords("*paris walk(ed)", '1');
    long paris = e.LookUpEnglish("paris");
    e.DecodeIntoSlot(1, paris);
    const WordRecord& slot = e.State().WordTable[1];
    EXPECT_EQ(slot.key, "*paris");
    EXPECT_EQ(slot.meaning, "Paris");
    EXPECT_EQ(slot.field8, "dSRT=" + std::to_string(paris) + ">");
    long walk = e.LookUpEnglish("walk(ed)");
    e.DecodeIntoSlot(2, walk);
    EXPECT_EQ(e.State().WordTable[2].key, "walk(ed)");
    e.LookUpEnglish("none");
    e.DecodeIntoSlot(2, walk);
    EXPECT_TRUE(e.State().WordTable[2].IsEmpty());
    e.DecodeIntoSlot(31, walk);  // outside the table: ignored
    e.DecodeIntoSlot(0, walk);
    EXPECT_TRUE(e.State().WordTable[0].IsEmpty());
}

TEST(LookUpUserSentence, NormalisesAndRetriesWithALowerCaseInitial) {
    EngineFixture f(Dictionary());
    EnTrEngine& e = f.engine;
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("I am here"), 0)), "buradayım");
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("i  am_here "), 0)), "buradayım");
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("The cat"), 0)), "kedi");
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("*Paris"), 0)), "Paris şehri");
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("two cat(s)"), 0)), "iki kedi");
    EXPECT_EQ(Utf8(e.LookUpUserSentence(Cp("two n9 cats"), 0)), "iki kedi");
    EXPECT_EQ(e.LookUpUserSentence("The cat", 1), "the cat");
    EXPECT_EQ(e.LookUpUserSentence("dog", 0), "***");
    EXPECT_EQ(e.LookUpUserSentence("", 0), "***");
    // The lowest user entry is found too: the user lists have no header.
    EXPECT_NE(e.LookUpUserSentence("+placeholder", 0), "***");
}

}  // namespace
}  // namespace zelmor::en_tr::test
