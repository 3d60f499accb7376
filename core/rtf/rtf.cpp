#include "core/rtf/rtf.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "core/text/cp1254.h"

namespace zelmor::rtf {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Code point of an 8-bit character in code page 1254 or 1252. The two differ
// only in six letters (Ğ İ Ş ğ ı ş against Ð Ý Þ ð ý þ).
char32_t DecodeByte(unsigned char b, int codepage) {
    if (b < 0x80) return b;
    if (codepage != 1254) {
        switch (b) {
            case 0xD0: case 0xDD: case 0xDE: case 0xF0: case 0xFD: case 0xFE: return b;
            default: break;
        }
    }
    return text::detail::kHighHalf[b - 0x80];
}

int CodepageForCharset(int charset, int fallback) {
    switch (charset) {
        case 0: return 1252;
        case 162: return 1254;
        default: return fallback;
    }
}

enum class Dest { Body, FontTable, ColorTable, Skip };

struct FontInfo {
    std::string name;
    int charset = -1;
};

struct GroupState {
    Dest dest = Dest::Body;
    CharFormat format;
    int font_id = -1;
    int uc = 1;  // characters to skip after \uN
};

class Parser {
public:
    explicit Parser(std::string_view in) : in_(in) {}

    Document Run() {
        std::size_t p = 0;
        while (p < in_.size() && (in_[p] == ' ' || in_[p] == '\t' || in_[p] == '\r' || in_[p] == '\n'))
            ++p;
        if (in_.substr(p, 5) != "{\\rtf") throw ParseError(p, "not a rich-text (RTF) file");
        pos_ = p;
        while (pos_ < in_.size()) {
            char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                OpenGroup();
            } else if (c == '}') {
                ++pos_;
                skip_ = 0;
                FlushText();
                if (stack_.empty()) throw ParseError(pos_ - 1, "unbalanced closing brace");
                CloseGroup();
                if (stack_.empty()) return Finish();  // trailing bytes are ignored
            } else if (c == '\\') {
                ++pos_;
                ControlSequence();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                ++pos_;
            } else {
                ++pos_;
                if (Skipping()) continue;
                Char(DecodeByte(static_cast<unsigned char>(c), CurrentCodepage()));
            }
        }
        throw ParseError(in_.size(), "the file ends inside an unclosed group; it may be cut short");
    }

private:
    GroupState& Top() { return stack_.back(); }

    void OpenGroup() {
        skip_ = 0;
        FlushText();
        if (static_cast<int>(stack_.size()) >= kMaxDepth)
            throw ParseError(pos_ - 1, "groups are nested too deeply");
        GroupState s = stack_.empty() ? GroupState{} : Top();
        stack_.push_back(s);
        // The first control word decides whether the group is a destination.
        group_start_ = true;
    }

    void CloseGroup() {
        GroupState closed = Top();
        stack_.pop_back();
        if (closed.dest == Dest::FontTable && !stack_.empty() && Top().dest != Dest::FontTable)
            FinishFontEntry();
    }

    Document Finish() {
        FlushText();
        return std::move(doc_);
    }

    // A \uN is followed by uc replacement characters that readers without
    // Unicode use; they are skipped here.
    bool Skipping() {
        if (skip_ > 0) {
            --skip_;
            return true;
        }
        return false;
    }

    int CurrentCodepage() {
        if (Top().dest == Dest::Body) {
            auto it = fonts_.find(Top().font_id >= 0 ? Top().font_id : default_font_);
            if (it != fonts_.end()) return CodepageForCharset(it->second.charset, codepage_);
        }
        return codepage_;
    }

    void Char(char32_t cp) {
        if (cp < 0x20 && cp != '\t') return;  // control characters carry no text
        switch (Top().dest) {
            case Dest::Body:
                if (pending_high_ != 0) {
                    AppendUtf8(text_, 0xFFFD);
                    pending_high_ = 0;
                }
                if (text_format_ != Top().format) {
                    FlushText();
                    text_format_ = Top().format;
                }
                AppendUtf8(text_, cp);
                break;
            case Dest::FontTable:
                if (cp == ';')
                    FinishFontEntry();
                else
                    AppendUtf8(font_name_, cp);
                break;
            case Dest::ColorTable:
                if (cp == ';') {
                    colors_.push_back(color_defined_ ? std::optional<Color>(color_) : std::nullopt);
                    color_ = Color{};
                    color_defined_ = false;
                }
                break;
            case Dest::Skip:
                break;
        }
    }

