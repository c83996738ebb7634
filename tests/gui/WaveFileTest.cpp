#include "WaveFile.h"

#include "SoundModule.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QPluginLoader>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The sound module's reading of the embedded WAVE file (the asset itself: SoundAssetTest),
// and what the module says when it cannot play one.
class WaveFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(QStringLiteral(":/sound/loudspeaker.wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        bytes = file.readAll();
    }

    QByteArray bytes;
};

TEST_F(WaveFileTest, IsReadForPlaybackWithItsFormatAndAllItsSamples)
{
    const auto wave = readWave(bytes);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format.sampleRate(), 22050);
    EXPECT_EQ(wave->format.channelCount(), 1);
    EXPECT_EQ(wave->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(wave->samples.size(), 704512);
    EXPECT_EQ(wave->samples, bytes.mid(56)) << "the fact chunk is skipped, not played";
}

TEST_F(WaveFileTest, ADamagedFileIsRefusedRatherThanPlayedAsNoise)
{
    auto withU16 = [this](int offset, quint16 value) {
        QByteArray changed = bytes;
        changed[offset] = static_cast<char>(value & 0xff);
        changed[offset + 1] = static_cast<char>(value >> 8);
        return changed;
    };
    const struct
    {
        const char* tag;
        QByteArray file;
    } rows[] = {
        {"empty", QByteArray()},
        {"not RIFF", QByteArray(bytes).replace(0, 4, "RIFX")},
        {"data chunk cut short", bytes.left(10000)},
        {"not PCM", withU16(20, 3)},
        {"8-bit samples", withU16(34, 8)},
        {"no data chunk", bytes.left(48)},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(readWave(row.file).has_value()) << row.tag;
    }
}

QStringList soundMessages;

void keepSoundMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "krimvel.sound") == 0) {
        soundMessages << message;
    }
}

// The loudspeaker says why it stays silent, once however often it is pressed, and never
// stops the program: here, a sound that cannot be read, and one of more channels than a sound
// server takes, whose sink cannot open (e2e.loudspeaker.module runs this on a sound server; on
// none, that sound finds no output).
TEST_F(WaveFileTest, ASoundThatCannotBeReadIsSaidOnceAndNotPlayed)
{
    QTemporaryDir folder;
    const auto written = [&](const char* name, const QByteArray& contents) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        return file.fileName();
    };
    const QString damaged = written("damaged.wav", bytes.left(48));
    // 64 channels: the samples read as a few frames of each.
    const QString channels = written("channels.wav", QByteArray(bytes).replace(22, 2, "\x40\0", 2));
    const struct
    {
        QString path;
        QString said;
    } rows[] = {
        {damaged, "cannot read the loudspeaker's sound " + damaged},
        {folder.filePath("missing.wav"),
         "cannot read the loudspeaker's sound " + folder.filePath("missing.wav")},
        {channels, QMediaDevices::audioOutputs().isEmpty()
                       ? "no audio output available"
                       : "the audio output failed while playing the loudspeaker's sound"},
    };
    // The module the program loads, as it loads it.
    QPluginLoader loader(QStringLiteral(KRIMVEL_SOUND_MODULE_FILE));
    auto* module = qobject_cast<SoundModule*>(loader.instance());
    ASSERT_NE(module, nullptr) << qPrintable(loader.errorString());
    const QtMessageHandler previous = qInstallMessageHandler(keepSoundMessages);
    for (const auto& row : rows) {
        soundMessages.clear();
        QObject owner;
        LoudspeakerPlayer* sound = module->createPlayer(&owner, row.path);
        sound->play();
        sound->play();
        ASSERT_EQ(soundMessages.size(), 1) << qPrintable(soundMessages.join('\n'));
        EXPECT_TRUE(soundMessages[0].startsWith(row.said)) << qPrintable(soundMessages[0]);
    }
    qInstallMessageHandler(previous);
}

} // namespace
