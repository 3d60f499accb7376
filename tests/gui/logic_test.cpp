// Pure pieces of the desktop program: the reading plan, the pad table, the
// keyboard layout, web requests and the rich-text mapping.
#include <QTextCursor>
#include <QTextDocument>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include "gui/app/prompts.h"
#include "gui/editor/letter_pad.h"
#include "gui/editor/read_aloud.h"
#include "gui/editor/rich_text.h"
#include "gui/platform/keyboard.h"
#include "gui/platform/web.h"
#include "gui/speech/english_voice.h"

namespace zelmor::gui {
namespace {

QStringList Spoken(const QString& text) {
    QStringList out;
    for (const ReadStep& s : PlanReading(text))
        if (!s.spoken.isEmpty()) out << s.spoken;
    return out;
}

TEST(ReadingPlan, PunctuationEndsPhrasesAbbreviationsDoNot) {
    struct Case {
        const char16_t* text;
        QStringList phrases;
    } cases[] = {
        // A blank after the punctuation adds one to the word's blank.
        {u"Dr. Brown, e.g. today. Bye.",
         {QStringLiteral("Dr. Brown   , "), QStringLiteral("e.g. today   . "), QStringLiteral("Bye  .")}},
        // "Feb" is an entry without a period: the period still ends the phrase.
        {u"In Feb. we go.", {QStringLiteral("In Feb   . "), QStringLiteral("we go  .")}},
        // Blanks after a token are kept for the voice; "*" becomes a blank.
        {u"*ali   geldi!", {QStringLiteral(" ali   geldi  !")}},
        {u"It's 3:30 now?", {QStringLiteral("It's 3  :"), QStringLiteral("30 now  ?")}},
        {u"no end", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Spoken(QString::fromUtf16(c.text)), c.phrases) << QString::fromUtf16(c.text).toStdString();
}

TEST(ReadingPlan, SelectionGrowsFromThePhraseStart) {
    const QString text = QStringLiteral("ab cd. ef");
    auto steps = PlanReading(text);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].starts_phrase);
    EXPECT_FALSE(steps[1].starts_phrase);
    EXPECT_EQ(steps[1].phrase_start, 0);
    EXPECT_EQ(steps[1].phrase, QStringLiteral("ab cd  "));
    EXPECT_TRUE(steps[2].starts_phrase);
    EXPECT_EQ(steps[2].token_start, 7);
    EXPECT_EQ(ReadingPauseMs(10, -1), 1700);
}

TEST(ReadingPlan, AbbreviationListIsSortedIgnoringCase) {
    const QStringList& l = ReaderAbbreviations();
    ASSERT_EQ(l.size(), 27);
    EXPECT_EQ(l.front(), QStringLiteral("A.D."));
    EXPECT_EQ(l.back(), QStringLiteral("vs."));
    for (qsizetype i = 1; i < l.size(); ++i) EXPECT_LE(l[i - 1].compare(l[i], Qt::CaseInsensitive), 0);
}

TEST(LetterPad, ButtonOffsetsByCapsLock) {
    // Size 12 is row 2, starting at 30.
    const int caps_on[] = {30, 31, 32, 33, 34, 35};
    const int caps_off[] = {37, 38, -1, 40, 41, 42, 39};
    for (int b = 1; b <= 6; ++b) {
        PadAction a = PadButtonAction(b, true, 12);
        EXPECT_EQ(a.kind, PadAction::Paste);
        EXPECT_EQ(a.offset, caps_on[b - 1]) << b;
    }
    EXPECT_EQ(PadButtonAction(7, true, 12).kind, PadAction::TypeCapitalI);
    for (int b = 1; b <= 7; ++b) {
        PadAction a = PadButtonAction(b, false, 12);
        if (caps_off[b - 1] < 0) {
            EXPECT_EQ(a.kind, PadAction::Nothing);
        } else {
            EXPECT_EQ(a.kind, PadAction::Paste);
            EXPECT_EQ(a.offset, caps_off[b - 1]) << b;
        }
    }
    EXPECT_EQ(PadRowForSize(4), 1);
    EXPECT_EQ(PadRowForSize(11), 1);
    EXPECT_EQ(PadRowForSize(24), 8);
    EXPECT_EQ(PadRowForSize(40), 8);
    EXPECT_EQ(PadButtonAction(0, true, 12).kind, PadAction::Nothing);
}

TEST(Keyboard, FirstXkbLayoutGivesTheLayoutId) {
    struct Case {
        const char* output;
        const char16_t* id;
    } cases[] = {
        {"rules:      evdev\nmodel:      pc105\nlayout:     tr\n", u"0000041f"},
        {"layout:     tr(f),us\n", u"0000041f"},
        {"layout:     us,tr\nvariant:    ,\n", u"us"},
        {"rules: evdev\n", u""},
        {"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::LayoutIdFromXkbQuery(QString::fromLatin1(c.output)), QString::fromUtf16(c.id)) << c.output;
}

TEST(Web, RequestsBecomeTranslationPages) {
    QUrl en = platform::UrlForWebRequest(QStringLiteral("en-tr+salt & pepper"));
    QUrlQuery q(en);
    EXPECT_EQ(q.queryItemValue(QStringLiteral("sl")), QStringLiteral("en"));
    EXPECT_EQ(q.queryItemValue(QStringLiteral("tl")), QStringLiteral("tr"));
    EXPECT_EQ(q.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), QStringLiteral("salt & pepper"));
    QUrlQuery tr(platform::UrlForWebRequest(QStringLiteral("tr-en+iğne")));
    EXPECT_EQ(tr.queryItemValue(QStringLiteral("sl")), QStringLiteral("tr"));
    EXPECT_EQ(tr.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), QStringLiteral("iğne"));
    EXPECT_EQ(platform::UrlForWebRequest(QStringLiteral("microsoft")).host(), QStringLiteral("www.bing.com"));
    EXPECT_EQ(platform::WebSitePage(QStringLiteral("hayatdersi/index.html")).path(),
              QStringLiteral("/hayatdersi/index.html"));
}

TEST(FileFilter, WindowsFiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter(QStringLiteral("Rich text files (*.rtf)|*.rtf|All files|*.*")),
              QStringLiteral("Rich text files (*.rtf);;All files (*.*)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Text files(*.txt)|*.txt")), QStringLiteral("Text files(*.txt)"));
}

