// Building the main window from its table, and the "Calcola" and "Cancella" handlers.
#include "main_window/form1.h"

#include "common/window_look.h"
#include "core/resistor_hints.h"
#include "icon_images.h"
#include "main_window/entry_filter.h"
#include "reference/reference_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

#include <limits>

namespace varelux {

namespace {

const QString kEmptyFieldsMessage = QStringLiteral("Una o più caselle vuote");

bool isLabel(ControlRole role)
{
    switch (role) {
    case ControlRole::Heading:
    case ControlRole::RowLabel:
    case ControlRole::UnitLabel:
    case ControlRole::ResultLabel:
    case ControlRole::NoteLine:
        return true;
    default:
        return false;
    }
}

ui::FontRole fontRole(ControlRole role)
{
    switch (role) {
    case ControlRole::Heading:
        return ui::FontRole::Heading;
    case ControlRole::RowLabel:
    case ControlRole::UnitLabel:
        return ui::FontRole::Bold;
    default:
        return ui::FontRole::Regular;
    }
}

std::string textOf(const QLineEdit *field)
{
    return field ? field->text().toStdString() : "";
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varelux"));
    setFixedSize(form1ClientSize());
    setFont(ui::font(ui::FontRole::Regular));

    QIcon icon;
    for (const int size : {32, 16})
        icon.addPixmap(QPixmap::fromImage(resources::iconImage(size)));
    setWindowIcon(icon);

    std::array<std::array<QWidget *, kPanelPartCount>, kPanelCount> parts{};
    QWidget *first = nullptr;
    for (const ControlSpec &item : form1Controls()) {
        QWidget *control = createControl(item);
        if (!first && control->focusPolicy() != Qt::NoFocus)
            first = control;
        if (item.panel >= 0)
            parts[item.panel][item.part] = control;
    }
    for (int panel = 0; panel < kPanelCount; ++panel)
        wirePanel(PanelId(panel), parts[panel]);
    first->setFocus();
}

QWidget *Form1::createControl(const ControlSpec &item)
{
    QWidget *control = nullptr;
    QRect geometry = item.geometry;
    const QFont font = ui::font(fontRole(item.role));

    if (isLabel(item.role)) {
        auto *label = new QLabel(item.caption, this);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        if (item.role == ControlRole::ResultLabel) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(2);
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            const QFontMetrics metrics(font);
            geometry.setSize(QSize(metrics.horizontalAdvance(item.caption), metrics.height()));
        }
        QColor colour;
        if (item.role == ControlRole::Heading)
            colour = panelInfo(PanelId(item.panel)).headingColour;
        else if (item.role == ControlRole::NoteLine)
            colour = ui::kDarkRed;
        if (colour.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
        control = label;
    } else if (item.role == ControlRole::DecimalField || item.role == ControlRole::CountField) {
        auto *field = new QLineEdit(this);
        // No length limit: QLineEdit would otherwise cut a paste at 32767 characters, and a
        // number pasted with many leading zeros would lose its digits and read as 0.
        field->setMaxLength(std::numeric_limits<int>::max());
        EntryFilter::install(field, item.role == ControlRole::CountField ? EntryRule::Count
                                                                         : EntryRule::Decimal);
        control = field;
    } else {
        auto *button = new QPushButton(item.caption, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        if (const std::optional<ReferenceId> opens = item.opens)
            connect(button, &QPushButton::clicked, this, [id = *opens] { openReference(id); });
        control = button;
    }
    control->setObjectName(item.name);
    control->setFont(font);
    control->setGeometry(geometry);
    return control;
}

void Form1::wirePanel(PanelId id, const std::array<QWidget *, kPanelPartCount> &parts)
{
    auto at = [&](PanelPart part) { return parts[int(part)]; };
    auto field = [&](PanelPart part) { return qobject_cast<QLineEdit *>(at(part)); };
    auto label = [&](PanelPart part) { return qobject_cast<QLabel *>(at(part)); };

    Panel &panel = m_panels[int(id)];
    panel.supply = field(PanelPart::Supply);
    panel.led = field(PanelPart::Led);
    panel.current = field(PanelPart::Current);
    panel.count = field(PanelPart::Count);
    panel.resistance = label(PanelPart::Resistance);
    panel.power = label(PanelPart::Power);

    // Screen readers announce a field by its row label, and a result by its value first.
    const std::pair<PanelPart, PanelPart> buddies[] = {
        {PanelPart::SupplyLabel, PanelPart::Supply},
        {PanelPart::LedLabel, PanelPart::Led},
        {PanelPart::CurrentLabel, PanelPart::Current},
        {PanelPart::CountLabel, PanelPart::Count}};
    for (const auto &[rowLabel, entry] : buddies)
        if (at(entry))
            label(rowLabel)->setBuddy(at(entry));
    panel.resistance->setAccessibleDescription(QStringLiteral("Resistenza calcolata, ohm"));
    panel.power->setAccessibleDescription(QStringLiteral("Potenza dissipata, mW"));
    for (QLabel *result : {panel.resistance, panel.power}) {
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, this,
                [this, result](const QPoint &pos) { onResultMenuRequested(result, pos); });
    }

    connect(qobject_cast<QPushButton *>(at(PanelPart::CalculateButton)), &QPushButton::clicked,
            this, [this, id] { onCalculateClicked(id); });
    connect(qobject_cast<QPushButton *>(at(PanelPart::ClearButton)), &QPushButton::clicked, this,
            [this, id] { onClearClicked(id); });
}

template <typename Record>
std::optional<Failure> Form1::present(const Outcome<Sizing<Record>> &outcome, Record &record,
                                      const Panel &panel)
{
    if (!outcome)
        return outcome.failure();
    record = outcome->record;
    panel.resistance->setText(QString::fromStdString(outcome->resistanceText));
    panel.power->setText(QString::fromStdString(outcome->powerText));

    const ResistorHints hints = resistorHints(record);
    QStringList lines;
    for (const std::string &line : {hints.standardValues, hints.rating})
        if (!line.empty())
            lines << QString::fromStdString(line);
    panel.resistance->setToolTip(lines.join(QLatin1Char('\n')));
    panel.power->setToolTip(QString::fromStdString(hints.rating));
    return std::nullopt;
}

void Form1::onCalculateClicked(PanelId id)
{
    const Panel &p = m_panels[int(id)];
    std::optional<Failure> failure;
    switch (id) {
    case PanelId::Single:
        failure = present(sizeSingle(textOf(p.supply), textOf(p.led), textOf(p.current)),
                          m_singleRecord, p);
        break;
    case PanelId::Series:
        failure =
            present(sizeSeries(textOf(p.supply), textOf(p.led), textOf(p.count), textOf(p.current)),
                    m_seriesRecord, p);
        break;
    case PanelId::Parallel:
        failure = present(
            sizeParallel(textOf(p.supply), textOf(p.led), textOf(p.count), textOf(p.current)),
            m_parallelRecord, p);
        break;
    }
    if (!failure)
        return;

    switch (*failure) {
    case Failure::Overflow:
        break; // cleared without a message
    case Failure::DivisionByZero:
        showError(panelInfo(id).zeroCurrentMessage);
        break;
    case Failure::TypeMismatch:
        showError(kEmptyFieldsMessage);
        break;
    }
    onClearClicked(id);
}

void Form1::onClearClicked(PanelId id)
{
    switch (id) {
    case PanelId::Single:
        m_singleRecord = {};
        break;
    case PanelId::Series:
        m_seriesRecord = {};
        break;
    case PanelId::Parallel:
        m_parallelRecord = {};
        break;
    }
    const Panel &p = m_panels[int(id)];
    // setText rather than clear(): clear() keeps every removed character as an undo step,
    // which for a pasted text of a million characters takes tens of milliseconds and as many
    // megabytes; setText drops the field's undo history with its text.
    for (QLineEdit *field : {p.supply, p.led, p.current, p.count})
        if (field)
            field->setText(QString());
    for (QLabel *result : {p.resistance, p.power}) {
        result->clear();
        result->setToolTip(QString());
    }
}

void Form1::onResultMenuRequested(QLabel *result, const QPoint &pos)
{
    m_moveArmed = false; // the popup takes the mouse, so Form1 would miss the release
    const QString text = result->text();
    if (text.isEmpty())
        return;
    // Written out, not translated: Qt's Italian texts only cover Qt's own menus.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(QStringLiteral("&Copia")), &QAction::triggered, this,
            [text] { QGuiApplication::clipboard()->setText(text); });
    menu->popup(result->mapToGlobal(pos));
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    // Presses on labels reach Form1 too, since labels ignore them; only the bare background arms.
    m_moveArmed =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    if (m_moveArmed && event->buttons() == Qt::LeftButton) {
        m_moveArmed = false;
        startWindowMove();
    }
}

void Form1::mouseReleaseEvent(QMouseEvent *)
{
    m_moveArmed = false;
}

bool Form1::startWindowMove()
{
    QWindow *window = windowHandle();
    return window && window->startSystemMove();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept(); // never refused
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == this || window->parentWidget() || !window->isVisible())
            continue;
        window->close();
        if (!window->testAttribute(Qt::WA_DeleteOnClose))
            window->deleteLater();
    }
    QCoreApplication::exit(0);
}

void Form1::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Errore"), message, QMessageBox::Ok,
                    this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace varelux
