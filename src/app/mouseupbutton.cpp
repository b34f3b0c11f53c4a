#include "app/mouseupbutton.h"

#include <QMouseEvent>

MouseUpButton::MouseUpButton(const QString &name, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void MouseUpButton::mousePressEvent(QMouseEvent *event)
{
    pressed_ |= event->button();
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event); // the pressed look
    else
        event->accept(); // keep the release for ourselves
}

void MouseUpButton::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    const bool wasPressed = pressed_.testFlag(button);
    pressed_ &= ~Qt::MouseButtons(button);
    if (button == Qt::LeftButton)
        QPushButton::mouseReleaseEvent(event);
    else
        event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit mouseUp(button, event->modifiers(), event->position().toPoint());
}
