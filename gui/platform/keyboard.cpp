#include "gui/platform/keyboard.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStringList>

#if ZELMOR_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace zelmor::gui::platform {

QString LayoutIdFromXkbQuery(const QString& query_output) {
    const QStringList lines = query_output.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        QString t = line.trimmed();
        if (!t.startsWith(QStringLiteral("layout:"))) continue;
        QString first = t.mid(7).trimmed().section(QLatin1Char(','), 0, 0).trimmed();
        QString base = first.section(QLatin1Char('('), 0, 0).trimmed();
        if (base.isEmpty()) return QString();
        if (base == QStringLiteral("tr")) return QString::fromUtf16(kTurkishLayoutId);
        return base;
    }
    return QString();
}

QString FirstKeyboardLayoutId() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) return QString();
    QProcess p;
    p.start(QStringLiteral("setxkbmap"), {QStringLiteral("-query")});
    if (!p.waitForStarted(2000)) return QString();
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return QString();
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return QString();
    return LayoutIdFromXkbQuery(QString::fromLocal8Bit(p.readAllStandardOutput()));
}

bool CheckTurkishKeyboard() { return FirstKeyboardLayoutId() == QString::fromUtf16(kTurkishLayoutId); }

bool CapsLockOn() {
#if ZELMOR_HAVE_X11
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return false;
    unsigned int state = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success) return false;
    return (state & 1u) != 0;
#else
    return false;
#endif
}

}  // namespace zelmor::gui::platform
