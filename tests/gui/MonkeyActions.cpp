#include "MonkeyActions.h"

#include <QRandomGenerator>

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
    const QByteArray seed = qgetenv("KRIMVEL_MONKEY_SEED");
    bool valid = true;
    if (seed == "random") {
        settings.seed = QRandomGenerator::system()->generate64();
    } else if (!seed.isEmpty()) {
        settings.seed = seed.toULongLong(&valid);
    }
    if (!valid) {
        problem = "KRIMVEL_MONKEY_SEED must be a whole number or \"random\", not \"" +
                  seed.toStdString() + '"';
        return false;
    }
    const QByteArray events = qgetenv("KRIMVEL_MONKEY_EVENTS");
    if (!events.isEmpty()) {
        settings.events = events.toLong(&valid);
    }
    if (!valid || settings.events < 1) {
        problem = "KRIMVEL_MONKEY_EVENTS must be a positive whole number, not \"" +
                  events.toStdString() + '"';
        return false;
    }
    return true;
}

} // namespace monkey
