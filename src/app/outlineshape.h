#pragma once
// A rectangle outline drawn over a picture area (the crop rectangle, the training frame).
// Its geometry is the rectangle in the area's pixels; it lets the mouse through to the area.

#include <QColor>
#include <QWidget>

class OutlineShape : public QWidget {
    Q_OBJECT

public:
    OutlineShape(const QString &name, QWidget *area, const QColor &color = Qt::red);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
};
