#pragma once
// The window's keyboard shortcuts: Escape shows tab 1 and the digits 1 to 6 show that tab.
// Only the window itself and the controls hooked here pass their keys to the handler, and
// they never swallow a key: the control still receives it as usual. Every other control
// (text boxes above all) keeps its keys to itself, so a digit typed into a text box stays
// there and never travels on to the panel or the window.

#include <QObject>
#include <QSet>
#include <functional>

class QKeyEvent;
class QWidget;

class KeyRouter : public QObject {
    Q_OBJECT

public:
    using TabHandler = std::function<void(int tab)>;

    KeyRouter(QWidget *window, TabHandler showTab);

    // A control whose key presses go to the handler.
    void hook(QWidget *control);
    // Every other focusable control under root keeps its keys; call once the controls exist.
    void keepTheRest(QWidget *root);

    // Whether control passes its key presses to the handler.
    bool passesKeys(const QObject *control) const { return hooked_.contains(const_cast<QObject *>(control)); }

    // Keys the shown page takes before the control with the focus does (the arrow keys of a
    // crop): true when it took the key, which then goes no further.
    void setPageKeys(std::function<bool(const QKeyEvent &)> pageKeys) { pageKeys_ = std::move(pageKeys); }

    // The tab a key asks for, or 0 for none.
    static int tabForKey(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    TabHandler showTab_;
    std::function<bool(const QKeyEvent &)> pageKeys_;
    QSet<QObject *> hooked_;
    QSet<QObject *> kept_;
};
