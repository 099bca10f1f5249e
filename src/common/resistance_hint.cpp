// Rich text of the resistance hint and the drawn resistors.
#include "common/resistance_hint.h"

#include "common/texts.h"
#include "core/colour_code.h"

#include <QColor>
#include <QStringList>

#include <iterator>

namespace varelux::ui {

namespace {

// The colours a band is printed in, in BandColour order.
constexpr QRgb kBandRgb[] = {qRgb(0, 0, 0),       qRgb(139, 69, 19),  qRgb(220, 0, 0),
                             qRgb(255, 140, 0),   qRgb(255, 230, 0),  qRgb(0, 160, 0),
                             qRgb(0, 80, 230),    qRgb(140, 0, 220),  qRgb(128, 128, 128),
                             qRgb(255, 255, 255), qRgb(212, 175, 55), qRgb(192, 192, 192),
                             qRgb(255, 105, 180)};
static_assert(std::size(kBandRgb) == kBandColourCount);

constexpr QRgb kBody = qRgb(232, 211, 164); // a carbon-film body's beige
constexpr QRgb kOutline = qRgb(64, 64, 64); // around the body

// Widths in pixels: body before the first band, each band, the body between two bands, the wider
// gap before the tolerance band, and the body after it.
constexpr int kEnd = 4, kBand = 3, kGap = 2, kToleranceGap = 5;
constexpr int kBodyHeight = 9;

QString cell(QRgb colour, int width)
{
    return QStringLiteral("<td width=\"%1\" bgcolor=\"%2\"></td>")
        .arg(width)
        .arg(QColor(colour).name());
}

// The resistor body with its bands, the tolerance band set apart, inside a one-pixel outline.
QString drawnResistor(const std::vector<BandColour> &bands)
{
    QString cells = cell(kBody, kEnd);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (i > 0)
            cells += cell(kBody, i + 1 == bands.size() ? kToleranceGap : kGap);
        cells += cell(kBandRgb[std::size_t(bands[i])], kBand);
    }
    cells += cell(kBody, kEnd);
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" bgcolor=\"%1\"><tr><td>"
                          "<table cellspacing=\"0\" cellpadding=\"0\" height=\"%2\"><tr>%3</tr>"
                          "</table></td></tr></table>")
        .arg(QColor(kOutline).name())
        .arg(kBodyHeight)
        .arg(cells);
}

// Each line of a hint whole, as a tooltip shows it (wrappedToWidth undoes it).
constexpr auto kWholeLines = "white-space:pre";

QString paragraph(const QString &text)
{
    return QStringLiteral("<p style=\"%1\">%2</p>")
        .arg(QLatin1String(kWholeLines), text.toHtmlEscaped());
}

// One row per value: the drawn resistor, then the value, its current and its bands in words;
// below them, where the resistance lies beyond the series, which end.
QString valueRows(const ResistorHints &hints, ESeries series)
{
    QString rows;
    for (const StandardResistor &value : hints.nearest) {
        const std::vector<BandColour> bands = colourBands(value.value, series);
        rows += QStringLiteral("<tr><td valign=\"middle\">%1</td>"
                               "<td valign=\"middle\" style=\"%2\"> %3</td></tr>")
                    .arg(drawnResistor(bands), QLatin1String(kWholeLines),
                         standardValueLine(value, bands).toHtmlEscaped());
        if (const QString risk = riskSentence(value); !risk.isEmpty())
            rows += QStringLiteral("<tr><td></td><td style=\"%1\"> %2</td></tr>")
                        .arg(QLatin1String(kWholeLines), risk.toHtmlEscaped());
    }
    QString html =
        QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">%1</table>").arg(rows);
    if (const QString beyond = beyondSeriesHint(hints.reach, series); !beyond.isEmpty())
        html += paragraph(beyond);
    return html;
}

} // namespace

QString wrappedToWidth(QString html)
{
    return html.replace(QLatin1String(kWholeLines), QLatin1String("white-space:normal"));
}

QString standardValuesHtml(const ResistorHints &hints, ESeries series)
{
    if (hints.nearest.empty())
        return QString();
    return paragraph(standardValuesHeading(series)) + valueRows(hints, series);
}

QString resistanceHint(const ResistorHints &hints, ESeries series,
                       const std::optional<BranchResistor> &branch, const Tolerances &tolerances)
{
    QString html;
    if (hints.supplyNotAboveLeds)
        html += paragraph(supplyNotAboveLedsHint());
    html += standardValuesHtml(hints, series);
    if (const QString rating = ratingHint(hints); !rating.isEmpty())
        html += paragraph(rating);
    if (branch) {
        html += paragraph(branchResistorHint(*branch));
        if (!branch->hints.nearest.empty())
            html += valueRows(branch->hints, series);
    }
    if (!hints.nearest.empty())
        html += paragraph(tolerancesLine(tolerances, series));
    return html.isEmpty() ? QString() : QStringLiteral("<html>") + html + QStringLiteral("</html>");
}

} // namespace varelux::ui
