// The light-bulb icon as the program shows it: palette, silhouette, parts and the two sizes; and
// as the packages carry it: every size of varelux.ico and of the hicolor PNGs, where the build
// makes them.
#include "icon_images.h"

#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <vector>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

using Pixels = std::vector<QPoint>;

constexpr QRgb kBlack = 0xff000000, kYellow = 0xffffff00, kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff808080, kLightGrey = 0xffc0c0c0;
const QSet<QRgb> kVga = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                         0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                         0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QImage load(int size)
{
    return resources::iconImage(size).convertToFormat(QImage::Format_ARGB32);
}

bool opaque(const QImage &img, QPoint p)
{
    return img.rect().contains(p) && qAlpha(img.pixel(p)) != 0;
}

// The opaque pixels as 8-connected shapes; the one holding the centre pixel comes first.
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

} // namespace

class TestIcon : public QObject {
    Q_OBJECT

private slots:
    void silhouette_data() { icon_data(); }
    void silhouette();
    void parts_data() { icon_data(); }
    void parts();
    void halfSizeMatchesFullSize();
#ifdef VARELUX_ICO
    void packaged_data();
    void packaged();
#endif

private:
    void icon_data();
};

void TestIcon::icon_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("bulbRect");
    QTest::addColumn<int>("outline");
    QTest::addColumn<int>("longestRay"); // rays are this long or one pixel shorter

    QTest::newRow("32 px") << 32 << QRect(8, 4, 16, 26) << 2 << 4;
    QTest::newRow("16 px") << 16 << QRect(4, 2, 8, 13) << 1 << 2;
}

void TestIcon::silhouette()
{
    QFETCH(int, size);
    QFETCH(QRect, bulbRect);
    QFETCH(int, longestRay);

    const QImage img = load(size);
    QCOMPARE(img.size(), QSize(size, size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb c = img.pixel(x, y);
            QVERIFY2(qAlpha(c) == 0 || kVga.contains(c), qPrintable(QString::number(c, 16)));
            // The highlight changes colours only: the shape is mirror-symmetric.
            QCOMPARE(opaque(img, {x, y}), opaque(img, {size - 1 - x, y}));
        }
    QVERIFY(!opaque(img, {0, 0}) && !opaque(img, {0, size - 1}));

    const std::vector<Pixels> found = shapes(img);
    QCOMPARE(bounds(found.front()), bulbRect);
    // Apart from the bulb: six short black rays, three on each side.
    QCOMPARE(found.size(), std::size_t(7));
    int leftRays = 0;
    for (auto ray = found.begin() + 1; ray != found.end(); ++ray) {
        const QRect r = bounds(*ray);
        QCOMPARE(ofColour(img, *ray, kBlack).size(), ray->size());
        const int length = std::max(r.width(), r.height());
        QVERIFY(length == longestRay || length == longestRay - 1);
        leftRays += r.right() < bulbRect.left();
    }
    QCOMPARE(leftRays, 3);
}

void TestIcon::parts()
{
    QFETCH(int, size);
    QFETCH(QRect, bulbRect);
    QFETCH(int, outline);

    const QImage img = load(size);
    const Pixels bulb = shapes(img).front();
    // Every coloured pixel lies at least `outline` pixels inside the black outline.
    for (QPoint p : bulb)
        for (int dy = -outline; dy <= outline && img.pixel(p) != kBlack; ++dy)
            for (int dx = std::abs(dy) - outline; dx <= outline - std::abs(dy); ++dx)
                QVERIFY2(opaque(img, p + QPoint(dx, dy)),
                         qPrintable(u"%1,%2"_s.arg(p.x()).arg(p.y())));

    // Yellow glass; all white (highlight and lit edge of the base) on the left half.
    const QRect glass = bounds(ofColour(img, bulb, kYellow));
    QVERIFY(glass.isValid());
    const Pixels white = ofColour(img, bulb, kWhite);
    QVERIFY(std::any_of(white.begin(), white.end(), [&](QPoint p) { return glass.contains(p); }));
    for (QPoint p : white)
        QVERIFY(p.x() < bulbRect.center().x());

    // A symmetric grey filament in the lower half of the glass, its stem reaching the base.
    bool stemReachesBase = false;
    for (QPoint p : ofColour(img, bulb, kGrey)) {
        if (p.y() > glass.bottom())
            continue;
        QVERIFY(p.y() >= glass.center().y());
        QCOMPARE(img.pixel(bulbRect.right() + bulbRect.left() - p.x(), p.y()), kGrey);
        stemReachesBase |= p.y() == glass.bottom() && img.pixel(p + QPoint(0, 1)) == kBlack;
    }
    QVERIFY(stemReachesBase);

    // Under the glass, light grey base rows run from a white left edge to a grey right edge.
    const Pixels base = ofColour(img, bulb, kLightGrey);
    QVERIFY(!base.empty());
    for (QPoint p : base) {
        QVERIFY(p.y() > glass.bottom());
        int left = p.x(), right = p.x();
        while (img.pixel(left - 1, p.y()) != kBlack)
            --left;
        while (img.pixel(right + 1, p.y()) != kBlack)
            ++right;
        QCOMPARE(img.pixel(left, p.y()), kWhite);
        QCOMPARE(img.pixel(right, p.y()), kGrey);
    }
}

void TestIcon::halfSizeMatchesFullSize()
{
    // Bounds of the opaque pixels, collecting the colours they use.
    const auto survey = [](const QImage &img, QSet<QRgb> &colours) {
        Pixels all;
        for (const Pixels &part : shapes(img))
            for (QPoint p : part) {
                all.push_back(p);
                colours.insert(img.pixel(p));
            }
        return bounds(all);
    };
    QSet<QRgb> fullColours, halfColours;
    const QRect f = survey(load(32), fullColours);
    const QRect h = survey(load(16), halfColours);
    QCOMPARE(halfColours, fullColours);
    QVERIFY(std::abs(h.left() - f.left() / 2) <= 1 && std::abs(h.right() - f.right() / 2) <= 1);
    QVERIFY(std::abs(h.top() - f.top() / 2) <= 1 && std::abs(h.bottom() - f.bottom() / 2) <= 1);
}

#ifdef VARELUX_ICO
void TestIcon::packaged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");

    for (int size : {16, 32, 48, 64, 128, 256}) {
        QTest::addRow("ico %d px", size) << QStringLiteral(VARELUX_ICO) << size;
        QTest::addRow("hicolor %d px", size) << QStringLiteral(VARELUX_ICON_PNG).arg(size) << size;
    }
}

// Every size is there, and 16 and 32 px are the pixel drawings, unchanged (the larger sizes are
// drawn from the scalable picture: docs/icon-256.png).
void TestIcon::packaged()
{
    QFETCH(QString, file);
    QFETCH(int, size);

    QImageReader reader(file);
    QImage image = reader.read();
    while (image.width() != size && reader.jumpToNextImage())
        image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));
    if (size <= 32)
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), load(size));
}
#endif

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
