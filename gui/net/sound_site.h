// Where the Turkish sound files and their index are fetched from.
//
// The address of the web site is a setting, looked up in this order:
//   1. the environment variable ZELMOR_SOUND_SITE, e.g.
//        ZELMOR_SOUND_SITE=https://sounds.example.net ./zelmor
//   2. a line "sound-site=URL" in the file "zelmor.conf" in the program
//      folder (blanks around "=" and the URL are ignored, lines starting
//      with "#" are comments);
//   3. kDefaultSoundSite.
// Only http and https addresses with a host are accepted; anything else is
// skipped in favour of the next choice. The files live below the site at
// "/trwav/abcdhece.txt", "/trwav/NAME_.WAV" and "/trwav/trwa-z/NAME.WAV".
#pragma once

#include <QString>
#include <QUrl>

namespace zelmor::gui::net {

inline constexpr const char16_t* kDefaultSoundSite = u"https://zelmor.example.org";
inline constexpr const char* kSoundSiteVariable = "ZELMOR_SOUND_SITE";
inline constexpr const char16_t* kConfigFileName = u"zelmor.conf";

/// The "sound-site=" value of a zelmor.conf text, empty when there is none.
QString SoundSiteFromConfig(const QString& config_text);

/// The sound web site for the program in `program_dir` (see above). The
/// result has no path, query or fragment.
QUrl SoundSiteUrl(const QString& program_dir);

}  // namespace zelmor::gui::net