    void UnicodeChar(long value) {
        if (Top().dest != Dest::Body && Top().dest != Dest::FontTable) return;
        char32_t unit = static_cast<char32_t>(value < 0 ? value + 65536 : value) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (pending_high_ != 0) AppendUtf8(text_, 0xFFFD);
            FlushIfFormatChanged();
            pending_high_ = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (pending_high_ == 0) {
                Char(0xFFFD);
                return;
            }
            char32_t cp = 0x10000 + ((pending_high_ - 0xD800) << 10) + (unit - 0xDC00);
            pending_high_ = 0;
            Char(cp);
            return;
        }
        if (unit == 0) return;
        Char(unit);
    }

    void FlushIfFormatChanged() {
        if (text_format_ != Top().format) {
            FlushText();
            text_format_ = Top().format;
        }
    }

    void FlushText() {
        if (pending_high_ != 0) {
            AppendUtf8(text_, 0xFFFD);
            pending_high_ = 0;
        }
        if (!text_.empty()) doc_.Append(text_, text_format_);
        text_.clear();
    }

    void FinishFontEntry() {
        if (font_id_ >= 0) {
            std::string name = font_name_;
            while (!name.empty() && (name.back() == ' ' || name.back() == ';')) name.pop_back();
            std::size_t b = name.find_first_not_of(' ');
            name = b == std::string::npos ? std::string() : name.substr(b);
            fonts_[font_id_] = FontInfo{name, font_charset_};
        }
        font_id_ = -1;
        font_charset_ = -1;
        font_name_.clear();
    }

    void ControlSequence() {
        if (pos_ >= in_.size()) throw ParseError(pos_, "the file ends after a backslash");
        char c = in_[pos_];
        bool first_in_group = group_start_;
        group_start_ = false;
        if (!IsAlpha(c)) {
            ++pos_;
            ControlSymbol(c, first_in_group);
            return;
        }
        std::size_t start = pos_;
        while (pos_ < in_.size() && IsAlpha(in_[pos_]) && pos_ - start < 32) ++pos_;
        std::string_view word = in_.substr(start, pos_ - start);
        bool has_param = false;
        long param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        std::size_t digits = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            if (digits < 10) param = param * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        if (digits > 0) {
            has_param = true;
            param = std::min(param, 2147483647L);
            if (negative) param = -param;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank
        ControlWord(word, has_param, param, first_in_group);
    }

    static bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void ControlSymbol(char c, bool first_in_group) {
        switch (c) {
            case '*':
                // An optional destination: skip what we do not know, i.e. all.
                if (first_in_group) Top().dest = Dest::Skip;
                return;
            case '\'': {
                int v = 0;
                int n = 0;
                while (n < 2 && pos_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
                    char h = in_[pos_];
                    v = v * 16 + (IsDigit(h) ? h - '0' : (h | 0x20) - 'a' + 10);
                    ++pos_;
                    ++n;
                }
                if (n == 0) throw ParseError(pos_, "\\' must be followed by two hexadecimal digits");
                if (Skipping()) return;
                Char(DecodeByte(static_cast<unsigned char>(v), CurrentCodepage()));
                return;
            }
            default:
                break;
        }
        if (Skipping()) return;
        switch (c) {
            case '\\': case '{': case '}': Char(static_cast<unsigned char>(c)); break;
            case '~': Char(0x00A0); break;
            case '_': Char(0x2011); break;
            case '\r': case '\n': Paragraph(); break;
            case '\t': Char('\t'); break;
            default: break;  // \- optional hyphen, \| \: index marks
        }
    }

    void Paragraph() {
        if (Top().dest != Dest::Body) return;
        FlushText();
        doc_.NewParagraph();
    }

    void ControlWord(std::string_view w, bool has_param, long param, bool first_in_group) {
        GroupState& g = Top();
        if (w == "bin") {
            // Binary data: skip the bytes without looking at them.
            std::size_t n = has_param && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ += std::min(n, in_.size() - pos_);
            return;
        }
        if (w == "u") {
            if (Skipping()) return;
            UnicodeChar(param);
            skip_ = g.uc;
            return;
        }
        if (Skipping()) return;
        if (g.dest == Dest::Skip) return;

        // Destinations.
        if (w == "fonttbl") { g.dest = Dest::FontTable; return; }
        if (w == "colortbl") { g.dest = Dest::ColorTable; colors_.clear(); return; }
        static constexpr std::string_view kSkipped[] = {
            "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
            "headerf", "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable",
            "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata",
            "colorschememapping", "datastore", "latentstyles", "pgdsctbl", "filetbl", "comment",
            "nonshppict", "shp", "shpinst", "sp", "author", "operator", "title", "subject",
            "keywords", "doccomm", "company", "template", "annotation", "atnid", "atnauthor",
            "bkmkstart", "bkmkend", "txe", "xe", "tc", "private", "objdata", "mmathPr"};
        for (auto s : kSkipped) {
            if (w == s) {
                g.dest = Dest::Skip;
                return;
            }
        }
        (void)first_in_group;

        if (g.dest == Dest::FontTable) {
            if (w == "f" && has_param) {
                if (font_id_ >= 0 && !font_name_.empty()) FinishFontEntry();
                font_id_ = static_cast<int>(param);
            } else if (w == "fcharset" && has_param) {
                font_charset_ = static_cast<int>(param);
            }
            return;
        }
        if (g.dest == Dest::ColorTable) {
            long v = std::clamp(param, 0L, 255L);
            if (w == "red") { color_.red = static_cast<std::uint8_t>(v); color_defined_ = true; }
            else if (w == "green") { color_.green = static_cast<std::uint8_t>(v); color_defined_ = true; }
            else if (w == "blue") { color_.blue = static_cast<std::uint8_t>(v); color_defined_ = true; }
            return;
        }

        // Header words.
        if (w == "ansicpg" && has_param) {
            codepage_ = param == 1254 ? 1254 : 1252;
            return;
        }
        if (w == "deff" && has_param) { default_font_ = static_cast<int>(param); return; }
        if (w == "uc" && has_param) { g.uc = static_cast<int>(std::clamp(param, 0L, 16L)); return; }

        // Paragraph and special characters.
        if (w == "par") { Paragraph(); return; }
        if (w == "line") { Char(0x2028); return; }
        if (w == "tab") { Char('\t'); return; }
        if (w == "emdash") { Char(0x2014); return; }
        if (w == "endash") { Char(0x2013); return; }
        if (w == "bullet") { Char(0x2022); return; }
        if (w == "lquote") { Char(0x2018); return; }
        if (w == "rquote") { Char(0x2019); return; }
        if (w == "ldblquote") { Char(0x201C); return; }
        if (w == "rdblquote") { Char(0x201D); return; }
        if (w == "emspace") { Char(0x2003); return; }
        if (w == "enspace") { Char(0x2002); return; }

        // Character formatting.
        bool on = !has_param || param != 0;
        CharFormat& f = g.format;
        if (w == "plain") {
            f = CharFormat{};
            f.font = FontName(default_font_);
            g.font_id = default_font_;
        } else if (w == "b") {
            f.bold = on;
        } else if (w == "i") {
            f.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" ||
                   w == "ulwave" || w == "uldash") {
            f.underline = on;
        } else if (w == "ulnone") {
            f.underline = false;
        } else if (w == "f" && has_param) {
            g.font_id = static_cast<int>(param);
            f.font = FontName(g.font_id);
        } else if (w == "fs" && has_param) {
            f.half_points = static_cast<int>(std::clamp(param, 1L, 3276L));
        } else if (w == "cf" && has_param) {
            if (param > 0 && static_cast<std::size_t>(param) < colors_.size())
                f.color = colors_[static_cast<std::size_t>(param)];
            else
                f.color.reset();
        }
    }

    std::string FontName(int id) const {
        auto it = fonts_.find(id);
        return it == fonts_.end() ? std::string() : it->second.name;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    bool group_start_ = false;
    int skip_ = 0;
    int codepage_ = 1252;
    int default_font_ = 0;
    char32_t pending_high_ = 0;

    std::map<int, FontInfo> fonts_;
    int font_id_ = -1;
    int font_charset_ = -1;
    std::string font_name_;

    std::vector<std::optional<Color>> colors_;
    Color color_;
    bool color_defined_ = false;

    Document doc_;
    std::string text_;
    CharFormat text_format_;
};

// ---- writer -------------------------------------------------------------

void WriteEscapedText(std::string& out, std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = text::detail::DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            cp = 0xFFFD;
            len = 1;
        }
        i += len;
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp == 0x2028 || cp == '\n') {
            out += "\\line ";
        } else if (cp == '\r') {
            // dropped: paragraphs are separate
        } else if (cp >= 0x20 && cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            int b = cp < 0x20 ? -1 : text::detail::ByteForCodePoint(cp);
            // The C1 controls stand for the bytes code page 1254 leaves
            // undefined; write them as Unicode so readers agree.
            if (b >= 0x80 && !(cp >= 0x80 && cp < 0xA0)) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\'%02x", b);
                out += buf;
            } else if (cp >= 0x20 || cp == 0) {
                auto unit = [&out](unsigned v) {
                    out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(v))) + "?";
                };
                if (cp >= 0x10000) {
                    char32_t v = cp - 0x10000;
                    unit(0xD800 + (v >> 10));
                    unit(0xDC00 + (v & 0x3FF));
                } else if (cp != 0) {
                    unit(cp);
                }
            }
        }
    }
}

}  // namespace

