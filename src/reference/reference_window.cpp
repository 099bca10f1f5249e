// A reference window's picture or table, and its close clicks.
#include "reference/reference_window.h"

#include "common/phone_arrangement.h"
#include "common/platform.h"
#include "common/window_placement.h"
#include "reference/reference_layouts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace varelux {

namespace {

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

} // namespace

ReferenceWindow::ReferenceWindow(const ReferenceLayout &layout)
    : ToolWindow(layout.name, layout.caption, layout.clientSize)
{
    m_closesOnBareClick = layout.closesOnBareClick;
    if (const auto *picture = std::get_if<PictureLayout>(&layout.content))
        addPicture(*picture);
    else
        addTable(std::get<TableLayout>(layout.content));
}

void ReferenceWindow::addPicture(const PictureLayout &layout)
{
    auto *picture = new Picture(layout.name, layout.topLeft, layout.size, layout.draw, this);
    // In the phone arrangement a window wider than the screen's room shows its picture smaller.
    if (const qreal scale = ui::phoneScale(width()); scale < 1) {
        picture->setScale(scale);
        picture->move((QPointF(layout.topLeft) * scale).toPoint());
        setFixedSize((QSizeF(size()) * scale).toSize());
        ui::centreOnScreen(this);
    }
    picture->setAccessibleName(layout.accessibleName);
    if (!layout.accessibleDescription.isEmpty())
        picture->setAccessibleDescription(layout.accessibleDescription);
    closeOnClick(picture);
}

void ReferenceWindow::addTable(const TableLayout &layout)
{
    // Each value is labelled by its row's label, which comes just before it.
    QLabel *rowLabel = nullptr;
    for (const ui::LayoutRow &row : layout.rows) {
        auto *label = qobject_cast<QLabel *>(ui::createControl(row, this));
        if (row.role == ui::ControlRole::RowLabel)
            rowLabel = label;
        else if (rowLabel)
            rowLabel->setBuddy(label);
    }
    // The only control that takes the focus.
    auto *ok = new OkButton(layout.okButton.caption, this);
    ui::setUpControl(ok, layout.okButton);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    ok->setFocus();
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
