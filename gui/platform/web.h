// Web pages the program opens in the user's browser.
#pragma once

#include <QString>
#include <QUrl>

namespace zelmor::gui::platform {

/// Home of the program's web site; pages are relative to it.
inline constexpr const char16_t* kWebSite = u"https://zelmor.example.org/";

/// The page for a browser request handed over by an editor: "en-tr+" or
/// "tr-en+" followed by text (online translation of that text), "googlem"
/// (the online translator), "microsoft" (Microsoft's translator); anything
/// else opens the web site.
QUrl UrlForWebRequest(const QString& request);

/// A page of the program's web site ("index1.htm", "mail5.php", ...).
QUrl WebSitePage(const QString& path);

/// Opens `url` in the user's browser; false when no browser answers.
bool OpenInBrowser(const QUrl& url);

/// True when the machine has a network interface that is up, not the
/// loopback, with an address.
bool MachineOnline();

}  // namespace zelmor::gui::platform
