// The pictures of the reference windows, pixel by pixel at 96 dpi: the three wiring diagrams
// and the E12 table; and both again at device pixel ratio 2.
#include "reference/diagrams.h"
#include "reference/e12_picture.h"

#include "data_row.h"

#include <QApplication>
#include <QSet>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Circuit)

namespace {

using Lines = QList<QLine>;
using Points = QList<QPoint>;

bool isInk(const QImage &image, QPoint at)
{
    return image.pixel(at) != kDiagramBackground.rgb();
}

bool isBlack(const QImage &image, QPoint at)
{
    return image.pixel(at) == qRgb(0, 0, 0);
}

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// Rows for the symbols the diagrams share, at the places the design gives.
void terminal(const char *name, Circuit id, int x)
{
    row(name, id,
        Lines{{x - 4, 10, x + 4, 10},
              {x, 6, x, 14},
              {x, 1, x, 1},
              {x - 9, 10, x - 9, 10},
              {x + 9, 10, x + 9, 10}},
        Points{{x, 0}, {x - 10, 10}, {x + 10, 10}, {x - 3, 7}, {x + 3, 13}});
}

void resistor(const char *name, Circuit id, int x)
{
    row(name, id,
        Lines{{x - 9, 33, x - 9, 59},
              {x + 9, 33, x + 9, 59},
              {x - 9, 33, x + 9, 33},
              {x - 9, 59, x + 9, 59},
              {x, 20, x, 32}},
        Points{{x - 9, 32},
               {x + 9, 32},
               {x - 9, 60},
               {x + 9, 60},
               {x - 10, 46},
               {x + 10, 46},
               {x - 4, 46},
               {x + 4, 46}});
}

// The circle's outermost rows, beside the wire that runs through it, and its widest columns.
void ledCircle(const char *name, Circuit id, int x, int top, int bottom)
{
    const int radius = (bottom - top) / 2, middle = (top + bottom) / 2;
    row(name, id,
        Lines{{x - 1, top, x + 1, top},
              {x - 1, bottom, x + 1, bottom},
              {x, top, x, bottom},
              {x - radius, middle, x - radius, middle},
              {x + radius, middle, x + radius, middle}},
        Points{{x - 1, top - 1},
               {x + 1, top - 1},
               {x - 1, bottom + 1},
               {x + 1, bottom + 1},
               {x - radius - 1, middle},
               {x + radius + 1, middle}});
}

void ground(const char *name, Circuit id, int x, int top)
{
    row(name, id,
        Lines{{x - 12, top, x + 12, top},
              {x - 8, top + 4, x + 8, top + 4},
              {x - 4, top + 8, x + 4, top + 8},
              {x, top - 20, x, top}},
        Points{{x - 13, top},
               {x + 13, top},
               {x - 9, top + 4},
               {x + 9, top + 4},
               {x - 5, top + 8},
               {x + 5, top + 8},
               {x, top + 2},
               {x - 6, top + 6},
               {x, top + 9}});
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void diagramSymbols_data();
    void diagramSymbols();
    void ledArrowsPointAway_data();
    void ledArrowsPointAway();
    void diagramColours_data();
    void diagramColours();
    void diagramsStayCrispAtDoubleRatio_data();
    void diagramsStayCrispAtDoubleRatio();

    void e12Colours_data();
    void e12Colours();
    void e12GridAndRows();
    void e12TextsCentredInCells();
};

void TestPictures::diagramSymbols_data()
{
    QTest::addColumn<Circuit>("id");
    QTest::addColumn<Lines>("black");  // every pixel of each line
    QTest::addColumn<Points>("clear"); // background

    const auto single = Circuit::SingleLed, series = Circuit::Series;
    const auto parallel = Circuit::Parallel;
    terminal("single: terminal", single, 18);
    resistor("single: resistor", single, 18);
    ledCircle("single: LED circle", single, 18, 77, 111);
    ground("single: ground", single, 18, 146);
    terminal("series: terminal", series, 18);
    resistor("series: resistor", series, 18);
    ledCircle("series: first LED circle", series, 18, 77, 111);
    ledCircle("series: second LED circle", series, 18, 137, 171);
    ground("series: ground", series, 18, 206);
    terminal("parallel: terminal", parallel, 82);
    resistor("parallel: resistor", parallel, 82);
    ledCircle("parallel: left LED circle", parallel, 42, 118, 150);
    ledCircle("parallel: right LED circle", parallel, 122, 118, 150);
    ground("parallel: ground", parallel, 82, 206);
    row("parallel: branches", parallel,
        Lines{{82, 60, 82, 86},
              {42, 86, 122, 86},
              {42, 86, 42, 186},
              {122, 86, 122, 186},
              {42, 186, 122, 186}},
        Points{{41, 100}, {43, 100}, {121, 170}, {123, 170}, {60, 85}, {100, 187}, {41, 85}});
    row("parallel: junction dots", parallel,
        Lines{{79, 88, 85, 88}, {82, 86, 82, 89}, {79, 184, 85, 184}, {82, 183, 82, 186}},
        Points{{82, 92}, {76, 89}, {88, 89}, {82, 180}, {76, 183}, {88, 183}});
}

void TestPictures::diagramSymbols()
{
    QFETCH(Circuit, id);
    QFETCH(Lines, black);
    QFETCH(Points, clear);
    const QImage image = drawDiagram(id, 1);
    for (const QLine &line : black) {
        const QPoint step((line.dx() > 0) - (line.dx() < 0), (line.dy() > 0) - (line.dy() < 0));
        for (QPoint at = line.p1();; at += step) {
            QVERIFY2(isBlack(image, at), qPrintable(u"%1,%2"_s.arg(at.x()).arg(at.y())));
            if (at == line.p2())
                break;
        }
    }
    for (const QPoint &at : clear)
        QVERIFY2(!isInk(image, at), qPrintable(u"%1,%2"_s.arg(at.x()).arg(at.y())));
}

void TestPictures::ledArrowsPointAway_data()
{
    QTest::addColumn<Circuit>("id");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("side"); // +1 lower right, -1 lower left

    row("single", Circuit::SingleLed, 18, 77, 111, 1);
    row("series, first", Circuit::Series, 18, 77, 111, 1);
    row("series, second", Circuit::Series, 18, 137, 171, 1);
    row("parallel, left", Circuit::Parallel, 42, 118, 150, -1);
    row("parallel, right", Circuit::Parallel, 122, 118, 150, 1);
}

// Outside the circle and off the wire, ink lies only in the lower quadrant on the arrows' side.
void TestPictures::ledArrowsPointAway()
{
    QFETCH(Circuit, id);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, side);
    const QImage image = drawDiagram(id, 1);
    const double radius = (bottom - top) / 2.0, middle = (top + bottom + 1) / 2.0;
    int ink[2][2] = {}; // [right][lower]
    for (int py = top - 4; py <= bottom + 16; ++py)
        for (int px = x - int(radius) - 16; px <= x + int(radius) + 16; ++px) {
            const double dx = px + 0.5 - (x + 0.5), dy = py + 0.5 - middle;
            if (px == x || !image.rect().contains(px, py) || std::hypot(dx, dy) <= radius + 1.5)
                continue;
            ink[dx > 0][dy > 0] += isInk(image, {px, py});
        }
    const int away = side > 0 ? 1 : 0;
    QVERIFY2(ink[away][1] > 20, qPrintable(QString::number(ink[away][1])));
    QCOMPARE(ink[1 - away][1], 0);
    QCOMPARE(ink[0][0] + ink[1][0], 0);
}

