// Building the main window from its rows and wiring its panels, the drag and the closing.
#include "main_window/main_window.h"

#include "common/entry_filter.h"
#include "common/fonts.h"
#include "common/hint_choices.h"
#include "common/long_press.h"
#include "common/phone_arrangement.h"
#include "common/platform.h"
#include "common/readable_colour.h"
#include "common/resistance_hint.h"
#include "common/result_menu.h"
#include "common/texts.h"
#include "common/window_placement.h"
#include "icon_images.h"
#include "led_array/led_array_window.h"
#include "main_window/accessible_names.h"
#include "main_window/sizing_panel.h"
#include "reference/open_references.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <array>

namespace varelux {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_hintChoices(new HintChoices(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::programTitle());
    setFixedSize(mainWindowSize());
    setFont(ui::font(ui::FontRole::Regular));

    QIcon icon;
    for (const int size : {32, 16})
        icon.addPixmap(QPixmap::fromImage(resources::iconImage(size)));
    setWindowIcon(icon);

    std::array<PanelWidgets, kCircuitCount> panels;
    QWidget *first = nullptr;
    for (const MainWindowRow &row : mainWindowRows()) {
        QWidget *control = createControl(row);
        m_controls.push_back(control);
        if (!first && control->focusPolicy() != Qt::NoFocus)
            first = control;
        if (row.place)
            panels[std::size_t(row.place->circuit)].set(row.place->part, control);
    }
    for (const Circuit circuit : kAllCircuits)
        wirePanel(circuit, panels[std::size_t(circuit)]);
    if (first)
        first->setFocus();

    if (ui::fitsNarrowScreens()) {
        fitScreen();
        if (QScreen *screen = this->screen())
            connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::fitScreen);
    }
}

void MainWindow::fitScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const bool phone = screen->availableGeometry().width() < mainWindowSize().width();
    // Out of full screen before the designed size is set: the browser's platform keeps a full
    // screen window at the screen's size, whatever size the widget asks for afterwards.
    if (!phone && (windowState() & Qt::WindowFullScreen))
        showNormal();
    arrangeForPhone(phone);
    if (phone) {
        setWindowState(Qt::WindowFullScreen); // resized with the screen from now on
        return;
    }
    ui::centreOnScreen(this);
}

void MainWindow::arrangeForPhone(bool phone)
{
    if (phone == arrangedForPhone())
        return;
    // Taking a control out of its parent takes the focus from it; it stays where it was.
    QWidget *focus = focusWidget();
    const std::vector<MainWindowRow> &rows = mainWindowRows();
    if (phone) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_phoneView = new ui::PhoneView(this);
        for (std::size_t i = 0; i < rows.size(); ++i)
            m_phoneView->place(m_controls[i], rows[i].control.role, rows[i].phone);
        for (const Circuit circuit : kAllCircuits) {
            auto *hint = new QLabel;
            hint->setObjectName(QStringLiteral("lbl_Suggerimento%1").arg(int(circuit) + 1));
            hint->setTextFormat(Qt::RichText);
            ui::fitToWidth(hint);
            const ui::PhoneCell cell = phoneHintCell(circuit);
            m_phoneView->grid()->addWidget(hint, cell.line, cell.column, 1, cell.span);
            m_hints[std::size_t(circuit)] = hint;
            showHint(circuit);
        }
        ui::setPhoneWidth(width());
    } else {
        for (std::size_t i = 0; i < rows.size(); ++i)
            ui::placeAsDesigned(m_controls[i], rows[i].control, this);
        delete m_phoneView; // and the hints in it
        m_phoneView = nullptr;
        m_hints = {};
        setFixedSize(mainWindowSize());
        ui::setPhoneWidth(std::nullopt);
    }
    if (focus)
        focus->setFocus();
}

void MainWindow::showHint(Circuit circuit)
{
    QLabel *hint = m_hints[std::size_t(circuit)];
    if (!hint)
        return;
    const QString text = ui::wrappedToWidth(m_resistances[std::size_t(circuit)]->toolTip());
    hint->setText(text);
    hint->setVisible(!text.isEmpty());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        for (const Circuit circuit : kAllCircuits)
            if (watched == m_resistances[std::size_t(circuit)])
                showHint(circuit);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_phoneView) {
        m_phoneView->setGeometry(rect());
        ui::setPhoneWidth(width());
    }
}

QWidget *MainWindow::createControl(const MainWindowRow &row)
{
    QWidget *control = ui::createControl(row.control, this);
    if (row.textColour.isValid())
        ui::setTextColour(control, row.textColour);
    if (row.control.role == ui::ControlRole::NoteLine) {
        // The notes' words stay as they are; this says that they are meant for the single-LED
        // panel, where following them in the other panels would count the LEDs twice.
        control->setToolTip(ui::notesScope());
        control->setAccessibleDescription(ui::notesScope());
    }
    if (auto *field = qobject_cast<QLineEdit *>(control))
        EntryFilter::install(field, row.control.role == ui::ControlRole::CountField
                                        ? EntryRule::Count
                                        : EntryRule::Decimal);
    if (row.opensLedArray)
        connect(qobject_cast<QPushButton *>(control), &QPushButton::clicked, this,
                [this] { openLedArray(*m_hintChoices, m_lastSized); });
    else if (const std::optional<ReferenceId> opens = row.opens)
        connect(qobject_cast<QPushButton *>(control), &QPushButton::clicked, this,
                [id = *opens] { openReference(id); });
    return control;
}

void MainWindow::wirePanel(Circuit circuit, const PanelWidgets &panel)
{
    auto *sizing = new SizingPanel(circuit,
                                   {.supply = panel.get<QLineEdit>(PanelPart::Supply),
                                    .ledVoltage = panel.get<QLineEdit>(PanelPart::LedVoltage),
                                    .current = panel.get<QLineEdit>(PanelPart::Current),
                                    .count = panel.get<QLineEdit>(PanelPart::Count),
                                    .resistance = panel.get<QLabel>(PanelPart::Resistance),
                                    .power = panel.get<QLabel>(PanelPart::Power),
                                    .heading = panel.get<QLabel>(PanelPart::Heading),
                                    .resistanceUnit = panel.get<QLabel>(PanelPart::ResistanceUnit),
                                    .powerUnit = panel.get<QLabel>(PanelPart::PowerUnit)},
                                   *m_hintChoices, this);
    connect(m_hintChoices, &HintChoices::changed, sizing, &SizingPanel::showHints);
    connect(sizing, &SizingPanel::sized, this,
            [this](const SizedFields &fields) { m_lastSized = fields; });
    connect(panel.get<QPushButton>(PanelPart::CalculateButton), &QPushButton::clicked, sizing,
            &SizingPanel::calculate);
    connect(panel.get<QPushButton>(PanelPart::ClearButton), &QPushButton::clicked, sizing,
            &SizingPanel::clear);
    nameForScreenReaders(panel);
    // The resistance's hint, shown under the results in the phone arrangement, follows its
    // tooltip.
    m_resistances[std::size_t(circuit)] = panel.get<QLabel>(PanelPart::Resistance);
    m_resistances[std::size_t(circuit)]->installEventFilter(this);
    for (const PanelPart part : {PanelPart::Resistance, PanelPart::Power}) {
        auto *result = panel.get<QLabel>(part);
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        ui::offerContextMenuOnLongPress(result);
        connect(result, &QWidget::customContextMenuRequested, this,
                [this, result](const QPoint &pos) {
                    m_moveArmed = false; // the popup takes the mouse: the release goes there
                    showResultMenu(result, pos, result->text(), *m_hintChoices);
                });
    }
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
