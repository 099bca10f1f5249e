// A reference window: what it holds, and what closes it.
//
// A ReferenceWindow has the tool-window frame (tool_window.h) and is built from its layout
// (reference_layouts.h): a picture, which a click closes the window by, or a table of labels
// whose "OK" button closes it by a click, Space or Enter. When it opens comes from the registry
// of open windows (open_references.h).
#pragma once

#include "reference/tool_window.h"

#include <QList>

namespace varelux {

struct PictureLayout;
struct ReferenceLayout;
struct TableLayout;

class ReferenceWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit ReferenceWindow(const ReferenceLayout &layout);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void addPicture(const PictureLayout &layout);
    void addTable(const TableLayout &layout);

    // A click (press and release on it, left button) on this control closes the window. The
    // control must leave mouse presses to its window, as labels and pictures do.
    void closeOnClick(QWidget *control);

    // What a left click at pos lands on, if that click closes the window: this window for its
    // bare background, or one of the registered controls. nullptr when the click does nothing.
    const QWidget *closingTargetAt(QPoint pos) const;

    bool m_closesOnBareClick = false;
    QList<const QWidget *> m_closingControls;
    const QWidget *m_pressedTarget = nullptr;
};

} // namespace varelux
