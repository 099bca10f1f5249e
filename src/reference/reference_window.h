// The six reference windows Form2 to Form7: the frame they share, the rule by which the main
// window's buttons open them, and the clicks that close them.
//
// A ReferenceWindow is a fixed-size tool window without an owner: a small title bar with the
// caption and a close box, no taskbar entry, centred on the screen whenever it is built. It is
// built afresh from its design (reference_designs.cpp) on each opening and destroyed when it
// closes. openReference() holds one slot per window for the whole run: a press while the
// window is open only activates it.
#pragma once

#include "reference/reference_id.h"

#include <QWidget>

namespace varelux {

// Builds the window centred and shows it when it is not open; otherwise activates and raises
// the open window where it stands. Returns the window.
QWidget *openReference(ReferenceId id);

// The open window, or nullptr when it is closed or was never opened.
QWidget *openedReference(ReferenceId id);

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
