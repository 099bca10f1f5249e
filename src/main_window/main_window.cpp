// Building the main window from its rows, and the "Calcola" and "Cancella" handlers.
#include "main_window/main_window.h"

#include "common/readable_colour.h"
#include "common/texts.h"
#include "common/window_look.h"
#include "icon_images.h"
#include "main_window/entry_filter.h"
#include "reference/opening_rule.h"

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

namespace varelux {

namespace {

std::string textOf(const QLineEdit *field)
{
    return field ? field->text().toStdString() : std::string();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varelux"));
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
    for (std::size_t panel = 0; panel < kPanelCount; ++panel) {
        m_panels[panel].description = &panelDescription(PanelId(panel));
        wirePanel(m_panels[panel], parts[panel]);
    }
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

void MainWindow::wirePanel(Panel &panel, const std::array<QWidget *, kPanelPartCount> &parts)
{
    auto at = [&](PanelPart part) { return parts[std::size_t(part)]; };
    auto field = [&](PanelPart part) { return qobject_cast<QLineEdit *>(at(part)); };
    auto label = [&](PanelPart part) { return qobject_cast<QLabel *>(at(part)); };

    panel.supply = field(PanelPart::Supply);
    panel.led = field(PanelPart::Led);
    panel.current = field(PanelPart::Current);
    panel.count = field(PanelPart::Count);
    panel.resistance = label(PanelPart::Resistance);
    panel.power = label(PanelPart::Power);
    panel.record = panel.description->emptyRecord;

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
            this, [this, &panel] { onCalculateClicked(panel); });
    connect(qobject_cast<QPushButton *>(at(PanelPart::ClearButton)), &QPushButton::clicked, this,
            [this, &panel] { onClearClicked(panel); });
}

void MainWindow::onCalculateClicked(Panel &panel)
{
    const FieldTexts texts{textOf(panel.supply), textOf(panel.led), textOf(panel.current),
                           textOf(panel.count)};
    const Outcome<PanelSizing> outcome = panel.description->size(texts);
    if (outcome) {
        present(panel, *outcome);
        return;
    }
    // The panel keeps what it shows until the message box is dismissed.
    if (const QString message = panel.description->failureMessage(outcome.failure());
        !message.isEmpty())
        showError(message);
    onClearClicked(panel);
}

void MainWindow::present(Panel &panel, const PanelSizing &sizing)
{
    panel.record = sizing.record;
    panel.resistance->setText(QString::fromStdString(sizing.resistanceText));
    panel.power->setText(QString::fromStdString(sizing.powerText));

    const QString rating = ui::ratingHint(sizing.hints);
    QStringList lines{ui::standardValuesHint(sizing.hints), rating};
    lines.removeAll(QString());
    panel.resistance->setToolTip(lines.join(QLatin1Char('\n')));
    panel.power->setToolTip(rating);
}

void MainWindow::onClearClicked(Panel &panel)
{
    panel.record = panel.description->emptyRecord;
    // setText rather than clear(): clear() keeps every removed character as an undo step,
    // which for a pasted text of a million characters takes tens of milliseconds and as many
    // megabytes; setText drops the field's undo history with its text.
    for (QLineEdit *field : {panel.supply, panel.led, panel.current, panel.count})
        if (field)
            field->setText(QString());
    for (QLabel *result : {panel.resistance, panel.power}) {
        result->clear();
        result->setToolTip(QString());
    }
}

void MainWindow::onResultMenuRequested(QLabel *result, const QPoint &pos)
{
    m_moveArmed = false; // the popup takes the mouse, so the window would miss the release
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

void MainWindow::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Errore"), message, QMessageBox::Ok,
                    this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace varelux
