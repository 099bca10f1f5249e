// Geometry and captions of the main window, in twips as designed.
#include "main_window/form1_layout.h"

#include "common/window_look.h"

namespace varelux {

namespace {

using ui::twipsRect;

constexpr int kClientWidth = 10695;
constexpr int kClientHeight = 5055;

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
    {PanelPart::SchemaButton, "cmd_Schema", Naming::Numbered, ControlRole::ReferenceButton, 0, 600,
     1095, 375, "Schema"},
    {PanelPart::SupplyLabel, "lbl_AlCirc", Naming::Standard, ControlRole::RowLabel, 0, 1200, 0, 0,
     "Tensione circuito:"},
    {PanelPart::Supply, "txt_AlCirc", Naming::Standard, ControlRole::DecimalField, 1920, 1200, 735,
     285, nullptr},
    {PanelPart::SupplyUnit, "lbl_VCirc", Naming::Standard, ControlRole::UnitLabel, 2760, 1200, 0, 0,
     "Volt"},
    {PanelPart::LedLabel, "lbl_AlLed", Naming::Standard, ControlRole::RowLabel, 0, 1560, 0, 0,
     "Tensione Led:"},
    {PanelPart::Led, "txt_AlLed", Naming::Standard, ControlRole::DecimalField, 1920, 1560, 735, 285,
     nullptr},
    {PanelPart::LedUnit, "lbl_VLed", Naming::Standard, ControlRole::UnitLabel, 2760, 1560, 0, 0,
     "Volt"},
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
    {PanelPart::CalculateButton, "cmd_Calcola", Naming::Standard, ControlRole::PanelButton, 0, 2640,
     1095, 375, "Calcola"},
    {PanelPart::ClearButton, "cmd_Canc", Naming::Standard, ControlRole::PanelButton, 1200, 2640,
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

struct ExtraRow {
    ExtraControl id;
    const char *name;
    ControlRole role;
    int left, top, width, height;
    const char *caption;
    std::optional<ReferenceId> opens = std::nullopt;
};

constexpr ExtraRow kBelowPanels[] = {
    {ExtraControl::TensLed, "cmd_TensLed", ControlRole::ReferenceButton, 120, 4080, 1815, 375,
     "Tensione Led", ReferenceId::Form5},
    {ExtraControl::ValResStd, "cmd_ValResStd", ControlRole::ReferenceButton, 2040, 4080, 1815, 375,
     "Valori standard", ReferenceId::Form6},
    {ExtraControl::PotMaxRes, "cmd_PotMaxRes", ControlRole::ReferenceButton, 3960, 4080, 1815, 375,
     "Potenza max res.", ReferenceId::Form7},
    {ExtraControl::Note1, "Label1", ControlRole::NoteLine, 120, 4560, 0, 0,
     "Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la somma dei valori di "
     "tensione ogni singolo Led."},
    {ExtraControl::Note2, "Label2", ControlRole::NoteLine, 120, 4800, 0, 0,
     "Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" la somma dei valori "
     "di corrente di ogni singolo Led."},
};

const PanelInfo kPanels[kPanelCount] = {
    {120, "Led singolo", ui::kGreen, false, "La corrente del Led non può essere uguale a zero",
     ReferenceId::Form2},
    {3720, "Led in serie", ui::kDarkRed, true, "La corrente dei Led non può essere uguale a zero",
     ReferenceId::Form3},
    {7320, "Led in parallelo", ui::kBlue, true, "La corrente dei Led non può essere uguale a zero",
     ReferenceId::Form4},
};

QString nameOf(const GridRow &row, int panel)
{
    static const char *const standard[] = {"", "2", "3"};
    static const char *const numbered[] = {"1", "2", "3"};
    static const char *const count[] = {"", "", "2"};
    const char *const *suffixes = row.naming == Naming::Standard   ? standard
                                  : row.naming == Naming::Numbered ? numbered
                                                                   : count;
    return QString::fromLatin1(row.base) + QString::fromLatin1(suffixes[panel]);
}

std::vector<ControlSpec> buildControls()
{
    std::vector<ControlSpec> controls;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const PanelInfo &info = kPanels[panel];
        for (const GridRow &row : kGrid) {
            if (row.naming == Naming::Count && !info.hasCount)
                continue;
            const QString caption =
                row.part == PanelPart::Heading ? info.heading : QString::fromUtf8(row.caption);
            std::optional<ReferenceId> opens;
            if (row.part == PanelPart::SchemaButton)
                opens = info.diagram;
            controls.push_back(
                {nameOf(row, panel), row.role,
                 twipsRect(info.originTwips + row.dx, row.top, row.width, row.height), caption,
                 panel, int(row.part), opens});
        }
    }
    for (const ExtraRow &row : kBelowPanels)
        controls.push_back({QString::fromLatin1(row.name), row.role,
                            twipsRect(row.left, row.top, row.width, row.height),
                            QString::fromUtf8(row.caption), -1, int(row.id), row.opens});
    return controls;
}

} // namespace

const PanelInfo &panelInfo(PanelId panel)
{
    return kPanels[int(panel)];
}

const std::vector<ControlSpec> &form1Controls()
{
    static const std::vector<ControlSpec> controls = buildControls();
    return controls;
}

QSize form1ClientSize()
{
    return QSize(ui::px(kClientWidth), ui::px(kClientHeight));
}

} // namespace varelux
