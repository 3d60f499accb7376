// The record editors as the user drives them: fields, buttons, listing,
// message boxes, the frame's edit states and the save on close.
#include <QComboBox>
#include <QFrame>

#include <gtest/gtest.h>

#include "core/maintenance/main_dictionary.h"
#include "core/store/file_io.h"
#include "gui/app/frame_form.h"
#include "gui/windows/maintenance/record_editor_form.h"
#include "maintenance_test_support.h"

namespace zelmor::gui {
namespace {

using namespace testing;
using zelmor::testing::MakeStore;

store::DictionaryStore EnStore() {
    return MakeStore({.en_tr = {"apple;..FF..;*;elma;;;;;", "book;..FF..;*;kitap;;;;;", "go;..PP..;;gitmek;;;0;;",
                                "zebra;..FF..;;zebra;;;;;"}});
}

store::DictionaryStore TrStore() {
    return MakeStore({.tr_en = {"elma;..FF..;NN;apple;;;;;;", "git;..PP..;;go;;;;;;", "kitap;..FF..;NN;book;;;;;;"}});
}

std::string Part(TRecordEditorForm& w, std::size_t i) { return w.PartEdit(i)->text().toStdString(); }

TEST(RecordEditorForm, OkLooksTheHeadWordUpAndSteppingStopsBeforeTheClosingLine) {
    Bench b(EnStore());
    TForm1 w(b.Context());
    w.show();
    w.KeyEdit()->setText(U(" book "));
    Click(&w, "OkButton");
    EXPECT_EQ(Part(w, 0), "..FF..");
    EXPECT_EQ(Part(w, 1), "*");
    EXPECT_EQ(Part(w, 2), "kitap");
    EXPECT_EQ(w.IndexEdit()->text(), U("2"));
    EXPECT_TRUE(b.prompts.questions.empty());

    Click(&w, "NextButton");  // go
    EXPECT_EQ(w.KeyEdit()->text(), U("go"));
    EXPECT_EQ(Part(w, 5), "0");
    Click(&w, "NextButton");  // zebra, the last real entry
    EXPECT_EQ(w.KeyEdit()->text(), U("zebra"));
    Click(&w, "NextButton");
    EXPECT_EQ(b.LastText(), "DOSYA SONU");
    EXPECT_EQ(w.KeyEdit()->text(), U("zebra"));
    EXPECT_EQ(w.IndexEdit()->text(), U("5"));
    Click(&w, "PreviousButton");
    EXPECT_EQ(w.KeyEdit()->text(), U("zebra"));

    w.KeyEdit()->setText(U("bank"));
    Click(&w, "OkButton");
    EXPECT_EQ(b.LastText(), "KELİME KAYDI YOK!..");
    EXPECT_EQ(Part(w, 2), "");
    w.KeyEdit()->clear();
    Click(&w, "OkButton");
    EXPECT_EQ(w.KeyEdit()->text(), U("KELiME GiRiNiZ!"));
}

TEST(RecordEditorForm, InsertKeepsTheStoreSortedSetsTheFrameStateAndRefusesAnExistingKey) {
    Bench b(EnStore());
    TForm1 w(b.Context());
    w.show();
    w.KeyEdit()->setText(U("bank"));
    emit w.WordClassBox()->activated(2);  // "fiil[PP]"
    EXPECT_EQ(Part(w, 0), "..PP..");
    w.PartEdit(2)->setText(U(" banka "));
    w.PartEdit(3)->setText(U("ödünç"));
    Click(&w, "InsertButton");

    EXPECT_EQ(Keys(b.store.EnTrKeys),
              (std::vector<std::string>{"!!!!", "apple", "bank", "book", "go", "zebra", "şşşş"}));
    EXPECT_EQ(zelmor::testing::Utf8(b.store.EnTrRecords[2]), "..PP..;;banka;ödünç;;;;");
    EXPECT_EQ(b.switches.EnRecordEditState, 22);
    EXPECT_EQ(b.LastText(), "GEÇİCİ KAYIT YAPILDI !..:dFSize=6");
    EXPECT_TRUE(w.Listing()->toPlainText().contains(
        U("apple;..FF..;*;elma;;;;;\nbank;..PP..;;banka;ödünç;;;;\nbook;")));
    EXPECT_FALSE(w.ListingEdited());

    const std::size_t boxes = b.prompts.questions.size();
    Click(&w, "InsertButton");
    EXPECT_EQ(b.LastText(), "KELİME KAYDI VAR!..");
    EXPECT_EQ(b.prompts.questions.size(), boxes + 1);
    EXPECT_EQ(b.store.EnTrKeys.size(), 7u);

    // Showing the window again is a new activation: the warning state goes.
    w.hide();
    w.show();
    EXPECT_EQ(b.switches.EnRecordEditState, 0);
}

TEST(RecordEditorForm, EditedListingIsRebuiltFirstWhenTheUserAgrees) {
    Bench b(EnStore());
    TForm1 w(b.Context());
    w.show();
    Click(&w, "ListingButton");
    ASSERT_TRUE(w.Listing()->toPlainText().startsWith(U("!!!!;")));
    w.Listing()->appendPlainText(U("cat;..FF..;;kedi;;;;;"));
    EXPECT_TRUE(w.ListingEdited());

    w.KeyEdit()->setText(U("dog"));
    w.PartEdit(2)->setText(U("köpek"));
    Click(&w, "InsertButton");
    ASSERT_GE(b.prompts.questions.size(), 3u);
    EXPECT_EQ(b.Boxes()[0], "Memo1 de değişiklik var |Memo1 Kayit için O.K ?  ");
    EXPECT_EQ(Keys(b.store.EnTrKeys),
              (std::vector<std::string>{"!!!!", "apple", "book", "cat", "dog", "go", "zebra", "şşşş"}));
    EXPECT_EQ(b.switches.EnRecordEditState, 22);
}

TEST(RecordEditorForm, CloseSavesTheFileAfterConfirmationAndResetsTheModes) {
    Bench b(EnStore());
    b.switches.EngineMode = U("Q47");
    TForm1 w(b.Context());
    w.show();
    w.KeyEdit()->setText(U("bank"));
    w.PartEdit(2)->setText(U("banka"));
    Click(&w, "InsertButton");
    const auto path = b.dir.path() / "pavolkx.txt";
    b.prompts.save_name = QString::fromStdString(path.string());
    const std::size_t before = b.prompts.questions.size();

    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(b.prompts.questions.size(), before + 2);
    EXPECT_EQ(b.Boxes()[before], "OK Dügmesine basin|PavOlkX.txt düzenlenecek");
    EXPECT_EQ(b.prompts.save_filter, U("text files [*.txt] (in*.txt)"));
    EXPECT_EQ(b.LastText().rfind("dPavOlk=", 0), 0u) << b.LastText();
    EXPECT_NE(b.LastText().find(" dSX=6"), std::string::npos);
    std::string bytes, error;
    ASSERT_TRUE(store::ReadWholeFile(path, bytes, &error)) << error;
    EXPECT_EQ(bytes, maintenance::EncodeMainDictionaryFile(b.store.EnTrKeys, b.store.EnTrRecords));
    EXPECT_EQ(b.switches.EnRecordEditState, 0);
    EXPECT_EQ(b.switches.EngineMode, U("M47"));
}

TEST(RecordEditorForm, RefusedOverwriteKeepsFileStateAndEngineModeButCancelledPromptResetsTheMode) {
    Bench b(EnStore());
    const auto path = b.dir.Write("pavolkx.txt", "old");
    b.prompts.save_name = QString::fromStdString(path.string());
    {
        b.switches.EngineMode = U("Q47");
        TForm1 w(b.Context());
        w.show();
        w.KeyEdit()->setText(U("bank"));
        Click(&w, "InsertButton");
        b.prompts.answers = {QMessageBox::Ok, QMessageBox::No};
        EXPECT_TRUE(w.close());  // the window always closes
        EXPECT_EQ(b.LastText(), "PavOlkX Üzerine yazilacak, O.K  " + path.string());
        EXPECT_EQ(b.switches.EngineMode, U("Q47"));
        EXPECT_EQ(b.switches.EnRecordEditState, 22);
    }
    {
        b.switches.EngineMode = U("Q47");
        TForm1 w(b.Context());
        w.show();
        b.switches.EnRecordEditState = 22;
        b.prompts.answers = {QMessageBox::Cancel};
        EXPECT_TRUE(w.close());
        EXPECT_EQ(b.switches.EngineMode, U("M47"));
    }
    std::string bytes, error;
    ASSERT_TRUE(store::ReadWholeFile(path, bytes, &error));
    EXPECT_EQ(bytes, "old");
}

TEST(RecordEditorForm, FrameCloseQueryWarnsWhileAnInsertIsUnsaved) {
    Bench b(store::DictionaryStore{});
    TFrameForm frame;
    frame.MutableStore() = EnStore();
    TForm1 w(MaintenanceContext::Of(frame));
    w.show();
    w.KeyEdit()->setText(U("bank"));
    Click(&w, "InsertButton");
    ASSERT_EQ(frame.EnRecordEditState, 22);
    EXPECT_EQ(frame.MutableStore().EnTrKeys.size(), 7u);

    b.prompts.answers = {QMessageBox::Yes};
    EXPECT_FALSE(frame.CloseQuery());
    EXPECT_EQ(b.prompts.questions.back().caption, U("PavOlkX.txt kayıtı tamamlanmadı"));

    // After a new activation the close query lets the program go.
    w.hide();
    w.show();
    const std::size_t asked = b.prompts.questions.size();
    EXPECT_TRUE(frame.CloseQuery());
    EXPECT_EQ(b.prompts.questions.size(), asked);
}

TEST(RecordEditorForm, SearchesReplaceAndCaseButtonsWorkOnTheListing) {
    Bench b(EnStore());
    TForm1 w(b.Context());
    w.ReplaceDelayMs = 0;
    w.show();
    Click(&w, "ListingButton");

    w.KeyEdit()->setText(U("go"));
    QTest::mouseDClick(w.KeyEdit(), Qt::LeftButton);
    EXPECT_EQ(w.Listing()->textCursor().selectedText(), QString(QChar::ParagraphSeparator) + U("go;"));

    w.PartEdit(3)->setText(U("xyz"));
    const int anchor = w.Listing()->textCursor().selectionEnd();
    Click(&w, "FindButton");
    EXPECT_EQ(b.prompts.questions.back().text, U("xyz-->\" Bulunamadı.."));
    EXPECT_EQ(w.Listing()->textCursor().selectionEnd(), anchor);

    // Searches go on after the current selection.
    SelectText(w.Listing(), 0, 0);
    w.PartEdit(3)->setText(U("FF"));
    Click(&w, "FindButton");
    const int first = w.Listing()->textCursor().selectionStart();
    Click(&w, "FindButton");
    EXPECT_GT(w.Listing()->textCursor().selectionStart(), first);

    SelectText(w.Listing(), 0, 0);
    w.PartEdit(3)->setText(U("kitap"));
    w.PartEdit(4)->setText(U("KİTAP"));
    b.prompts.answers = {QMessageBox::Yes};
    Click(&w, "ReplaceButton");
    EXPECT_EQ(b.prompts.questions.back().text, U("Değişim yapılacak.  Evet?"));
    EXPECT_TRUE(w.Listing()->toPlainText().contains(U("book;..FF..;*;KİTAP;")));
    EXPECT_TRUE(w.ListingEdited());

    // Turkish lower case of the selection; nothing when it starts at 0.
    const int at = static_cast<int>(w.Listing()->toPlainText().indexOf(U("KİTAP")));
    SelectText(w.Listing(), at, at + 5);
    Click(&w, "TurkishLowerButton");
    EXPECT_TRUE(w.Listing()->toPlainText().contains(U("book;..FF..;*;kitap;")));
    SelectText(w.Listing(), 0, 4);
    Click(&w, "UpperButton");
    SelectText(w.Listing(), 0, 10);
    Click(&w, "LowerButton");
    EXPECT_TRUE(w.Listing()->toPlainText().startsWith(U("!!!!;")));
    SelectText(w.Listing(), at, at + 5);
    Click(&w, "UpperButton");
    EXPECT_TRUE(w.Listing()->toPlainText().contains(U("book;..FF..;*;KITAP;")));
}

TEST(RecordEditorForm, PanelsSecondListAndPasswordButton) {
    Bench b(EnStore());
    TForm1 w(b.Context());
    w.show();
    Click(&w, "ListingButton");
    EXPECT_FALSE(w.TopPanel()->isVisible());
    Click(&w, "PasswordButton");
    EXPECT_TRUE(b.switches.EditMode);
    Click(&w, "TopPanelButton");
    EXPECT_TRUE(w.TopPanel()->isVisible());
    EXPECT_FALSE(w.BottomPanel()->isVisible());

    const int at = static_cast<int>(w.Listing()->toPlainText().indexOf(U("\ngo;"))) + 1;
    SelectText(w.Listing(), at, at + 9);
    Click(&w, "FPlusButton");
    EXPECT_TRUE(w.SecondList()->isVisible());
    EXPECT_EQ(w.SecondList()->toPlainText(), U("go;..PP.."));
    SelectText(w.Listing(), 0, 4);  // from the first character: not copied
    Click(&w, "FPlusButton");
    EXPECT_EQ(w.SecondList()->toPlainText(), U("go;..PP.."));

    EXPECT_EQ(w.TopSearchEdit()->text(), U("*;..FF..;*;;;;;"));
    w.TopSearchEdit()->setText(U("gitmek"));
    SelectText(w.Listing(), 0, 0);
    Click(&w, "TopFindButton");
    EXPECT_EQ(w.Listing()->textCursor().selectedText(), U("gitmek"));
    QTest::mouseDClick(w.TopPanel(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(w.BottomPanel()->isVisible());
    EXPECT_FALSE(w.SecondList()->isVisible());
}

TEST(RecordEditorForm, TurkishEditorCorrectsWithNineFieldsAndRefusesAnUnsoundListing) {
    Bench b(TrStore());
    TForm6 w(b.Context());
    EXPECT_EQ(w.windowTitle(), U("TUR - ING KAYIT İNCELEME (ZelmorX.txt)"));
    w.show();
    w.KeyEdit()->setText(U("kitap"));
    const char* parts[] = {"..FF..", "NN", "volume", "a", "b", "c", "ABN", "d", "e_f"};
    for (int i = 0; i < 9; ++i) w.PartEdit(i)->setText(U(parts[i]));
    Click(&w, "CorrectButton");
    std::vector<std::string> boxes = b.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "Tamam Dügmesine basin|Kayit düzeltilecek");
    EXPECT_EQ(boxes[1], "KAYIT düzeltildi|");
    for (int i = 0; i < 9; ++i) w.PartEdit(i)->clear();
    Click(&w, "OkButton");
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Part(w, i), parts[i]) << i;

    // A listing holding a key twice is refused with the line named; the
    // store stays as it was.
    Click(&w, "ListingButton");
    w.Listing()->appendPlainText(U("armut;..FF..;NN;pear;;;;;;\narmut;..FF..;NN;pears;;;;;;"));
    const std::size_t before = b.store.TrEnKeys.size();
    Click(&w, "RebuildButton");
    EXPECT_EQ(b.prompts.questions.back().caption, U("Error"));
    EXPECT_EQ(b.store.TrEnKeys.size(), before);
    EXPECT_TRUE(w.ListingEdited());

    // A sound listing rebuilds the store; the state is the Turkish one.
    Click(&w, "ListingButton");
    w.Listing()->appendPlainText(U("armut;..FF..;NN;pear;;;;;;"));
    Click(&w, "RebuildButton");
    EXPECT_EQ(b.LastText(), "GEÇiCi KAYIT YAPILDI !..:dFSize=5");
    EXPECT_EQ(Keys(b.store.TrEnKeys), (std::vector<std::string>{"!!!!", "armut", "elma", "git", "kitap", "şşşş"}));
    EXPECT_EQ(b.switches.TrRecordEditState, 33);
    EXPECT_EQ(b.switches.EnRecordEditState, 0);
}

TEST(RecordEditorForm, TurkishEditorCodeFilterAndIngSearch) {
    Bench b(TrStore());
    TForm6 w(b.Context());
    w.show();
    EXPECT_TRUE(w.SecondList()->toPlainText().startsWith(U("KOD Kayıtta")));
    Click(&w, "ListingButton");
    w.PartEdit(1)->setText(U("NN"));
    QTest::mouseDClick(w.PartEdit(1), Qt::LeftButton);
    EXPECT_EQ(b.LastText(), "Kayıt yok");  // a listing of 5001 lines or fewer
    EXPECT_TRUE(w.SecondList()->toPlainText().isEmpty());

    w.PartEdit(2)->setText(U("book"));
    QTest::mouseDClick(w.PartEdit(2), Qt::LeftButton);
    EXPECT_EQ(w.PartEdit(2)->text(), U("BOOK"));
    EXPECT_EQ(b.LastText(), "BOOK-->\" Bulunamadı..");
}

}  // namespace
}  // namespace zelmor::gui
