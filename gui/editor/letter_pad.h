// The letter pad: seven buttons that put Turkish letters into the document,
// taken with their formatting from the glyph file "abc1.rtf".
//
// The glyph file holds rows of 15 characters, one row per font size
// (row r is size 8 + 2r): "ÇĞİÖŞÜ_çğıöşü", a blank and the paragraph break.
#pragma once

namespace zelmor::gui {

/// Glyph row for a font size: (size - 8) / 2 after clamping to 10..24.
int PadRowForSize(int font_size);

struct PadAction {
    enum Kind { Paste, TypeCapitalI, Nothing };
    Kind kind = Nothing;
    int offset = 0;  // character offset in the glyph text (Paste only)
};

/// What pad button 1..7 does with Caps Lock on or off at a font size.
PadAction PadButtonAction(int button, bool caps_lock, int font_size);

}  // namespace zelmor::gui
