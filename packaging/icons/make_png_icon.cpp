// varelux_make_png_icon <input image> <scale> <output.png>
//
// Writes the icon enlarged by a whole factor, each pixel becoming a square block, so that the
// pixel art stays sharp at the sizes desktops ask for.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: varelux_make_png_icon <input image> <scale> <output.png>\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    bool number = false;
    const int scale = QString::fromLocal8Bit(argv[2]).toInt(&number);
    if (source.isNull() || !number || scale < 1) {
        std::fprintf(stderr, "varelux_make_png_icon: cannot read %s at scale %s\n", argv[1],
                     argv[2]);
        return 1;
    }
    const QImage icon =
        source.convertToFormat(QImage::Format_ARGB32)
            .scaled(source.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
