// Writes the window icon as a PNG at build time: icon_to_png krimvel.ico krimvel-32.png.
// Qt reads ICO files only through its ICO image plugin, which loading costs start-up more
// than a millisecond, while it decodes PNG itself in a few microseconds.
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_to_png ICON PNG\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "icon_to_png: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icon_to_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
