// The planner's fields to the core, and the plan back as a drawing and as words.
#include "led_array/led_array_window.h"

#include "common/announcer.h"
#include "common/controls.h"
#include "common/entry_filter.h"
#include "common/hint_choices.h"
#include "common/language.h"
#include "common/long_press.h"
#include "common/phone_arrangement.h"
#include "common/platform.h"
#include "common/resistance_hint.h"
#include "common/result_menu.h"
#include "common/texts.h"
#include "common/window_placement.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "led_array/led_array_drawing.h"
#include "led_array/led_array_words.h"
#include "reference/picture.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <string>

namespace varelux {

namespace {

// The fields in the order they are read out and checked, each with its row label and unit.
struct FieldRow {
    ArrayPart label{}, field{};
    std::optional<ArrayPart> unit; // a count has none
};
constexpr FieldRow kFieldRows[] = {
    {ArrayPart::SupplyLabel, ArrayPart::Supply, ArrayPart::SupplyUnit},
    {ArrayPart::LedVoltageLabel, ArrayPart::LedVoltage, ArrayPart::LedVoltageUnit},
    {ArrayPart::CurrentLabel, ArrayPart::Current, ArrayPart::CurrentUnit},
    {ArrayPart::CountLabel, ArrayPart::Count, std::nullopt},
    {ArrayPart::MarginLabel, ArrayPart::Margin, ArrayPart::MarginUnit},
};

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A paragraph of the words, bold for a kind of string's line, and set apart from what comes
// before it; the paragraphs of the standard values follow their line closely (kWords).
QString htmlParagraph(const QString &text, bool bold = false)
{
    const QString escaped = text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<p style=\"margin-top:6px\">%1</p>")
        .arg(bold ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped);
}

// The words' rich text around its paragraphs.
constexpr auto kWords =
    "<html><head><style>p { margin-top: 0; margin-bottom: 0 }</style></head><body>%1</body></html>";

} // namespace

LedArrayWindow::LedArrayWindow(HintChoices &choices, const std::optional<SizedFields> &start)
    : ToolWindow(ledArrayLayout().name, ledArrayLayout().caption, ledArrayLayout().clientSize),
      m_choices(choices)
{
    const LedArrayLayout &layout = ledArrayLayout();
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        m_parts[i] = ui::createControl(layout.rows[i], this);
    m_drawing = new Picture(
        layout.drawingName, layout.drawingTopLeft, ledArrayDiagramSize(),
        [](qreal dpr, const QPalette &palette) {
            return drawLedArray(ArrayPlan{}, dpr, diagramColours(palette));
        },
        this);

    for (const FieldRow &row : kFieldRows) {
        auto *field = part<QLineEdit>(row.field);
        EntryFilter::install(field,
                             row.field == ArrayPart::Count ? EntryRule::Count : EntryRule::Decimal);
        // Installed after the entry filter, so it sees Enter and Esc before the filter drops them.
        field->installEventFilter(this);
    }
    if (start) {
        part<QLineEdit>(ArrayPart::Supply)->setText(start->supply);
        part<QLineEdit>(ArrayPart::LedVoltage)->setText(start->ledVoltage);
        part<QLineEdit>(ArrayPart::Current)->setText(start->current);
    }
    nameForScreenReaders();

    auto *plan = part<QLabel>(ArrayPart::Plan);
    if (ui::phoneWidth())
        arrangeForPhone();
    else
        scrollWithin(plan);

    plan->setContextMenuPolicy(Qt::CustomContextMenu);
    ui::offerContextMenuOnLongPress(plan);
    connect(plan, &QWidget::customContextMenuRequested, this,
            [this, plan](const QPoint &pos) { showResultMenu(plan, pos, m_words, m_choices); });
    connect(part<QPushButton>(ArrayPart::CalculateButton), &QPushButton::clicked, this,
            &LedArrayWindow::calculate);
    connect(part<QPushButton>(ArrayPart::ClearButton), &QPushButton::clicked, this,
            &LedArrayWindow::clear);
    connect(&m_choices, &HintChoices::changed, this, [this] {
        if (m_plan)
            showPlan();
    });
    connect(&m_choices, &QObject::destroyed, this, &QWidget::close);

    // The first field still to fill takes the focus.
    QWidget *first = part(ArrayPart::Supply);
    for (const FieldRow &row : kFieldRows)
        if (row.field != ArrayPart::Margin && part<QLineEdit>(row.field)->text().isEmpty()) {
            first = part(row.field);
            break;
        }
    first->setFocus();
}

