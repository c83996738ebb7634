#include "CommandButton.h"
#include "Form1.h"
#include "NextPaint.h"
#include "RandomSource.h"
#include "WindowFonts.h"
#include "probeModes.h"

#include <QApplication>
#include <QBuffer>
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

// A line of /proc/self/status in KiB, such as "VmRSS" or "VmHWM".
long statusKib(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field) && line.at(qstrlen(field)) == ':') {
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

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

// The picture as it would be if it held only what the window shows, made before timing.
QByteArray croppedBackgroundJpeg()
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(backgroundPath).copy(visiblePart).save(&buffer, "JPG", 90);
    return jpeg;
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
    const QByteArray croppedJpeg = croppedBackgroundJpeg();

    timePart("print_font", [] {
        const QFontMetricsF metrics(WindowFonts::printFont());
        (void)metrics.horizontalAdvance(QStringLiteral(" 39 "));
    });
    timePart("background_first_load", [] { (void)QPixmap(backgroundPath).isNull(); });
    // QPixmap keeps what it loaded from a file in QPixmapCache; QImage decodes afresh.
    timePart("background_decode", [] { (void)QImage(backgroundPath).isNull(); });
    timePart("instead_background_clipped", [] { (void)clippedBackground().isNull(); });
    timePart("instead_background_cropped",
             [&] { (void)QImage::fromData(croppedJpeg, "JPG").isNull(); });
    timePart("window_icon", [] {
        QImageReader reader(QStringLiteral(":/pictures/krimvel-32.png"), "png");
        reader.setAutoDetectImageFormat(false);
        (void)QIcon(QPixmap::fromImage(reader.read())).pixmap(QSize(32, 32)).isNull();
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
    timePart("styled_button",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMPJUTER"), &parent)); });
    timePart("second_styled_button",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMBINACIJA"), &parent)); });
    timePart("banner_font", [&] {
        auto* banner = new QLabel(QStringLiteral("KRIMVEL"), &parent);
        banner->setFont(WindowFonts::bannerFont());
        banner->ensurePolished();
        (void)banner->sizeHint();
    });
    timePart("loudspeaker_face", [] {
        QImageReader reader(QStringLiteral(":/pictures/loudspeaker-32.png"), "png");
        reader.setAutoDetectImageFormat(false);
        const QPixmap face = QPixmap::fromImage(reader.read());
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
    return 0;
}
