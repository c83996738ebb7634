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
#include <QFontMetricsF>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

const QString backgroundPath = QStringLiteral(":/pictures/background.jpg");
// Only the picture's top-left corner is ever on the window, one picture pixel to one
// logical pixel: the window's own size.
const QRect visiblePart(0, 0, 553, 354);

// Times `part` and prints it under `key`. Parts run in one process in the order Form1
// meets them, so each pays only for what the parts before it have not loaded yet. Keys
// starting with "instead_" time a cheaper way to the same result, for comparison.
template <class Part> void timePart(const char* key, Part&& part)
{
    QElapsedTimer timer;
    timer.start();
    part();
    std::printf("%s %.3f\n", key, static_cast<double>(timer.nsecsElapsed()) / 1e6);
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

    timePart("print_font_ms", [] {
        const QFontMetricsF metrics(WindowFonts::printFont());
        (void)metrics.horizontalAdvance(QStringLiteral(" 39 "));
    });
    timePart("background_first_load_ms", [] { (void)QPixmap(backgroundPath).isNull(); });
    // QPixmap keeps what it loaded from a file in QPixmapCache; QImage decodes afresh.
    timePart("background_decode_ms", [] { (void)QImage(backgroundPath).isNull(); });
    timePart("instead_background_clipped_ms", [] { (void)clippedBackground().isNull(); });
    timePart("instead_background_cropped_ms",
             [&] { (void)QImage::fromData(croppedJpeg, "JPG").isNull(); });
    timePart("window_icon_ms", [] {
        (void)QIcon(QStringLiteral(":/pictures/krimvel.ico")).pixmap(QSize(32, 32)).isNull();
    });
    timePart("instead_window_icon_png_ms", [] {
        (void)QIcon(QStringLiteral(":/pictures/krimvel-48.png")).pixmap(QSize(32, 32)).isNull();
    });
    timePart("plain_button_ms", [&] {
        auto* button = new QPushButton(QStringLiteral("BROJ"), &parent);
        button->setFont(WindowFonts::buttonFont());
        polishButton(button);
    });
    timePart("styled_button_ms",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMPJUTER"), &parent)); });
    timePart("second_styled_button_ms",
             [&] { polishButton(new CommandButton(QStringLiteral("KOMBINACIJA"), &parent)); });
    timePart("banner_font_ms", [&] {
        auto* banner = new QLabel(QStringLiteral("KRIMVEL"), &parent);
        banner->setFont(WindowFonts::bannerFont());
        banner->ensurePolished();
        (void)banner->sizeHint();
    });
    timePart("loudspeaker_svg_ms", [] {
        QSvgRenderer face(QStringLiteral(":/pictures/loudspeaker.svg"));
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        face.render(&painter, QRectF(image.rect()));
    });

    RandomSource source;
    std::unique_ptr<Form1> form;
    timePart("form1_construction_ms", [&] { form = std::make_unique<Form1>(source); });
    NextPaint nextPaint(*form);
    timePart("form1_show_to_paint_ms", [&] {
        QEventLoop loop;
        nextPaint.then([&] { loop.quit(); });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        form->showCentred();
        loop.exec();
    });
    return 0;
}
