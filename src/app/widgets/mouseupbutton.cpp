#include "app/widgets/mouseupbutton.h"

#include "app/widgets/dropsupport.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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

void MouseUpButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Menu) {
        emit mouseUp(Qt::RightButton, event->modifiers(), rect().center());
        return;
    }
    if (acceptDrops() && event->matches(QKeySequence::Paste)) {
        const QStringList files = dropSupport::localFiles(QGuiApplication::clipboard()->mimeData());
        if (files.isEmpty())
            emit picturePasted();
        else
            emit filesDropped(files, Qt::NoModifier);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void MouseUpButton::keyReleaseEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QPushButton::keyReleaseEvent(event); // clicked(), as always
    if (space)
        emit mouseUp(Qt::LeftButton, event->modifiers(), rect().center());
}

void MouseUpButton::setWordWrap(bool on)
{
    wordWrap_ = on;
    update();
}

void MouseUpButton::paintEvent(QPaintEvent *event)
{
    if (!wordWrap_) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption.simplified());
}

void MouseUpButton::dragEnterEvent(QDragEnterEvent *event)
{
    if (dropSupport::hasFiles(event->mimeData()))
        event->acceptProposedAction();
}

void MouseUpButton::dragMoveEvent(QDragMoveEvent *event)
{
    if (dropSupport::hasFiles(event->mimeData()))
        event->acceptProposedAction();
}

void MouseUpButton::dropEvent(QDropEvent *event)
{
    const QStringList files = dropSupport::localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files, event->modifiers());
}
