// Geometry, captions and colours of the main window (Form1), in twips.
#include "main_window/main_window_layout.h"

#include "common/window_look.h"

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

// How a panel control's name is formed from its base: "Standard" appends "", "2", "3";
// "Numbered" appends "1", "2", "3"; "Count" exists in the series ("") and parallel ("2") panels.
enum class Naming { Standard, Numbered, Count };

struct GridRow {
    PanelPart part;
    const char *base;
    Naming naming;
    ControlRole role;
    int dx, top, width, height; // twips from the panel origin; 0 x 0 = fitted to caption
    const char *caption;        // nullptr: the panel's heading, or empty
};

// The panel grid, in tab order.
constexpr GridRow kGrid[] = {
    {PanelPart::Heading, "lbl_DL", Naming::Numbered, ControlRole::Heading, 0, 120, 0, 0, nullptr},
    {PanelPart::SchemaButton, "cmd_Schema", Naming::Numbered, ControlRole::PushButton, 0, 600, 1095,
     375, "Schema"},
    {PanelPart::SupplyLabel, "lbl_AlCirc", Naming::Standard, ControlRole::RowLabel, 0, 1200, 0, 0,
     "Tensione circuito:"},
    {PanelPart::Supply, "txt_AlCirc", Naming::Standard, ControlRole::DecimalField, 1920, 1200, 735,
     285, nullptr},
    {PanelPart::SupplyUnit, "lbl_VCirc", Naming::Standard, ControlRole::UnitLabel, 2760, 1200, 0, 0,
     "Volt"},
    {PanelPart::LedVoltageLabel, "lbl_AlLed", Naming::Standard, ControlRole::RowLabel, 0, 1560, 0,
     0, "Tensione Led:"},
    {PanelPart::LedVoltage, "txt_AlLed", Naming::Standard, ControlRole::DecimalField, 1920, 1560,
     735, 285, nullptr},
    {PanelPart::LedVoltageUnit, "lbl_VLed", Naming::Standard, ControlRole::UnitLabel, 2760, 1560, 0,
     0, "Volt"},
    {PanelPart::CurrentLabel, "lbl_CorrLed", Naming::Standard, ControlRole::RowLabel, 0, 1920, 0, 0,
     "Corrente Led:"},
    {PanelPart::Current, "txt_CorrLed", Naming::Standard, ControlRole::DecimalField, 1920, 1920,
     735, 285, nullptr},
    {PanelPart::CurrentUnit, "lbl_ALed", Naming::Standard, ControlRole::UnitLabel, 2760, 1920, 0, 0,
     "mA"},
    {PanelPart::CountLabel, "lbl_NumLed", Naming::Count, ControlRole::RowLabel, 0, 2280, 0, 0,
     "Numero Led:"},
    {PanelPart::Count, "txt_NumLed", Naming::Count, ControlRole::CountField, 1920, 2280, 735, 285,
     nullptr},
    {PanelPart::CalculateButton, "cmd_Calcola", Naming::Standard, ControlRole::PushButton, 0, 2640,
     1095, 375, "Calcola"},
    {PanelPart::ClearButton, "cmd_Canc", Naming::Standard, ControlRole::PushButton, 1200, 2640,
     1095, 375, "Cancella"},
    {PanelPart::ResistanceLabel, "lbl_Res", Naming::Standard, ControlRole::RowLabel, 0, 3240, 0, 0,
     "Resistenza calcolata:"},
    {PanelPart::Resistance, "lbl_ResCalc", Naming::Standard, ControlRole::ResultLabel, 1920, 3240,
     825, 285, nullptr},
    {PanelPart::ResistanceUnit, "lbl_ohm", Naming::Standard, ControlRole::UnitLabel, 2880, 3240, 0,
     0, "ohm"},
    {PanelPart::PowerLabel, "lbl_Pot", Naming::Standard, ControlRole::RowLabel, 0, 3600, 0, 0,
     "Potenza dissipata:"},
    {PanelPart::Power, "lbl_Watt", Naming::Standard, ControlRole::ResultLabel, 1920, 3600, 825, 285,
     nullptr},
    {PanelPart::PowerUnit, "lbl_W", Naming::Standard, ControlRole::UnitLabel, 2880, 3600, 0, 0,
     "mW"},
};
static_assert(std::size(kGrid) == kPanelPartCount);

