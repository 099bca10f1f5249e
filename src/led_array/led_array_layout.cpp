// Geometry and captions of the LED array planner (Form8), in twips. The fields share the grid of
// a main-window panel: row labels at the left, fields 1920 twips further, units 2760 twips
// further, a row every 360 twips. The plan in words sits under the buttons, the drawing to its
// right. In the phone arrangement they lie one under the other.
#include "led_array/led_array_layout.h"

#include "common/language.h"
#include "common/twips.h"

#include <QCoreApplication>

#include <iterator>
#include <map>

namespace varelux {

namespace {

using ui::ControlRole;

constexpr int kClientWidth = 12510;
constexpr int kClientHeight = 5760;
constexpr QPoint kDrawingTopLeftTwips{5460, 120};

struct Row {
    ArrayPart part;
    const char *name;
    ControlRole role;
    int left, top, width, height; // twips; a width and height of 0 fit a label to its caption
    const char *caption;          // nullptr: none
};

constexpr Row kRows[] = {
    {ArrayPart::SupplyLabel, "lbl_AlCirc", ControlRole::RowLabel, 120, 120, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Tensione circuito:")},
    {ArrayPart::Supply, "txt_AlCirc", ControlRole::DecimalField, 2040, 120, 735, 285, nullptr},
    {ArrayPart::SupplyUnit, "lbl_VCirc", ControlRole::UnitLabel, 2880, 120, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Volt")},
    {ArrayPart::LedVoltageLabel, "lbl_AlLed", ControlRole::RowLabel, 120, 480, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Tensione Led:")},
    {ArrayPart::LedVoltage, "txt_AlLed", ControlRole::DecimalField, 2040, 480, 735, 285, nullptr},
    {ArrayPart::LedVoltageUnit, "lbl_VLed", ControlRole::UnitLabel, 2880, 480, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Volt")},
    {ArrayPart::CurrentLabel, "lbl_CorrLed", ControlRole::RowLabel, 120, 840, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Corrente Led:")},
    {ArrayPart::Current, "txt_CorrLed", ControlRole::DecimalField, 2040, 840, 735, 285, nullptr},
    {ArrayPart::CurrentUnit, "lbl_ALed", ControlRole::UnitLabel, 2880, 840, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "mA")},
    {ArrayPart::CountLabel, "lbl_NumLed", ControlRole::RowLabel, 120, 1200, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Numero Led:")},
    {ArrayPart::Count, "txt_NumLed", ControlRole::CountField, 2040, 1200, 735, 285, nullptr},
    {ArrayPart::MarginLabel, "lbl_Margine", ControlRole::RowLabel, 120, 1560, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Margine minimo:")},
    {ArrayPart::Margin, "txt_Margine", ControlRole::DecimalField, 2040, 1560, 735, 285, nullptr},
    {ArrayPart::MarginUnit, "lbl_VMargine", ControlRole::UnitLabel, 2880, 1560, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Volt")},
    {ArrayPart::MarginNote, "lbl_NotaMargine", ControlRole::NoteLine, 120, 1890, 0, 0,
     QT_TRANSLATE_NOOP("Captions", "Vuoto: un decimo della tensione del circuito")},
    {ArrayPart::CalculateButton, "cmd_Calcola", ControlRole::DefaultButton, 120, 2280, 1095, 375,
     QT_TRANSLATE_NOOP("Captions", "Calcola")},
    {ArrayPart::ClearButton, "cmd_Canc", ControlRole::PushButton, 1320, 2280, 1095, 375,
     QT_TRANSLATE_NOOP("Captions", "Cancella")},
    {ArrayPart::Plan, "lbl_Piano", ControlRole::TextPanel, 120, 2820, 5100, 2820, nullptr},
};
static_assert(std::size(kRows) == kArrayPartCount);
static_assert(
    [] {
        for (int i = 0; i < kArrayPartCount; ++i)
            if (kRows[i].part != ArrayPart(i))
                return false;
        return true;
    }(),
    "kRows is in ArrayPart order");

// The phone arrangement, in ArrayPart order (phone_arrangement.h): the fields with their labels
// and units, the note, the buttons, then the words and, under them, the drawing.
struct PhoneRow {
    ArrayPart part{};
    ui::PhoneCell cell;
};
constexpr PhoneRow kPhoneRows[] = {
    {ArrayPart::SupplyLabel, {0, 0}},
    {ArrayPart::Supply, {0, 1}},
    {ArrayPart::SupplyUnit, {0, 2}},
    {ArrayPart::LedVoltageLabel, {1, 0}},
    {ArrayPart::LedVoltage, {1, 1}},
    {ArrayPart::LedVoltageUnit, {1, 2}},
    {ArrayPart::CurrentLabel, {2, 0}},
    {ArrayPart::Current, {2, 1}},
    {ArrayPart::CurrentUnit, {2, 2}},
    {ArrayPart::CountLabel, {3, 0}},
    {ArrayPart::Count, {3, 1}},
    {ArrayPart::MarginLabel, {4, 0}},
    {ArrayPart::Margin, {4, 1}},
    {ArrayPart::MarginUnit, {4, 2}},
    {ArrayPart::MarginNote, {5, 0, ui::kPhoneColumns}},
    {ArrayPart::CalculateButton, {6, 0}},
    {ArrayPart::ClearButton, {6, 1, 2}},
    {ArrayPart::Plan, {7, 0, ui::kPhoneColumns}},
};
static_assert(std::size(kPhoneRows) == kArrayPartCount);
static_assert(
    [] {
        for (int i = 0; i < kArrayPartCount; ++i)
            if (kPhoneRows[i].part != ArrayPart(i))
                return false;
        return true;
    }(),
    "kPhoneRows is in ArrayPart order");
constexpr ui::PhoneCell kDrawingPhoneCell{8, 0, ui::kPhoneColumns};

// A caption of the table above in the language in use; none stays none.
QString translated(const char *caption)
{
    return caption ? QCoreApplication::translate("Captions", caption) : QString();
}

LedArrayLayout buildLayout()
{
    LedArrayLayout layout{QStringLiteral("Form8"),
                          QCoreApplication::translate("Captions", "Matrice di Led"),
                          QSize(ui::twipsToPixels(kClientWidth), ui::twipsToPixels(kClientHeight)),
                          {},
                          QStringLiteral("img_Matrice"),
                          QPoint(ui::twipsToPixels(kDrawingTopLeftTwips.x()),
                                 ui::twipsToPixels(kDrawingTopLeftTwips.y())),
                          {},
                          kDrawingPhoneCell};
    for (const Row &row : kRows)
        layout.rows.push_back({QString::fromLatin1(row.name), row.role,
                               ui::twipsRect(row.left, row.top, row.width, row.height),
                               translated(row.caption)});
    for (const PhoneRow &row : kPhoneRows)
        layout.phoneCells.push_back(row.cell);
    return layout;
}

} // namespace

const LedArrayLayout &ledArrayLayout()
{
    // Built once per language: the captions are in the language in use.
    static std::map<QString, LedArrayLayout> layouts;
    auto [built, isNew] = layouts.try_emplace(ui::currentLanguage());
    if (isNew)
        built->second = buildLayout();
    return built->second;
}

} // namespace varelux
