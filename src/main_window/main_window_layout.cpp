// Geometry, captions and colours of the main window (Form1), in twips, and its phone arrangement.
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
     1095, 375, QT_TRANSLATE_NOOP("Captions", "Schema")},
    {PanelPart::SupplyLabel, "lbl_AlCirc", Numbering::FromSecond, ControlRole::RowLabel, 0, 1200, 0,
     0, QT_TRANSLATE_NOOP("Captions", "Tensione circuito:")},
    {PanelPart::Supply, "txt_AlCirc", Numbering::FromSecond, ControlRole::DecimalField, 1920, 1200,
     735, 285, nullptr},
    {PanelPart::SupplyUnit, "lbl_VCirc", Numbering::FromSecond, ControlRole::UnitLabel, 2760, 1200,
     0, 0, QT_TRANSLATE_NOOP("Captions", "Volt")},
    {PanelPart::LedVoltageLabel, "lbl_AlLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 1560,
     0, 0, QT_TRANSLATE_NOOP("Captions", "Tensione Led:")},
    {PanelPart::LedVoltage, "txt_AlLed", Numbering::FromSecond, ControlRole::DecimalField, 1920,
     1560, 735, 285, nullptr},
    {PanelPart::LedVoltageUnit, "lbl_VLed", Numbering::FromSecond, ControlRole::UnitLabel, 2760,
     1560, 0, 0, QT_TRANSLATE_NOOP("Captions", "Volt")},
    {PanelPart::CurrentLabel, "lbl_CorrLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 1920,
     0, 0, QT_TRANSLATE_NOOP("Captions", "Corrente Led:")},
    {PanelPart::Current, "txt_CorrLed", Numbering::FromSecond, ControlRole::DecimalField, 1920,
     1920, 735, 285, nullptr},
    {PanelPart::CurrentUnit, "lbl_ALed", Numbering::FromSecond, ControlRole::UnitLabel, 2760, 1920,
     0, 0, QT_TRANSLATE_NOOP("Captions", "mA")},
    {PanelPart::CountLabel, "lbl_NumLed", Numbering::FromSecond, ControlRole::RowLabel, 0, 2280, 0,
     0, QT_TRANSLATE_NOOP("Captions", "Numero Led:")},
    {PanelPart::Count, "txt_NumLed", Numbering::FromSecond, ControlRole::CountField, 1920, 2280,
     735, 285, nullptr},
    {PanelPart::CalculateButton, "cmd_Calcola", Numbering::FromSecond, ControlRole::PushButton, 0,
     2640, 1095, 375, QT_TRANSLATE_NOOP("Captions", "Calcola")},
    {PanelPart::ClearButton, "cmd_Canc", Numbering::FromSecond, ControlRole::PushButton, 1200, 2640,
     1095, 375, QT_TRANSLATE_NOOP("Captions", "Cancella")},
    {PanelPart::ResistanceLabel, "lbl_Res", Numbering::FromSecond, ControlRole::RowLabel, 0, 3240,
     0, 0, QT_TRANSLATE_NOOP("Captions", "Resistenza calcolata:")},
    {PanelPart::Resistance, "lbl_ResCalc", Numbering::FromSecond, ControlRole::ResultLabel, 1920,
     3240, 825, 285, nullptr},
    {PanelPart::ResistanceUnit, "lbl_ohm", Numbering::FromSecond, ControlRole::UnitLabel, 2880,
     3240, 0, 0, QT_TRANSLATE_NOOP("Captions", "ohm")},
    {PanelPart::PowerLabel, "lbl_Pot", Numbering::FromSecond, ControlRole::RowLabel, 0, 3600, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Potenza dissipata:")},
    {PanelPart::Power, "lbl_Watt", Numbering::FromSecond, ControlRole::ResultLabel, 1920, 3600, 825,
     285, nullptr},
    {PanelPart::PowerUnit, "lbl_W", Numbering::FromSecond, ControlRole::UnitLabel, 2880, 3600, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "mW")},
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

