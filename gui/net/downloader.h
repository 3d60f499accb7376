// Downloads single files from the sound web site, synchronously: the call
// returns when the file is complete or has failed, while a local event loop
// keeps the program's windows answering.
//
// A file is first written to a temporary file beside its target and only
// renamed into place when the whole body has arrived. An HTTP error, a
// redirect to another site, a body larger than the limit (announced or
// counted), a timeout or a network failure leaves no file behind.
#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <filesystem>

namespace zelmor::gui::net {

enum class DownloadResult {
    Ok,
    UnsafePath,    // the web path or the target was refused; nothing was asked
    HttpError,     // the site answered with something other than 200
    Redirected,    // a redirect to another site, or too many redirects
    TooLarge,      // the body was longer than allowed
    Timeout,
    NetworkError,  // connection refused, reset, name not found, ...
    WriteError,    // the local file could not be written
};

/// A short English description for messages and test output.
const char* DownloadResultName(DownloadResult result);

class Downloader {
public:
    /// `site` is scheme + host (+ port); `timeout_ms` bounds each download
    /// as a whole, redirects included.
    explicit Downloader(QUrl site, int timeout_ms = 30000);

    /// Fetches `web_path` (absolute on the site, e.g. "/trwav/abcdhece.txt";
    /// no "..", no query) into `target`, at most `max_bytes` bytes.
    DownloadResult Download(const QString& web_path, const std::filesystem::path& target,
                            std::uint64_t max_bytes);

    const QUrl& site() const { return site_; }
    void set_timeout_ms(int ms) { timeout_ms_ = ms; }

private:
    static constexpr int kMaxRedirects = 5;

    QUrl site_;
    int timeout_ms_;
    QNetworkAccessManager manager_;
};

}  // namespace zelmor::gui::net
