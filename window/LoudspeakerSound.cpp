#include "LoudspeakerSound.h"

#include "AudioWarnings.h"
#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

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
    AudioWarnings::install();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !load()) {
        AudioWarnings::reportNoOutputOnce();
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
