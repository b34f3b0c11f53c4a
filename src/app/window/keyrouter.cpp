#include "app/window/keyrouter.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

KeyRouter::KeyRouter(QWidget *window, TabHandler showTab)
    : QObject(window), window_(window), showTab_(std::move(showTab))
{
    listen(window);
}

void KeyRouter::listen(QWidget *widget)
{
    // A widget made here reports its children as they come; one built elsewhere and then put
    // in the window brings them along. Installing twice installs once.
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool KeyRouter::typesText(const QWidget *widget)
{
    // A spin box's or a text box's inner parts type text as their owner does.
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QPlainTextEdit *>(w)
            || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w))
            return true;
        if (qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QComboBox *>(w->parentWidget()))
            return true;
    }
    return false;
}

bool KeyRouter::passesKeys(const QObject *control) const
{
    const auto *widget = qobject_cast<const QWidget *>(control);
    return widget && widget->window() == window_ && !typesText(widget);
}

int KeyRouter::tabForKey(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Escape)
        return 1;
    const QString text = event.text();
    if (text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    if (c == 27)
        return 1;
    if (c >= u'1' && c <= u'6')
        return int(c - u'0');
    return 0;
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            listen(static_cast<QWidget *>(child));
        return false;
    }
    // Other windows (dialogs, the uploads list) keep their keys: Escape closes them.
    if (event->type() != QEvent::KeyPress || static_cast<QWidget *>(watched)->window() != window_)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (passesKeys(watched)) {
        if (pageKeys_ && pageKeys_(*key)) {
            event->accept();
            return true;
        }
        if (const int tab = tabForKey(*key))
            showTab_(tab);
    }
    if (watched == window_)
        return false;
    // The control handles the key as it always would; the key then stops here instead of
    // travelling on to the panels and the window, which would treat it as their own.
    watched->event(event);
    event->accept();
    return true;
}
