#include "app/widgets/picturearea.h"

#include "app/widgets/dropsupport.h"
#include "app/widgets/hint.h"
#include "capture/devicepixels.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
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
    holdsPicture_ = !picture.isNull();
    nameBySubject();
    update();
}

void PictureArea::clearPicture()
{
    QImage blank(pixelSize(size()), QImage::Format_RGB32);
    blank.fill(backColor_);
    setPicture(blank);
    holdsPicture_ = false;
    nameBySubject();
}

void PictureArea::setSubject(const QString &subject)
{
    subject_ = subject;
    nameBySubject();
}

void PictureArea::nameBySubject()
{
    if (subject_.isEmpty())
        return;
    setAccessibleName(holdsPicture_ ? tr("%1, %2 x %3 pixels").arg(subject_).arg(picture_.width()).arg(picture_.height())
                                    : subject_);
}

void PictureArea::setAcceptsFiles(bool on)
{
    acceptsFiles_ = on;
    setAcceptDrops(acceptsFiles_ || acceptsPictures_);
    takeTabWhenItActs();
}

void PictureArea::setAcceptsPictures(bool on)
{
    acceptsPictures_ = on;
    setAcceptDrops(acceptsFiles_ || acceptsPictures_);
    takeTabWhenItActs();
}

void PictureArea::setDragSource(bool on)
{
    dragSource_ = on;
    takeTabWhenItActs();
}

void PictureArea::takeTabWhenItActs()
{
    if (acceptsFiles_ || acceptsPictures_ || dragSource_)
        setFocusPolicy(Qt::StrongFocus);
}

void PictureArea::keyPressEvent(QKeyEvent *event)
{
    if (dragSource_ && event->matches(QKeySequence::Copy) && !picture_.isNull()) {
        auto *data = new QMimeData;
        data->setImageData(picture_);
        QGuiApplication::clipboard()->setMimeData(data);
        return;
    }
    const bool paste = event->matches(QKeySequence::Paste)
                       || event->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V);
    if (acceptDrops() && paste) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QDropEvent drop(rect().center(), Qt::CopyAction, data, Qt::NoButton, event->modifiers() & Qt::ShiftModifier);
        if (data && takes(data))
            dropEvent(&drop);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit doubleClicked();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PictureArea::setShowsDevicePixels(bool on)
{
    showsDevicePixels_ = on;
    update();
}

qreal PictureArea::pixelRatio() const
{
    return showsDevicePixels_ ? devicePixelRatioF() : 1.0;
}

QSize PictureArea::widgetSize(QSize pixels) const
{
    return capture::logicalSize(pixels, pixelRatio());
}

QSize PictureArea::pixelSize(QSize widget) const
{
    return capture::pixelSize(widget, pixelRatio());
}

QRect PictureArea::widgetRect(const QRect &pixels) const
{
    return capture::logicalRect(pixels, pixelRatio());
}

QPoint PictureArea::pixelAt(QPointF position) const
{
    return capture::pixelAt(position, pixelRatio());
}

void PictureArea::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void PictureArea::setHint(const QString &hint)
{
    hint_ = hint;
    update();
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (picture_.isNull()) {
        paintHint(painter, rect(), hint_);
        return;
    }
    if (showsDevicePixels_) {
        // Drawn into exactly its pixel size in device pixels; no smoothing, so nothing blurs.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(picture_.size()) / pixelRatio()), picture_);
    } else {
        painter.drawImage(0, 0, picture_);
    }
}

void PictureArea::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
    event->accept();
    if (event->button() == Qt::LeftButton)
        dragStart_ = event->position().toPoint();
    emit mousePressed(event->button(), event->modifiers(), pixelAt(event->position()));
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    dragStart_.reset();
    const bool click = click_.release(event, this);
    emit mouseReleased(event->button(), event->modifiers(), pixelAt(event->position()));
    if (click)
        emit clicked();
}

void PictureArea::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(event->buttons(), event->modifiers(), pixelAt(event->position()));
    if (!dragSource_ || !dragStart_ || !(event->buttons() & Qt::LeftButton) || picture_.isNull())
        return;
    if ((event->position().toPoint() - *dragStart_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragStart_.reset();
    auto *data = new QMimeData;
    data->setImageData(picture_);
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(QPixmap::fromImage(picture_));
    drag->exec(Qt::CopyAction);
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

bool PictureArea::takes(const QMimeData *data) const
{
    return (acceptsFiles_ && dropSupport::hasFiles(data)) || (acceptsPictures_ && data->hasImage());
}

void PictureArea::dragEnterEvent(QDragEnterEvent *event)
{
    if (takes(event->mimeData()))
        event->acceptProposedAction();
}

void PictureArea::dragMoveEvent(QDragMoveEvent *event)
{
    if (takes(event->mimeData()))
        event->acceptProposedAction();
}

void PictureArea::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (acceptsPictures_ && data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        if (!picture.isNull()) {
            event->acceptProposedAction();
            emit pictureDropped(picture, event->modifiers());
            return;
        }
    }
    if (!acceptsFiles_)
        return;
    const QStringList files = dropSupport::localFiles(data);
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files, event->modifiers());
}
