#include "gui/net/sound_site.h"

#include <QDir>
#include <QFile>

namespace zelmor::gui::net {

namespace {

// An http(s) address with a host, reduced to scheme, host and port.
QUrl SiteOrEmpty(const QString& text) {
    QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) return {};
    const QString scheme = url.scheme().toLower();
    if (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) return {};
    QUrl site;
    site.setScheme(scheme);
    site.setHost(url.host());
    site.setPort(url.port());
    return site;
}

}  // namespace

QString SoundSiteFromConfig(const QString& config_text) {
    const auto lines = config_text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QStringLiteral("sound-site"))
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QUrl SoundSiteUrl(const QString& program_dir) {
    QUrl site = SiteOrEmpty(qEnvironmentVariable(kSoundSiteVariable));
    if (site.isValid() && !site.isEmpty()) return site;

    QFile config(QDir(program_dir).filePath(QString::fromUtf16(kConfigFileName)));
    if (config.open(QIODevice::ReadOnly)) {
        // A settings file is small; a huge one is not ours.
        const QByteArray bytes = config.read(64 * 1024);
        site = SiteOrEmpty(SoundSiteFromConfig(QString::fromUtf8(bytes)));
        if (site.isValid() && !site.isEmpty()) return site;
    }
    return SiteOrEmpty(QString::fromUtf16(kDefaultSoundSite));
}

}  // namespace zelmor::gui::net
