// Geometry, captions and colours of the main window (Form1), in twips.
#include "main_window/main_window_layout.h"

#include "common/language.h"
#include "common/texts.h"
#include "common/twips.h"

#include <QCoreApplication>

#include <map>

#include <iterator>

namespace varelux {

namespace {

using ui::ControlRole;
using ui::twipsRect;

constexpr int kClientWidth = 10695;
constexpr int kClientHeight = 5055;

// Text colours of the panel headings and the notes on a light button face.
// Constants rather than QColors, so that every table here is set before any code runs: a test's
// global may ask controlName() during the program's static initialisation.
constexpr QRgb kGreen = qRgb(0, 192, 0);
constexpr QRgb kDarkRed = qRgb(192, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

// A panel control's objectName is its base and the panel's number, counted from 1 among the
// panels that have the control (all of them, or for the count row those with several LEDs).
enum class Numbering {
    FromSecond, // the first panel's control has no number: txt_AlCirc, txt_AlCirc2, txt_AlCirc3
    FromFirst,  // every panel's has: lbl_DL1, lbl_DL2, lbl_DL3
};

struct GridRow {
    PanelPart part;
    const char *base;
    Numbering numbering;
    ControlRole role;
    // Twips: left from the panel's origin, top from the window's, as the panels share their
    // rows; a width and height of 0 fit the label to its caption.
    int leftFromOrigin, top, width, height;
    const char *caption; // nullptr: the panel's heading, or empty
};

// The panel grid, in tab order.
constexpr GridRow kGrid[] = {
    {PanelPart::Heading, "lbl_DL", Numbering::FromFirst, ControlRole::Heading, 0, 120, 0, 0,
     nullptr},
    {PanelPart::SchemaButton, "cmd_Schema", Numbering::FromFirst, ControlRole::PushButton, 0, 600,
     1095, 375, QT_TRANSLATE_NOOP("MainWindowLayout", "Schema")},
    {PanelPart::SupplyLabel, "lbl_AlCirc", Numbering::FromSecond, ControlRole::RowLabel, 0, 1200, 0,
     0, QT_TRANSLATE_NOOP("MainWindowLayout", "Tensione circuito:")},
    {PanelPart::Supply, "txt_AlCirc", Numbering::FromSecond, ControlRole::DecimalField, 1920, 1200,
     735, 285, nullptr},
    {PanelPart::SupplyUnit, "lbl_VCirc", Numbering::FromSecond, ControlRole::UnitLabel, 2760, 1200,
     0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "Volt")},
    {PanelPart::LedVoltageLabel, "lbl_AlLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 1560,
     0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "Tensione Led:")},
    {PanelPart::LedVoltage, "txt_AlLed", Numbering::FromSecond, ControlRole::DecimalField, 1920,
     1560, 735, 285, nullptr},
    {PanelPart::LedVoltageUnit, "lbl_VLed", Numbering::FromSecond, ControlRole::UnitLabel, 2760,
     1560, 0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "Volt")},
    {PanelPart::CurrentLabel, "lbl_CorrLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 1920,
     0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "Corrente Led:")},
    {PanelPart::Current, "txt_CorrLed", Numbering::FromSecond, ControlRole::DecimalField, 1920,
     1920, 735, 285, nullptr},
    {PanelPart::CurrentUnit, "lbl_ALed", Numbering::FromSecond, ControlRole::UnitLabel, 2760, 1920,
     0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "mA")},
    {PanelPart::CountLabel, "lbl_NumLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 2280, 0,
     0, QT_TRANSLATE_NOOP("MainWindowLayout", "Numero Led:")},
    {PanelPart::Count, "txt_NumLed", Numbering::FromSecond, ControlRole::CountField, 1920, 2280,
     735, 285, nullptr},
    {PanelPart::CalculateButton, "cmd_Calcola", Numbering::FromSecond, ControlRole::PushButton, 0,
     2640, 1095, 375, QT_TRANSLATE_NOOP("MainWindowLayout", "Calcola")},
    {PanelPart::ClearButton, "cmd_Canc", Numbering::FromSecond, ControlRole::PushButton, 1200, 2640,
     1095, 375, QT_TRANSLATE_NOOP("MainWindowLayout", "Cancella")},
    {PanelPart::ResistanceLabel, "lbl_Res", Numbering::FromSecond, ControlRole::RowLabel, 0, 3240,
     0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "Resistenza calcolata:")},
    {PanelPart::Resistance, "lbl_ResCalc", Numbering::FromSecond, ControlRole::ResultLabel, 1920,
     3240, 825, 285, nullptr},
    {PanelPart::ResistanceUnit, "lbl_ohm", Numbering::FromSecond, ControlRole::UnitLabel, 2880,
     3240, 0, 0, QT_TRANSLATE_NOOP("MainWindowLayout", "ohm")},
    {PanelPart::PowerLabel, "lbl_Pot", Numbering::FromSecond, ControlRole::RowLabel, 0, 3600, 0, 0,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Potenza dissipata:")},
    {PanelPart::Power, "lbl_Watt", Numbering::FromSecond, ControlRole::ResultLabel, 1920, 3600, 825,
     285, nullptr},
    {PanelPart::PowerUnit, "lbl_W", Numbering::FromSecond, ControlRole::UnitLabel, 2880, 3600, 0, 0,
     QT_TRANSLATE_NOOP("MainWindowLayout", "mW")},
};
static_assert(std::size(kGrid) == kPanelPartCount);
static_assert(
    [] {
        for (int i = 0; i < kPanelPartCount; ++i)
            if (kGrid[i].part != PanelPart(i))
                return false;
        return true;
    }(),
    "kGrid is in PanelPart order");

