#include "LoudspeakerSound.h"

#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>

namespace {

// Where the loudspeaker reports that it cannot play; the program decides what the terminal
// shows of it.
Q_LOGGING_CATEGORY(soundLog, "krimvel.sound")

} // namespace

LoudspeakerSound::LoudspeakerSound(QObject* parent) : QObject(parent) {}

LoudspeakerSound::~LoudspeakerSound()
{
    if (sink_ != nullptr) {
        sink_->stop();
    }
}

bool LoudspeakerSound::load()
{
    if (!loaded_) {
        loaded_ = true;
        QFile file(QStringLiteral(":/sound/loudspeaker.wav"));
        if (file.open(QIODevice::ReadOnly)) {
            if (const auto wave = readWave(file.readAll())) {
                format_ = wave->format;
                samples_ = wave->samples;
                stream_.setData(samples_);
            }
        }
    }
    return !samples_.isEmpty();
}

void LoudspeakerSound::play()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !load()) {
        qCWarning(soundLog, "no audio output available");
        return;
    }
    if (sink_ == nullptr) {
        sink_ = new QAudioSink(output, format_, this);
    }
    sink_->stop();
    stream_.close();
    stream_.open(QIODevice::ReadOnly);
    sink_->start(&stream_);
}
