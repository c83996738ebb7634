#include "Form1.h"
#include "RandomSource.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <vector>

// Presses in KRIMVEL's window, shown as the program shows it, each followed by the event loop
// until the window's repaint has been flushed to the screen. Prints "key value" lines.
//   press_probe click [PRESSES]  KOMPJUTER presses, each timed to the end of its repaint
//   press_probe soak [PRESSES]   the three buttons in turn: the peak memory after the first
//                                1,000 presses and after all of them

namespace {

// Runs the event loop until `window`'s next paint has finished and been flushed: the queued
// call runs only once the repaint in progress is over, children included. False if none
// comes within five seconds.
class PaintWaiter : public QObject
{
public:
    explicit PaintWaiter(QWidget& window) { window.installEventFilter(this); }

    bool waitForPaint()
    {
        QEventLoop loop;
        loop_ = &loop;
        // A timer of its own, gone with the loop: a single-shot one would live on for its
        // five seconds, and a soak would be measuring thousands of them.
        QTimer timeout;
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        timeout.start(5000);
        const bool painted = loop.exec() == 0;
        loop_ = nullptr;
        return painted;
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && loop_ != nullptr) {
            QMetaObject::invokeMethod(loop_, "quit", Qt::QueuedConnection);
        }
        return false;
    }

private:
    QEventLoop* loop_ = nullptr;
};

// The peak resident memory so far, in KiB (VmHWM).
long peakKib()
{
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

// A press and a release of the left button in the middle of `button`, queued for the event
// loop as the window system's would be.
void postPress(QPushButton* button)
{
    const QPointF centre = QRectF(button->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(button, new QMouseEvent(type, centre, button->mapToGlobal(centre),
                                                            Qt::LeftButton, held, Qt::NoModifier));
    }
}

// Nearest rank: always one of the samples.
double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * samples.size()));
    return samples[std::max<std::size_t>(rank, 1) - 1];
}

int fail(const char* what)
{
    std::fprintf(stderr, "press_probe: %s\n", what);
    return 1;
}

int measureClicks(PaintWaiter& paints, QPushButton* kompjuter, int presses)
{
    // The first presses fill glyph and style caches; they are reported apart.
    constexpr int warmUp = 10;
    std::vector<double> micros;
    double first = 0;
    for (int press = 0; press < warmUp + presses; ++press) {
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        kompjuter->click();
        if (!paints.waitForPaint()) {
            return fail("no paint after a press");
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e3;
        if (press == 0) {
            first = elapsed;
        } else if (press >= warmUp) {
            micros.push_back(elapsed);
        }
    }
    std::printf("click_first_us %.1f\nclick_median_us %.1f\nclick_p95_us %.1f\n", first,
                percentile(micros, 0.5), percentile(micros, 0.95));
    return 0;
}

int soakPresses(Form1& form, PaintWaiter& paints, int presses)
{
    QPushButton* buttons[3] = {};
    const char* const names[] = {"Command1", "Command3", "Command2"};
    for (int i = 0; i < 3; ++i) {
        if ((buttons[i] = form.findChild<QPushButton*>(QLatin1String(names[i]))) == nullptr) {
            return fail("a command button is missing");
        }
    }
    // The first presses fill the glyph, style and allocator caches: what stays after them is
    // the figure later presses must not grow from.
    constexpr int settled = 1000;
    long peakSettled = 0;
    for (int press = 0; press < presses;) {
        QCoreApplication::processEvents();
        // A round of the three buttons, then the window's repaint: each press repaints its
        // button at once anyway, and a repaint after every press would double the soak's time.
        for (QPushButton* button : buttons) {
            if (press < presses) {
                postPress(button);
                ++press;
            }
        }
        if (!paints.waitForPaint()) {
            return fail("no paint after a round of presses");
        }
        if (peakSettled == 0 && press >= settled) {
            peakSettled = peakKib();
        }
    }
    std::printf("soak_presses %d\nsoak_settled_presses %d\n", presses, settled);
    std::printf("soak_peak_settled_kib %ld\nsoak_peak_after_all_kib %ld\n", peakSettled, peakKib());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "click" && mode != "soak") {
        std::fprintf(stderr, "usage: press_probe click [presses] | soak [presses]\n");
        return 2;
    }
    RandomSource source;
    Form1 form(source);
    PaintWaiter paints(form);
    showCentredOnScreen(form);
    if (!paints.waitForPaint()) {
        return fail("the window was never painted");
    }
    // What start-up still sends the window (late exposes, focus changes) must not be taken
    // for a press's paint.
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    auto* kompjuter = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    if (kompjuter == nullptr) {
        return fail("no KOMPJUTER button (Command1)");
    }
    const int presses = argc > 2 ? std::atoi(argv[2]) : mode == "click" ? 200 : 100000;
    return mode == "click" ? measureClicks(paints, kompjuter, presses)
                           : soakPresses(form, paints, presses);
}