// Words longer than their panel scroll up and down inside its frame.
void LedArrayWindow::scrollWithin(QLabel *plan)
{
    auto *scroll = new QScrollArea(this);
    scroll->setGeometry(plan->geometry());
    scroll->setFrameStyle(plan->frameStyle());
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    plan->setFrameStyle(QFrame::NoFrame);
    scroll->setWidget(plan);
}

void LedArrayWindow::arrangeForPhone()
{
    const LedArrayLayout &layout = ledArrayLayout();
    setFixedSize(ui::phoneWindowSize(this));
    // The window, its parent, owns the view.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    auto *view = new ui::PhoneView(this);
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        view->place(m_parts[i], layout.rows[i].role, layout.phoneCells[i]);
    // The drawing as wide as the view leaves room for, at most its own size, and centred.
    const int room = width() - 2 * view->grid()->contentsMargins().left() -
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_drawing->setScale(std::min(1.0, qreal(room) / ledArrayDiagramSize().width()));
    const ui::PhoneCell cell = layout.drawingPhoneCell;
    view->grid()->addWidget(m_drawing, cell.line, cell.column, 1, cell.span, Qt::AlignHCenter);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    ui::centreOnScreen(this);
}

void LedArrayWindow::nameForScreenReaders()
{
    const QString window = windowTitle();
    for (const FieldRow &row : kFieldRows) {
        auto *label = part<QLabel>(row.label);
        QWidget *field = part(row.field);
        const QString name = ui::accessibleNameInPanel(window, label->text());
        label->setBuddy(field);
        label->setAccessibleName(name);
        field->setAccessibleName(name);
        if (row.unit)
            field->setAccessibleDescription(part<QLabel>(*row.unit)->text());
    }
    // The margin's note says what an empty field stands for: its description and tooltip too.
    QWidget *margin = part(ArrayPart::Margin);
    const QString note = part<QLabel>(ArrayPart::MarginNote)->text();
    margin->setAccessibleDescription(ui::marginDescription(margin->accessibleDescription(), note));
    margin->setToolTip(note);
    for (const ArrayPart button : {ArrayPart::CalculateButton, ArrayPart::ClearButton}) {
        auto *control = part<QPushButton>(button);
        control->setAccessibleName(ui::accessibleNameInPanel(window, control->text()));
    }
    m_drawing->setAccessibleName(ui::ledArrayDrawingName());
}

void LedArrayWindow::calculate()
{
    std::string texts[std::size(kFieldRows)];
    for (std::size_t i = 0; i < std::size(kFieldRows); ++i)
        texts[i] = part<QLineEdit>(kFieldRows[i].field)->text().toStdString();
    const Outcome<ArrayPlan> outcome = planLedArray({.supply = texts[0],
                                                     .ledVoltage = texts[1],
                                                     .current = texts[2],
                                                     .count = texts[3],
                                                     .margin = texts[4],
                                                     .separator = ui::decimalSeparator()});
    if (outcome) {
        m_plan = *outcome;
        showPlan();
    } else if (const Failure failure = outcome.failure(); failure == Failure::Overflow) {
        m_plan.reset();
        const QString sentence = ui::arrayOutOfRangeSentence();
        show(QString::fromLatin1(kWords).arg(htmlParagraph(sentence)), sentence);
    } else {
        // As in the panels, the window keeps what it shows until the box is dismissed.
        const QString message = failure == Failure::DivisionByZero ? ui::zeroCurrentMessage(true)
                                                                   : ui::emptyFieldsMessage();
        ui::showModal(ui::errorBox(this, message), this, [this, failure] {
            m_plan.reset();
            show(QString(), QString());
            focusFieldAtFault(failure);
        });
        return;
    }
    ui::announce(part(ArrayPart::CalculateButton), m_words);
}

