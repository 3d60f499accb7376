// The look-up windows: which head words they list, the meaning shown, the
// search field, and the refusal without a dictionary.
#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdio>

#include "gui/windows/maintenance/lookup_form.h"
#include "maintenance_test_support.h"

namespace zelmor::gui {
namespace {

using namespace testing;
using zelmor::testing::MakeStore;

std::string Numbered(const char* prefix, int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%05d", prefix, i);
    return buf;
}

// English keys w00000..w12509 sit at store indexes 1..12510: only marked
// ("*" in KOD) records from index 12500 (w12499) on are listed.
store::DictionaryStore BigEnStore() {
    std::vector<std::string> lines;
    for (int i = 0; i < 12510; ++i) {
        std::string kod = (i == 10 || i == 12499) ? "*" : "";
        std::string ing = "anlam" + std::to_string(i);
        std::string yek;
        if (i == 12503) {
            kod = "*";
            ing = "kırmızı_elma";
            yek = "al,kızıl";
        }
        if (i == 12505) {
            kod = "*x";
            ing = "";
        }
        lines.push_back(Numbered("w", i) + ";..FF..;" + kod + ";" + ing + ";;;;;" + yek);
    }
    lines.push_back("x_ray;..FF..;*;röntgen;;;;;");
    return MakeStore({.en_tr = lines});
}

std::string Fake(std::string_view word) { return "T:" + std::string(word); }

std::vector<std::string> Items(TLookupForm& w) {
    std::vector<std::string> out;
    for (int i = 0; i < w.WordList()->count(); ++i) out.push_back(w.WordList()->item(i)->text().toStdString());
    return out;
}

TEST(LookupForm, ListsMarkedWordsFromTheThresholdAndShowsTheirMeanings) {
    Bench b(BigEnStore());
    TForm3 w(b.Context(), Fake);
    EXPECT_EQ(w.windowTitle(), U("İNGİLİZCE - TÜRKÇE SÖZLÜK"));
    w.show();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"w12499", "w12503", "w12505", "x_ray"}));
    EXPECT_EQ(w.WordList()->currentRow(), 0);
    EXPECT_EQ(w.MeaningText()->toPlainText(), U("anlam12499"));

    w.WordList()->setCurrentRow(1);
    EXPECT_EQ(w.MeaningText()->toPlainText(), U("kırmızı elma\nal\nkızıl"));
    w.WordList()->setCurrentRow(2);  // no meaning in the record: the engine's
    EXPECT_EQ(w.MeaningText()->toPlainText(), U("T:w12505"));

    // Two words typed with a blank match the entry joined with "_"; the
    // first entry of the list is never matched by typing.
    QTest::keyClicks(w.SearchEdit(), QStringLiteral(" x ray"));
    EXPECT_EQ(w.WordList()->currentRow(), 3);
    EXPECT_EQ(w.MeaningText()->toPlainText(), U("röntgen"));
    w.SearchEdit()->clear();
    QTest::keyClicks(w.SearchEdit(), QStringLiteral("w12499"));
    EXPECT_EQ(w.WordList()->currentRow(), 3);
    EXPECT_TRUE(b.prompts.questions.empty());

    // A new activation starts afresh.
    w.hide();
    w.show();
    EXPECT_TRUE(w.SearchEdit()->text().isEmpty());
    EXPECT_EQ(w.WordList()->currentRow(), 0);
}

TEST(LookupForm, TurkishWindowLowersCapitalsTheTurkishWay) {
    std::vector<std::string> lines;
    for (int i = 0; i < 9605; ++i) lines.push_back(Numbered("k", i) + ";..FF..;" + (i == 9600 ? "*" : "") + ";m;;;;;;");
    lines.push_back("ırmak;..FF..;*;river;;;;;;wide");
    lines.push_back("sirke;..FF..;*;vinegar;;;;;;");
    Bench b(MakeStore({.tr_en = lines}));
    TForm7 w(b.Context(), Fake);
    EXPECT_EQ(w.SearchEdit()->text(), U("kelime yazınız"));
    w.show();
    EXPECT_EQ(Items(w), (std::vector<std::string>{"k09600", "sirke", "ırmak"}));
    QTest::keyClicks(w.SearchEdit(), QStringLiteral("IRMAK"));
    EXPECT_EQ(w.WordList()->currentRow(), 2);
    EXPECT_EQ(w.MeaningText()->toPlainText(), U("river\nwide"));
    w.SearchEdit()->clear();
    // (QTest types ASCII keys only.)
    w.SearchEdit()->setText(U("SİRKE"));
    emit w.SearchEdit()->textEdited(w.SearchEdit()->text());
    EXPECT_EQ(w.WordList()->currentRow(), 1);
}

TEST(LookupForm, RefusesWithoutADictionaryAndListsNothingBelowTheThreshold) {
    {
        Bench b(MakeStore({}));
        TForm3 w(b.Context(), Fake);
        w.show();
        EXPECT_EQ(b.LastText(), "Ingilizce SÖZLÜK  Yok!");
        EXPECT_EQ(w.WordList()->count(), 0);
    }
    {
        Bench b(MakeStore({.en_tr = {"apple;..FF..;*;elma;;;;;", "book;..FF..;*;kitap;;;;;"}}));
        TForm3 w(b.Context(), Fake);
        w.show();
        EXPECT_TRUE(b.prompts.questions.empty());
        EXPECT_EQ(w.WordList()->count(), 0);
        EXPECT_EQ(w.WordList()->currentRow(), -1);
        EXPECT_TRUE(w.MeaningText()->toPlainText().isEmpty());
    }
    {
        Bench b(MakeStore({}));
        TForm7 w(b.Context(), Fake);
        w.show();
        EXPECT_EQ(b.LastText(), "Türkçe  SÖZLÜK  Yok!");
    }
}

}  // namespace
}  // namespace zelmor::gui
