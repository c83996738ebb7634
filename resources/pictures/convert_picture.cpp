// Writes a picture in the form the window reads fastest, at build time: whole, its top-left
// corner, or drawn at a size (for the SVG face of the loudspeaker, drawn by Qt SVG's
// QSvgRenderer, antialiased):
//   convert_picture PICTURE OUTPUT [corner|size WIDTH HEIGHT]
// An SVG is drawn with the Qt SVG library itself, not read through Qt's SVG image plugin,
// which Debian 13 packages apart (qt6-svg-plugins) from what the build depends on.
// An OUTPUT ending in .png is a PNG, which the window reads with Qt's own decoder, naming the
// format, so that start-up loads no image plugin and no SVG renderer: the ICO plugin costs more
// than a millisecond, a progressive JPEG keeps the whole picture's coefficients in memory while
// it decodes even a corner of it, and Qt SVG near a MiB of memory for one 32 x 32 face.
// An OUTPUT ending in .pixels holds the picture's pixels as they lie in a QImage of format
// RGB32, which the window shows straight from the program file, decoding nothing: its width
// and height as two 32-bit numbers, then its rows, four bytes a pixel, in the byte order of the
// machine that builds the program (a program built for another byte order sees a width that
// does not fit and reads the JPEG instead).
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool writePixels(const QImage& picture, const QString& path)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const quint32 size[] = {static_cast<quint32>(pixels.width()),
                            static_cast<quint32>(pixels.height())};
    bool written = file.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; written && y < pixels.height(); ++y) {
        const auto rowBytes = static_cast<qint64>(pixels.width()) * 4;
        written = file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes) ==
                  rowBytes;
    }
    return written && file.flush();
}

// The face drawn at SIZE (its own size when SIZE is not valid) on a transparent ground, as the
// SVG image plugin draws it.
QImage drawSvg(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    QImage picture(size.isValid() ? size : renderer.defaultSize(),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string_view how = argc == 6 ? argv[3] : "";
    if ((argc != 3 && argc != 6) || (argc == 6 && how != "corner" && how != "size")) {
        std::fprintf(stderr, "usage: convert_picture PICTURE OUTPUT [corner|size WIDTH HEIGHT]\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    QImage picture;
    QString error = QStringLiteral("Qt SVG cannot draw it");
    if (input.endsWith(QLatin1String(".svg"))) {
        if (how == "corner") {
            std::fprintf(stderr, "convert_picture: an SVG is drawn at a size, not cut\n");
            return 2;
        }
        picture = drawSvg(input, how == "size" ? QSize(std::atoi(argv[4]), std::atoi(argv[5]))
                                               : QSize());
    } else {
        QImageReader reader(input);
        if (argc == 6) {
            const QRect wanted(0, 0, std::atoi(argv[4]), std::atoi(argv[5]));
            if (how == "size") {
                reader.setScaledSize(wanted.size());
            } else if (QRect({}, reader.size()).contains(wanted)) {
                reader.setClipRect(wanted);
            } else {
                std::fprintf(stderr, "convert_picture: %s is smaller than %dx%d\n", argv[1],
                             wanted.width(), wanted.height());
                return 1;
            }
        }
        picture = reader.read();
        error = reader.errorString();
    }
    if (picture.isNull()) {
        std::fprintf(stderr, "convert_picture: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const bool written = output.endsWith(QLatin1String(".pixels"))
                             ? writePixels(picture, output)
                             : picture.save(output, "PNG");
    if (!written) {
        std::fprintf(stderr, "convert_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
