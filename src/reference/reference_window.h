// The frame every reference window shares, and the clicks that close it.
//
// A ReferenceWindow is a fixed-size tool window without an owner: a small title bar with the
// caption and a close box, no icon, no taskbar entry, centred on the screen whenever it is
// built. It is destroyed when it closes. What it holds comes from its layout
// (reference_layouts.h); when it opens comes from the registry of open windows (open_references.h).
#pragma once

#include <QList>
#include <QWidget>

namespace varelux {

class ReferenceWindow : public QWidget {
    Q_OBJECT

public:
    // clientSize in logical pixels. A window whose bare background closes it on a click says so
    // with closesOnBareClick; controls added with closeOnClick() close it too.
    ReferenceWindow(const QString &name, const QString &caption, QSize clientSize,
                    bool closesOnBareClick);

    // A click (press and release on it, left button) on this control closes the window. The
    // control must leave mouse presses to its window, as labels and pictures do.
    void closeOnClick(QWidget *control);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // What a left click at pos lands on, if that click closes the window: this window for its
    // bare background, or one of the registered controls. nullptr when the click does nothing.
    const QWidget *closingTargetAt(QPoint pos) const;

    bool m_closesOnBareClick;
    QList<const QWidget *> m_closingControls;
    const QWidget *m_pressedTarget = nullptr;
};

} // namespace varelux
