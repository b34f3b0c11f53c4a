#include "app/widgets/statusline.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

namespace {

std::function<void(const QString &)> &folderOpener()
{
    static std::function<void(const QString &)> opener = [](const QString &folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    return opener;
}

} // namespace

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblStatus"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setIndent(3);
    // The line never asks for more width than the window has: it elides instead.
    setMinimumWidth(1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusLine::say(const QString &text, const QString &folder)
{
    message_ = text;
    folder_ = folder;
    setToolTip(text);
    setCursor(text.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    elide();
}

StatusLine *StatusLine::of(const QWidget *from)
{
    // Dialogs are windows of their own: the line belongs to the outermost window.
    const QWidget *top = from ? from->window() : nullptr;
    while (top && top->parentWidget())
        top = top->parentWidget()->window();
    return top ? top->findChild<StatusLine *>(QStringLiteral("lblStatus")) : nullptr;
}

void StatusLine::say(const QWidget *from, const QString &text, const QString &folder)
{
    if (StatusLine *line = of(from))
        line->say(text, folder);
}

void StatusLine::setFolderOpener(std::function<void(const QString &)> opener)
{
    folderOpener() = std::move(opener);
}

void StatusLine::elide()
{
    // Line ends of a message would cut the one line short.
    QString flat = message_;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int room = contentsRect().width() - 2 * indent();
    setText(fontMetrics().elidedText(flat, Qt::ElideMiddle, std::max(room, 0)));
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void StatusLine::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void StatusLine::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        open();
}

void StatusLine::open()
{
    if (!folder_.isEmpty())
        folderOpener()(folder_);
    else
        emit clicked();
}

void StatusLine::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        open();
    else
        QLabel::keyPressEvent(event);
}

void StatusLine::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own.
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}
