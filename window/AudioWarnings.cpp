#include "AudioWarnings.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

QtMessageHandler previousHandler = nullptr;
bool installed = false;
bool reported = false;

bool comesFromAudioStack(const QMessageLogContext& context, const QString& message)
{
    const QLatin1String category(context.category != nullptr ? context.category : "");
    return category.startsWith(QLatin1String("qt.multimedia")) ||
           message.startsWith(QLatin1String("PulseAudioService")) ||
           message == QLatin1String("No audio device detected");
}

void filterAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && type != QtCriticalMsg && comesFromAudioStack(context, message)) {
        AudioWarnings::reportNoOutputOnce();
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

namespace AudioWarnings {

void install()
{
    if (!installed) {
        installed = true;
        previousHandler = qInstallMessageHandler(filterAudioWarnings);
    }
}

void reportNoOutputOnce()
{
    if (!reported) {
        reported = true;
        std::fputs("krimvel: no audio output available; the loudspeaker stays silent\n", stderr);
    }
}

} // namespace AudioWarnings
