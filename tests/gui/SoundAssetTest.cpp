#include "SoundModule.h"
#include "WaveFile.h"

#include <QFile>
#include <QPluginLoader>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// Reads the sound as the program carries it, embedded in the executable.
class SoundAssetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(QStringLiteral(":/sound/loudspeaker.wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        bytes = file.readAll();
    }

    std::string tag(int offset) const { return bytes.mid(offset, 4).toStdString(); }

    std::uint32_t u32(int offset) const
    {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
        }
        return value;
    }

    std::uint16_t u16(int offset) const
    {
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                          static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
    }

    QByteArray bytes;
};

TEST_F(SoundAssetTest, IsAMonoPcmWaveWithAFactChunkOfExactLength)
{
    ASSERT_EQ(bytes.size(), 704568);
    EXPECT_EQ(tag(0), "RIFF");
    EXPECT_EQ(u32(4), 704568u - 8u);
    EXPECT_EQ(tag(8), "WAVE");

    EXPECT_EQ(tag(12), "fmt ");
    EXPECT_EQ(u32(16), 16u);
    EXPECT_EQ(u16(20), 1u) << "PCM";
    EXPECT_EQ(u16(22), 1u) << "mono";
    EXPECT_EQ(u32(24), 22050u);
    EXPECT_EQ(u32(28), 44100u);
    EXPECT_EQ(u16(32), 2u);
    EXPECT_EQ(u16(34), 16u);

    EXPECT_EQ(tag(36), "fact");
    EXPECT_EQ(u32(40), 4u);
    EXPECT_EQ(u32(44), 352256u);

    EXPECT_EQ(tag(48), "data");
    EXPECT_EQ(u32(52), 704512u);
    EXPECT_EQ(u32(52), u32(44) * 2u) << "one 16-bit sample per frame";
}

TEST_F(SoundAssetTest, CarriesSoundNotSilence)
{
    ASSERT_EQ(bytes.size(), 704568);
    int loudSamples = 0;
    int peak = 0;
    for (int offset = 56; offset + 1 < bytes.size(); offset += 2) {
        const int sample = static_cast<std::int16_t>(u16(offset));
        peak = std::max(peak, std::abs(sample));
        loudSamples += std::abs(sample) > 1000;
    }
    EXPECT_GT(loudSamples, 22050) << "at least a second of clearly audible sound";
    EXPECT_LT(peak, 32767) << "no clipping";
}

TEST_F(SoundAssetTest, IsReadForPlaybackWithItsFormatAndAllItsSamples)
{
    const auto wave = readWave(bytes);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format.sampleRate(), 22050);
    EXPECT_EQ(wave->format.channelCount(), 1);
    EXPECT_EQ(wave->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(wave->samples.size(), 704512);
    EXPECT_EQ(wave->samples, bytes.mid(56)) << "the fact chunk is skipped, not played";
}

TEST_F(SoundAssetTest, ADamagedFileIsRefusedRatherThanPlayedAsNoise)
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
// stops the program: here, a sound that cannot be read (the machine without audio output is
// the loudspeaker's end-to-end test's).
TEST_F(SoundAssetTest, ASoundThatCannotBeReadIsSaidOnceAndNotPlayed)
{
    QTemporaryDir folder;
    const QString damaged = folder.filePath("damaged.wav");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.left(48));
    file.close();
    const struct
    {
        QString path;
        QString said;
    } rows[] = {
        {damaged, "cannot read the loudspeaker's sound " + damaged},
        {folder.filePath("missing.wav"),
         "cannot read the loudspeaker's sound " + folder.filePath("missing.wav")},
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
