// What each reference window holds, as data: caption and client size, then a picture or a
// table of labels with its "OK" button. Geometry is in twips.
//
// The windows are, by their objectName: Form2, Form3 and Form4 the wiring diagrams of one LED,
// of LEDs in series and in parallel; Form5 the LED voltages by colour; Form6 the E12 table;
// Form7 the resistor power ratings.
#include "reference/reference_layouts.h"

#include "common/controls.h"
#include "common/texts.h"
#include "core/standard_values.h"
#include "reference/diagrams.h"
#include "reference/e12_picture.h"
#include "reference/picture.h"
#include "reference/reference_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace varelux {

namespace {

using ui::ControlRole;
using ui::LayoutRow;
using ui::px;
using ui::twipsRect;

struct ReferenceLayout {
    const char *name;
    const char *caption;
    int widthTwips, heightTwips;
    bool closesOnBareClick; // the E12 picture covers its whole window, so that one has none
    void (*build)(ReferenceWindow &window);
};

// A diagram sits at 600, 360 twips (40, 24 px) with a free margin around it.
template <DiagramId id> void buildDiagram(ReferenceWindow &window)
{
    static constexpr const char *kNames[] = {"img_DL1", "img_DL2", "img_DL3"};
    auto *picture = new Picture(
        QString::fromLatin1(kNames[int(id)]), QPoint(px(600), px(360)), diagramSize(id),
        [](qreal dpr, const QPalette &palette) {
            return drawDiagram(id, dpr, diagramColours(palette));
        },
        &window);
    // Screen readers read the circuit in place of the picture.
    static QString (*const kTexts[])() = {&ui::singleDiagramText, &ui::seriesDiagramText,
                                          &ui::parallelDiagramText};
    picture->setAccessibleName(kTexts[int(id)]());
    window.closeOnClick(picture);
}

void buildE12(ReferenceWindow &window)
{
    // The table keeps its own white and yellow-green under any palette.
    auto *picture = new Picture(
        QStringLiteral("Image1"), QPoint(0, 0), kE12PictureSize,
        [](qreal dpr, const QPalette &) { return drawE12Table(dpr); }, &window);
    picture->setAccessibleName(ui::e12PictureName());
    picture->setAccessibleDescription(ui::e12PictureValues());
    window.closeOnClick(picture);
}

// "OK" closes its window by a click, Space or Enter. Enter is taken here rather than through
// the auto-default mechanism, which would make the button the window's default button.
class OkButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// The rows of a table window, then its "OK" button: centred across the window, 8 px above its
// bottom edge, and the only control that takes focus.
void buildTable(ReferenceWindow &window, const std::vector<LayoutRow> &rows, QPoint okTwips)
{
    // Rows come as pairs, the row's label first, and are made in that order, which is the order
    // screen readers go through a window's children; each value is labelled by its row's label.
    QLabel *rowLabel = nullptr;
    for (const LayoutRow &row : rows) {
        auto *label = qobject_cast<QLabel *>(ui::createControl(row, &window));
        if (row.role == ControlRole::RowLabel)
            rowLabel = label;
        else if (rowLabel)
            rowLabel->setBuddy(label);
    }
    auto *ok = new OkButton(QStringLiteral("OK"), &window);
    ui::setUpControl(ok, {QStringLiteral("cmd_OK"), ControlRole::PushButton,
                          twipsRect(okTwips.x(), okTwips.y(), 1215, 375), QStringLiteral("OK")});
    QObject::connect(ok, &QPushButton::clicked, &window, &QWidget::close);
    ok->setFocus();
}

constexpr int kTableTop = 120; // first row
constexpr int kRowPitch = 240; // between rows

LayoutRow tableLabel(const QString &name, ControlRole role, int leftTwips, int topTwips,
                     const QString &caption)
{
    return {name, role, twipsRect(leftTwips, topTwips, 0, 0), caption};
}

// Typical LED forward voltages by colour: the colour label at 120 twips, the voltage at 1320.
void buildVoltages(ReferenceWindow &window)
{
    struct Row {
        const char *colourName, *colour, *voltage;
    };
    static constexpr Row kRows[] = {
        {"lbl_Lrosso", "Led rosso:", "1,8 V"},   {"lbl_Lverde", "Led verde:", "2 V"},
        {"lbl_Lgiallo", "Led giallo:", "1,9 V"}, {"lbl_Larancio", "Led arancio:", "2 V"},
        {"lbl_Lblu", "Led blu:", "3 V"},         {"lbl_Lbianco", "Led bianco:", "3 V"},
    };
    std::vector<LayoutRow> rows;
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const int top = kTableTop + i * kRowPitch;
        rows.push_back(tableLabel(QString::fromLatin1(kRows[i].colourName), ControlRole::RowLabel,
                                  120, top, QString::fromUtf8(kRows[i].colour)));
        rows.push_back(tableLabel(QStringLiteral("lbl_Tens%1").arg(i + 1), ControlRole::ValueLabel,
                                  1320, top, QString::fromUtf8(kRows[i].voltage)));
    }
    buildTable(window, rows, {1080, 1680});
}

// Power ratings in watts and in milliwatts. The rating column ends at 840 twips: its labels
// are placed by their Left, not aligned; the milliwatt labels start 120 twips further left for
// each digit beyond three.
void buildRatings(ReferenceWindow &window)
{
    static constexpr int kRatingLeft[] = {120, 120, 120, 315, 315, 315, 315, 210, 210, 210};
    static_assert(std::size(kRatingLeft) == kPowerRatingsMilliwatts.size());
    std::vector<LayoutRow> rows;
    for (int i = 0; i < int(kPowerRatingsMilliwatts.size()); ++i) {
        const int milliwatts = kPowerRatingsMilliwatts[std::size_t(i)];
        const QString digits = QString::number(milliwatts);
        const int top = kTableTop + i * kRowPitch;
        rows.push_back(tableLabel(QStringLiteral("lbl_WRes%1").arg(i + 1), ControlRole::RowLabel,
                                  kRatingLeft[i], top,
                                  ui::ratingText(milliwatts) + QStringLiteral(" =")));
        rows.push_back(tableLabel(QStringLiteral("lbl_PotRes%1").arg(i + 1),
                                  ControlRole::ValueLabel, 1200 - 120 * (int(digits.size()) - 3),
                                  top, digits + QStringLiteral(" mW")));
    }
    buildTable(window, rows, {600, 2640});
}

// In ReferenceId order.
const ReferenceLayout kLayouts[kReferenceCount] = {
    {"Form2", "Led singolo", 2055, 3015, true, &buildDiagram<DiagramId::Single>},
    {"Form3", "Led in serie", 2055, 3975, true, &buildDiagram<DiagramId::Series>},
    {"Form4", "Led in parallelo", 3615, 3975, true, &buildDiagram<DiagramId::Parallel>},
    {"Form5", "Tensione di alimentazione dei Led", 3375, 2175, true, &buildVoltages},
    {"Form6", "Valori standard delle resistenze", 9030, 3075, false, &buildE12},
    {"Form7", "Max potenza dissipabile", 2415, 3135, true, &buildRatings},
};

} // namespace

ReferenceWindow *buildReference(ReferenceId id)
{
    const ReferenceLayout &layout = kLayouts[int(id)];
    auto *window = new ReferenceWindow(
        QString::fromLatin1(layout.name), QString::fromUtf8(layout.caption),
        QSize(px(layout.widthTwips), px(layout.heightTwips)), layout.closesOnBareClick);
    layout.build(*window);
    return window;
}

} // namespace varelux
