// The light-bulb icon, loaded as the program loads it: palette, silhouette, parts and scale.
#include "resource_paths.h"

#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

using Pixels = std::vector<QPoint>;

constexpr QRgb kBlack = 0xff000000, kYellow = 0xffffff00, kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff808080, kLightGrey = 0xffc0c0c0;
const QSet<QRgb> kVga = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                         0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                         0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QImage load(const char *path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

bool opaque(const QImage &img, QPoint p)
{
    return img.rect().contains(p) && qAlpha(img.pixel(p)) != 0;
}

// The opaque pixels split into 8-connected shapes; the one holding the centre comes first.
std::vector<Pixels> shapes(const QImage &img)
{
    std::vector<Pixels> found;
    QSet<QPoint> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!opaque(img, {x, y}) || seen.contains({x, y}))
                continue;
            Pixels shape{{x, y}};
            seen.insert({x, y});
            for (std::size_t i = 0; i < shape.size(); ++i)
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint n = shape[i] + QPoint(dx, dy);
                        if (opaque(img, n) && !seen.contains(n)) {
                            seen.insert(n);
                            shape.push_back(n);
                        }
                    }
            found.push_back(shape);
        }
    const QPoint centre(img.width() / 2, img.height() / 2);
    std::stable_partition(found.begin(), found.end(), [&](const Pixels &s) {
        return std::find(s.begin(), s.end(), centre) != s.end();
    });
    return found;
}

QRect bounds(const Pixels &pixels)
{
    QRect r;
    for (QPoint p : pixels)
        r |= QRect(p, QSize(1, 1));
    return r;
}

Pixels ofColour(const QImage &img, const Pixels &pixels, QRgb colour)
{
    Pixels out;
    std::copy_if(pixels.begin(), pixels.end(), std::back_inserter(out),
                 [&](QPoint p) { return img.pixel(p) == colour; });
    return out;
}

QSet<QRgb> coloursOf(const QImage &img)
{
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (opaque(img, {x, y}))
                colours.insert(img.pixel(x, y));
    return colours;
}

} // namespace

class TestIcon : public QObject {
    Q_OBJECT

private slots:
    void drawing_data();
    void drawing();
    void halfSizeMatchesFullSize();
};

void TestIcon::drawing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("bulb");
    QTest::addColumn<int>("outline");
    QTest::addColumn<int>("rayMin");
    QTest::addColumn<int>("rayMax");

    QTest::newRow("32 px") << resources::kIcon32 << 32 << QRect(8, 4, 16, 26) << 2 << 3 << 4;
    QTest::newRow("16 px") << resources::kIcon16 << 16 << QRect(4, 2, 8, 13) << 1 << 1 << 2;
}
