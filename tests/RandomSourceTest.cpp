#include "RandomSource.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

// PCG-XSH-RR 64/32 written out from its published definition, independently of the
// library, so a wrong constant, shift or rotation in what we link cannot pass unseen.
class ReferencePcg32
{
public:
    ReferencePcg32(std::uint64_t initState, std::uint64_t increment) : increment_(increment)
    {
        state_ = (initState + increment_) * multiplier + increment_;
    }

    std::uint32_t next()
    {
        const std::uint64_t old = state_;
        state_ = old * multiplier + increment_;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rotation = static_cast<std::uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
    }

private:
    static constexpr std::uint64_t multiplier = 6364136223846793005ULL;
    std::uint64_t increment_;
    std::uint64_t state_;
};

// The generator's default state: its default seed on its default stream.
ReferencePcg32 referenceAtDefaultState()
{
    return ReferencePcg32(0xcafef00dd15ea5e5ULL, 1442695040888963407ULL);
}

TEST(ReferencePcg32, ReproducesThePublishedDemoSequence)
{
    // The reference demo seeds state 42 on stream 54; the stream becomes the odd
    // increment 2 * 54 + 1.
    ReferencePcg32 demo(42u, 2u * 54u + 1u);
    const std::uint32_t published[] = {0xa15c02b7, 0x7b47f409, 0xba1d3330,
                                       0x83d2f293, 0xbfa4784b, 0xcbed606e};
    for (std::uint32_t expected : published) {
        EXPECT_EQ(demo.next(), expected);
    }
}

TEST(RandomSource, StartsFromTheGeneratorsDefaultStateEveryTime)
{
    RandomSource source;
    RandomSource secondProcess;
    ReferencePcg32 reference = referenceAtDefaultState();
    for (int i = 0; i < 10000; ++i) {
        const std::uint32_t raw = source.nextRaw();
        ASSERT_EQ(raw, reference.next()) << "output " << i;
        ASSERT_EQ(raw, secondProcess.nextRaw()) << "output " << i;
    }
}

TEST(RandomSource, ValuesAreTheTop24BitsScaledExactlyIntoTheUnitInterval)
{
    RandomSource source;
    ReferencePcg32 reference = referenceAtDefaultState();
    for (int i = 0; i < 100000; ++i) {
        const float r = source.nextValue();
        const std::uint32_t top24 = reference.next() >> 8;
        ASSERT_EQ(static_cast<double>(r), std::ldexp(static_cast<double>(top24), -24));
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

} // namespace