struct BelowPanelsRow {
    const char *name = nullptr;
    ControlRole role{};
    int left = 0, top = 0, width = 0, height = 0;
    const char *caption = nullptr;
    std::optional<ReferenceId> opens = std::nullopt;
};

constexpr BelowPanelsRow kBelowPanels[] = {
    {"cmd_TensLed", ControlRole::PushButton, 120, 4080, 1815, 375, "Tensione Led",
     ReferenceId::LedVoltages},
    {"cmd_ValResStd", ControlRole::PushButton, 2040, 4080, 1815, 375, "Valori standard",
     ReferenceId::StandardValues},
    {"cmd_PotMaxRes", ControlRole::PushButton, 3960, 4080, 1815, 375, "Potenza max res.",
     ReferenceId::PowerRatings},
    {"Label1", ControlRole::NoteLine, 120, 4560, 0, 0,
     "Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la somma dei valori di "
     "tensione ogni singolo Led."},
    {"Label2", ControlRole::NoteLine, 120, 4800, 0, 0,
     "Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" la somma dei valori "
     "di corrente di ogni singolo Led."},
};

// Where each panel sits, how it looks and the diagram its "Schema" opens.
struct PanelLook {
    int originTwips = 0;
    const char *heading = nullptr;
    QRgb headingColour = 0;
    bool hasCount = false;
    ReferenceId diagram{};
};

constexpr PanelLook kPanelLooks[kPanelCount] = {
    {120, "Led singolo", kGreen, false, ReferenceId::SingleDiagram},
    {3720, "Led in serie", kDarkRed, true, ReferenceId::SeriesDiagram},
    {7320, "Led in parallelo", kBlue, true, ReferenceId::ParallelDiagram},
};

std::vector<MainWindowRow> buildRows()
{
    std::vector<MainWindowRow> rows;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const PanelLook &look = kPanelLooks[panel];
        for (const GridRow &row : kGrid) {
            const QString name = controlName(PanelId(panel), row.part);
            if (name.isEmpty())
                continue;
            const bool heading = row.part == PanelPart::Heading;
            MainWindowRow item{
                {name, row.role,
                 twipsRect(look.originTwips + row.dx, row.top, row.width, row.height),
                 QString::fromUtf8(heading ? look.heading : row.caption)},
                PanelPlace{PanelId(panel), row.part},
                std::nullopt};
            if (row.part == PanelPart::SchemaButton)
                item.opens = look.diagram;
            if (heading)
                item.textColour = QColor(look.headingColour);
            rows.push_back(item);
        }
    }
    for (const BelowPanelsRow &row : kBelowPanels) {
        MainWindowRow item{{QString::fromLatin1(row.name), row.role,
                            twipsRect(row.left, row.top, row.width, row.height),
                            QString::fromUtf8(row.caption)},
                           std::nullopt,
                           row.opens};
        if (row.role == ControlRole::NoteLine)
            item.textColour = QColor(kDarkRed);
        rows.push_back(item);
    }
    return rows;
}

} // namespace

QString controlName(PanelId panel, PanelPart part)
{
    static const char *const standard[] = {"", "2", "3"};
    static const char *const numbered[] = {"1", "2", "3"};
    static const char *const count[] = {"", "", "2"};
    const GridRow &row = kGrid[int(part)];
    if (row.naming == Naming::Count && !kPanelLooks[int(panel)].hasCount)
        return QString();
    const char *const *suffixes = row.naming == Naming::Standard   ? standard
                                  : row.naming == Naming::Numbered ? numbered
                                                                   : count;
    return QString::fromLatin1(row.base) + QString::fromLatin1(suffixes[int(panel)]);
}

const std::vector<MainWindowRow> &mainWindowRows()
{
    static const std::vector<MainWindowRow> rows = buildRows();
    return rows;
}

QSize mainWindowSize()
{
    return QSize(ui::px(kClientWidth), ui::px(kClientHeight));
}

} // namespace varelux
