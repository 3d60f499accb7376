#include "gui/app/frame_switches.h"

namespace zelmor::gui {

bool ApplyAccessCode(const QString& typed, FrameSwitches& s) {
    auto is = [&typed](const char16_t* upper, const char16_t* lower) {
        return typed == QStringView(upper) || typed == QStringView(lower);
    };
    if (is(u"PH47", u"ph47") || is(u"P47", u"p47")) {
        s.EditMode = true;
    } else if (is(u"Q47", u"q47")) {
        s.EngineMode = QStringLiteral("Q47");
    } else if (is(u"W47", u"w47")) {
        s.EngineMode = QStringLiteral("W47");
    } else if (is(u"M47", u"m47")) {
        s.EngineMode = QStringLiteral("M47");
    } else {
        return false;
    }
    return true;
}

QString CloseCode(const FrameSwitches& s) {
    return QString::number(s.EnRecordEditState) + QString::number(s.TrRecordEditState) +
           QStringLiteral("0");
}

}  // namespace zelmor::gui
