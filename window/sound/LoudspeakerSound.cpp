#include "LoudspeakerSound.h"

#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <utility>

namespace {

// The audio backends talk about themselves as they start: Qt 6.8's FFmpeg backend names its
// FFmpeg and the hardware decoders it found, in three lines of qt.multimedia.ffmpeg; Qt 6.4's
// PulseAudio backend says in a warning of no category ("default") that it found no sound
// server, the first time it is asked for a device. Useful to whoever looks into Qt, they only
// come before or repeat the line the loudspeaker says: kept out of the terminal by logging
// rules of the program's own, which Qt applies below any the user gives. Where the user asks
// Qt for its messages, the program sets none. (The rule for "default" is Qt 6.4's alone, and
// goes when Debian 12 is no longer supported; SoundObjectTest and e2e.loudspeaker.asked show
// both rules at work.)
const QString quietAudioStack = QStringLiteral("qt.multimedia.*=false");

QAudioDevice defaultOutput(bool userAsksQtForMessages)
{
    if (userAsksQtForMessages) {
        return QMediaDevices::defaultAudioOutput();
    }
    QLoggingCategory::setFilterRules(quietAudioStack + QStringLiteral("\ndefault.warning=false"));
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    QLoggingCategory::setFilterRules(quietAudioStack);
    return output;
}

} // namespace

LoudspeakerSound::LoudspeakerSound(QObject* parent, QString soundPath, bool userAsksQtForMessages)
    : QObject(parent), soundPath_(std::move(soundPath)),
      userAsksQtForMessages_(userAsksQtForMessages)
{}

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
    // A sink that cannot open says so with a change of state on Qt 6.4, and with its error
    // alone on Qt 6.8.
    reportFailure();
}

void LoudspeakerSound::reportFailure()
{
    // An underrun is the program falling behind (a busy machine, a stopped process), and the
    // sound goes on after it; the rest means the sound was cut off or never started.
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
