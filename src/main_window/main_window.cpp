// Building the main window from its rows and wiring its panels, the drag and the closing.
#include "main_window/main_window.h"

#include "common/readable_colour.h"
#include "common/texts.h"
#include "common/window_look.h"
#include "icon_images.h"
#include "main_window/entry_filter.h"
#include "main_window/sizing_panel.h"
#include "reference/open_references.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

namespace varelux {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::programTitle());
    setFixedSize(mainWindowSize());
    setFont(ui::font(ui::FontRole::Regular));

    QIcon icon;
    for (const int size : {32, 16})
        icon.addPixmap(QPixmap::fromImage(resources::iconImage(size)));
    setWindowIcon(icon);

    std::array<std::array<QWidget *, kPanelPartCount>, kPanelCount> parts{};
    QWidget *first = nullptr;
    for (const MainWindowRow &row : mainWindowRows()) {
        QWidget *control = createControl(row);
        if (!first && control->focusPolicy() != Qt::NoFocus)
            first = control;
        if (row.place)
            parts[std::size_t(row.place->panel)][std::size_t(row.place->part)] = control;
    }
    for (int panel = 0; panel < kPanelCount; ++panel)
        wirePanel(PanelId(panel), parts[std::size_t(panel)]);
    if (first)
        first->setFocus();
}

QWidget *MainWindow::createControl(const MainWindowRow &row)
{
    QWidget *control = ui::createControl(row.control, this);
    if (row.textColour.isValid())
        ui::setTextColour(control, row.textColour);
    if (auto *field = qobject_cast<QLineEdit *>(control))
        EntryFilter::install(field, row.control.role == ui::ControlRole::CountField
                                        ? EntryRule::Count
                                        : EntryRule::Decimal);
    if (const std::optional<ReferenceId> opens = row.opens)
        connect(qobject_cast<QPushButton *>(control), &QPushButton::clicked, this,
                [id = *opens] { openReference(id); });
    return control;
}

void MainWindow::wirePanel(PanelId panel, const std::array<QWidget *, kPanelPartCount> &parts)
{
    auto at = [&](PanelPart part) { return parts[std::size_t(part)]; };
    auto field = [&](PanelPart part) { return qobject_cast<QLineEdit *>(at(part)); };
    auto label = [&](PanelPart part) { return qobject_cast<QLabel *>(at(part)); };
    auto button = [&](PanelPart part) { return qobject_cast<QPushButton *>(at(part)); };

    const PanelControls controls{
        field(PanelPart::Supply),         field(PanelPart::LedVoltage),
        field(PanelPart::Current),        field(PanelPart::Count),
        label(PanelPart::Resistance),     label(PanelPart::Power),
        label(PanelPart::Heading),        label(PanelPart::ResistanceLabel),
        label(PanelPart::ResistanceUnit), label(PanelPart::PowerLabel),
        label(PanelPart::PowerUnit)};
    auto *sizing = new SizingPanel(panel, controls, this);
    connect(button(PanelPart::CalculateButton), &QPushButton::clicked, sizing,
            &SizingPanel::calculate);
    connect(button(PanelPart::ClearButton), &QPushButton::clicked, sizing, &SizingPanel::clear);

    // Screen readers say a field's panel and row label, then its unit; a button's panel and
    // caption; a result's value, then its panel and what it is. Each row label stays the buddy
    // of its field.
    const QString heading = label(PanelPart::Heading)->text();
    struct Row {
        PanelPart rowLabel{}, entry{};
        std::optional<PanelPart> unit; // a count has none
    };
    const Row rows[] = {
        {PanelPart::SupplyLabel, PanelPart::Supply, PanelPart::SupplyUnit},
        {PanelPart::LedVoltageLabel, PanelPart::LedVoltage, PanelPart::LedVoltageUnit},
        {PanelPart::CurrentLabel, PanelPart::Current, PanelPart::CurrentUnit},
        {PanelPart::CountLabel, PanelPart::Count, std::nullopt}};
    for (const Row &row : rows) {
        QWidget *entry = at(row.entry);
        if (!entry)
            continue;
        // Screen readers (Orca) name a field by the label that labels it rather than by the
        // field's own name, so the label carries the panel's name too.
        QLabel *rowLabel = label(row.rowLabel);
        const QString name = ui::inPanel(heading, rowLabel->text());
        rowLabel->setBuddy(entry);
        rowLabel->setAccessibleName(name);
        entry->setAccessibleName(name);
        if (row.unit)
            entry->setAccessibleDescription(label(*row.unit)->text());
    }
    for (const PanelPart part :
         {PanelPart::SchemaButton, PanelPart::CalculateButton, PanelPart::ClearButton})
        button(part)->setAccessibleName(ui::inPanel(heading, button(part)->text()));
    controls.resistance->setAccessibleDescription(
        ui::inPanel(heading, ui::resistanceDescription()));
    controls.power->setAccessibleDescription(ui::inPanel(heading, ui::powerDescription()));
    for (QLabel *result : {controls.resistance, controls.power}) {
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, this,
                [this, result](const QPoint &pos) { onResultMenuRequested(result, pos); });
    }
}

void MainWindow::onResultMenuRequested(QLabel *result, const QPoint &pos)
{
    m_moveArmed = false; // the popup takes the mouse, so the window would miss the release
    const QString text = result->text();
    if (text.isEmpty())
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(ui::copyAction()), &QAction::triggered, this,
            [text] { QGuiApplication::clipboard()->setText(text); });
    menu->popup(result->mapToGlobal(pos));
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses on labels reach the window too, since labels ignore them; only the bare
    // background arms the move.
    m_moveArmed =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_moveArmed && event->buttons() == Qt::LeftButton) {
        m_moveArmed = false;
        startWindowMove();
    }
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_moveArmed = false;
}

bool MainWindow::startWindowMove()
{
    QWindow *window = windowHandle();
    return window && window->startSystemMove();
}

void MainWindow::closeEvent(QCloseEvent *event)
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

} // namespace varelux
