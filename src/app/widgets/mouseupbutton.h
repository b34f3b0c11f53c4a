#pragma once
// A button that acts when a mouse button is released over it, with any mouse button and
// the keyboard modifiers of the moment. Serves every control array of the window.
// From the keyboard: Space acts as a left click and the menu key as a right click, with the
// modifiers held; a button that takes dropped files takes the clipboard's by Ctrl+V.

#include <QPushButton>

class MouseUpButton : public QPushButton {
    Q_OBJECT

public:
    explicit MouseUpButton(const QString &name, const QString &caption, QWidget *parent = nullptr);

    // Narrow buttons break their caption into lines at blanks instead of cutting it off.
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }
    // Takes files dragged onto it (reported by filesDropped).
    void setAcceptsFiles(bool on) { setAcceptDrops(on); }

signals:
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void filesDropped(const QStringList &files, Qt::KeyboardModifiers modifiers);
    // Ctrl+V ("Paste picture") on a button that takes files, while the clipboard holds no
    // files: the receiver takes the clipboard's picture as if it had been dropped.
    void picturePasted();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Qt::MouseButtons pressed_;
    bool wordWrap_ = false;
};

// Connects every button of a control array to one handler that receives the index.
template <typename Receiver, typename Handler>
void connectMouseUp(const QList<MouseUpButton *> &buttons, Receiver *receiver, Handler handler, int firstIndex = 0)
{
    for (int i = 0; i < buttons.size(); ++i) {
        const int index = firstIndex + i;
        QObject::connect(buttons[i], &MouseUpButton::mouseUp, receiver,
                         [receiver, handler, index](Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
                             (receiver->*handler)(index, b, m, p);
                         });
    }
}
