#include "gui/editor/letter_pad.h"

#include <algorithm>

namespace zelmor::gui {

int PadRowForSize(int font_size) { return (std::clamp(font_size, 10, 24) - 8) / 2; }

PadAction PadButtonAction(int button, bool caps_lock, int font_size) {
    // Offsets inside a row: capitals Ç Ğ İ Ö Ş Ü at 0..5, small ç ğ ı ö ş ü
    // at 7, 8, 9, 10, 11, 12. Button 3 is "İ/i" (small i is on every
    // keyboard), button 7 is "I/ı" (capital I is too).
    static constexpr int kCaps[] = {0, 1, 2, 3, 4, 5, -2};
    static constexpr int kSmall[] = {7, 8, -1, 10, 11, 12, 9};
    if (button < 1 || button > 7) return {};
    int k = caps_lock ? kCaps[button - 1] : kSmall[button - 1];
    if (k == -1) return {};
    if (k == -2) return {PadAction::TypeCapitalI, 0};
    return {PadAction::Paste, PadRowForSize(font_size) * 15 + k};
}

}  // namespace zelmor::gui
