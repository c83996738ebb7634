#include "Form1.h"
#include "NextPaint.h"
#include "RandomSource.h"
#include "probeModes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Runs the event loop, as the program's own would, until the next paint has been flushed.
bool runUntilPainted(NextPaint& nextPaint)
{
    QEventLoop loop;
    bool painted = false;
    nextPaint.then([&] {
        painted = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return painted;
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nearest rank: always one of the samples.
double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * samples.size()));
    return samples[std::max<std::size_t>(rank, 1) - 1];
}

} // namespace

int measureClicks(int presses)
{
    RandomSource source;
    Form1 form(source);
    NextPaint nextPaint(form);
    form.showCentred();
    if (!runUntilPainted(nextPaint)) {
        std::fprintf(stderr, "startup_probe: the window was never painted\n");
        return 1;
    }
    // Late exposes and focus changes from start-up must not be taken for a press's paint.
    settle(300);

    auto* kompjuter = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    if (kompjuter == nullptr) {
        std::fprintf(stderr, "startup_probe: no KOMPJUTER button (Command1)\n");
        return 1;
    }
    // The first presses fill glyph and style caches; they are reported apart.
    constexpr int warmUp = 10;
    std::vector<double> micros;
    double first = 0;
    for (int press = 0; press < warmUp + presses; ++press) {
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        kompjuter->click();
        if (!runUntilPainted(nextPaint)) {
            std::fprintf(stderr, "startup_probe: no paint after a press\n");
            return 1;
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e3;
        if (press == 0) {
            first = elapsed;
        } else if (press >= warmUp) {
            micros.push_back(elapsed);
        }
    }
    std::printf("click_samples %d\n", presses);
    std::printf("click_first_us %.1f\n", first);
    std::printf("click_median_us %.1f\n", percentile(micros, 0.5));
    std::printf("click_p95_us %.1f\n", percentile(micros, 0.95));
    std::printf("click_max_us %.1f\n", percentile(micros, 1.0));
    return 0;
}
