#pragma once
// The window's keyboard shortcuts: Escape shows tab 1 and the digits 1 to 6 show that tab.
// Every control of the window passes its keys to the handler, except the places where the
// user types text (text boxes, spin boxes, lists): a digit typed there stays there. The
// kind of the control decides, so controls made later (a dialog's, a reloaded button) follow
// the same rule. No key is swallowed: the control still receives it as usual, and the key
// then goes no further, so the panels and the window never take it as their own.

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

class KeyRouter : public QObject {
    Q_OBJECT

public:
    using TabHandler = std::function<void(int tab)>;

    // Listens to the window and to every widget it holds, now and later.
    KeyRouter(QWidget *window, TabHandler showTab);

    // Whether control, a widget of the window, passes its key presses to the handler.
    bool passesKeys(const QObject *control) const;
    // Whether a widget is a place to type text (or lies inside one), which keeps its keys. The
    // line edit of a drop-down is not: the drop-down is a control like a button.
    static bool typesText(const QWidget *widget);

    // Keys the shown page takes before the control with the focus does (the arrow keys of a
    // crop): true when it took the key, which then goes no further.
    void setPageKeys(std::function<bool(const QKeyEvent &)> pageKeys) { pageKeys_ = std::move(pageKeys); }

    // The tab a key asks for, or 0 for none.
    static int tabForKey(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listen(QWidget *widget);

    QWidget *window_;
    TabHandler showTab_;
    std::function<bool(const QKeyEvent &)> pageKeys_;
};
