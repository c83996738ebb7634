#include "MonkeyActions.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

namespace monkey {

QSize randomSize(std::mt19937_64& rng, ResizeCounts& counts)
{
    const int pick = std::uniform_int_distribution<int>(0, 99)(rng);
    if (pick < 15) {
        ++counts.toOneByOne;
        return {1, 1};
    }
    if (pick < 18) {
        ++counts.toLargest;
        return largestSize;
    }
    if (pick < 48) {
        ++counts.toStart;
        return startSize;
    }
    const QSize bound = pick < 95 ? QSize(1000, 800) : largestSize;
    return {std::uniform_int_distribution<int>(1, bound.width())(rng),
            std::uniform_int_distribution<int>(1, bound.height())(rng)};
}

bool readSettings(Settings& settings, std::string& problem)
{
    if (const char* text = std::getenv("KRIMVEL_MONKEY_SEED"); text != nullptr && *text != 0) {
        const std::string value(text);
        if (value == "random") {
            std::random_device device;
            settings.seed = (std::uint64_t{device()} << 32) | device();
        } else {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), settings.seed);
            if (error != std::errc() || end != value.data() + value.size()) {
                problem = "KRIMVEL_MONKEY_SEED must be a whole number or \"random\", not \"" +
                          value + '"';
                return false;
            }
        }
    }
    if (const char* text = std::getenv("KRIMVEL_MONKEY_EVENTS"); text != nullptr && *text != 0) {
        const std::string value(text);
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), settings.events);
        if (error != std::errc() || end != value.data() + value.size() || settings.events < 1) {
            problem = "KRIMVEL_MONKEY_EVENTS must be a positive whole number, not \"" + value + '"';
            return false;
        }
    }
    return true;
}

} // namespace monkey
