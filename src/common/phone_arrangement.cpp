// The phone arrangement's scrolling grid, and the way back to the designed places.
#include "common/phone_arrangement.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QScroller>

#include <algorithm>

namespace varelux::ui {

namespace {

std::optional<int> g_phoneWidth;

// Labels keep the size of their caption and sit in the middle of their line; the other controls
// fill their cells.
bool keepsCaptionSize(ControlRole role)
{
    return role == ControlRole::Heading || role == ControlRole::RowLabel ||
           role == ControlRole::UnitLabel || role == ControlRole::ValueLabel;
}

bool touched(ControlRole role)
{
    return role == ControlRole::DecimalField || role == ControlRole::CountField ||
           role == ControlRole::PushButton || role == ControlRole::DefaultButton ||
           role == ControlRole::ResultLabel;
}

} // namespace

std::optional<int> phoneWidth()
{
    return g_phoneWidth;
}

void setPhoneWidth(std::optional<int> width)
{
    g_phoneWidth = width;
}

qreal phoneScale(int windowWidth)
{
    if (!g_phoneWidth || windowWidth <= 0)
        return 1;
    return std::min(1.0, qreal(*g_phoneWidth - 2 * kPhoneSideMargin) / windowWidth);
}

QSize phoneWindowSize(const QWidget *window)
{
    const int width = g_phoneWidth.value_or(window->width()) - 2 * kPhoneSideMargin;
    const QScreen *screen = window->screen();
    // Room above for the title bar, and below for a margin.
    const int height =
        screen ? screen->availableGeometry().height() - 2 * kFingerHeight : window->height();
    return {width, std::max(height, kFingerHeight)};
}

PhoneView::PhoneView(QWidget *window) : QScrollArea(window)
{
    setObjectName(QStringLiteral("phoneView"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the controls inside take it, in their own order
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto *content = new QWidget;
    m_grid = new QGridLayout(content);
    m_grid->setSpacing(kFingerGap);
    m_grid->setContentsMargins(kFingerGap, kFingerGap, kFingerGap, kFingerGap);
    m_grid->setColumnStretch(1, 1); // the fields and results take the room the labels leave
    setWidget(content);
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    connect(qApp, &QApplication::focusChanged, this, &PhoneView::showFocus);
    setGeometry(window->rect());
    show();
}

void fitToWidth(QLabel *label)
{
    label->setWordWrap(true);
    // As wide as its cell, however wide a table in its rich text would like to be.
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
}

void PhoneView::place(QWidget *control, ControlRole role, PhoneCell cell)
{
    if (auto *label = qobject_cast<QLabel *>(control);
        label && (role == ControlRole::NoteLine || role == ControlRole::TextPanel))
        fitToWidth(label);
    if (touched(role))
        control->setMinimumHeight(kFingerHeight);
    m_grid->setRowMinimumHeight(cell.line, kFingerHeight);
    m_grid->addWidget(control, cell.line, cell.column, 1, cell.span,
                      keepsCaptionSize(role) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::Alignment());
    control->show();
}

void PhoneView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    showFocus();
}

void PhoneView::showFocus()
{
    // The whole of the control, with a gap around it; ensureWidgetVisible() would show only a
    // field's text cursor.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !widget()->isAncestorOf(focus))
        return;
    const QPoint centre = focus->mapTo(widget(), focus->rect().center());
    ensureVisible(centre.x(), centre.y(), 0, focus->height() / 2 + kFingerGap);
}

void placeAsDesigned(QWidget *control, const LayoutRow &row, QWidget *window)
{
    control->setMinimumSize(0, 0);
    control->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    if (auto *label = qobject_cast<QLabel *>(control); label && row.role == ControlRole::NoteLine)
        label->setWordWrap(false);
    control->setParent(window);
    setUpControl(control, row);
    control->show();
}

} // namespace varelux::ui
