#include "core/rtf/rtf.h"

#include <gtest/gtest.h>

namespace zelmor::rtf {
namespace {

CharFormat Fmt(bool b, bool i, bool u, std::string font, int hp, std::optional<Color> c = {}) {
    CharFormat f;
    f.bold = b;
    f.italic = i;
    f.underline = u;
    f.font = std::move(font);
    f.half_points = hp;
    f.color = c;
    return f;
}

TEST(RtfRoundTrip, FormatsParagraphsAndTurkishTextSurvive) {
    Document doc;
    doc.Append("Merhaba ", Fmt(true, false, false, "Times New Roman", 30));
    doc.Append("dünya: ĞİŞğış çöü", Fmt(false, true, true, "Arial", 24, Color{200, 10, 0}));
    doc.NewParagraph();
    doc.NewParagraph();
    doc.Append("back\\slash {braces}\ttab € 中文 😀", Fmt(false, false, false, "", 24));
    doc.Append("line\xE2\x80\xA8" "two", Fmt(false, false, false, "", 48, Color{0, 0, 255}));

    std::string rtf = Write(doc);
    EXPECT_NE(rtf.find("\\ansicpg1254"), std::string::npos);
    // Turkish letters go out as code page 1254 bytes, others as \u escapes.
    EXPECT_NE(rtf.find("\\'d0"), std::string::npos);  // Ğ
    EXPECT_NE(rtf.find("\\u20013?"), std::string::npos);  // 中
    EXPECT_EQ(Parse(rtf), doc);
}

TEST(RtfRoundTrip, EmptyDocumentStaysOneEmptyParagraph) {
    Document doc;
    Document back = Parse(Write(doc));
    ASSERT_EQ(back.paragraphs.size(), 1u);
    EXPECT_TRUE(back.paragraphs[0].runs.empty());
}

// What a word processor writes: code page bytes, \uN with replacement
// characters, skipped destinations, \plain, \par at the end.
TEST(RtfReader, ReadsForeignFile) {
    std::string in =
        "{\\rtf1\\ansi\\ansicpg1254\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset162 Arial;}"
        "{\\f1\\froman\\fcharset162{\\*\\panose 0202}Times New Roman;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\author Someone}}"
        "{\\*\\generator Msftedit 5.41;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
        "T\\'fcrk\\'e7e \\'fd\\'f0\\'fe \\b kal\\u305?n\\b0  "
        "{\\pict\\wmetafile8 0123abcd}\\cf1 red\\cf0\\par\n"
        "\\plain\\f1\\i\\'d0 \\u-10179\\'3f\\u-8704\\'3f\\par\n}";
    Document d = Parse(in);
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_EQ(d.PlainText(), "Türkçe ığş kalın red\nĞ 😀\n");
    const auto& runs = d.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].format, Fmt(false, false, false, "Arial", 20));
    EXPECT_EQ(runs[1].text, "kalın");
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_EQ(runs[3].text, "red");
    EXPECT_EQ(runs[3].format.color, (Color{255, 0, 0}));
    EXPECT_EQ(d.paragraphs[1].runs[0].format, Fmt(false, true, false, "Times New Roman", 24));
}

TEST(RtfReader, CodePageFollowsFontCharset) {
    // The document is Western but the font is Turkish: 0xFD is "ı"; in a
    // Western font it is "ý".
    std::string in =
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset162 B;}}"
        "\\f0\\'fd\\f1\\'fd}";
    EXPECT_EQ(Parse(in).PlainText(), "ýı");
}

TEST(RtfReader, MalformedInputGivesClearError) {
    struct Case {
        const char* input;
        const char* message;
    } cases[] = {
        {"hello", "not a rich-text"},
        {"", "not a rich-text"},
        {"{\\rtf1 abc", "unclosed group"},
        {"{\\rtf1 {\\b abc}", "unclosed group"},
        {"{\\rtf1 abc\\", "ends after a backslash"},
        {"{\\rtf1 \\'zz}", "hexadecimal"},
    };
    for (const auto& c : cases) {
        try {
            Parse(c.input);
            ADD_FAILURE() << "accepted: " << c.input;
        } catch (const ParseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.input << " -> " << e.what();
        }
    }
    std::string deep = "{\\rtf1 " + std::string(kMaxDepth + 10, '{');
    EXPECT_THROW(Parse(deep), ParseError);
}

TEST(RtfReader, TextAfterTheLastBraceAndBinaryDataAreIgnored) {
    const char raw[] = "{\\rtf1 a{\\bin4 }}}}b}}\0\0junk";
    std::string in(raw, sizeof raw - 1);
    EXPECT_EQ(Parse(in).PlainText(), "ab");
    EXPECT_TRUE(LooksLikeRtf("  \r\n{\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf("{rtf1}"));
}

}  // namespace
}  // namespace zelmor::rtf
