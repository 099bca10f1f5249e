// The LED array's drawing. Coordinates are pixel columns and rows at 96 dpi, counted from the
// drawing's top left corner; a line on row y runs through y + 0.5.
#include "led_array/led_array_drawing.h"

#include "common/fonts.h"
#include "led_array/led_array_words.h"
#include "reference/diagram_parts.h"

#include <QPainter>

#include <vector>

namespace varelux {

namespace {

// The LED array, in pixels at 96 dpi. Both terminals sit on column kTerminal, the + one at the
// left end of the top rail, the - one at the left end of the bottom rail. Each string is a
// column kColumnPitch from the one before: from the top rail a wire down to its resistor, then
// its LEDs in slots kLedPitch apart, and a wire down to the bottom rail; under the bottom rail
// its label, the resistor's value in two lines ("120", "ohm").
constexpr int kTerminal = 10;
constexpr int kFirstColumn = 40, kColumnPitch = 56; // room for "megaohm"
constexpr int kTopRail = 10;
constexpr int kResistorTop = 24; // rows 24 to 50
constexpr int kFirstLedTop = 62, kLedPitch = 44, kLedRows = 34;
// A string of more LEDs than there are slots shows its first ones, "..." in the slot before the
// last, and its last LED.
constexpr int kLedSlots = 6;
constexpr int kBottomRail = kFirstLedTop + kLedSlots * kLedPitch + 4; // below the last arrows
constexpr int kLabelTop = kBottomRail + 8;
constexpr int kLabelLines = 2, kLabelLineHeight = 14;
// At most this many columns. A plan of more strings shows the first strings of its full kind,
// then "..." with the count of full strings under it, as wide as two columns to leave its count
// room, then its shorter string, or one more full string when there is none.
constexpr int kMaxColumns = 8;
constexpr QSize kArraySize{kFirstColumn + (kMaxColumns - 1) * kColumnPitch + 30,
                           kLabelTop + kLabelLines *kLabelLineHeight + 2};

// A column of the drawing: a kind of string, or the "..." of the full strings left out.
struct Column {
    const StringKind *kind = nullptr; // nullptr: the "..."
    int x = 0;                        // centre
    int width = 0;                    // of its label
};

std::vector<Column> arrayColumns(const ArrayPlan &plan)
{
    auto slotX = [](int slot) { return kFirstColumn + slot * kColumnPitch; };
    std::vector<Column> columns;
    columns.reserve(kMaxColumns);
    const bool collapsed = plan.strings > kMaxColumns;
    const int full = collapsed ? kMaxColumns - 3 : int(plan.full.strings);
    for (int slot = 0; slot < full; ++slot)
        columns.push_back({&plan.full, slotX(slot), kColumnPitch});
    if (collapsed) {
        columns.push_back({nullptr, slotX(full) + kColumnPitch / 2, 2 * kColumnPitch});
        columns.push_back(
            {plan.remainder ? &*plan.remainder : &plan.full, slotX(full + 2), kColumnPitch});
    } else if (plan.remainder) {
        columns.push_back({&*plan.remainder, slotX(full), kColumnPitch});
    }
    return columns;
}

// The symbols of one string's column at x.
void addString(std::vector<Placed> &parts, int x, double leds)
{
    const auto ledTop = [](int slot) { return kFirstLedTop + slot * kLedPitch; };
    parts.push_back({Symbol::Wire, {x, kTopRail}, {x, kResistorTop}});
    parts.push_back({Symbol::Resistor, {x, kResistorTop}});
    const bool shortened = leds > kLedSlots;
    const int drawn = shortened ? kLedSlots : int(leds);
    for (int slot = 0; slot < drawn; ++slot)
        if (!shortened || slot != kLedSlots - 2)
            parts.push_back(
                {Symbol::Led, {x, ledTop(slot)}, {x, ledTop(slot) + kLedRows}, Side::Right});
    if (!shortened) {
        parts.push_back({Symbol::Wire, {x, kResistorTop + 26}, {x, kBottomRail}});
        return;
    }
    // The wire breaks off around the dots.
    const int dotsTop = ledTop(kLedSlots - 2);
    parts.push_back({Symbol::Wire, {x, kResistorTop + 26}, {x, dotsTop + 4}});
    parts.push_back({Symbol::Ellipsis, {x, dotsTop + 11}, {x, dotsTop + 23}});
    parts.push_back({Symbol::Wire, {x, dotsTop + 30}, {x, kBottomRail}});
}

void drawLabel(QPainter &p, const Column &column, const QStringList &lines)
{
    for (int i = 0; i < int(lines.size()); ++i)
        p.drawText(QRectF(column.x - column.width / 2.0, kLabelTop + i * kLabelLineHeight,
                          column.width, kLabelLineHeight),
                   Qt::AlignHCenter | Qt::AlignTop, lines[i]);
}

} // namespace

QSize ledArrayDiagramSize()
{
    return kArraySize;
}

QImage drawLedArray(const ArrayPlan &plan, qreal dpr, const DiagramColours &colours)
{
    if (plan.verdict != ArrayVerdict::Planned || plan.strings < 1) {
        QImage blank(kArraySize * dpr, QImage::Format_RGB32);
        blank.fill(colours.background);
        blank.setDevicePixelRatio(dpr);
        return blank;
    }
    const std::vector<Column> columns = arrayColumns(plan);
    const int last = columns.back().x;
    std::vector<Placed> parts = {
        {Symbol::Terminal, {kTerminal, kTopRail - 9}},
        {Symbol::Wire, {kTerminal + 10, kTopRail}, {last, kTopRail}},
        {Symbol::Negative, {kTerminal, kBottomRail - 9}},
        {Symbol::Wire, {kTerminal + 10, kBottomRail}, {last, kBottomRail}},
    };
    for (const Column &column : columns) {
        if (!column.kind) {
            const int middle = (kTopRail + kBottomRail) / 2;
            parts.push_back({Symbol::Ellipsis, {column.x - 8, middle}, {column.x + 8, middle}});
            continue;
        }
        addString(parts, column.x, column.kind->leds);
        if (column.x != last) // where a column meets a rail that goes on
            for (const int rail : {kTopRail, kBottomRail})
                parts.push_back({Symbol::Junction, {column.x, rail}});
    }
    QImage image = drawParts(kArraySize, parts, dpr, colours);

    // The labels, in the ink's colour on the quantised drawing.
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(dpr, dpr);
    p.setPen(colours.ink);
    p.setFont(ui::font(ui::FontRole::Regular));
    for (const Column &column : columns)
        drawLabel(p, column,
                  column.kind ? ui::drawnResistanceLabel(column.kind->resistance)
                              : QStringList{ui::leftOutStringsLabel(plan.full.strings)});
    p.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace varelux
