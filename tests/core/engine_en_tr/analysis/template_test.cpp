// The word-order template interpreter in English and Turkish order.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

struct TemplateFixture : EngineFixture {
    TemplateFixture() : EngineFixture(Source()) {}
    static zelmor::testing::StoreSource Source() {
        zelmor::testing::StoreSource src;
        src.en_tr = {"ZT_kara_kedi;..ZZ..;*;pisi;;;;;", "go(2);..PP..;*;gidiş;;;;;"};
        return src;
    }
    void Word(WordTableArray& table, int slot, const std::string& key, const std::string& meaning,
              const std::string& code = "..FF..") {
        WordRecord& r = table[static_cast<std::size_t>(slot)];
        r.key = Cp(key);
        r.meaning = Cp(meaning);
        r.code = code;
    }
    std::string Ordered(const std::string& tpl) {
        engine.State().CurrentRecord.meaning = Cp(tpl);
        return Utf8(engine.ApplyOrderedTemplate());
    }
    std::string English(const std::string& tpl, const std::string& field8 = "") {
        engine.State().CurrentRecord.meaning = Cp(tpl);
        engine.State().CurrentRecord.field8 = field8;
        return Utf8(engine.ApplyTemplate());
    }
};

TEST(OrderedTemplate, WordsEndingsAndLiterals) {
    TemplateFixture f;
    EnTrState& s = f.engine.State();
    f.Word(s.OrderedTable, 1, "cat", "kedi");
    f.Word(s.OrderedTable, 2, "house", "ev");
    f.Word(s.OrderedTable, 3, "*ali", "*Ali", "..F*..");
    EXPECT_EQ(f.Ordered("0*1e"), "kedi eve");
    EXPECT_EQ(s.SentenceState, 'e');
    EXPECT_EQ(f.Ordered("0a1"), "kedinin ev");
    EXPECT_EQ(f.Ordered("\"merhaba\"#y"), "merhaba");
    EXPECT_EQ(f.Ordered("A1"), " saat ev");
    EXPECT_EQ(f.Ordered("2e"), "*Ali'ye");
    EXPECT_EQ(f.Ordered("<2@/e"), "'");
    EXPECT_EQ(s.SentenceState, 'e');
    s.InflectionCode = "A";
    EXPECT_EQ(f.Ordered("1q"), "evm");
}

TEST(OrderedTemplate, WholeOutputCanBeReplacedByAZTEntry) {
    TemplateFixture f;
    EnTrState& s = f.engine.State();
    f.Word(s.OrderedTable, 1, "black", "kara");
    f.Word(s.OrderedTable, 2, "cat", "kedi");
    EXPECT_EQ(f.Ordered("0*1"), "pisi");
    EXPECT_EQ(Utf8(s.ClauseText.view()), "pisi");
}

TEST(OrderedTemplate, PluralDropForDemonstratives) {
    TemplateFixture f;
    EnTrState& s = f.engine.State();
    f.Word(s.OrderedTable, 1, "books", "kitaplar");
    EXPECT_EQ(f.Ordered("0@rf"), "kitap");
}

TEST(EnglishTemplate, ReadsWordsFromTheClauseBaseAndAppliesFieldEightFixes) {
    TemplateFixture f;
    EnTrState& s = f.engine.State();
    f.Word(s.WordTable, 1, "these", "bunlar");
    f.Word(s.WordTable, 2, "old", "eski");
    f.Word(s.WordTable, 3, "go", "git", "..PP..");
    s.CurrentRecord.field6 = "12";
    EXPECT_EQ(f.English("0*1", "?(these)0?(old)1"), "bu yaşlı");
    EXPECT_EQ(s.ClauseFlags, "12");
    s.ClauseBase = 1;
    EXPECT_EQ(f.English("0"), "yaşlı");
    s.ClauseBase = 0;
    // "P2": a "(2)" reading of the word when its field 5 is empty.
    EXPECT_EQ(f.English("P22"), "gidiş");
}

TEST(Template, UnknownItemsAndOutOfRangeWordsAreHarmless) {
    TemplateFixture f;
    EnTrState& s = f.engine.State();
    s.ClauseBase = 29;
    EXPECT_EQ(f.English("9e@/<9P29V09!9"), " ");
    std::string huge(100, '"');
    EXPECT_LE(f.Ordered(std::string(99, 'A')).size(), 255u);
    f.Ordered(huge);
}

}  // namespace
}  // namespace zelmor::en_tr::test
