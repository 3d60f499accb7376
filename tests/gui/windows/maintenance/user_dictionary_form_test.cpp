// The user dictionary editors and the abbreviation editor over a program
// folder of their own: loading, "index-kayıt" / "index" rewriting file and
// store, and the word check and translate buttons.
#include <gtest/gtest.h>

#include "core/store/file_io.h"
#include "gui/windows/maintenance/abbreviation_form.h"
#include "gui/windows/maintenance/user_dictionary_form.h"
#include "maintenance_test_support.h"

namespace zelmor::gui {
namespace {

using namespace testing;
using zelmor::testing::Cp;
using zelmor::testing::MakeStore;
using zelmor::testing::Utf8;

std::string ReadUtf8(const std::filesystem::path& path) {
    std::string bytes, error;
    EXPECT_TRUE(store::ReadWholeFile(path, bytes, &error)) << error;
    return Utf8(bytes);
}

std::vector<std::string> Pairs(const store::StringList& keys, const store::StringList& records) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < keys.size(); ++i) out.push_back(Utf8(keys[i]) + "=" + Utf8(records[i]));
    return out;
}

TEST(UserDictionaryForm, ActivationLoadsTheFileAndIndexRewritesFileAndStore) {
    Bench b(MakeStore({.en_user = {"old=eski"}}));
    b.dir.Write("usering.txt", Cp("*01234567=tarih:01.01.2020 eski\r\nold=eski\r\n"));
    Tingtrform w(b.Context());
    EXPECT_EQ(w.windowTitle(), U("ingilizce kullanici sözlük (usering.txt)"));
    w.show();
    EXPECT_EQ(w.TextArea()->toPlainText(), U("*01234567=tarih:01.01.2020 eski\nold=eski"));

    w.TextArea()->setPlainText(U("good  morning =  günaydın\n\ncar=araba\ncar=otomobil\nst*ar=yıldız\nbye"));
    Click(&w, "IndexButton");
    std::vector<std::string> boxes = b.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "OK Dügmesine basin|usering.txt düzenlenecek");
    EXPECT_EQ(boxes[1], "ZELMOR|Usering.txt dosyasına kayıt yapıldı=4");

    const std::string file = ReadUtf8(b.dir.path() / "usering.txt");
    const std::string header = "*01234567=" + Utf8(store::UserHeaderRecord(store::ShortDate()));
    EXPECT_EQ(file, header + "\r\nbye=???\r\ncar=araba\r\ngood morning=günaydın\r\nşşşş=???\r\n");
    EXPECT_EQ(w.TextArea()->toPlainText(),
              QString::fromStdString(header) + U("\nbye=???\ncar=araba\ngood morning=günaydın\nşşşş=???"));
    EXPECT_EQ(Pairs(b.store.EnUserKeys, b.store.EnUserRecords),
              (std::vector<std::string>{"bye=???", "car=araba", "good morning=günaydın", "şşşş=???"}));

    // Activated again: the file is read anew, unsaved edits go.
    w.TextArea()->setPlainText(U("scratch"));
    w.hide();
    w.show();
    EXPECT_TRUE(w.TextArea()->toPlainText().endsWith(U("şşşş=???")));
}

TEST(UserDictionaryForm, CancelledSaveKeepsTheFileButTheStoreTakesTheNewLists) {
    Bench b(MakeStore({}));
    b.dir.Write("usertur.txt", Cp("merhaba=hello\r\n"));
    Tzelmoruser w(b.Context());
    w.show();
    w.TextArea()->setPlainText(U("günaydın=good morning"));
    b.prompts.answers = {QMessageBox::Cancel};
    Click(&w, "IndexButton");
    EXPECT_EQ(b.Boxes().at(0), "OK Dügmesine basin|usertur.txt düzenlenecek");
    EXPECT_EQ(ReadUtf8(b.dir.path() / "usertur.txt"), "merhaba=hello\r\n");
    EXPECT_EQ(Pairs(b.store.TrUserKeys, b.store.TrUserRecords),
              (std::vector<std::string>{"günaydın=good morning", "şşşş=???"}));

    w.TextArea()->clear();
    Click(&w, "IndexButton");
    EXPECT_EQ(b.Boxes().back(), "  |Bir dosya yükleyiniz");
}

