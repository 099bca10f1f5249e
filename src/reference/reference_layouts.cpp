// The six reference windows as data. Geometry is in twips.
//
// The windows are, by their objectName: Form2, Form3 and Form4 the wiring diagrams of one LED,
// of LEDs in series and in parallel; Form5 the LED voltages by colour; Form6 the E12 table;
// Form7 the resistor power ratings.
#include "reference/reference_layouts.h"

#include "common/language.h"
#include "common/texts.h"
#include "common/twips.h"
#include "core/number_text.h"
#include "core/standard_values.h"
#include "reference/diagrams.h"
#include "reference/e12_picture.h"

#include <QCoreApplication>

#include <iterator>
#include <utility>

namespace varelux {

namespace {

// The translation context of the windows' captions and table labels.
class ReferenceLayouts {
    Q_DECLARE_TR_FUNCTIONS(ReferenceLayouts)
};

using ui::ControlRole;
using ui::LayoutRow;
using ui::twipsRect;
using ui::twipsToPixels;

// The diagram windows, in Circuit order: the window's name and client size, and its picture's
// name. A diagram sits at 600, 360 twips (40, 24 px) with a free margin around it.
struct DiagramWindow {
    const char *name;
    int widthTwips, heightTwips;
    const char *pictureName;
};
constexpr DiagramWindow kDiagramWindows[] = {
    {"Form2", 2055, 3015, "img_DL1"},
    {"Form3", 2055, 3975, "img_DL2"},
    {"Form4", 3615, 3975, "img_DL3"},
};
static_assert(std::size(kDiagramWindows) == kCircuitCount);
constexpr QPoint kDiagramTopLeft{twipsToPixels(600), twipsToPixels(360)};

QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

ReferenceLayout diagramLayout(Circuit circuit)
{
    const DiagramWindow &window = kDiagramWindows[int(circuit)];
    // The diagram follows the window's colours; screen readers read the circuit in its place.
    PictureLayout picture{QString::fromLatin1(window.pictureName),
                          kDiagramTopLeft,
                          diagramSize(circuit),
                          [circuit](qreal dpr, const QPalette &palette) {
                              return drawDiagram(circuit, dpr, diagramColours(palette));
                          },
                          ui::diagramText(circuit),
                          QString()};
    return {QString::fromLatin1(window.name), ui::circuitHeading(circuit),
            twipsSize(window.widthTwips, window.heightTwips), true, std::move(picture)};
}

ReferenceLayout e12Layout()
{
    // The table keeps its own white and yellow-green under any palette.
    PictureLayout picture{
        QStringLiteral("Image1"), QPoint(0, 0),
        kE12PictureSize,          [](qreal dpr, const QPalette &) { return drawE12Table(dpr); },
        ui::e12PictureName(),     ui::e12PictureValues()};
    return {QStringLiteral("Form6"), ReferenceLayouts::tr("Valori standard delle resistenze"),
            twipsSize(9030, 3075), false, std::move(picture)};
}

constexpr int kTableTop = 120; // first row
constexpr int kRowPitch = 240; // between rows

LayoutRow tableLabel(const QString &name, ControlRole role, int leftTwips, int topTwips,
                     const QString &caption)
{
    return {name, role, twipsRect(leftTwips, topTwips, 0, 0), caption};
}

// "OK", centred across the window, 8 px above its bottom edge.
LayoutRow okButton(int leftTwips, int topTwips)
{
    return {QStringLiteral("cmd_OK"), ControlRole::PushButton,
            twipsRect(leftTwips, topTwips, 1215, 375),
            QCoreApplication::translate("Captions", "OK")};
}

// Typical LED forward voltages by colour: the colour label at 120 twips, the voltage at 1320.
ReferenceLayout voltagesLayout()
{
    struct Row {
        const char *colourName, *colour;
        double volts;
    };
    static constexpr Row kRows[] = {
        {"lbl_Lrosso", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led rosso:"), 1.8},
        {"lbl_Lverde", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led verde:"), 2},
        {"lbl_Lgiallo", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led giallo:"), 1.9},
        {"lbl_Larancio", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led arancio:"), 2},
        {"lbl_Lblu", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led blu:"), 3},
        {"lbl_Lbianco", QT_TRANSLATE_NOOP("ReferenceLayouts", "Led bianco:"), 3},
    };
    TableLayout table{{}, okButton(1080, 1680)};
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const int top = kTableTop + i * kRowPitch;
        table.rows.push_back(tableLabel(QString::fromLatin1(kRows[i].colourName),
                                        ControlRole::RowLabel, 120, top,
                                        ReferenceLayouts::tr(kRows[i].colour)));
        table.rows.push_back(
            tableLabel(QStringLiteral("lbl_Tens%1").arg(i + 1), ControlRole::ValueLabel, 1320, top,
                       QString::fromStdString(writeNumber(kRows[i].volts, ui::decimalSeparator())) +
                           QStringLiteral(" V")));
    }
    return {QStringLiteral("Form5"), ReferenceLayouts::tr("Tensione di alimentazione dei Led"),
            twipsSize(3375, 2175), true, std::move(table)};
}

// Power ratings in watts and in milliwatts. The rating column ends at 840 twips: its labels
// are placed by their Left, not aligned; the milliwatt labels start 120 twips further left for
// each digit beyond three.
ReferenceLayout ratingsLayout()
{
    static constexpr int kRatingLeft[] = {120, 120, 120, 315, 315, 315, 315, 210, 210, 210};
    static_assert(std::size(kRatingLeft) == kPowerRatingsMilliwatts.size());
    TableLayout table{{}, okButton(600, 2640)};
    for (int i = 0; i < int(kPowerRatingsMilliwatts.size()); ++i) {
        const int milliwatts = kPowerRatingsMilliwatts[std::size_t(i)];
        const QString digits = QString::number(milliwatts);
        const int top = kTableTop + i * kRowPitch;
        table.rows.push_back(tableLabel(QStringLiteral("lbl_WRes%1").arg(i + 1),
                                        ControlRole::RowLabel, kRatingLeft[i], top,
                                        ui::ratingText(milliwatts) + QStringLiteral(" =")));
        table.rows.push_back(
            tableLabel(QStringLiteral("lbl_PotRes%1").arg(i + 1), ControlRole::ValueLabel,
                       1200 - 120 * (int(digits.size()) - 3), top, digits + QStringLiteral(" mW")));
    }
    return {QStringLiteral("Form7"), ReferenceLayouts::tr("Max potenza dissipabile"),
            twipsSize(2415, 3135), true, std::move(table)};
}

} // namespace

ReferenceLayout referenceLayout(ReferenceId id)
{
    if (const std::optional<Circuit> circuit = diagramShown(id))
        return diagramLayout(*circuit);
    if (id == ReferenceId::LedVoltages)
        return voltagesLayout();
    if (id == ReferenceId::StandardValues)
        return e12Layout();
    return ratingsLayout();
}

} // namespace varelux
