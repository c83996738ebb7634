#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

class QAudioSink;

// The loudspeaker's recorded sound, played straight from the embedded WAVE file through an
// audio sink. (QSoundEffect's shared sample cache can deadlock at exit when the program ends
// while a sample is still loading, so it is not used.)
class LoudspeakerSound : public QObject
{
    Q_OBJECT

public:
    explicit LoudspeakerSound(QObject* parent);
    ~LoudspeakerSound() override;

    // Starts the sound from its beginning, also when it is playing. Where there is no audio
    // output it stays silent and says so in the "krimvel.sound" logging category.
    void play();

private:
    bool load();

    QAudioFormat format_;
    QByteArray samples_;
    QBuffer stream_;
    QAudioSink* sink_ = nullptr;
    bool loaded_ = false;
};
