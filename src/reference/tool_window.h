// The frame that the reference windows and the LED array planner share, and the rule by which a
// button of the main window opens one of them.
//
// A ToolWindow is a fixed-size tool window without an owner: a small title bar with the caption
// and a close box, no icon, no taskbar entry, centred on the screen whenever it is built. It is
// destroyed when it closes.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace varelux {

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // The frame without content, named name, captioned caption, of a fixed client size in
    // logical pixels, centred.
    ToolWindow(const QString &name, const QString &caption, QSize clientSize);
};

// At most one window per slot at a time: build() makes it, top-level and deleted when it closes,
// when slot holds no open window; otherwise the open one comes back from minimised, is raised
// and activated where it stands.
void openOnce(QPointer<QWidget> &slot, const std::function<QWidget *()> &build);

// The window in slot while it is open, else nullptr.
QWidget *openIn(const QPointer<QWidget> &slot);

} // namespace varelux
