// Symbols and their places in the wiring diagrams. Coordinates are pixel columns and rows at
// 96 dpi, counted from the picture's top left corner; a line on row y runs through y + 0.5.
#include "reference/diagrams.h"

#include "reference/diagram_parts.h"

#include "common/readable_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <iterator>
#include <span>
#include <vector>

namespace varelux {

namespace {

struct Diagram {
    QSize size;
    std::span<const Placed> parts;
};

constexpr Placed kSingle[] = {
    {Symbol::Terminal, {18, 1}},
    {Symbol::Wire, {18, 19}, {18, 33}},
    {Symbol::Resistor, {18, 33}},
    {Symbol::Wire, {18, 59}, {18, 146}},
    {Symbol::Led, {18, 77}, {18, 111}, Side::Right},
    {Symbol::Ground, {18, 146}},
};

constexpr Placed kSeries[] = {
    {Symbol::Terminal, {18, 1}},
    {Symbol::Wire, {18, 19}, {18, 33}},
    {Symbol::Resistor, {18, 33}},
    {Symbol::Wire, {18, 59}, {18, 206}},
    {Symbol::Led, {18, 77}, {18, 111}, Side::Right},
    {Symbol::Led, {18, 137}, {18, 171}, Side::Right},
    {Symbol::Ground, {18, 206}},
};

// Two branches at x = 42 and 122 between junctions on the centre column.
constexpr Placed kParallel[] = {
    {Symbol::Terminal, {82, 1}},
    {Symbol::Wire, {82, 19}, {82, 33}},
    {Symbol::Resistor, {82, 33}},
    {Symbol::Wire, {82, 59}, {82, 86}},
    {Symbol::Wire, {42, 86}, {122, 86}},
    {Symbol::Wire, {42, 86}, {42, 186}},
    {Symbol::Wire, {122, 86}, {122, 186}},
    {Symbol::Wire, {42, 186}, {122, 186}},
    {Symbol::Wire, {82, 186}, {82, 206}},
    {Symbol::Junction, {82, 86}},
    {Symbol::Junction, {82, 186}},
    {Symbol::Led, {42, 118}, {42, 150}, Side::Left},
    {Symbol::Led, {122, 118}, {122, 150}, Side::Right},
    {Symbol::Ground, {82, 206}},
};

// In Circuit order.
const Diagram kDiagrams[] = {
    {{61, 157}, kSingle},
    {{61, 217}, kSeries},
    {{165, 217}, kParallel},
};
static_assert(std::size(kDiagrams) == kCircuitCount);

// Centre of a pixel.
QPointF centre(int x, int y)
{
    return {x + 0.5, y + 0.5};
}

void line(QPainter &p, int x1, int y1, int x2, int y2)
{
    p.drawLine(centre(x1, y1), centre(x2, y2));
}

// A ring whose outermost pixels lie on rows top and bottom, centred on column x.
void ring(QPainter &p, int x, int top, int bottom)
{
    const qreal radius = (bottom - top) / 2.0;
    p.drawEllipse(QPointF(x + 0.5, (top + bottom + 1) / 2.0), radius, radius);
}

// Arrow along `direction` (unit vector) from `start`, with a filled head at its end.
void arrow(QPainter &p, QPointF start, QPointF direction)
{
    constexpr qreal kLength = 11, kHeadLength = 5, kHeadHalfWidth = 3;
    const QPointF tip = start + direction * kLength;
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = tip - direction * kHeadLength;
    p.drawLine(start, base);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{tip, base + normal * kHeadHalfWidth, base - normal * kHeadHalfWidth});
    p.setBrush(Qt::NoBrush);
}

void led(QPainter &p, const Placed &part)
{
    const int x = part.from.x();
    ring(p, x, part.from.y(), part.to.y());

    // Diode: a triangle pointing down onto its bar, on the wire.
    const int middle = (part.from.y() + part.to.y()) / 2;
    const int top = middle - 6, bar = middle + 5;
    QPainterPath triangle;
    triangle.moveTo(centre(x - 7, top));
    triangle.lineTo(centre(x + 7, top));
    triangle.lineTo(centre(x, bar));
    triangle.closeSubpath();
    p.setBrush(Qt::black);
    p.drawPath(triangle);
    p.setBrush(Qt::NoBrush);
    line(p, x - 7, bar, x + 7, bar);

    // Light: two parallel arrows leaving the circle diagonally downwards, away from the wire.
    const qreal sx = part.arrows == Side::Left ? -1.0 : 1.0;
    const qreal radius = (part.to.y() - part.from.y()) / 2.0;
    const QPointF middlePoint(x + 0.5, (part.from.y() + part.to.y() + 1) / 2.0);
    const QPointF direction = QPointF(sx, 1.0) / std::sqrt(2.0);
    const QPointF across = QPointF(sx, -1.0) / std::sqrt(2.0);
    const QPointF start = middlePoint + direction * (radius + 2.5);
    arrow(p, start + across * 4.0, direction);
    arrow(p, start - across * 4.0, direction);
}

void draw(QPainter &p, const Placed &part)
{
    const int x = part.from.x(), y = part.from.y();
    switch (part.symbol) {
    case Symbol::Terminal:
        ring(p, x, y, y + 18);
        line(p, x - 4, y + 9, x + 4, y + 9);
        line(p, x, y + 5, x, y + 13);
        break;
    case Symbol::Negative:
        ring(p, x, y, y + 18);
        line(p, x - 4, y + 9, x + 4, y + 9);
        break;
    case Symbol::Resistor:
        p.drawRect(QRectF(centre(x - 9, y), centre(x + 9, y + 26)));
        break;
    case Symbol::Led:
        led(p, part);
        break;
    case Symbol::Ground:
        for (int bar = 0, half = 12; bar < 3; ++bar, half -= 4)
            line(p, x - half, y + 4 * bar, x + half, y + 4 * bar);
        break;
    case Symbol::Junction:
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x + 0.5, y + 0.5), 4.0, 4.0);
        p.setBrush(Qt::NoBrush);
        break;
    case Symbol::Wire:
        line(p, x, y, part.to.x(), part.to.y());
        break;
    case Symbol::Ellipsis:
        p.setBrush(Qt::black);
        for (const QPointF dot :
             {centre(x, y), (centre(x, y) + centre(part.to.x(), part.to.y())) / 2,
              centre(part.to.x(), part.to.y())})
            p.drawEllipse(dot, 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        break;
    }
}

