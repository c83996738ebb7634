#include "LoudspeakerSound.h"

#include "UserAsksQtForMessages.h"
#include "WaveFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMutex>
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

// What Qt's PulseAudio output (6.4 and 6.8) tells only in its warnings' words, for want of an
// API; each goes when Qt tells it some other way (docs: Qt's behaviours worked around).
namespace QtSays {

// A stream that the sound server cut off: the sink changes neither its state nor its error, and
// says so only in this warning, from the sound server's thread. Shown by e2e.loudspeaker.playback.
const QLatin1String streamCut("Stream error:");
// Qt 6.8's sink then reads the lost stream every 20 ms until the next play, and Qt warns each
// time, naming the device's class and object name: the stream's own name keeps any other
// device's warnings apart. Shown by e2e.loudspeaker.playback on Debian 13.
const QLatin1String streamName("loudspeaker");
const QLatin1String lostStreamRead("QIODevice::read (QBuffer, \"loudspeaker\")");

} // namespace QtSays

// The sound that reads Qt's messages (the last made) and the handler behind it: nothing that
// exit() destroys, as Qt may speak after it.
QBasicMutex readerLock;
LoudspeakerSound* reader = nullptr;
QtMessageHandler behind = nullptr;

} // namespace

LoudspeakerSound::LoudspeakerSound(QObject* parent, QString soundPath)
    : QObject(parent), soundPath_(std::move(soundPath)),
      userAsksQtForMessages_(userAsksQtForMessages())
{
    stream_.setObjectName(QtSays::streamName);
    const QMutexLocker locker(&readerLock);
    reader = this;
    // In front again where a handler was put in front since the last sound came.
    if (const QtMessageHandler previous = qInstallMessageHandler(readQtMessage);
        previous != readQtMessage) {
        behind = previous;
    }
}

LoudspeakerSound::~LoudspeakerSound()
{
    dropSink();
    const QMutexLocker locker(&readerLock);
    if (reader == this) {
        reader = nullptr;
    }
}

void LoudspeakerSound::readQtMessage(QtMsgType type, const QMessageLogContext& context,
                                     const QString& text)
{
    QMutexLocker locker(&readerLock);
    const bool cut = type == QtWarningMsg && text.contains(QtSays::streamCut);
    const bool lostRead = type == QtWarningMsg && text.startsWith(QtSays::lostStreamRead);
    if (cut && reader != nullptr) {
        // Said on the window's thread, once with whatever else tells of a failed output.
        QMetaObject::invokeMethod(
            reader, [sound = reader] { sound->reasons_.outputFailed(); }, Qt::QueuedConnection);
    }
    const bool passes = !(cut || lostRead) || reader == nullptr || reader->userAsksQtForMessages_;
    const QtMessageHandler next = behind;
    locker.unlock();
    if (passes) {
        next(type, context, text);
    }
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
            reasons_.cannotRead(soundPath_);
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
        reasons_.noOutput();
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
        reasons_.outputFailed();
    }
}
