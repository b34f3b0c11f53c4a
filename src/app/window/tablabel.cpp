#include "app/window/tablabel.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace {
const QColor highlightColor(224, 224, 224);
}

TabLabel::TabLabel(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setHighlighted(false);
}

void TabLabel::setHighlighted(bool on)
{
    // The tabs not shown have the system's window colour: the background text areas have.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, on ? highlightColor : QGuiApplication::palette().color(QPalette::Base));
    setPalette(pal);
}

void TabLabel::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
    event->accept();
}

void TabLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (click_.release(event, this))
        emit clicked();
}
