#include "app/picturearea.h"

#include "app/dropsupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = click_.release(event, this);
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
    if (click)
        emit clicked();
}

void PictureArea::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void PictureArea::dragEnterEvent(QDragEnterEvent *event)
{
    if (dropSupport::hasFiles(event->mimeData()))
        event->acceptProposedAction();
}

void PictureArea::dragMoveEvent(QDragMoveEvent *event)
{
    if (dropSupport::hasFiles(event->mimeData()))
        event->acceptProposedAction();
}

void PictureArea::dropEvent(QDropEvent *event)
{
    const QStringList files = dropSupport::localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files, event->modifiers());
}
