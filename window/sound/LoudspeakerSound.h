#pragma once

#include "SoundModule.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

class QAudioSink;

// The loudspeaker's recorded sound, played straight from the embedded WAVE file through an
// audio sink. (QSoundEffect's shared sample cache can deadlock at exit when the program ends
// while a sample is still loading, so it is not used.)
class LoudspeakerSound : public QObject, public LoudspeakerPlayer
{
    Q_OBJECT

public:
    explicit LoudspeakerSound(QObject* parent);
    ~LoudspeakerSound() override;

    void play() override;

private:
    bool load();

    QAudioFormat format_;
    QByteArray samples_;
    QBuffer stream_;
    QAudioSink* sink_ = nullptr;
    bool loaded_ = false;
};
