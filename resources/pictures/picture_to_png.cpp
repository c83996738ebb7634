// Writes a picture, or its top-left corner, as a PNG at build time:
//   picture_to_png PICTURE PNG [WIDTH HEIGHT]
// The window reads PNGs with Qt's own decoder, naming the format, so that start-up loads no
// image plugin: the ICO plugin costs more than a millisecond, and a progressive JPEG keeps
// the whole picture's coefficients in memory while it decodes even a corner of it.
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: picture_to_png PICTURE PNG [WIDTH HEIGHT]\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    if (argc == 5) {
        const QRect corner(0, 0, std::atoi(argv[3]), std::atoi(argv[4]));
        if (!QRect({}, reader.size()).contains(corner)) {
            std::fprintf(stderr, "picture_to_png: %s is smaller than %dx%d\n", argv[1],
                         corner.width(), corner.height());
            return 1;
        }
        reader.setClipRect(corner);
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
