#include "LoudspeakerSound.h"

#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <atomic>
#include <utility>

namespace {

// Categories may be made on any thread, and filtered there.
std::atomic<QLoggingCategory::CategoryFilter> filterBefore = nullptr;
std::atomic_bool askingForDevice = false;

// The audio backends talk about themselves as they start: Qt 6.8's FFmpeg backend names its
// FFmpeg and the hardware decoders it found, in three lines; Qt 6.4's PulseAudio backend says
// in a warning of no category that it found no sound server, the first time it is asked for a
// device. Useful to whoever looks into Qt, they only come before or repeat the line the
// loudspeaker says: kept out of the terminal unless the user asks Qt for its messages. The
// filter before this one (Qt's rules, or another) runs first; this one only quietens.
void quietenAudioStack(QLoggingCategory* category)
{
    // None while Qt installs this filter: it runs it over every category before it says which
    // filter it replaces; they keep what that one set.
    if (const QLoggingCategory::CategoryFilter before = filterBefore) {
        before(category);
    }
    const QByteArrayView name(category->categoryName());
    if (name.startsWith("qt.multimedia.")) {
        for (const QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg}) {
            category->setEnabled(type, false);
        }
    } else if (askingForDevice && name == "default") {
        category->setEnabled(QtWarningMsg, false);
    }
}

// Installing the filter runs it again over every category, also where it is in place already.
void applyQuietening()
{
    const QLoggingCategory::CategoryFilter before =
        QLoggingCategory::installFilter(quietenAudioStack);
    if (before != quietenAudioStack) {
        filterBefore = before;
    }
}

QAudioDevice defaultOutput(bool userAsksQtForMessages)
{
    if (userAsksQtForMessages) {
        return QMediaDevices::defaultAudioOutput();
    }
    askingForDevice = true;
    applyQuietening();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    askingForDevice = false;
    applyQuietening();
    return output;
}

} // namespace

LoudspeakerSound::LoudspeakerSound(QObject* parent, QString soundPath, bool userAsksQtForMessages)
    : QObject(parent), soundPath_(std::move(soundPath)),
      userAsksQtForMessages_(userAsksQtForMessages)
{
}

LoudspeakerSound::~LoudspeakerSound()
{
    dropSink();
}

// Deleting a sink closes its stream without waiting for it to drain. Stopping it waits, and on
// Qt 6.8 a stream that the sound server cut off gives nothing to wait on: PulseAudio then aborts
// the program ("Assertion 'o' failed ... pa_operation_get_state()").
void LoudspeakerSound::dropSink()
{
    if (sink_ != nullptr) {
        sink_->disconnect(this);
        delete std::exchange(sink_, nullptr);
    }
}

bool LoudspeakerSound::load()
{
    if (!loaded_) {
        loaded_ = true;
        QFile file(soundPath_);
        if (file.open(QIODevice::ReadOnly)) {
            if (const auto wave = readWave(file.readAll())) {
                format_ = wave->format;
                samples_ = wave->samples;
                stream_.setData(samples_);
            }
        }
        if (samples_.isEmpty()) {
            say(QCoreApplication::translate(
                    "Terminal",
                    "cannot read the loudspeaker's sound %1; the loudspeaker stays silent")
                    .arg(soundPath_));
        }
    }
    return !samples_.isEmpty();
}

void LoudspeakerSound::play()
{
    if (!load()) {
        return;
    }
    const QAudioDevice output = defaultOutput(userAsksQtForMessages_);
    if (output.isNull()) {
        say(QCoreApplication::translate("Terminal",
                                        "no audio output available; the loudspeaker stays silent"));
        return;
    }
    // A new sink for every play: the last one's stream may have been cut off meanwhile.
    dropSink();
    sink_ = new QAudioSink(output, format_, this);
    connect(sink_, &QAudioSink::stateChanged, this, &LoudspeakerSound::reportFailure);
    stream_.close();
    stream_.open(QIODevice::ReadOnly);
    sink_->start(&stream_);
}

void LoudspeakerSound::reportFailure()
{
    // Running out of samples is how every play ends; the rest means the sound was cut off.
    const QAudio::Error error = sink_->error();
    if (error != QAudio::NoError && error != QAudio::UnderrunError) {
        say(QCoreApplication::translate(
            "Terminal", "the audio output failed while playing the loudspeaker's sound"));
    }
}

void LoudspeakerSound::say(const QString& message)
{
    if (!said_.contains(message)) {
        said_.insert(message);
        qCWarning(soundLog).noquote() << message;
    }
}
