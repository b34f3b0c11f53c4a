#pragma once
// A rectangle outline drawn over a picture area (the crop rectangle, the training frame).
// Its geometry is the rectangle in the area's widget units (the area's pixels unless the
// area shows device pixels); it lets the mouse through to the area.

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QWidget>

class PictureArea;

class OutlineShape : public QWidget {
    Q_OBJECT

public:
    OutlineShape(const QString &name, PictureArea *area, const QColor &color = Qt::red);

    // Outlines these pixels of the area's picture, one device pixel wide along their edge.
    void setFrame(const QRect &pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureArea *area_;
    QColor color_;
    // The framed pixels in this widget's units, and a device pixel in them.
    QRectF exact_;
    qreal line_ = 1;
};
