#include "BackgroundPicture.h"
#include "CommandButton.h"
#include "Form1.h"
#include "NextPaint.h"
#include "RandomSource.h"
#include "SoundObject.h"
#include "WindowFontSetup.h"
#include "WindowFonts.h"
#include "firstPaint.h"
#include "probeModes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

const QString backgroundPath = QStringLiteral(":/pictures/background.jpg");
// Only the picture's top-left corner is ever on the window, one picture pixel to one
// logical pixel: the window's own size.
const QRect visiblePart(0, 0, 553, 354);

// Makes the peak resident memory start again from the memory in use now.
void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly)) {
        clearRefs.write("5");
    }
}

// Times `part` and prints it as "<key>_ms", and how far it raised the peak memory above the
// memory in use before it as "<key>_kib". Parts run in one process in the order Form1 meets
// them, so each pays only for what the parts before it have not loaded yet. Keys starting
// with "instead_" time another way to the same result, for comparison.
template <class Part> void timePart(const char* key, Part&& part)
{
    resetPeak();
    const long before = statusKib("VmRSS");
    QElapsedTimer timer;
    timer.start();
    part();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%s_ms %.3f\n%s_kib %ld\n", key, ms, key, statusKib("VmHWM") - before);
}

QImage clippedBackground()
{
    QImageReader reader(backgroundPath);
    reader.setClipRect(visiblePart);
    return reader.read();
}

// As the window reads its PNGs: naming the format, so that no image plugin is asked.
QImage readPng(const QString& resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void polishButton(QPushButton* button)
{
    button->ensurePolished();
    (void)button->sizeHint();
}

} // namespace

int measureStartupParts()
{
    QWidget parent;

    // What the program's main starts on a worker thread: fontconfig's configuration, loaded as
    // the program loads it.
    timePart("font_configuration", [] {
        WindowFonts::startLoading();
        WindowFontSetup::waitUntilReady();
    });
    timePart("print_font", [] {
        const QFontMetricsF metrics(WindowFonts::printFont());
        (void)metrics.horizontalAdvance(QStringLiteral(" 39 "));
    });
    timePart("background_corner", [] {
        BackgroundPicture corner(backgroundPath,
                                 QStringLiteral(":/pictures/background-corner.pixels"),
                                 visiblePart.size());
        (void)corner.image(visiblePart.size()).pixel(552, 353);
    });
    // The JPEG itself: the first read loads the JPEG plugin and libjpeg.
    timePart("instead_background_jpeg_clipped", [] { (void)clippedBackground().isNull(); });
    timePart("instead_background_jpeg_whole", [] { (void)QImage(backgroundPath).isNull(); });
    timePart("window_icon", [] {
        const QIcon icon(QPixmap::fromImage(readPng(QStringLiteral(":/pictures/krimvel-32.png"))));
        (void)icon.pixmap(QSize(32, 32)).isNull();
    });
    // The same icon from the .ico file, as the window used to take it: loads the ICO plugin.
    timePart("instead_window_icon_ico", [] {
        (void)QIcon(QStringLiteral(":/pictures/krimvel.ico")).pixmap(QSize(32, 32)).isNull();
    });
    // Letting Qt guess the format: it offers the file to every image plugin first.
    timePart("instead_window_icon_png_guessed", [] {
        (void)QIcon(QStringLiteral(":/pictures/krimvel-32.png")).pixmap(QSize(32, 32)).isNull();
    });
    timePart("plain_button", [&] {
        auto* button = new QPushButton(QStringLiteral("BROJ"), &parent);
        button->setFont(WindowFonts::buttonFont());
        polishButton(button);
    });
    timePart("command_button",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMPJUTER"), &parent)); });
    timePart("second_command_button",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMBINACIJA"), &parent)); });
    timePart("banner_font", [&] {
        auto* banner = new QLabel(QStringLiteral("KRIMVEL"), &parent);
        banner->setFont(WindowFonts::bannerFont());
        banner->ensurePolished();
        (void)banner->sizeHint();
    });
    timePart("loudspeaker_face", [] {
        const QPixmap face =
            QPixmap::fromImage(readPng(QStringLiteral(":/pictures/loudspeaker-32.png")));
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.drawPixmap(image.rect(), face);
    });

    RandomSource source;
    std::unique_ptr<Form1> form;
    timePart("form1_construction", [&] { form = std::make_unique<Form1>(source); });
    NextPaint nextPaint(*form);
    timePart("form1_show_to_paint", [&] {
        QEventLoop loop;
        nextPaint.then([&] { loop.quit(); });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        form->showCentred();
        loop.exec();
    });
    // Not part of start-up: what the first activation of the loudspeaker pays for loading the
    // sound module and Qt Multimedia, and what each activation after it costs.
    auto* loudspeaker = form->findChild<SoundObject*>();
    timePart("after_start_first_loudspeaker_activation", [&] { loudspeaker->activate(); });
    timePart("after_start_second_loudspeaker_activation", [&] { loudspeaker->activate(); });
    return 0;
}
