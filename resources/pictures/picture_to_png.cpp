// Writes a picture as a PNG at build time: whole, its top-left corner, or drawn at a size
// (for the SVG face of the loudspeaker, drawn as QSvgRenderer draws it, antialiased):
//   picture_to_png PICTURE PNG [corner|size WIDTH HEIGHT]
// The window reads PNGs with Qt's own decoder, naming the format, so that start-up loads no
// image plugin and no SVG renderer: the ICO plugin costs more than a millisecond, a
// progressive JPEG keeps the whole picture's coefficients in memory while it decodes even a
// corner of it, and Qt SVG near a MiB of memory for one 32 x 32 face.
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char* argv[])
{
    const std::string_view how = argc == 6 ? argv[3] : "";
    if ((argc != 3 && argc != 6) || (argc == 6 && how != "corner" && how != "size")) {
        std::fprintf(stderr, "usage: picture_to_png PICTURE PNG [corner|size WIDTH HEIGHT]\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    if (argc == 6) {
        const QRect wanted(0, 0, std::atoi(argv[4]), std::atoi(argv[5]));
        if (how == "size") {
            reader.setScaledSize(wanted.size());
        } else if (QRect({}, reader.size()).contains(wanted)) {
            reader.setClipRect(wanted);
        } else {
            std::fprintf(stderr, "picture_to_png: %s is smaller than %dx%d\n", argv[1],
                         wanted.width(), wanted.height());
            return 1;
        }
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "picture_to_png: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "picture_to_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
