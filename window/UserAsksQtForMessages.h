#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>

// Whether the user asked Qt for its messages, in any of the ways Qt reads: logging rules in
// QT_LOGGING_RULES, in the file QT_LOGGING_CONF names, in a qtlogging.ini in Qt's data folder,
// or in QtProject/qtlogging.ini in a configuration folder (XDG_CONFIG_HOME or ~/.config, then
// XDG_CONFIG_DIRS or /etc/xdg; Windows' application data folders); the plugin loader's
// diagnostics (QT_DEBUG_PLUGINS); warnings or criticals made fatal (QT_FATAL_WARNINGS,
// QT_FATAL_CRITICALS). Where they asked, the program adds no rule and hides nothing. Read as the
// program starts and by the sound module as it starts; Qt Core only.
inline bool userAsksQtForMessages()
{
    // As Qt reads the switches: the plugin loader's is a number, 0 for off; a fatal one is any
    // word but 0.
    const auto fatal = [](const char* name) {
        bool number = false;
        const QByteArray value = qgetenv(name);
        const int count = value.toInt(&number, 0);
        return !value.isEmpty() && (!number || count != 0);
    };
    return !qEnvironmentVariableIsEmpty("QT_LOGGING_RULES") ||
           !qEnvironmentVariableIsEmpty("QT_LOGGING_CONF") ||
           qEnvironmentVariableIntValue("QT_DEBUG_PLUGINS") != 0 || fatal("QT_FATAL_WARNINGS") ||
           fatal("QT_FATAL_CRITICALS") ||
           QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::DataPath))
                                 .filePath(QStringLiteral("qtlogging.ini"))) ||
           !QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                   QStringLiteral("QtProject/qtlogging.ini"))
                .isEmpty();
}
