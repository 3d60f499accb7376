// Keyboard facts the program asks the desktop for: whether the first
// keyboard layout is Turkish and whether Caps Lock is on.
#pragma once

#include <QString>

namespace zelmor::gui::platform {

/// Layout identifier of the Turkish Q keyboard.
inline constexpr const char16_t* kTurkishLayoutId = u"0000041f";

/// The first layout of `setxkbmap -query` output as a layout identifier:
/// "0000041f" for a Turkish layout ("tr", "tr(f)", "tr(alt)", ...), the X
/// layout name for any other, empty when the output names no layout.
QString LayoutIdFromXkbQuery(const QString& query_output);

/// The identifier of the first keyboard layout of the X session, empty when
/// it cannot be found out (no X server, no setxkbmap).
QString FirstKeyboardLayoutId();

/// True when the first keyboard layout is Turkish.
bool CheckTurkishKeyboard();

/// Caps Lock state from the X server; false when it cannot be read.
bool CapsLockOn();

}  // namespace zelmor::gui::platform
