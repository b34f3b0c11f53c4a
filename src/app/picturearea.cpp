#include "app/picturearea.h"

#include <QMouseEvent>
#include <QPainter>

PictureArea::PictureArea(const QString &name, QWidget *parent)
    : QWidget(parent), backColor_(palette().color(QPalette::Window))
{
    setObjectName(name);
}

void PictureArea::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void PictureArea::clearPicture()
{
    QImage blank(size(), QImage::Format_RGB32);
    blank.fill(backColor_);
    setPicture(blank);
}

void PictureArea::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
}

void PictureArea::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
    event->accept();
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (click_.release(event, this))
        emit clicked();
}
