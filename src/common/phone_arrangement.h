// The windows' second arrangement, for a screen narrower than the main window (a phone, in the
// browser): each window spans the screen's width, and its controls flow down it on the lines of
// a grid, in a view that scrolls up and down by dragging, every field and button tall enough
// for a fingertip. The first arrangement, the designed one, places every control where the
// window's layout table says, at its fixed size.
//
// Layout tables give each control a PhoneCell beside its designed place; a PhoneView puts the
// controls in its grid and placeAsDesigned() gives them back. Which arrangement is in use is the
// main window's choice (phoneWidth()); the windows it opens follow it.
#pragma once

#include "common/controls.h"

#include <QScrollArea>

#include <optional>

class QGridLayout;
class QLabel;

namespace varelux::ui {

// The least height of a field, button or result in the phone arrangement, and the room between
// two lines, in logical pixels (CSS pixels in the browser): a fingertip's.
inline constexpr int kFingerHeight = 44;
inline constexpr int kFingerGap = 8;

// A control's place in the phone arrangement: a line of the window's grid, top to bottom, and the
// columns it spans. The grids have three columns: a row label, a field or result, a unit.
struct PhoneCell {
    int line = 0;
    int column = 0;
    int span = 1;
};
inline constexpr int kPhoneColumns = 3;

// The width the windows take in the phone arrangement: the main window's, which sets it. None
// while the windows are arranged as designed.
std::optional<int> phoneWidth();
void setPhoneWidth(std::optional<int> width);

// The room a window opened from the main window leaves on either side in the phone arrangement,
// for its frame.
inline constexpr int kPhoneSideMargin = 8;

// In the phone arrangement, the scale at which a window of this width fits the phone's width: at
// most 1. Always 1 in the designed arrangement.
qreal phoneScale(int windowWidth);

// The size of a window that fits the screen in the phone arrangement, its frame included: the
// phone's width, and the height of window's screen.
QSize phoneWindowSize(const QWidget *window);

// The scrolling view of a window's controls in the phone arrangement: as wide as the window,
// scrolled up and down by a finger (and the wheel), never sideways, and it keeps the field with
// the focus in view, also when the on-screen keyboard makes it smaller.
class PhoneView : public QScrollArea {
    Q_OBJECT

public:
    explicit PhoneView(QWidget *window);

    // Takes control into the grid at cell, with the look role has there.
    void place(QWidget *control, ControlRole role, PhoneCell cell);
    QGridLayout *grid() const { return m_grid; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFocus();

    QGridLayout *m_grid;
};

// Makes label wrap its text to the width of its cell in the phone arrangement.
void fitToWidth(QLabel *label);

// Gives a control that a PhoneView held back to window, at its place and with its look in the
// designed arrangement.
void placeAsDesigned(QWidget *control, const LayoutRow &row, QWidget *window);

} // namespace varelux::ui
