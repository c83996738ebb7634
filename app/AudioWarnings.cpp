#include "AudioWarnings.h"

#include "Language.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

QtMessageHandler previousHandler = nullptr;
bool reported = false;

bool isAudioWarning(const QMessageLogContext& context, const QString& message)
{
    const QLatin1String category(context.category != nullptr ? context.category : "");
    return category.startsWith(QLatin1String("qt.multimedia")) ||
           category == QLatin1String("krimvel.sound") ||
           message.startsWith(QLatin1String("PulseAudioService")) ||
           message == QLatin1String("No audio device detected");
}

void filterAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && type != QtCriticalMsg && isAudioWarning(context, message)) {
        if (!reported) {
            reported = true;
            const QString line = Language::terminal(QT_TRANSLATE_NOOP(
                "Terminal", "no audio output available; the loudspeaker stays silent"));
            std::fputs(qPrintable(QStringLiteral("krimvel: ") + line + QLatin1Char('\n')), stderr);
        }
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

namespace AudioWarnings {

void install()
{
    if (previousHandler == nullptr) {
        previousHandler = qInstallMessageHandler(filterAudioWarnings);
    }
}

} // namespace AudioWarnings
