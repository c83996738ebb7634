#include "WaveFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The sound module's reading of the embedded WAVE file (the asset itself: SoundAssetTest).
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

} // namespace
