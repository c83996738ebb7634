#pragma once

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSet>
#include <QString>

// Where the loudspeaker says why it stays silent: the module and the window's own playback
// alike. The program shows these lines on the terminal.
inline const QLoggingCategory& soundLog()
{
    static const QLoggingCategory category("krimvel.sound");
    return category;
}

// A loudspeaker's reasons to stay silent, in the same words on every platform, each said once in
// soundLog() however often the loudspeaker is pressed and whoever notices it first.
class SilenceReasons
{
    Q_DECLARE_TR_FUNCTIONS(Terminal)

public:
    void cannotRead(const QString& soundPath)
    {
        say(tr("cannot read the loudspeaker's sound %1; the loudspeaker stays silent")
                .arg(soundPath));
    }
    void noOutput() { say(tr("no audio output available; the loudspeaker stays silent")); }
    void outputFailed()
    {
        say(tr("the audio output failed while playing the loudspeaker's sound"));
    }

private:
    void say(const QString& reason)
    {
        if (!said_.contains(reason)) {
            said_.insert(reason);
            qCWarning(soundLog).noquote() << reason;
        }
    }

    QSet<QString> said_;
};
