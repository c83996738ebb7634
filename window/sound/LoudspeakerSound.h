#pragma once

#include "SilenceReasons.h"
#include "SoundModule.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>

class QAudioSink;

// The loudspeaker's recorded sound, played straight from the embedded WAVE file through an
// audio sink. (QSoundEffect's shared sample cache can deadlock at exit when the program ends
// while a sample is still loading, so it is not used.) It also reads Qt's messages, for what
// Qt's audio output tells only in words.
class LoudspeakerSound : public QObject, public LoudspeakerPlayer
{
    Q_OBJECT

public:
    LoudspeakerSound(QObject* parent, QString soundPath);
    ~LoudspeakerSound() override;

    void play() override;

private:
    // In front of the handler that was there, from any thread.
    static void readQtMessage(QtMsgType type, const QMessageLogContext& context,
                              const QString& text);
    bool load();
    void dropSink();
    void reportFailure();

    QAudioFormat format_;
    QByteArray samples_;
    QBuffer stream_;
    QAudioSink* sink_ = nullptr;
    QString soundPath_;
    bool userAsksQtForMessages_; // read as the sound is made
    bool loaded_ = false;
    SilenceReasons reasons_;
};
