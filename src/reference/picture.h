// A picture control: an image drawn for the screen's device pixel ratio, shown at its natural
// size, with no border and no focus. Mouse presses go on to its window, like a label's.
#pragma once

#include <QImage>
#include <QWidget>

namespace varelux {

class Picture : public QWidget {
    Q_OBJECT

public:
    // draw(dpr) returns the picture at that device pixel ratio, sized size * dpr.
    using Drawing = QImage (*)(qreal dpr);

    Picture(const QString &name, QPoint topLeft, QSize size, Drawing draw, QWidget *parent);

    // The image shown now, drawn for the current device pixel ratio.
    const QImage &image();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing m_draw;
    QImage m_image;
};

} // namespace varelux