void LedArrayWindow::clear()
{
    for (const FieldRow &row : kFieldRows)
        part<QLineEdit>(row.field)->setText(QString());
    m_plan.reset();
    show(QString(), QString());
    ui::announce(part(ArrayPart::ClearButton), ui::clearedAnnouncement(windowTitle()));
}

void LedArrayWindow::showPlan()
{
    if (!m_plan) {
        show(QString(), QString());
        return;
    }
    if (m_plan->verdict != ArrayVerdict::Planned) {
        const QString sentence = ui::arrayVerdictSentence(*m_plan);
        show(QString::fromLatin1(kWords).arg(htmlParagraph(sentence)), sentence);
        return;
    }
    // A line per kind of string with its standard values, the totals, then the tolerances the
    // currents are worked out with.
    const ESeries series = m_choices.series();
    const Tolerances &tolerances = m_choices.tolerances();
    QString html;
    QStringList lines;
    for (const StringKind *kind :
         {&m_plan->full, m_plan->remainder ? &*m_plan->remainder : nullptr}) {
        if (!kind)
            continue;
        const ResistorHints hints =
            resistorHints(stringCircuit(*m_plan, *kind), kind->resistance, series, tolerances);
        const QString line = ui::stringKindLine(*kind, hints);
        html +=
            htmlParagraph(line, true) + ui::wrappedToWidth(ui::standardValuesHtml(hints, series));
        lines << line << ui::standardValuesWords(hints, series);
    }
    const QStringList totals = ui::arrayTotalsLines(*m_plan);
    const QString used = ui::tolerancesLine(tolerances, series);
    html += htmlParagraph(totals.join(QLatin1Char('\n'))) + htmlParagraph(used);
    lines << totals << used;
    show(QString::fromLatin1(kWords).arg(html), lines.join(QLatin1Char('\n')));
}

void LedArrayWindow::show(const QString &html, const QString &plain)
{
    m_words = plain;
    auto *plan = part<QLabel>(ArrayPart::Plan);
    plan->setText(html);
    plan->setAccessibleName(plain);
    m_drawing->setAccessibleDescription(plain);
    m_drawing->setDrawing(
        [shown = m_plan.value_or(ArrayPlan{})](qreal dpr, const QPalette &palette) {
            return drawLedArray(shown, dpr, diagramColours(palette));
        });
}

void LedArrayWindow::focusFieldAtFault(Failure failure)
{
    auto *fault = part<QLineEdit>(ArrayPart::Current);
    if (failure == Failure::NotANumber)
        for (const FieldRow &row : kFieldRows) {
            auto *field = part<QLineEdit>(row.field);
            const std::string text = field->text().toStdString();
            if (row.field == ArrayPart::Margin && text.empty())
                continue;
            if (!readNumber(text, ui::decimalSeparator())) {
                fault = field;
                break;
            }
        }
    fault->setFocus();
    fault->selectAll();
}

bool LedArrayWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key) || key->key() == Qt::Key_Escape) {
            keyPressEvent(key);
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void LedArrayWindow::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event))
        part<QPushButton>(ArrayPart::CalculateButton)->click();
    else if (event->key() == Qt::Key_Escape)
        close();
    else
        ToolWindow::keyPressEvent(event);
}

namespace {

// The planner while it is open; a QPointer turns null when its window is deleted.
QPointer<QWidget> g_planner;

} // namespace

void openLedArray(HintChoices &choices, const std::optional<SizedFields> &start)
{
    openOnce(g_planner, [&] { return new LedArrayWindow(choices, start); });
}

QWidget *openedLedArray()
{
    return openIn(g_planner);
}

} // namespace varelux
