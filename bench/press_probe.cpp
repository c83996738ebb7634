
#include "Form1.h"
#include "NextPaint.h"
#include "RandomSource.h"
#include "firstPaint.h"
#include "probeModes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
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
    // A timer of its own, gone with the loop: a single-shot one would live on for its five
    // seconds, and a soak would be measuring thousands of them.
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(5000);
    loop.exec();
    return painted;
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A press and a release of the left button in the middle of `button`, queued for the event
// loop as the window system's would be.
void postPress(QPushButton* button)
{
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(
            button, new QMouseEvent(type, centre, global, Qt::LeftButton, held, Qt::NoModifier));
    }
}

// Nearest rank: always one of the samples.
double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * samples.size()));
    return samples[std::max<std::size_t>(rank, 1) - 1];
}

// Shows the window and waits for its first paint and for what start-up still sends it: late
// exposes and focus changes must not be taken for a press's paint.
bool showAndSettle(Form1& form, NextPaint& nextPaint)
{
    form.showCentred();
    if (!runUntilPainted(nextPaint)) {
        std::fprintf(stderr, "startup_probe: the window was never painted\n");
        return false;
    }
    settle(300);
    return true;
}

} // namespace

int measureClicks(int presses)
{
    RandomSource source;
    Form1 form(source);
    NextPaint nextPaint(form);
    if (!showAndSettle(form, nextPaint)) {
        return 1;
    }

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

int soakPresses(int presses)
{
    RandomSource source;
    Form1 form(source);
    NextPaint nextPaint(form);
    if (!showAndSettle(form, nextPaint)) {
        return 1;
    }

    std::array<QPushButton*, 3> buttons{};
    const char* const names[] = {"Command1", "Command3", "Command2"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = form.findChild<QPushButton*>(QLatin1String(names[i]));
        if (buttons[i] == nullptr) {
            std::fprintf(stderr, "startup_probe: no button %s\n", names[i]);
            return 1;
        }
    }
    // The first presses fill the glyph, style and allocator caches: what stays after them is
    // the figure later presses must not grow from.
    constexpr int settled = 1000;
    long peakSettled = 0;
    QElapsedTimer timer;
    timer.start();
    for (int press = 0; press < presses;) {
        QCoreApplication::processEvents();
        // A round of the three buttons, then the window's repaint. Each press repaints its
        // button at once anyway; waiting for the whole window after every press would take
        // the soak well past a couple of minutes and reach nothing new.
        for (QPushButton* button : buttons) {
            if (press < presses) {
                postPress(button);
                ++press;
            }
        }
        if (!runUntilPainted(nextPaint)) {
            std::fprintf(stderr, "startup_probe: no paint after press %d\n", press);
            return 1;
        }
        if (peakSettled == 0 && press >= settled) {
            peakSettled = statusKib("VmHWM");
        }
    }
    std::printf("soak_presses %d\n", presses);
    std::printf("soak_seconds %.1f\n", static_cast<double>(timer.elapsed()) / 1e3);
    std::printf("soak_settled_presses %d\n", settled);
    std::printf("soak_peak_settled_kib %ld\n", peakSettled);
    std::printf("soak_peak_after_all_kib %ld\n", statusKib("VmHWM"));
    return 0;
}
