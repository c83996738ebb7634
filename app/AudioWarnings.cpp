#include "AudioWarnings.h"

#include "Language.h"

#include <QSet>
#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

QtMessageHandler previousHandler = nullptr;
QSet<QString> said;
bool userConfiguresLogging = false;

QLatin1String categoryOf(const QMessageLogContext& context)
{
    return QLatin1String(context.category != nullptr ? context.category : "");
}

// The audio stack's warnings where there is no sound server or device.
bool isAudioStackWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    return type == QtWarningMsg &&
           (categoryOf(context).startsWith(QLatin1String("qt.multimedia")) ||
            message.startsWith(QLatin1String("PulseAudioService")) ||
            message == QLatin1String("No audio device detected"));
}

void sayOnce(const QString& line)
{
    if (!said.contains(line)) {
        said.insert(line);
        std::fputs(qPrintable(QStringLiteral("krimvel: ") + line + QLatin1Char('\n')), stderr);
    }
}

void filterAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && categoryOf(context) == QLatin1String("krimvel.sound")) {
        sayOnce(message);
        return;
    }
    // The PulseAudio backend reports a stream that the server cut off only in this warning; its
    // audio sink carries on as if it played.
    const bool cutOff = type == QtWarningMsg && message.contains(QLatin1String("Stream error:"));
    if (cutOff) {
        sayOnce(Language::terminal(QT_TRANSLATE_NOOP(
            "Terminal", "the audio output failed while playing the loudspeaker's sound")));
    }
    if (!userConfiguresLogging && (cutOff || isAudioStackWarning(type, context, message))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

namespace AudioWarnings {

void install()
{
    if (previousHandler == nullptr) {
        userConfiguresLogging = !qEnvironmentVariableIsEmpty("QT_LOGGING_RULES") ||
                                !qEnvironmentVariableIsEmpty("QT_LOGGING_CONF");
        previousHandler = qInstallMessageHandler(filterAudioWarnings);
    }
}

} // namespace AudioWarnings
