// The light-bulb icon, loaded as the program loads it: palette, silhouette, parts and scale.
#include "resource_paths.h"

#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <vector>

using namespace varelux;

namespace {

using Pixels = std::vector<QPoint>;

constexpr QRgb kBlack = 0xff000000, kYellow = 0xffffff00, kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff808080, kLightGrey = 0xffc0c0c0;
const QSet<QRgb> kVga = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                         0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                         0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QImage load(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
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
    QTest::addColumn<QRect>("bulbRect");
    QTest::addColumn<int>("outline");
    QTest::addColumn<int>("rayMin");
    QTest::addColumn<int>("rayMax");

    QTest::newRow("32 px") << QString(resources::kIcon32) << 32 << QRect(8, 4, 16, 26) << 2 << 3
                           << 4;
    QTest::newRow("16 px") << QString(resources::kIcon16) << 16 << QRect(4, 2, 8, 13) << 1 << 1
                           << 2;
}

void TestIcon::drawing()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(QRect, bulbRect);
    QFETCH(int, outline);
    QFETCH(int, rayMin);
    QFETCH(int, rayMax);

    const QImage img = load(path);
    QCOMPARE(img.size(), QSize(size, size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb c = img.pixel(x, y);
            QVERIFY2(qAlpha(c) == 0 || kVga.contains(c), qPrintable(QString::number(c, 16)));
            // Only the highlight breaks the mirror symmetry, and it changes colours, not shape.
            QCOMPARE(opaque(img, {x, y}), opaque(img, {size - 1 - x, y}));
        }
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1)})
        QVERIFY(!opaque(img, corner));

    const std::vector<Pixels> parts = shapes(img);
    const Pixels &bulb = parts.front();
    QCOMPARE(bounds(bulb), bulbRect);

    // Six black rays apart from the bulb, three on each side.
    QCOMPARE(parts.size(), std::size_t(7));
    int leftRays = 0;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const QRect ray = bounds(parts[i]);
        QCOMPARE(ofColour(img, parts[i], kBlack).size(), parts[i].size());
        QVERIFY(std::max(ray.width(), ray.height()) >= rayMin);
        QVERIFY(std::max(ray.width(), ray.height()) <= rayMax);
        leftRays += ray.right() < bulbRect.left();
    }
    QCOMPARE(leftRays, 3);

    // Every coloured pixel sits at least `outline` pixels inside the black outline.
    for (QPoint p : bulb)
        for (int dy = -outline; dy <= outline && img.pixel(p) != kBlack; ++dy)
            for (int dx = std::abs(dy) - outline; dx <= outline - std::abs(dy); ++dx)
                QVERIFY2(opaque(img, p + QPoint(dx, dy)),
                         qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));

    // Yellow glass, with the white highlight on its left side only.
    const QRect glass = bounds(ofColour(img, bulb, kYellow));
    QVERIFY(glass.isValid());
    int highlight = 0;
    for (QPoint p : ofColour(img, bulb, kWhite)) {
        QVERIFY(p.x() < size / 2);
        if (p.y() > glass.bottom())
            continue;
        ++highlight;
        QCOMPARE(img.pixel(glass.right() - 2 * outline, p.y()), kYellow);
    }
    QVERIFY(highlight > 0);

    // A symmetric grey filament in the lower half of the glass, its stem reaching the base.
    bool stemReachesBase = false;
    for (QPoint p : ofColour(img, bulb, kGrey)) {
        if (p.y() > glass.bottom())
            continue;
        QVERIFY(p.y() >= glass.center().y());
        QCOMPARE(img.pixel(size - 1 - p.x(), p.y()), kGrey);
        stemReachesBase |= p.y() == glass.bottom() && img.pixel(p + QPoint(0, 1)) == kBlack;
    }
    QVERIFY(stemReachesBase);

    // Below the glass a light grey base, lit on its left and shaded on its right, ends in a black
    // tip.
    const Pixels base = ofColour(img, bulb, kLightGrey);
    QVERIFY(!base.empty());
    for (QPoint p : base) {
        QVERIFY(p.y() > glass.bottom());
        int x = p.x();
        while (img.pixel(x - 1, p.y()) != kBlack)
            --x;
        QCOMPARE(img.pixel(x, p.y()), kWhite);
        x = p.x();
        while (img.pixel(x + 1, p.y()) != kBlack)
            ++x;
        QCOMPARE(img.pixel(x, p.y()), kGrey);
    }
    const Pixels tip = ofColour(img, bulb, kBlack);
    QCOMPARE(
        std::count_if(tip.begin(), tip.end(), [&](QPoint p) { return p.y() == bulbRect.bottom(); }),
        std::count_if(bulb.begin(), bulb.end(),
                      [&](QPoint p) { return p.y() == bulbRect.bottom(); }));
}

void TestIcon::halfSizeMatchesFullSize()
{
    const QImage full = load(resources::kIcon32);
    const QImage half = load(resources::kIcon16);
    QCOMPARE(coloursOf(half), coloursOf(full));

    Pixels fullPixels, halfPixels;
    for (const Pixels &part : shapes(full))
        fullPixels.insert(fullPixels.end(), part.begin(), part.end());
    for (const Pixels &part : shapes(half))
        halfPixels.insert(halfPixels.end(), part.begin(), part.end());
    const QRect f = bounds(fullPixels), h = bounds(halfPixels);
    QVERIFY(std::abs(h.left() - f.left() / 2) <= 1);
    QVERIFY(std::abs(h.top() - f.top() / 2) <= 1);
    QVERIFY(std::abs(h.right() - f.right() / 2) <= 1);
    QVERIFY(std::abs(h.bottom() - f.bottom() / 2) <= 1);
}

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
