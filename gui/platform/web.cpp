#include "gui/platform/web.h"

#include <QDesktopServices>
#include <QNetworkInterface>
#include <QUrlQuery>

namespace zelmor::gui::platform {

QUrl UrlForWebRequest(const QString& request) {
    auto translate = [](const QString& from, const QString& to, const QString& text) {
        QUrl url(QStringLiteral("https://translate.google.com/"));
        QUrlQuery q;
        q.addQueryItem(QStringLiteral("sl"), from);
        q.addQueryItem(QStringLiteral("tl"), to);
        q.addQueryItem(QStringLiteral("op"), QStringLiteral("translate"));
        if (!text.isEmpty()) q.addQueryItem(QStringLiteral("text"), text);
        url.setQuery(q);
        return url;
    };
    if (request.startsWith(QStringLiteral("en-tr+")))
        return translate(QStringLiteral("en"), QStringLiteral("tr"), request.mid(6));
    if (request.startsWith(QStringLiteral("tr-en+")))
        return translate(QStringLiteral("tr"), QStringLiteral("en"), request.mid(6));
    if (request == QStringLiteral("googlem")) return QUrl(QStringLiteral("https://translate.google.com/"));
    if (request == QStringLiteral("microsoft")) return QUrl(QStringLiteral("https://www.bing.com/translator"));
    return QUrl(QString::fromUtf16(kWebSite));
}

QUrl WebSitePage(const QString& path) { return QUrl(QString::fromUtf16(kWebSite)).resolved(QUrl(path)); }

bool OpenInBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool MachineOnline() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        if (!i.addressEntries().isEmpty()) return true;
    }
    return false;
}

}  // namespace zelmor::gui::platform
