// A picture control: an image drawn for the screen's device pixel ratio and the window's colours,
// shown at its natural size, with no border and no focus. Mouse presses go on to its window, like
// a label's. Screen readers see it as an image; its text alternative is its accessible name, and
// its accessible description where there is more to read.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace varelux {

class Picture : public QWidget {
    Q_OBJECT

public:
    // draw(dpr, palette) returns the picture at that device pixel ratio, sized size * dpr. It may
    // take the palette's Window and WindowText colours; it is drawn again when they change.
    using Drawing = std::function<QImage(qreal dpr, const QPalette &palette)>;

    Picture(const QString &name, QPoint topLeft, QSize size, const Drawing &draw, QWidget *parent);

    // The image shown now, drawn for the current device pixel ratio and palette.
    const QImage &image();

    // Shows what draw() returns from now on, in place of the drawing before.
    void setDrawing(const Drawing &draw);

    // Shows the picture at scale times its size, drawn for that size at the screen's density, so
    // that its lines and text stay sharp: a narrow screen's picture (phone_arrangement.h).
    void setScale(qreal scale);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing m_draw;
    QSize m_size; // at scale 1
    qreal m_scale = 1;
    QImage m_image;
    QRgb m_drawnOn = 0, m_drawnWith = 0; // the Window and WindowText colours m_image is for
};

} // namespace varelux
