// Picture control.
#include "reference/picture.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace varelux {

namespace {

QAccessibleInterface *pictureInterface(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<Picture *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

Picture::Picture(const QString &name, QPoint topLeft, QSize size, const Drawing &draw,
                 QWidget *parent)
    : QWidget(parent), m_draw(draw), m_size(size)
{
    setObjectName(name);
    setGeometry(QRect(topLeft, size));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool accessible = [] {
        QAccessible::installFactory(&pictureInterface);
        return true;
    }();
    Q_UNUSED(accessible);
}

const QImage &Picture::image()
{
    const qreal dpr = devicePixelRatioF();
    const QPalette &colours = palette();
    const QRgb window = colours.color(QPalette::Window).rgba();
    const QRgb windowText = colours.color(QPalette::WindowText).rgba();
    if (m_image.isNull() || m_image.devicePixelRatio() != dpr || m_drawnOn != window ||
        m_drawnWith != windowText) {
        // Drawn for scale times the screen's density, and shown at that density: scale times its
        // size.
        m_image = m_draw(dpr * m_scale, colours);
        m_image.setDevicePixelRatio(dpr);
        m_drawnOn = window;
        m_drawnWith = windowText;
    }
    return m_image;
}

void Picture::setDrawing(const Drawing &draw)
{
    m_draw = draw;
    m_image = QImage();
    update();
}

void Picture::setScale(qreal scale)
{
    m_scale = scale;
    m_image = QImage();
    setFixedSize((QSizeF(m_size) * scale).toSize());
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image());
}

} // namespace varelux
