// A small rich-text format (RTF) reader and writer.
//
// The editor's documents and the glyph file are RTF. This module reads the
// parts of RTF that matter for plain formatted text - paragraphs, line
// breaks, tabs, bold/italic/underline, font name, font size and colour -
// from the editor's own output and from what common word processors write.
// Text in the model is UTF-8; 8-bit text in the file is decoded with the
// code page the file declares (\ansicpg, or the charset of the current
// font), with code page 1254 for Turkish. Groups the reader does not know
// (style sheets, pictures, document info, "\*" destinations, ...) are
// skipped. A malformed file raises ParseError with a readable message.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelmor::rtf {

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Color&) const = default;
};

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    /// Font family name; empty means the document default.
    std::string font;
    /// Size in half points (24 = 12 pt).
    int half_points = 24;
    /// No value: the automatic (default) colour.
    std::optional<Color> color;
    bool operator==(const CharFormat&) const = default;
};

/// Text with one format. A line break inside a paragraph is U+2028, a tab
/// is '\t'.
struct Run {
    std::string text;  // UTF-8
    CharFormat format;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    std::vector<Run> runs;
    bool operator==(const Paragraph&) const = default;
};

/// A document always has at least one (possibly empty) paragraph.
struct Document {
    std::vector<Paragraph> paragraphs{1};

    /// The text, paragraphs joined with '\n'.
    std::string PlainText() const;
    /// Appends text with `format` to the last paragraph, merging it into
    /// the last run when the format is the same.
    void Append(std::string_view utf8, const CharFormat& format);
    void NewParagraph() { paragraphs.emplace_back(); }
    bool operator==(const Document&) const = default;
};

class ParseError : public std::runtime_error {
public:
    ParseError(std::size_t offset, const std::string& what)
        : std::runtime_error(what + " (byte " + std::to_string(offset) + ")"), offset_(offset) {}
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

/// True when the bytes start (after optional blanks) with "{\rtf".
bool LooksLikeRtf(std::string_view bytes);

/// Parses an RTF file. Throws ParseError when the bytes are not RTF, a
/// group is left open at the end, or groups nest deeper than kMaxDepth.
Document Parse(std::string_view bytes);

inline constexpr int kMaxDepth = 512;

/// Writes `doc` as RTF with code page 1254: characters the code page has
/// are written as themselves or as \'xx, all others as \uN escapes.
std::string Write(const Document& doc);

}  // namespace zelmor::rtf
