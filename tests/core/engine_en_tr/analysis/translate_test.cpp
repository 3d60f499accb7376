// TranslateEnToTr end to end: output assembly, trace blocks, capitals,
// failures caught per sentence and the hand-over to later stages.
#include <stdexcept>

#include "tests/core/engine_en_tr/analysis/engine_fixture.h"

namespace zelmor::en_tr::test {
namespace {

zelmor::testing::StoreSource Dictionary() {
    zelmor::testing::StoreSource src;
    src.en_tr = {"came;..PP..;*;geldi;;;;;", "cat;..FF..;*;kedi;;;;;", "book;..FF..;*;kitap;;;;;",
                 "read;..PP..;*;oku;;;0;;", "i;..FF..;*;ben;;;;;", "the;..TT..;*;bu;;;;;",
                 "ev>>;..>>..;*;evler;;;;;"};
    src.en_user = {"Good morning=çok iyi", "good night=iyi geceler", "hello=öyle", "mr. x=mr. X_Y"};
    return src;
}

// Records what reaches the later stages and hands back a chosen result.
class ScriptedStages : public SentenceStages {
public:
    char state = '0';
    std::string buffer_b;
    bool throw_transfer = false, throw_assembly = false;
    std::vector<std::string> patterns;
    void TransferSentence(EnTrServices& e) override {
        patterns.emplace_back(e.State().ClassPattern.view());
        if (throw_transfer) throw std::runtime_error("transfer");
        DefaultStages().TransferSentence(e);
    }
    void AssembleSentence(EnTrServices& e, std::string_view, int mode) override {
        EXPECT_EQ(mode, 0);
        if (throw_assembly) throw std::runtime_error("assembly");
        if (state != '0') {
            e.State().SentenceState = state;
            e.State().TurkishBufferB = buffer_b;
            e.State().ResultPrefix = "<";
            e.State().ResultSuffix = ">";
        }
    }
};

TEST(Translate, UnknownWordsComeBackAsNames) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate("Mr. Smith came. zork"), "Mr. Smith geldi .  Zork");
}

TEST(Translate, EmptyInputShowsTheMessage) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate(""), "");
    EXPECT_EQ(f.messages.shown, (std::vector<std::string>{"Bir metin yazınız.."}));
    EXPECT_EQ(f.Translate(" ... "), "");
    EXPECT_EQ(f.messages.shown.size(), 1u);
}

TEST(Translate, LineBreaksAndParagraphsAreKept) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate("I read.\r\nThe cat came."), "Ben oku .\r\n Bu kedi geldi .");
    EXPECT_EQ(f.Translate("I read.\r\n\r\nThe cat came."), "Ben oku .\r\n  \r\n\r\n Bu kedi geldi .");
}

TEST(Translate, UserTranslationsKeepTheirTextAndGetATurkishCapital) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate("Good morning."), "Çok iyi .");
    EXPECT_EQ(f.Translate("good night"), "İyi geceler");
    EXPECT_EQ(f.Translate("Hello"), "Öyle");
    EXPECT_EQ(f.Translate("mr. x"), "Mr. X Y");
}

TEST(Translate, LeadingCommaBecomesTheCommaToken) {
    EngineFixture f(Dictionary());
    ScriptedStages stages;
    f.engine.SetStages(&stages);
    f.Translate(", the cat");
    ASSERT_EQ(stages.patterns.size(), 1u);
    EXPECT_EQ(stages.patterns[0], " F*TTFF");
    EXPECT_EQ(f.engine.State().WordTable[1].key, "*n9");
}

TEST(Translate, TraceModeWritesTheTraceBlockBeforeEachSentence) {
    EngineFixture f(Dictionary());
    f.engine.EngineMode = "Q47";
    const std::string expected =
        "1-->\r\n0-->Deyim Bak..Z zork=yok\r\n-----------2-----------\r\n1-->\r\n"
        "-----------3-----------\r\n1-->\r\n-----------4-----------\r\n1-->\r\n"
        "----------------------\r\n----------------------\r\n;Q47;\n\r*zork";
    EXPECT_EQ(f.Translate("zork"), expected);
    // Translating the output again reads only the text before ";Q47;".
    EXPECT_EQ(f.Translate(expected + " more"), f.Translate("1-->\r\n0-->Deyim Bak..Z_zork=yok\r\n"
                                                             "-----------2-----------\r\n1-->\r\n"
                                                             "-----------3-----------\r\n1-->\r\n"
                                                             "-----------4-----------\r\n1-->\r\n"
                                                             "----------------------\r\n"
                                                             "----------------------\r\n"));
}

TEST(Translate, FailuresAreCaughtPerSentence) {
    EngineFixture f(Dictionary());
    ScriptedStages stages;
    f.engine.SetStages(&stages);
    stages.throw_transfer = true;
    EXPECT_EQ(f.Translate("The cat came."), "Uzun cümleler .");
    stages.throw_transfer = false;
    stages.throw_assembly = true;
    EXPECT_EQ(f.Translate("The cat came. I read."), "Uzun cümleler . Uzun cümleler .");
    EXPECT_EQ(f.messages.shown,
              (std::vector<std::string>{"W1 karışık cümle  !..", "W2 karışık cümle  !..", "W2 karışık cümle  !.."}));
    stages.throw_assembly = false;
    EXPECT_EQ(f.Translate("The cat came."), "Bu kedi geldi .");
}

TEST(Translate, TurkishResultsUseTheSecondBufferAndTheRewritePass) {
    EngineFixture f(Dictionary());
    ScriptedStages stages;
    f.engine.SetStages(&stages);
    stages.state = 'W';
    stages.buffer_b = Cp("bu ev_güzel");
    EXPECT_EQ(Utf8(f.engine.TranslateSentence("the cat")), "<bu evler güzel>");
    EXPECT_TRUE(f.engine.State().TurkishOutput);
    // A sentence in capitals is converted with the Turkish upper case.
    stages.state = '$';
    stages.buffer_b = Cp("iyi");
    EXPECT_EQ(Utf8(f.engine.TranslateSentence("THE CAT")), "<İYİ>");
    // "*" marks Turkish output made in the first buffer.
    stages.state = '*';
    EXPECT_EQ(Utf8(f.engine.TranslateSentence("the cat")), "<bu kedi>");
}

TEST(Translate, CapitalsSentenceIsAnalysedInLowerCase) {
    EngineFixture f(Dictionary());
    EXPECT_EQ(f.Translate("THE CAT CAME"), "Bu kedi geldi");
}

TEST(Translate, LongSentenceMessageAndOverlongTokenRuns) {
    EngineFixture f(Dictionary());
    std::string text;
    for (int i = 0; i < 26; ++i) text += "cat ";
    EXPECT_EQ(f.Translate(text), " Uzun Cümle, 20 Den Fazla Kelime Var  ,kısaltınız Kedi");
    // 25 words and 24 commas: more tokens than WordTable has slots.
    std::string commas;
    for (int i = 0; i < 25; ++i) commas += i ? ", cat" : "cat";
    std::string out = f.Translate(commas);
    EXPECT_EQ(f.engine.State().WordCount, 30);
    EXPECT_TRUE(out.starts_with("Kedi, kedi, kedi")) << out;
}

TEST(Translate, SeveralEnginesAreIndependent) {
    EngineFixture a(Dictionary()), b(Dictionary());
    a.engine.EngineMode = "Q47";
    EXPECT_EQ(b.Translate("cat"), "Kedi");
    EXPECT_NE(a.Translate("cat"), "Kedi");
}

}  // namespace
}  // namespace zelmor::en_tr::test
