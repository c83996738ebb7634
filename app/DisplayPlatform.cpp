#include "DisplayPlatform.h"

#include "Language.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Shown after each problem: the way to a display.
const char* const howToGetOne =
    QT_TRANSLATE_NOOP("Terminal", "run it on a desktop, or in a virtual one: xvfb-run krimvel");

// One line: the problem in the user's language, then how to get a display.
std::string problemLine(const char* problem, const std::string& argument = {})
{
    QString line = Language::terminal(problem);
    if (!argument.empty()) {
        line = line.arg(QString::fromStdString(argument));
    }
    return (line + QStringLiteral("; ") + Language::terminal(howToGetOne)).toStdString();
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string lowerCase(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The platforms Qt can load, by the names QT_QPA_PLATFORM takes: the keys in the metadata of
// the plugins in the folders Qt looks in, read without loading a plugin.
std::set<std::string> installedPlatforms()
{
    QStringList folders;
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH")) {
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        folders << path + QStringLiteral("/platforms");
    }
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");

    std::set<std::string> names;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList({QStringLiteral("*.so")}, QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(dir.filePath(file)).metaData();
            for (const auto key : metaData.value(QLatin1String("MetaData"))
                                      .toObject()
                                      .value(QLatin1String("Keys"))
                                      .toArray()) {
                names.insert(lowerCase(key.toString().toStdString()));
            }
        }
    }
    return names;
}

// Whether a compositor answers on the socket Qt's Wayland platform would connect to.
bool waylandAnswers(const std::string& display)
{
    if (!variable("WAYLAND_SOCKET").empty()) {
        return true; // a connection handed over by the compositor that started the program
    }
    std::string path = display.empty() ? "wayland-0" : display;
    if (path.front() != '/') {
        const std::string runtimeDir = variable("XDG_RUNTIME_DIR");
        if (runtimeDir.empty()) {
            return false;
        }
        path = runtimeDir + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answered =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answered;
}

std::string nameOf(const std::string& entry)
{
    return lowerCase(entry.substr(0, entry.find(':')));
}

// Checks that the platform `entry` (a name with its options) can reach its display.
DisplayPlatform tryPlatform(const std::string& entry)
{
    DisplayPlatform choice;
    choice.platform = entry;
    const std::string name = nameOf(entry);
    if (name == "xcb") {
        if (variable("DISPLAY").empty()) {
            choice.problem =
                problemLine(QT_TRANSLATE_NOOP("Terminal", "no X display (DISPLAY is not set)"));
            return choice;
        }
        choice.x = probeXDisplay();
        if (!choice.x.opened) {
            choice.problem = problemLine(
                QT_TRANSLATE_NOOP("Terminal", "cannot open display '%1'"), variable("DISPLAY"));
        }
    } else if (name.starts_with("wayland")) {
        const std::string display = variable("WAYLAND_DISPLAY");
        if (!waylandAnswers(display)) {
            choice.problem =
                problemLine(QT_TRANSLATE_NOOP("Terminal", "cannot open Wayland display '%1'"),
                            display.empty() ? std::string("wayland-0") : display);
        }
    }
    return choice;
}

// The user's QT_QPA_PLATFORM, a list separated by ';' that Qt tries in order.
DisplayPlatform followUser(const std::string& requested)
{
    const std::set<std::string> installed = installedPlatforms();
    std::optional<DisplayPlatform> firstFailure;
    std::string_view rest = requested;
    while (!rest.empty()) {
        const std::string entry(rest.substr(0, rest.find(';')));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        if (entry.empty() || (!installed.empty() && !installed.contains(nameOf(entry)))) {
            continue;
        }
        DisplayPlatform choice = tryPlatform(entry);
        if (!choice.problem) {
            return choice;
        }
        if (!firstFailure) {
            firstFailure = std::move(choice);
        }
    }
    if (firstFailure) {
        return std::move(*firstFailure);
    }
    std::string names;
    for (const std::string& name : installed) {
        names += (names.empty() ? "" : ", ") + name;
    }
    DisplayPlatform none;
    none.problem = Language::terminal(QT_TRANSLATE_NOOP(
                                          "Terminal", "QT_QPA_PLATFORM names no platform that is "
                                                      "installed ('%1'); the platforms here are: %2"))
                       .arg(QString::fromStdString(requested), QString::fromStdString(names))
                       .toStdString();
    return none;
}

// The desktop's own display: its Wayland compositor if it has one, else its X server.
DisplayPlatform followSession()
{
    const bool x11 = !variable("DISPLAY").empty();
    const std::string wayland = variable("WAYLAND_DISPLAY");
    if (!wayland.empty() || !variable("WAYLAND_SOCKET").empty()) {
        if (installedPlatforms().contains("wayland")) {
            DisplayPlatform choice = tryPlatform("wayland");
            if (!choice.problem || !x11) {
                return choice;
            }
        } else if (!x11) {
            DisplayPlatform none;
            none.problem = Language::terminal(
                               QT_TRANSLATE_NOOP("Terminal",
                                                 "cannot open Wayland display '%1': Qt's Wayland "
                                                 "platform is missing (Debian package qt6-wayland)"))
                               .arg(QString::fromStdString(wayland))
                               .toStdString();
            return none;
        }
    }
    if (!x11) {
        DisplayPlatform none;
        none.problem = problemLine(
            QT_TRANSLATE_NOOP("Terminal", "no display (neither WAYLAND_DISPLAY nor DISPLAY is set)"));
        return none;
    }
    return tryPlatform("xcb");
}

} // namespace

DisplayPlatform chooseDisplayPlatform()
{
    const std::string requested = variable("QT_QPA_PLATFORM");
    return requested.empty() ? followSession() : followUser(requested);
}