struct BelowPanelsRow {
    const char *name = nullptr;
    ControlRole role{};
    int left = 0, top = 0, width = 0, height = 0;
    const char *caption = nullptr;
    std::optional<ReferenceId> opens = std::nullopt;
};

constexpr BelowPanelsRow kBelowPanels[] = {
    {"cmd_TensLed", ControlRole::PushButton, 120, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Tensione Led"), ReferenceId::LedVoltages},
    {"cmd_ValResStd", ControlRole::PushButton, 2040, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Valori standard"), ReferenceId::StandardValues},
    {"cmd_PotMaxRes", ControlRole::PushButton, 3960, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Potenza max res."), ReferenceId::PowerRatings},
    {"cmd_MatriceLed", ControlRole::PushButton, 5880, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("MainWindowLayout", "Matrice di Led"), ReferenceId::LedArray},
    {"Label1", ControlRole::NoteLine, 120, 4560, 0, 0,
     QT_TRANSLATE_NOOP("MainWindowLayout",
                       "Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la "
                       "somma dei valori di tensione ogni singolo Led.")},
    {"Label2", ControlRole::NoteLine, 120, 4800, 0, 0,
     QT_TRANSLATE_NOOP("MainWindowLayout",
                       "Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" "
                       "la somma dei valori di corrente di ogni singolo Led.")},
};

// Where each circuit's panel sits and the colour of its heading, in Circuit order.
struct PanelLook {
    int originTwips = 0;
    QRgb headingColour = 0;
};

constexpr PanelLook kPanelLooks[] = {
    {120, kGreen},
    {3720, kDarkRed},
    {7320, kBlue},
};
static_assert(std::size(kPanelLooks) == kCircuitCount);

// A caption of the tables above in the language in use; none stays none.
QString translated(const char *caption)
{
    return caption ? QCoreApplication::translate("MainWindowLayout", caption) : QString();
}

bool hasRow(Circuit circuit, PanelPart part)
{
    return !isCountRow(part) || circuitKind(circuit).severalLeds;
}

std::vector<MainWindowRow> buildRows()
{
    std::vector<MainWindowRow> rows;
    for (const Circuit circuit : kAllCircuits) {
        const PanelLook &look = kPanelLooks[int(circuit)];
        for (const GridRow &row : kGrid) {
            if (!hasRow(circuit, row.part))
                continue;
            const bool heading = row.part == PanelPart::Heading;
            MainWindowRow item{
                {controlName(circuit, row.part), row.role,
                 twipsRect(look.originTwips + row.leftFromOrigin, row.top, row.width, row.height),
                 heading ? ui::circuitHeading(circuit) : translated(row.caption)},
                PanelPlace{circuit, row.part},
                std::nullopt};
            if (row.part == PanelPart::SchemaButton)
                item.opens = diagramWindow(circuit);
            if (heading)
                item.textColour = QColor(look.headingColour);
            rows.push_back(item);
        }
    }
    for (const BelowPanelsRow &row : kBelowPanels) {
        MainWindowRow item{{QString::fromLatin1(row.name), row.role,
                            twipsRect(row.left, row.top, row.width, row.height),
                            translated(row.caption)},
                           std::nullopt,
                           row.opens};
        if (row.role == ControlRole::NoteLine)
            item.textColour = QColor(kDarkRed);
        rows.push_back(item);
    }
    return rows;
}

} // namespace

QString controlName(Circuit circuit, PanelPart part)
{
    if (!hasRow(circuit, part))
        return QString();
    int number = 0; // among the panels that have the row, up to this one
    for (int i = 0; i <= int(circuit); ++i)
        number += hasRow(Circuit(i), part) ? 1 : 0;
    const GridRow &row = kGrid[int(part)];
    const QString base = QString::fromLatin1(row.base);
    if (number == 1 && row.numbering == Numbering::FromSecond)
        return base;
    return base + QString::number(number);
}

const std::vector<MainWindowRow> &mainWindowRows()
{
    // Built once per language: the captions are in the language in use.
    static std::map<QString, std::vector<MainWindowRow>> rows;
    auto [built, isNew] = rows.try_emplace(ui::currentLanguage());
    if (isNew)
        built->second = buildRows();
    return built->second;
}

QSize mainWindowSize()
{
    return QSize(ui::twipsToPixels(kClientWidth), ui::twipsToPixels(kClientHeight));
}

} // namespace varelux