std::string Document::PlainText() const {
    std::string out;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0) out += '\n';
        for (const auto& r : paragraphs[p].runs) out += r.text;
    }
    return out;
}

void Document::Append(std::string_view utf8, const CharFormat& format) {
    if (utf8.empty()) return;
    if (paragraphs.empty()) paragraphs.emplace_back();
    auto& runs = paragraphs.back().runs;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += utf8;
    else
        runs.push_back(Run{std::string(utf8), format});
}

bool LooksLikeRtf(std::string_view bytes) {
    std::size_t p = bytes.find_first_not_of(" \t\r\n");
    return p != std::string_view::npos && bytes.substr(p, 5) == "{\\rtf";
}

Document Parse(std::string_view bytes) {
    Parser parser(bytes);
    Document doc = parser.Run();
    if (doc.paragraphs.empty()) doc.paragraphs.emplace_back();
    return doc;
}

std::string Write(const Document& doc) {
    // Font and colour tables from the formats in use.
    std::vector<std::string> fonts{"Times New Roman"};
    std::vector<Color> colors;
    for (const auto& p : doc.paragraphs) {
        for (const auto& r : p.runs) {
            if (!r.format.font.empty() &&
                std::find(fonts.begin(), fonts.end(), r.format.font) == fonts.end())
                fonts.push_back(r.format.font);
            if (r.format.color && std::find(colors.begin(), colors.end(), *r.format.color) == colors.end())
                colors.push_back(*r.format.color);
        }
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1254\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset162 ";
        WriteEscapedText(out, fonts[i]);
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (const auto& c : colors)
        out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
               std::to_string(c.blue) + ";";
    out += "}\n\\viewkind4\\uc1\\pard\n";
    for (std::size_t p = 0; p < doc.paragraphs.size(); ++p) {
        if (p > 0) out += "\\par\n";
        for (const auto& r : doc.paragraphs[p].runs) {
            const CharFormat& f = r.format;
            std::size_t color = 0;
            if (f.color)
                color = static_cast<std::size_t>(std::find(colors.begin(), colors.end(), *f.color) - colors.begin()) + 1;
            // Each run is a group, so its format cannot leak into the next.
            out += '{';
            if (!f.font.empty())
                out += "\\f" + std::to_string(std::find(fonts.begin(), fonts.end(), f.font) - fonts.begin());
            out += "\\fs" + std::to_string(f.half_points);
            if (f.bold) out += "\\b";
            if (f.italic) out += "\\i";
            if (f.underline) out += "\\ul";
            if (color) out += "\\cf" + std::to_string(color);
            out += ' ';
            WriteEscapedText(out, r.text);
            out += '}';
        }
    }
    out += "\n}\n";
    return out;
}

}  // namespace zelmor::rtf
