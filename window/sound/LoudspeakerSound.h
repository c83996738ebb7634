#pragma once

#include "SoundModule.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>

class QAudioSink;

// The loudspeaker's recorded sound, played straight from the embedded WAVE file through an
// audio sink. (QSoundEffect's shared sample cache can deadlock at exit when the program ends
// while a sample is still loading, so it is not used.)
class LoudspeakerSound : public QObject, public LoudspeakerPlayer
{
    Q_OBJECT

public:
    LoudspeakerSound(QObject* parent, QString soundPath, bool userAsksQtForMessages);
    ~LoudspeakerSound() override;

    void play() override;

private:
    bool load();
    void dropSink();
    void reportFailure();
    // Says a failure once, however often the loudspeaker is pressed, in soundLog().
    void say(const QString& message);

    QAudioFormat format_;
    QByteArray samples_;
    QBuffer stream_;
    QAudioSink* sink_ = nullptr;
    QString soundPath_;
    bool userAsksQtForMessages_;
    bool loaded_ = false;
    QSet<QString> said_;
};
