#pragma once
// A click as the window's controls know it: the left button pressed over a widget and
// released over it again.

#include <QMouseEvent>
#include <QWidget>

class LeftClick {
public:
    void press(const QMouseEvent *event) { pressed_ = event->button() == Qt::LeftButton; }
    // True when this release completes a click on widget.
    bool release(const QMouseEvent *event, const QWidget *widget)
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton
                        && widget->rect().contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};