// Turns the anti-aliased grey levels of black on white into the diagram's three colours: solid
// ink, a partly covered pixel at the edge of a line, the rest background.
void quantise(QImage &image, const DiagramColours &colours)
{
    const QRgb solid = colours.ink.rgb(), edge = colours.edge.rgb();
    const QRgb ground = colours.background.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int ink = 255 - qGreen(row[x]);
            row[x] = ink >= 105 ? solid : ink >= 35 ? edge : ground;
        }
    }
}

} // namespace

QImage drawParts(QSize size, std::span<const Placed> parts, qreal dpr,
                 const DiagramColours &colours)
{
    QImage image(size * dpr, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        for (const Placed &part : parts)
            draw(p, part);
    }
    quantise(image, colours);
    return image;
}

QSize diagramSize(Circuit circuit)
{
    return kDiagrams[int(circuit)].size;
}

DiagramColours diagramColours(const QPalette &palette)
{
    if (!ui::isDarkPalette(palette))
        return kLightDiagram;
    const QColor ink = palette.color(QPalette::WindowText).toRgb();
    const QColor background = palette.color(QPalette::Window).toRgb();
    const QColor edge((ink.red() + background.red()) / 2, (ink.green() + background.green()) / 2,
                      (ink.blue() + background.blue()) / 2);
    return {ink, edge, background};
}

QImage drawDiagram(Circuit circuit, qreal dpr, const DiagramColours &colours)
{
    const Diagram &diagram = kDiagrams[int(circuit)];
    QImage image = drawParts(diagram.size, diagram.parts, dpr, colours);
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace varelux
