#pragma once
// A fixed-size area of the window that holds a picture; panels are picture areas that
// hold other controls as well.

#include "app/widgets/leftclick.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

class QMimeData;

class PictureArea : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture)

public:
    explicit PictureArea(const QString &name, QWidget *parent = nullptr);

    // The persistent picture exactly as shown, at its pixel size (null while empty).
    QImage picture() const { return picture_; }
    void setPicture(const QImage &picture);
    // Empties the area: the back colour at the area's current size.
    void clearPicture();

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &color);
    // A line saying what to do, shown while the area has no picture; never part of it.
    void setHint(const QString &hint);
    // What the area shows, for assistive technology: its accessible name, followed by the
    // picture's size while it holds one ("Extracted icon, 32 x 32 pixels").
    void setSubject(const QString &subject);

    // An area that takes drops or gives its picture away is a Tab stop, and the keyboard does
    // what the mouse does: Ctrl+C drags the picture onto the clipboard, Ctrl+V drops the
    // clipboard's (with Shift: as a drop with Shift held), Enter double-clicks.
    // Takes files dragged onto it (reported by filesDropped).
    void setAcceptsFiles(bool on);
    // Takes pictures dragged onto it (reported by pictureDropped, ahead of any files the
    // same drag brings).
    void setAcceptsPictures(bool on);
    // A press and a move with the left button drags the picture away as a bitmap.
    void setDragSource(bool on);

    // Where the user frames screenshot pixels: on a scaled screen the picture is shown one
    // pixel to one device pixel, as sharp and as large as the game showed it, and every
    // mouse position is reported in the picture's pixels. Off (the default), a picture
    // pixel is a widget unit, however the screen is scaled.
    void setShowsDevicePixels(bool on);
    // Picture pixels per widget unit: the screen's ratio when showing device pixels, else 1.
    qreal pixelRatio() const;
    // The widget size that shows a picture of this many pixels.
    QSize widgetSize(QSize pixels) const;
    // The picture pixels a widget size shows.
    QSize pixelSize(QSize widget) const;
    // The widget rectangle that covers a rectangle of picture pixels (for outlines).
    QRect widgetRect(const QRect &pixels) const;
    // The picture pixel under a widget position.
    QPoint pixelAt(QPointF position) const;

signals:
    // A left-button click (press and release over the area).
    void clicked();
    // Every mouse event, in the picture's pixels (see setShowsDevicePixels).
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void filesDropped(const QStringList &files, Qt::KeyboardModifiers modifiers);
    void pictureDropped(const QImage &picture, Qt::KeyboardModifiers modifiers);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool takes(const QMimeData *data) const;
    void nameBySubject();
    void takeTabWhenItActs();

    QImage picture_;
    QColor backColor_;
    QString hint_;
    QString subject_;
    bool holdsPicture_ = false;
    LeftClick click_;
    bool acceptsFiles_ = false;
    bool acceptsPictures_ = false;
    bool dragSource_ = false;
    bool showsDevicePixels_ = false;
    std::optional<QPoint> dragStart_;
};
