// Status messages for screen readers: what a click did, spoken without moving the focus.
//
// From Qt 6.8 on, an announcement is an accessibility event of its own, which AT-SPI passes on as
// object:announcement. Before 6.8 there is no such event; there the window holds a notification
// object that draws nothing and takes no input, and each announcement shows it anew with the
// text as its name, which screen readers speak as a notification.
#pragma once

#include <QString>

class QWidget;

namespace varelux::ui {

// Asks assistive technology to speak text politely, after what it is saying now, on behalf of
// source (the control whose click it reports). Nothing on the screen changes.
void announce(QWidget *source, const QString &text);

} // namespace varelux::ui
