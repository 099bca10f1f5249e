// The reference-window frame and its close clicks.
#include "reference/reference_window.h"

#include "common/platform.h"
#include "common/window_look.h"
#include "reference/x11_window_hints.h"

#include <QIcon>
#include <QMouseEvent>

#include <utility>

namespace varelux {

namespace {

// A fixed tool-window frame: caption and close box, nothing else. Under X11 Qt makes a
// Qt::Tool window transient for the application, and the window manager then keeps it above
// the main window for good; there a plain window is typed as a utility window by hand
// (setX11UtilityWindowHints). Elsewhere (Windows) Qt::Tool is a tool window without an owner.
Qt::WindowFlags frameFlags()
{
    return (ui::onX11() ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace

ReferenceWindow::ReferenceWindow(const QString &name, const QString &caption, QSize clientSize,
                                 bool closesOnBareClick)
    : QWidget(nullptr, frameFlags()), m_closesOnBareClick(closesOnBareClick)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientSize);
    setFont(ui::font(ui::FontRole::Regular));
    setWindowIcon(QIcon()); // not the application's icon: the frame shows none

    if (ui::onX11())
        setX11UtilityWindowHints(this);
    ui::centreOnScreen(this);
}

void ReferenceWindow::closeOnClick(QWidget *control)
{
    m_closingControls.append(control);
}

const QWidget *ReferenceWindow::closingTargetAt(QPoint pos) const
{
    if (!rect().contains(pos))
        return nullptr;
    const QWidget *child = childAt(pos);
    if (!child)
        return m_closesOnBareClick ? this : nullptr;
    for (const QWidget *control : m_closingControls)
        if (child == control || control->isAncestorOf(child))
            return control;
    return nullptr;
}

void ReferenceWindow::mousePressEvent(QMouseEvent *event)
{
    m_pressedTarget =
        event->button() == Qt::LeftButton ? closingTargetAt(event->position().toPoint()) : nullptr;
}

void ReferenceWindow::mouseReleaseEvent(QMouseEvent *event)
{
    const QWidget *pressed = std::exchange(m_pressedTarget, nullptr);
    if (event->button() == Qt::LeftButton && pressed &&
        closingTargetAt(event->position().toPoint()) == pressed)
        close();
}

} // namespace varelux
