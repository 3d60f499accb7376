#include "gui/net/downloader.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include <memory>

namespace zelmor::gui::net {

const char* DownloadResultName(DownloadResult result) {
    switch (result) {
        case DownloadResult::Ok: return "ok";
        case DownloadResult::UnsafePath: return "unsafe path";
        case DownloadResult::HttpError: return "HTTP error";
        case DownloadResult::Redirected: return "redirected";
        case DownloadResult::TooLarge: return "too large";
        case DownloadResult::Timeout: return "timeout";
        case DownloadResult::NetworkError: return "network error";
        case DownloadResult::WriteError: return "write error";
    }
    return "?";
}

namespace {

bool SafeWebPath(const QString& path) {
    if (!path.startsWith(QLatin1Char('/')) || path.startsWith(QStringLiteral("//"))) return false;
    if (path.contains(QStringLiteral("..")) || path.contains(QLatin1Char('\\'))) return false;
    if (path.contains(QLatin1Char('?')) || path.contains(QLatin1Char('#'))) return false;
    for (QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    return true;
}

bool SameSite(const QUrl& a, const QUrl& b) {
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0 &&
           a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QStringLiteral("https") ? 443 : 80) ==
               b.port(b.scheme() == QStringLiteral("https") ? 443 : 80);
}

}  // namespace

Downloader::Downloader(QUrl site, int timeout_ms) : site_(std::move(site)), timeout_ms_(timeout_ms) {}

DownloadResult Downloader::Download(const QString& web_path, const std::filesystem::path& target,
                                    std::uint64_t max_bytes) {
    if (!SafeWebPath(web_path) || target.empty() || !target.has_filename() ||
        !site_.isValid() || site_.host().isEmpty())
        return DownloadResult::UnsafePath;

    QUrl url = site_;
    // The path is given decoded; QUrl encodes what must be encoded.
    url.setPath(web_path, QUrl::DecodedMode);

    // QSaveFile writes to a temporary file in the target's folder and renames
    // it over the target on commit(); cancelWriting() drops it.
    const QString target_name = QFile::decodeName(target.c_str());
    QSaveFile out(target_name);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) return DownloadResult::WriteError;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timed_out = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timed_out = true;
        loop.quit();
    });
    timer.start(timeout_ms_);

    DownloadResult result = DownloadResult::Ok;
    std::uint64_t received = 0;
    for (int hop = 0;; ++hop) {
        QNetworkRequest request(url);
        // Redirects are checked here: only the same site may be followed.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(
            manager_.get(request), [](QNetworkReply* r) {
                r->disconnect();
                r->abort();
                r->deleteLater();
            });
        bool stopped = false;  // aborted by us: too large or a write failure
        auto stop = [&](DownloadResult why) {
            if (stopped) return;
            stopped = true;
            result = why;
            loop.quit();
        };
        auto status = [&] {
            return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        };
        QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
            bool ok = false;
            const qlonglong announced =
                reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
            if (status() == 200 && ok && announced >= 0 &&
                static_cast<std::uint64_t>(announced) > max_bytes)
                stop(DownloadResult::TooLarge);
        });
        QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
            if (stopped || status() != 200) return;
            const QByteArray chunk = reply->readAll();
            received += static_cast<std::uint64_t>(chunk.size());
            if (received > max_bytes) {
                stop(DownloadResult::TooLarge);
                return;
            }
            if (out.write(chunk) != chunk.size()) stop(DownloadResult::WriteError);
        });
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);

        if (!reply->isFinished()) loop.exec();

        if (timed_out) {
            result = DownloadResult::Timeout;
            break;
        }
        if (stopped) break;

        const int code = status();
        if (code >= 300 && code < 400) {
            const QUrl next =
                url.resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
            if (hop + 1 >= kMaxRedirects || !next.isValid() || !SameSite(next, site_) ||
                !SafeWebPath(next.path())) {
                result = DownloadResult::Redirected;
                break;
            }
            url = next;
            continue;
        }
        if (code != 200) {
            result = code > 0 ? DownloadResult::HttpError : DownloadResult::NetworkError;
            break;
        }
        if (reply->error() != QNetworkReply::NoError) {
            result = DownloadResult::NetworkError;
            break;
        }
        // Whatever is still buffered after the last readyRead.
        const QByteArray rest = reply->readAll();
        received += static_cast<std::uint64_t>(rest.size());
        if (received > max_bytes) {
            result = DownloadResult::TooLarge;
        } else if (out.write(rest) != rest.size()) {
            result = DownloadResult::WriteError;
        } else {
            result = DownloadResult::Ok;
        }
        break;
    }
    timer.stop();

    if (result == DownloadResult::Ok) {
        if (!out.commit()) return DownloadResult::WriteError;
        return DownloadResult::Ok;
    }
    out.cancelWriting();
    out.commit();  // removes the temporary file, leaves the target untouched
    return result;
}

}  // namespace zelmor::gui::net
