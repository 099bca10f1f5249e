// varelux_make_png_icon <picture> <size> <output.png>
//
// Writes the icon as a PNG of size x size pixels. An SVG picture is drawn at that size with Qt's
// SVG renderer; any other picture is a pixel drawing, written as it is, and must already have
// that size: enlarged or shrunk it would no longer be the drawing.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage draw(const QString &path, int size)
{
    if (!path.endsWith(QStringLiteral(".svg")))
        return QImage(path);
    QSvgRenderer picture(path);
    if (!picture.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: varelux_make_png_icon <picture> <size> <output.png>\n");
        return 2;
    }
    bool number = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&number);
    const QImage icon = number && size > 0 ? draw(QString::fromLocal8Bit(argv[1]), size) : QImage();
    if (icon.size() != QSize(size, size)) {
        std::fprintf(stderr, "varelux_make_png_icon: cannot make %s px from %s\n", argv[2],
                     argv[1]);
        return 1;
    }
    // Straight alpha, as PNG stores it.
    return icon.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[3]), "PNG")
               ? 0
               : 1;
}
