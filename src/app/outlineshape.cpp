#include "app/outlineshape.h"

#include <QPainter>

OutlineShape::OutlineShape(const QString &name, QWidget *area, const QColor &color)
    : QWidget(area), color_(color)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(color_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
