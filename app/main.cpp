#include "CommandLine.h"
#include "Form1.h"
#include "Language.h"
#include "Messages.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "Terminal.h"
#include "WindowFonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QVersionNumber>

namespace {

int say(const CommandLine::Reply& reply)
{
    Terminal::print(reply.status == 0 ? stdout : stderr, reply.text);
    return reply.status;
}

// On GNOME's Wayland session, before Qt 6.8 draws GNOME's kind of title bar itself, a native
// window gets Qt's plain grey one and a place near the corner; through XWayland, GNOME's title
// bar and the middle of the screen. A platform the user names (or -platform) is tried as named.
void preferXWaylandOnGnome()
{
    if (QLibraryInfo::version() < QVersionNumber(6, 8) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY") &&
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':').contains("gnome")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    Language::load();
    // One option alone leaves Qt nothing to take: answered before Qt starts, with no display.
    if (const auto reply = CommandLine::reply(QStringList(argv, argv + argc));
        argc == 2 && reply && reply->status == 0) {
        return say(*reply);
    }
    preferXWaylandOnGnome();
    // Read while Qt connects to the display, on the other core where there is one.
    WindowFonts::startLoading();

    Messages::watchStart();
    QApplication application(argc, argv);
    Messages::started();
    Language::install();
    // Qt has taken its own options out of the arguments; what is left is the program's.
    if (const auto reply = CommandLine::reply(QApplication::arguments())) {
        return say(*reply);
    }
    QApplication::setApplicationName(QString::fromLatin1(ProgramIdentity::name));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramIdentity::version));
    QApplication::setDesktopFileName(QString::fromLatin1(ProgramIdentity::applicationId));

    // The one generator of the process, in its fixed starting state.
    RandomSource randomSource;
    Form1 form1(randomSource);
    form1.showCentred();
    return QApplication::exec();
}