// The phone arrangement of a panel, in PanelPart order: the panels lie one under the other, each
// on kPanelLines lines of the phone grid (phone_arrangement.h), its heading, "Schema", the
// fields with their labels and units, the buttons and the results, then the resistance's hint,
// which the designed arrangement shows only as a tooltip.
struct PhoneRow {
    PanelPart part{};
    ui::PhoneCell cell; // its line counted from the panel's first
};
constexpr int kPanelLines = 10;
constexpr int kHintLine = kPanelLines - 1;
constexpr PhoneRow kPhoneGrid[] = {
    {PanelPart::Heading, {0, 0, ui::kPhoneColumns}},
    {PanelPart::SchemaButton, {1, 0}},
    {PanelPart::SupplyLabel, {2, 0}},
    {PanelPart::Supply, {2, 1}},
    {PanelPart::SupplyUnit, {2, 2}},
    {PanelPart::LedVoltageLabel, {3, 0}},
    {PanelPart::LedVoltage, {3, 1}},
    {PanelPart::LedVoltageUnit, {3, 2}},
    {PanelPart::CurrentLabel, {4, 0}},
    {PanelPart::Current, {4, 1}},
    {PanelPart::CurrentUnit, {4, 2}},
    {PanelPart::CountLabel, {5, 0}},
    {PanelPart::Count, {5, 1}},
    {PanelPart::CalculateButton, {6, 0}},
    {PanelPart::ClearButton, {6, 1, 2}},
    {PanelPart::ResistanceLabel, {7, 0}},
    {PanelPart::Resistance, {7, 1}},
    {PanelPart::ResistanceUnit, {7, 2}},
    {PanelPart::PowerLabel, {8, 0}},
    {PanelPart::Power, {8, 1}},
    {PanelPart::PowerUnit, {8, 2}},
};
static_assert(std::size(kPhoneGrid) == kPanelPartCount);
static_assert(
    [] {
        for (int i = 0; i < kPanelPartCount; ++i)
            if (kPhoneGrid[i].part != PanelPart(i))
                return false;
        return true;
    }(),
    "kPhoneGrid is in PanelPart order");

struct BelowPanelsRow {
    const char *name = nullptr;
    ControlRole role{};
    int left = 0, top = 0, width = 0, height = 0;
    const char *caption = nullptr;
    std::optional<ReferenceId> opens = std::nullopt;
    bool opensLedArray = false;
};

constexpr BelowPanelsRow kBelowPanels[] = {
    {"cmd_TensLed", ControlRole::PushButton, 120, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("Captions", "Tensione Led"), ReferenceId::LedVoltages},
    {"cmd_ValResStd", ControlRole::PushButton, 2040, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("Captions", "Valori standard"), ReferenceId::StandardValues},
    {"cmd_PotMaxRes", ControlRole::PushButton, 3960, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("Captions", "Potenza max res."), ReferenceId::PowerRatings},
    {"cmd_MatriceLed", ControlRole::PushButton, 5880, 4080, 1815, 375,
     QT_TRANSLATE_NOOP("Captions", "Matrice di Led"), std::nullopt, true},
    {"Label1", ControlRole::NoteLine, 120, 4560, 0, 0,
     QT_TRANSLATE_NOOP("Captions",
                       "Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la "
                       "somma dei valori di tensione ogni singolo Led.")},
    {"Label2", ControlRole::NoteLine, 120, 4800, 0, 0,
     QT_TRANSLATE_NOOP("Captions",
                       "Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" "
                       "la somma dei valori di corrente di ogni singolo Led.")},
};

// Below the panels in the phone arrangement, in kBelowPanels order: the buttons two to a line,
// then the notes, each on a line of its own, wrapped to the width.
constexpr ui::PhoneCell kPhoneBelowPanels[] = {
    {0, 0}, {0, 1, 2}, {1, 0}, {1, 1, 2}, {2, 0, ui::kPhoneColumns}, {3, 0, ui::kPhoneColumns},
};
static_assert(std::size(kPhoneBelowPanels) == std::size(kBelowPanels));

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

// A caption of the tables above in the language in use; none stays none. The main window and the
// planner word their captions in one translation context, so a caption both show ("Calcola",
// "Tensione Led:") is translated once.
QString translated(const char *caption)
{
    return caption ? QCoreApplication::translate("Captions", caption) : QString();
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
            ui::PhoneCell phone = kPhoneGrid[int(row.part)].cell;
            phone.line += int(circuit) * kPanelLines;
            MainWindowRow item{
                {controlName(circuit, row.part), row.role,
                 twipsRect(look.originTwips + row.leftFromOrigin, row.top, row.width, row.height),
                 heading ? ui::circuitHeading(circuit) : translated(row.caption)},
                phone,
                PanelPlace{circuit, row.part},
                std::nullopt};
            if (row.part == PanelPart::SchemaButton)
                item.opens = diagramWindow(circuit);
            if (heading)
                item.textColour = QColor(look.headingColour);
            rows.push_back(item);
        }
    }
    for (std::size_t i = 0; i < std::size(kBelowPanels); ++i) {
        const BelowPanelsRow &row = kBelowPanels[i];
        ui::PhoneCell phone = kPhoneBelowPanels[i];
        phone.line += kCircuitCount * kPanelLines;
        MainWindowRow item{{QString::fromLatin1(row.name), row.role,
                            twipsRect(row.left, row.top, row.width, row.height),
                            translated(row.caption)},
                           phone,
                           std::nullopt,
                           row.opens,
                           row.opensLedArray};
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

ui::PhoneCell phoneHintCell(Circuit circuit)
{
    return {int(circuit) * kPanelLines + kHintLine, 0, ui::kPhoneColumns};
}

QSize mainWindowSize()
{
    return QSize(ui::twipsToPixels(kClientWidth), ui::twipsToPixels(kClientHeight));
}

} // namespace varelux
