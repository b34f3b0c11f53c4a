#pragma once
// A fixed-size area of the window that holds a picture; panels are picture areas that
// hold other controls as well.

#include "app/leftclick.h"

#include <QColor>
#include <QImage>
#include <QWidget>

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

signals:
    // A left-button click (press and release over the area).
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
    QColor backColor_;
    LeftClick click_;
};
