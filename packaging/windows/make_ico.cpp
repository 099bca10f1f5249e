// varelux_make_ico <output.ico> <image>...
//
// Writes a Windows icon file holding each image, in the order given, as a 16-colour bitmap
// (4 bits per pixel) with a 1-bit transparency mask. Every opaque pixel must be one of the 16
// standard VGA colours and every other pixel fully transparent. Qt's own ICO writer can only
// store one 32-bit image per file, so the bytes are laid out here.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QString>

#include <array>
#include <cstdio>

namespace {

// The standard 16-colour palette, in the order Windows numbers it.
constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};

constexpr int kBitsPerPixel = 4;
constexpr quint32 kIconDirSize = 6;     // reserved, type, image count
constexpr quint32 kIconEntrySize = 16;  // one directory entry per image
constexpr quint32 kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr int kMaxSide = 256;           // a directory entry stores 256 as 0

struct Encoded {
    int width = 0;
    int height = 0;
    QByteArray bytes; // header, palette, colour bits, mask bits
};

void put16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int paletteIndex(QRgb colour)
{
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        if (kPalette[i] == (colour & 0xffffff))
            return int(i);
    return -1;
}

bool fail(const QString &message)
{
    std::fprintf(stderr, "varelux_make_ico: %s\n", qPrintable(message));
    return false;
}

// One image as the icon file stores it: the bitmap header gives twice the height because the
// colour bitmap and the mask follow one another, both with the bottom row first.
bool encode(const QString &path, Encoded &encoded)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return fail(path + QStringLiteral(": cannot read the image"));
    const int w = image.width(), h = image.height();
    if (w > kMaxSide || h > kMaxSide)
        return fail(path + QStringLiteral(": larger than 256 pixels"));

    const int colourRow = rowBytes(w, kBitsPerPixel), maskRow = rowBytes(w, 1);
    QByteArray colours(colourRow * h, '\0'), mask(maskRow * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                // Colour index 0 (black) under a set mask bit leaves the background showing.
                mask[row * maskRow + x / 8] = char(mask[row * maskRow + x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const int index = paletteIndex(pixel);
            if (qAlpha(pixel) != 255 || index < 0)
                return fail(
                    QStringLiteral("%1: pixel %2,%3 is neither transparent nor a VGA colour")
                        .arg(path)
                        .arg(x)
                        .arg(y));
            const int shift = x % 2 == 0 ? 4 : 0; // the left pixel of a pair is the high nibble
            colours[row * colourRow + x / 2] =
                char(colours[row * colourRow + x / 2] | (index << shift));
        }
    }

    QByteArray &out = encoded.bytes;
    put32(out, kInfoHeaderSize);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1); // planes
    put16(out, kBitsPerPixel);
    put32(out, 0); // no compression
    put32(out, quint32(colours.size() + mask.size()));
    put32(out, 0); // horizontal pixels per metre
    put32(out, 0); // vertical pixels per metre
    put32(out, quint32(kPalette.size()));
    put32(out, 0); // all colours important
    for (QRgb colour : kPalette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    out += colours;
    out += mask;
    encoded.width = w;
    encoded.height = h;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: varelux_make_ico <output.ico> <image>...\n");
        return 2;
    }
    QList<Encoded> images;
    for (int i = 2; i < argc; ++i) {
        Encoded encoded;
        if (!encode(QString::fromLocal8Bit(argv[i]), encoded))
            return 1;
        images.append(encoded);
    }

    QByteArray file;
    put16(file, 0); // reserved
    put16(file, 1); // icon, not cursor
    put16(file, quint32(images.size()));
    quint32 offset = kIconDirSize + kIconEntrySize * quint32(images.size());
    for (const Encoded &image : images) {
        file.append(char(image.width % kMaxSide));
        file.append(char(image.height % kMaxSide));
        file.append(char(kPalette.size()));
        file.append('\0'); // reserved
        put16(file, 1);    // planes
        put16(file, kBitsPerPixel);
        put32(file, quint32(image.bytes.size()));
        put32(file, offset);
        offset += quint32(image.bytes.size());
    }
    for (const Encoded &image : images)
        file += image.bytes;

    const QString outPath = QString::fromLocal8Bit(argv[1]);
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
        std::fprintf(stderr, "varelux_make_ico: cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}