TEST(UserDictionaryForm, MissingFileKeepsTheTextAndButtonsReportOnTheSelection) {
    Bench b(MakeStore({.en_tr = {"good_morning;..FF..;;günaydın;;;;;"}}));
    std::vector<std::string> asked;
    Tingtrform w(b.Context(), [&asked](std::string_view text) {
        asked.emplace_back(text);
        return std::string("merhaba");
    });
    w.TextArea()->setPlainText(U("good morning=günaydın\nhello=merhaba"));
    w.show();  // no usering.txt in the folder
    EXPECT_EQ(b.prompts.questions.back().caption, U("Error"));
    EXPECT_EQ(w.TextArea()->toPlainText(), U("good morning=günaydın\nhello=merhaba"));

    SelectText(w.TextArea(), 0, 12);  // "good morning"
    Click(&w, "CheckButton");
    EXPECT_EQ(b.LastText(), "Ana Dosyada   \"good morning=günaydın\"  isimli kayit var");
    SelectText(w.TextArea(), 22, 27);  // "hello"
    Click(&w, "CheckButton");
    EXPECT_EQ(b.LastText(), "Ana Dosyada  \"hello\" isimli kayit yok");
    Click(&w, "TranslateButton");
    EXPECT_EQ(b.LastText(), "pavolk-ceviri== merhaba");
    EXPECT_EQ(asked, (std::vector<std::string>{"hello"}));
    SelectText(w.TextArea(), 0, 15);  // "good morning=gü"
    Click(&w, "TranslateButton");
    EXPECT_EQ(b.LastText(), "kelimede \"=\" işareti var!!!,yeniden seçim yapınız");
    SelectText(w.TextArea(), 0, 0);
    Click(&w, "CheckButton");
    EXPECT_EQ(b.LastText(), "Kelime seçiniz !!!");
}

TEST(AbbreviationForm, IndexRefusesWithoutHeaderAndWritesSortedUniqueList) {
    Bench b(MakeStore({.abbreviations = {"Mr.", "Dr."}}));
    Tabform w(b.Context());
    EXPECT_EQ(w.windowTitle(), U("ablist"));
    w.show();
    EXPECT_TRUE(w.TextArea()->toPlainText().startsWith(U("Metinde olabilecek kısaltmalar")));
    Click(&w, "IndexButton");
    EXPECT_EQ(b.Boxes().back(), "  |Abreviation dosyasını açınız");
    EXPECT_FALSE(std::filesystem::exists(b.dir.path() / "abbreviate.txt"));

    Click(&w, "AbbreviationsButton");
    const QString shown = w.TextArea()->toPlainText();
    EXPECT_TRUE(shown.startsWith(U("*Abreviations*\nDr.\nMr.\n"))) << shown.toStdString();
    w.TextArea()->appendPlainText(U("  etc.  \n\nMr.\nCo."));
    Click(&w, "IndexButton");
    EXPECT_EQ(b.Boxes().at(b.Boxes().size() - 2),
              "OK Dügmesine basin|indeksleme yapıldı, abbreviate.txt dosyasına kayıt için ");
    EXPECT_EQ(b.LastText(), "kayıt =5");
    EXPECT_EQ(ReadUtf8(b.dir.path() / "abbreviate.txt"), "*Abreviations*\r\nCo.\r\nDr.\r\nMr.\r\netc.\r\nşşşş\r\n");
    EXPECT_EQ(Keys(b.store.AbbreviationList),
              (std::vector<std::string>{"*Abreviations*", "Co.", "Dr.", "Mr.", "etc.", "şşşş"}));
    EXPECT_EQ(w.TextArea()->toPlainText(), U("*Abreviations*\nCo.\nDr.\nMr.\netc.\nşşşş"));
}

}  // namespace
}  // namespace zelmor::gui