void TestPictures::diagramColours_data()
{
    QTest::addColumn<Circuit>("id");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QSize>("size");

    row("single", Circuit::SingleLed, 1.0, QSize(61, 157));
    row("series", Circuit::Series, 1.0, QSize(61, 217));
    row("parallel", Circuit::Parallel, 1.0, QSize(165, 217));
    row("parallel at 2", Circuit::Parallel, 2.0, QSize(330, 434));
    row("series at 1.5", Circuit::Series, 1.5, QSize(92, 326));
}

// Black lines, edge-grey softening and the background; nothing else, at any ratio.
void TestPictures::diagramColours()
{
    QFETCH(Circuit, id);
    QFETCH(qreal, dpr);
    QFETCH(QSize, size);
    const QImage image = drawDiagram(id, dpr);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.devicePixelRatio(), dpr);
    QCOMPARE(coloursOf(image),
             (QSet<QRgb>{qRgb(0, 0, 0), kDiagramEdge.rgb(), kDiagramBackground.rgb()}));
}

void TestPictures::diagramsStayCrispAtDoubleRatio_data()
{
    QTest::addColumn<Circuit>("id");
    row("single", Circuit::SingleLed);
    row("series", Circuit::Series);
    row("parallel", Circuit::Parallel);
}

// Drawn again at twice the pixels, not scaled up: every straight black line of the 96 dpi
// picture is a solid 2 x 2 block per pixel, and grey edges take no larger share of the ink.
void TestPictures::diagramsStayCrispAtDoubleRatio()
{
    QFETCH(Circuit, id);
    const QImage one = drawDiagram(id, 1), two = drawDiagram(id, 2);
    auto greyShare = [](const QImage &image) {
        int grey = 0, ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                grey += image.pixel(x, y) == kDiagramEdge.rgb();
                ink += isInk(image, {x, y});
            }
        return double(grey) / ink;
    };
    // A pixel in the middle of a straight run of 11 black pixels with nothing on either side.
    auto straightRun = [&](int x, int y, QPoint along) {
        const QPoint across(along.y(), along.x());
        for (int i = -5; i <= 5; ++i) {
            const QPoint at = QPoint(x, y) + i * along;
            if (!one.rect().contains(at - across) || !one.rect().contains(at + across) ||
                !isBlack(one, at) || isInk(one, at - across) || isInk(one, at + across))
                return false;
        }
        return true;
    };
    int straight = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const bool vertical = straightRun(x, y, {0, 1});
            const bool horizontal = !vertical && straightRun(x, y, {1, 0});
            if (!vertical && !horizontal)
                continue;
            ++straight;
            for (QPoint at : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                              QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)})
                QVERIFY(isBlack(two, at));
            const QPoint beside = vertical ? QPoint(1, 0) : QPoint(0, 1);
            QVERIFY(!isInk(two, 2 * QPoint(x, y) - beside));
            QVERIFY(!isInk(two, 2 * QPoint(x, y) + 2 * beside));
        }
    QVERIFY(straight > 50);
    QVERIFY(greyShare(two) <= greyShare(one));
}

