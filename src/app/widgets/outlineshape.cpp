#include "app/widgets/outlineshape.h"

#include "app/widgets/picturearea.h"

#include <QPainter>

OutlineShape::OutlineShape(const QString &name, PictureArea *area, const QColor &color)
    : QWidget(area), area_(area), color_(color)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    exact_ = QRectF(rect());
    hide();
}

void OutlineShape::setFrame(const QRect &pixels)
{
    const qreal ratio = area_->pixelRatio();
    const QRect covering = area_->widgetRect(pixels);
    // Pixels that do not start on a widget unit lie a little inside the covering widget.
    exact_ = QRectF(pixels.x() / ratio - covering.x(), pixels.y() / ratio - covering.y(), pixels.width() / ratio,
                    pixels.height() / ratio);
    line_ = 1 / ratio;
    setGeometry(covering);
    update();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    if (exact_.isEmpty())
        return;
    // Filled strips rather than a pen, so the line covers the edge pixels themselves.
    QPainter painter(this);
    const QRectF &e = exact_;
    painter.fillRect(QRectF(e.left(), e.top(), e.width(), line_), color_);
    painter.fillRect(QRectF(e.left(), e.bottom() - line_, e.width(), line_), color_);
    painter.fillRect(QRectF(e.left(), e.top(), line_, e.height()), color_);
    painter.fillRect(QRectF(e.right() - line_, e.top(), line_, e.height()), color_);
}
