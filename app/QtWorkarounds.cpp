#include "QtWorkarounds.h"

#include <QByteArray>
#include <QLibraryInfo>
#include <QVersionNumber>

namespace {

// On GNOME's Wayland session, before Qt 6.8 draws GNOME's kind of title bar itself, a native
// window gets Qt's plain grey one and a place near the corner; through XWayland, GNOME's title
// bar and the middle of the screen. Qt 6.8 (Debian 13) is left to choose. A platform the user
// names (or -platform) is tried as named. Shown by tests/desktops/check-desktops on GNOME
// Shell; goes when Debian 12 is no longer supported.
void preferXWaylandOnGnomeBeforeQt68()
{
    if (QLibraryInfo::version() < QVersionNumber(6, 8) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY") &&
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':').contains("gnome")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

// The loudspeaker plays samples and never decodes nor encodes video, yet Qt 6.8's FFmpeg
// backend tries every kind of video hardware as it starts, and libvdpau, finding no driver,
// says so on stderr itself. Qt's own variables name the kinds to try: none, where the user
// named none. Qt 6.4 has no such backend. Read when Qt Multimedia starts, on the loudspeaker's
// first activation, by which time other threads run. Shown by e2e.loudspeaker.installed on
// Debian 13 (tests/debian13/check-debian13), where the terminal must stay empty; goes when Qt
// Multimedia tries video hardware only for video.
void noVideoHardwareForTheLoudspeaker()
{
    for (const char* variable :
         {"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "QT_FFMPEG_ENCODING_HW_DEVICE_TYPES"}) {
        if (!qEnvironmentVariableIsSet(variable)) {
            qputenv(variable, "");
        }
    }
}

} // namespace

namespace QtWorkarounds {

void beforeQtStarts()
{
    preferXWaylandOnGnomeBeforeQt68();
    noVideoHardwareForTheLoudspeaker();
}

} // namespace QtWorkarounds
