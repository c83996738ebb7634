#include <QFile>
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

} // namespace
