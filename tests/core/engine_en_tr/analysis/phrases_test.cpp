// Idioms, English phrase rewrites, unit gluing and the Turkish rewrite pass.
#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

zelmor::testing::StoreSource Dictionary() {
    zelmor::testing::StoreSource src;
    src.en_tr = {"Z_how_are_you;..ZZ..;*;nasılsın;;;;;",
                 "in<<order<<to;..<<..;*;to;;;;;",
                 "very<<;..<<..;*;so;;;;;",
                 "end<<<<;..<<..;*;finish;;;;;",
                 "look_after;..PP..;*;bak;;;0;;",
                 "ice_cream;..ff..;*;dondurma;;;;;",
                 "ev>>;..>>..;*;evler;;;;;",
                 "kedi>>;..>>..;*;kedi kedi;;;;;",
                 "kara>>kedi;..>>..;*;kara;pisi;;;;",
                 "ALO>>;..>>..;*;merhaba;;;;;"};
    src.en_user = {"New York=New York"};
    return src;
}

std::string Phrases(EngineFixture& f, const std::string& text) {
    f.engine.SplitWords(Cp(text), '0');
    return Utf8(f.engine.RewritePhrases(Cp(text)));
}

TEST(Idiom, WholeSentenceIsTranslatedInOnePiece) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate("How are you?"), "Nasılsın ?");
}

TEST(Idiom, TraceLogsTheLookUp) {
    EngineFixture f(Dictionary());
    f.engine.EngineMode = "Q47";
    f.engine.SplitWords("How are you", '0');
    EXPECT_EQ(Utf8(f.engine.LookUpIdiom()), "nasılsın");
    f.engine.SplitWords("Who are you", '0');
    EXPECT_EQ(f.engine.LookUpIdiom(), "");
    ASSERT_EQ(f.engine.State().TraceLog1.size(), 2u);
    EXPECT_EQ(Utf8(f.engine.State().TraceLog1[0]), "0-->Deyim Bak..Z_how_are_you=nasılsın");
    EXPECT_EQ(f.engine.State().TraceLog1[1], "0-->Deyim Bak..Z_who_are_you=yok");
}

TEST(Idiom, KeysLongerThan59CharactersAreNotLookedUp) {
    EngineFixture f(Dictionary());
    f.engine.SplitWords(std::string(30, 'a') + " " + std::string(30, 'b'), '0');
    EXPECT_EQ(f.engine.LookUpIdiom(), "");
}

TEST(RewritePhrases, EnglishGroupsAreRewrittenBeforeAnalysis) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(Phrases(f, "we came in order to see"), "we came to see");
    EXPECT_EQ(Phrases(f, "very good"), "so good");
    EXPECT_EQ(Phrases(f, "the end"), "the finish");  // last word: "end<<<<"
    EXPECT_EQ(Phrases(f, "end it"), "end it");
}

TEST(RewritePhrases, UnitsAreGluedIntoOneToken) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(Phrases(f, "they look after him"), "they look_after him");
    EXPECT_EQ(f.engine.State().SentenceWords, (std::vector<std::string>{" ", "they", "look_after", "him"}));
    EXPECT_EQ(Phrases(f, "Look after him"), "look_after him");
    EXPECT_EQ(Phrases(f, "we like ice cream"), "we like ice cream");  // class letters must be capitals
    EXPECT_EQ(Phrases(f, "up and down we go"), "up_and_down we go");
}

TEST(RewritePhrases, CapitalisedGroupsKnownToTheUserBecomeNames) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(Phrases(f, "I love New York"), "I love New$York");
    EXPECT_EQ(Phrases(f, "I love new York"), "I love new York");
}

TEST(RewritePhrases, EndsOnSelfFeedingRules) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"a<<b;..<<..;*;a;b;c;;;"};
    EngineFixture f(src);
    std::string out = Phrases(f, "x a b");
    EXPECT_TRUE(out.starts_with("x a b")) << out;
}

TEST(RewriteTurkish, RulesReplaceTurkishWordGroups) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(Utf8(f.engine.RewriteTurkish(Cp("bu ev güzel"))), "bu evler güzel");
    EXPECT_EQ(Utf8(f.engine.RewriteTurkish(Cp("*kara_kedi  geldi"))), "kara pisi geldi");
    EXPECT_EQ(Utf8(f.engine.RewriteTurkish(Cp("ALO dedi"))), "MERHABA dedi");
}

TEST(RewriteTurkish, RuleRepeatingItsOwnWordIsReportedAndSkipped) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(Utf8(f.engine.RewriteTurkish(Cp("kedi geldi"))), "kedi geldi");
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], " kedi >> kelime tekrarlaması var");
}

TEST(RewriteTurkish, CyclicRulesStopAndLongSentencesAreCut) {
    zelmor::testing::StoreSource src;
    src.en_tr = {"aa>>;..>>..;*;bb;;;;;", "bb>>;..>>..;*;aa;;;;;"};
    EngineFixture f(src);
    f.engine.RewriteTurkish("x aa y");  // must return
    std::string longer(400, 'k');
    EXPECT_LE(f.engine.RewriteTurkish(longer).size(), 255u);
}

}  // namespace
}  // namespace zelmor::en_tr::test
