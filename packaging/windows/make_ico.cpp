// varelux_make_ico <output.ico> <image>...
//
// Writes a Windows icon file holding each image, in the order given. An image whose opaque pixels
// are all among the 16 standard VGA colours, with every other pixel fully transparent (the pixel
// drawings), is stored as a 16-colour bitmap (4 bits per pixel); any other as a 32-bit bitmap with
// its alpha channel, and one of 256 px as a PNG, as Windows reads that size. Each bitmap carries
// the 1-bit transparency mask. Qt's own ICO writer can only store one 32-bit image per file, so
// the bytes are laid out here.
#include <QBuffer>
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

constexpr int kPaletteBits = 4;
constexpr int kTrueColourBits = 32;
constexpr quint32 kIconDirSize = 6;     // reserved, type, image count
constexpr quint32 kIconEntrySize = 16;  // one directory entry per image
constexpr quint32 kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr int kMaxSide = 256;           // a directory entry stores 256 as 0

struct Encoded {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int paletteSize = 0;
    QByteArray bytes; // header, palette, colour bits, mask bits; or a whole PNG file
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

// A bitmap as the icon file stores it: the header gives twice the height because the colour
// bitmap and the mask follow one another, both with the bottom row first.
void putBitmap(Encoded &encoded, int bitsPerPixel, const QByteArray &colours,
               const QByteArray &mask)
{
    QByteArray &out = encoded.bytes;
    put32(out, kInfoHeaderSize);
    put32(out, quint32(encoded.width));
    put32(out, quint32(2 * encoded.height));
    put16(out, 1); // planes
    put16(out, quint32(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, quint32(colours.size() + mask.size()));
    put32(out, 0); // horizontal pixels per metre
    put32(out, 0); // vertical pixels per metre
    put32(out, bitsPerPixel == kPaletteBits ? quint32(kPalette.size()) : 0);
    put32(out, 0); // all colours important
    if (bitsPerPixel == kPaletteBits)
        for (QRgb colour : kPalette) {
            out.append(char(qBlue(colour)));
            out.append(char(qGreen(colour)));
            out.append(char(qRed(colour)));
            out.append('\0');
        }
    out += colours;
    out += mask;
    encoded.bitsPerPixel = bitsPerPixel;
    encoded.paletteSize = bitsPerPixel == kPaletteBits ? int(kPalette.size()) : 0;
}

bool inPalette(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && (qAlpha(pixel) != 255 || paletteIndex(pixel) < 0))
                return false;
        }
    return true;
}

Encoded encode(const QImage &image)
{
    const int w = image.width(), h = image.height();
    Encoded encoded;
    encoded.width = w;
    encoded.height = h;
    if (w == kMaxSide && h == kMaxSide) {
        QBuffer png(&encoded.bytes);
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        encoded.bitsPerPixel = kTrueColourBits;
        return encoded;
    }
    const bool palette = inPalette(image);
    const int bits = palette ? kPaletteBits : kTrueColourBits;
    const int colourRow = rowBytes(w, bits), maskRow = rowBytes(w, 1);
    QByteArray colours(colourRow * h, '\0'), mask(maskRow * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            // A set mask bit leaves the background showing where the pixel is transparent.
            if (qAlpha(pixel) == 0)
                mask[row * maskRow + x / 8] = char(mask[row * maskRow + x / 8] | (0x80 >> (x % 8)));
            if (palette) {
                // The left pixel of a pair is the high nibble; transparent ones are index 0.
                const int index = qAlpha(pixel) == 0 ? 0 : paletteIndex(pixel);
                const int shift = x % 2 == 0 ? 4 : 0;
                colours[row * colourRow + x / 2] =
                    char(colours[row * colourRow + x / 2] | (index << shift));
            } else {
                char *bgra = colours.data() + row * colourRow + x * 4;
                bgra[0] = char(qBlue(pixel));
                bgra[1] = char(qGreen(pixel));
                bgra[2] = char(qRed(pixel));
                bgra[3] = char(qAlpha(pixel));
            }
        }
    }
    putBitmap(encoded, bits, colours, mask);
    return encoded;
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
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide) {
            std::fprintf(stderr, "varelux_make_ico: %s: not an image of at most 256 px\n", argv[i]);
            return 1;
        }
        images.append(encode(image));
    }

    QByteArray file;
    put16(file, 0); // reserved
    put16(file, 1); // icon, not cursor
    put16(file, quint32(images.size()));
    quint32 offset = kIconDirSize + kIconEntrySize * quint32(images.size());
    for (const Encoded &image : images) {
        file.append(char(image.width % kMaxSide));
        file.append(char(image.height % kMaxSide));
        file.append(char(image.paletteSize)); // 0: no palette
        file.append('\0');                    // reserved
        put16(file, 1);                       // planes
        put16(file, quint32(image.bitsPerPixel));
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