TEST(Voice, RateMapsToWordsPerMinute) {
    EXPECT_EQ(WordsPerMinuteForRate(0), 175);
    EXPECT_EQ(WordsPerMinuteForRate(10), 525);
    EXPECT_EQ(WordsPerMinuteForRate(-10), 58);
    EXPECT_EQ(WordsPerMinuteForRate(99), 525);
    EXPECT_LT(WordsPerMinuteForRate(-5), WordsPerMinuteForRate(-1));
}

TEST(RichText, TextDocumentRoundTripKeepsFormats) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(14);
    bold.setFontFamilies({QStringLiteral("Arial")});
    c.insertText(QStringLiteral("Kalın "), bold);
    QTextCharFormat red;
    red.setForeground(QColor(200, 0, 0));
    red.setFontItalic(true);
    red.setFontUnderline(true);
    red.setFontPointSize(10);
    c.insertText(QStringLiteral("kırmızı"), red);
    c.insertBlock();
    c.insertText(QStringLiteral("ikinci satır 中"), red);

    QTextDocument back;
    FillTextDocument(rtf::Parse(rtf::Write(ModelFromTextDocument(doc))), back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    QTextCursor b(&back);
    b.setPosition(2);
    EXPECT_EQ(b.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(b.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(b.charFormat().fontPointSize(), 14.0);
    b.setPosition(9);
    EXPECT_TRUE(b.charFormat().fontItalic());
    EXPECT_TRUE(b.charFormat().fontUnderline());
    EXPECT_EQ(b.charFormat().foreground().color(), QColor(200, 0, 0));
}

}  // namespace
}  // namespace zelmor::gui