void TestPictures::e12Colours_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QSize>("size");
    row("96 dpi", 1.0, QSize(602, 205));
    row("ratio 2", 2.0, QSize(1204, 410));
}

void TestPictures::e12Colours()
{
    QFETCH(qreal, dpr);
    QFETCH(QSize, size);
    const QImage image = drawE12Table(dpr);
    QCOMPARE(image.size(), size);
    QCOMPARE(coloursOf(image), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255), kE12Band.rgb()}));
}

// Lines at the design's columns and every 17 px down; between them, whole rows alternate
// white and yellow-green, starting white, with black text and nothing else.
void TestPictures::e12GridAndRows()
{
    const QImage image = drawE12Table(1);
    const QList<int> columns{0, 81, 162, 243, 324, 410, 504, 601};
    for (int x = 0; x < image.width(); ++x) {
        bool solid = true;
        for (int y = 0; y < image.height(); ++y)
            solid = solid && isBlack(image, {x, y});
        QVERIFY2(solid == columns.contains(x), qPrintable(u"column %1"_s.arg(x)));
    }
    for (int y = 0; y < image.height(); ++y) {
        bool solid = true;
        for (int x = 0; x < image.width(); ++x)
            solid = solid && isBlack(image, {x, y});
        QVERIFY2(solid == (y % 17 == 0), qPrintable(u"row %1"_s.arg(y)));
        if (y % 17 == 0)
            continue;
        const QRgb band = (y / 17) % 2 == 0 ? qRgb(255, 255, 255) : kE12Band.rgb();
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixel(x, y) == band || isBlack(image, {x, y}));
    }
}

// From the pixels alone: each text's ink is centred across its cell, and down its cell from
// the top of the tallest letter to the baseline (the foot of the final "m"), within a pixel;
// its first glyph, a digit, is 9 px high.
void TestPictures::e12TextsCentredInCells()
{
    const QImage image = drawE12Table(1);
    const int columns[] = {0, 81, 162, 243, 324, 410, 504, 601};
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 7; ++column) {
            const QRect cell(QPoint(columns[column] + 1, 17 * row + 1),
                             QPoint(columns[column + 1] - 1, 17 * row + 16));
            auto inkRows = [&](int x) { // first and last black row of a pixel column
                QPoint span(cell.bottom() + 1, cell.top() - 1);
                for (int y = cell.top(); y <= cell.bottom(); ++y)
                    if (isBlack(image, {x, y}))
                        span = {std::min(span.x(), y), std::max(span.y(), y)};
                return span;
            };
            auto inked = [&](int x) { return inkRows(x).x() <= cell.bottom(); };
            int left = cell.left(), right = cell.right();
            while (left < right && !inked(left))
                ++left;
            while (right > left && !inked(right))
                --right;
            int top = cell.bottom(), digitTop = cell.bottom();
            bool inFirstGlyph = true;
            for (int x = left; x <= right; ++x) {
                inFirstGlyph = inFirstGlyph && inked(x);
                top = std::min(top, inkRows(x).x());
                if (inFirstGlyph)
                    digitTop = std::min(digitTop, inkRows(x).x());
            }
            const int baseline = inkRows(right).y();
            const QString where = u"row %1 column %2"_s.arg(row + 1).arg(column + 1);
            QVERIFY2(std::abs(left + right - cell.left() - cell.right()) <= 2, qPrintable(where));
            QVERIFY2(std::abs(top + baseline - cell.top() - cell.bottom()) <= 2, qPrintable(where));
            QVERIFY2(baseline - digitTop + 1 == 9, qPrintable(where));
        }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
