// What each reference window holds, as data: caption and client size, then a picture or a
// table of labels with its "OK" button. Geometry is in twips as designed.
#include "reference/reference_designs.h"

#include "common/window_look.h"
#include "core/standard_values.h"
#include "reference/diagrams.h"
#include "reference/e12_picture.h"
#include "reference/picture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <span>
#include <vector>

namespace varelux {

namespace {

using ui::px;
using ui::twipsRect;

struct Design {
    const char *name;
    const char *caption;
    int widthTwips, heightTwips;
    bool closesOnBareClick; // Form6's picture covers it all, so it has no such click
    void (*build)(ReferenceWindow &window);
};

// A diagram sits at 600, 360 twips (40, 24 px) with a free margin around it.
template <DiagramId id> void buildDiagram(ReferenceWindow &window)
{
    static constexpr const char *kNames[] = {"img_DL1", "img_DL2", "img_DL3"};
    auto *picture = new Picture(
        QString::fromLatin1(kNames[int(id)]), QPoint(px(600), px(360)), diagramSize(id),
        [](qreal dpr) { return drawDiagram(id, dpr); }, &window);
    window.closeOnClick(picture);
}

void buildE12(ReferenceWindow &window)
{
    auto *picture = new Picture(QStringLiteral("Image1"), QPoint(0, 0), kE12PictureSize,
                                &drawE12Table, &window);
    window.closeOnClick(picture);
}

// A row label of a table window: fitted to its caption, opaque, left-aligned, no border.
struct TableLabel {
    QString name;
    QString caption;
    int leftTwips, topTwips;
    ui::FontRole font;
};

void addLabels(ReferenceWindow &window, std::span<const TableLabel> labels)
{
    for (const TableLabel &item : labels) {
        auto *label = new QLabel(item.caption, &window);
        const QFont font = ui::font(item.font);
        const QFontMetrics metrics(font);
        label->setObjectName(item.name);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setFont(font);
        label->setGeometry(px(item.leftTwips), px(item.topTwips),
                           metrics.horizontalAdvance(item.caption), metrics.height());
    }
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

// Centred across the window, 8 px above its bottom edge; the only control that takes focus.
void addOkButton(ReferenceWindow &window, int leftTwips, int topTwips)
{
    auto *ok = new OkButton(QStringLiteral("OK"), &window);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    ok->setAutoDefault(false);
    ok->setDefault(false);
    ok->setGeometry(twipsRect(leftTwips, topTwips, 1215, 375));
    QObject::connect(ok, &QPushButton::clicked, &window, &QWidget::close);
    ok->setFocus();
}

constexpr int kTableTop = 120; // first row
constexpr int kRowPitch = 240; // between rows

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
    std::vector<TableLabel> labels;
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const int top = kTableTop + i * kRowPitch;
        labels.push_back({QString::fromLatin1(kRows[i].colourName),
                          QString::fromUtf8(kRows[i].colour), 120, top, ui::FontRole::Bold});
        labels.push_back({QStringLiteral("lbl_Tens%1").arg(i + 1),
                          QString::fromUtf8(kRows[i].voltage), 1320, top, ui::FontRole::Regular});
    }
    addLabels(window, labels);
    addOkButton(window, 1080, 1680);
}

// Power ratings in watts and in milliwatts. The rating column ends at 840 twips: its labels
// are placed by their Left, not aligned; the milliwatt labels start 120 twips further left for
// each digit beyond three.
void buildRatings(ReferenceWindow &window)
{
    static constexpr int kRatingLeft[] = {120, 120, 120, 315, 315, 315, 315, 210, 210, 210};
    static_assert(std::size(kRatingLeft) == kPowerRatingsMilliwatts.size());
    std::vector<TableLabel> labels;
    for (int i = 0; i < int(kPowerRatingsMilliwatts.size()); ++i) {
        const int milliwatts = kPowerRatingsMilliwatts[std::size_t(i)];
        const QString digits = QString::number(milliwatts);
        const int top = kTableTop + i * kRowPitch;
        labels.push_back({QStringLiteral("lbl_WRes%1").arg(i + 1),
                          QString::fromStdString(ratingText(milliwatts)) + QStringLiteral(" ="),
                          kRatingLeft[i], top, ui::FontRole::Bold});
        labels.push_back({QStringLiteral("lbl_PotRes%1").arg(i + 1), digits + QStringLiteral(" mW"),
                          1200 - 120 * (int(digits.size()) - 3), top, ui::FontRole::Regular});
    }
    addLabels(window, labels);
    addOkButton(window, 600, 2640);
}

const Design kDesigns[kReferenceCount] = {
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
    const Design &design = kDesigns[int(id)];
    auto *window = new ReferenceWindow(
        QString::fromLatin1(design.name), QString::fromUtf8(design.caption),
        QSize(px(design.widthTwips), px(design.heightTwips)), design.closesOnBareClick);
    design.build(*window);
    return window;
}

} // namespace varelux
