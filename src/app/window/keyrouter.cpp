#include "app/window/keyrouter.h"

#include <QKeyEvent>
#include <QWidget>

KeyRouter::KeyRouter(QWidget *window, TabHandler showTab)
    : QObject(window), window_(window), showTab_(std::move(showTab))
{
    hook(window);
}

void KeyRouter::hook(QWidget *control)
{
    if (hooked_.contains(control))
        return;
    kept_.remove(control);
    hooked_.insert(control);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject *gone) { hooked_.remove(gone); });
}

void KeyRouter::keepTheRest(QWidget *root)
{
    const auto widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->focusPolicy() == Qt::NoFocus || w->isWindow() || hooked_.contains(w) || kept_.contains(w))
            continue;
        kept_.insert(w);
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject *gone) { kept_.remove(gone); });
    }
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
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (hooked_.contains(watched)) {
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
