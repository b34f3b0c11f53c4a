#pragma once
// Answers the modal message and input boxes that open while it lives, each once and in
// order, as a user would, and remembers what each one showed.

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <optional>

namespace modal {

// For an input box the text typed and accepted (none cancels), for a message box the
// button clicked (a box without that button is closed as by Escape).
struct Reply {
    Reply(QMessageBox::StandardButton button = QMessageBox::Ok) : button(button) {}
    Reply(QString text) : text(std::move(text)) {}
    Reply(const char *text) : text(QString::fromUtf8(text)) {}
    std::optional<QString> text;
    QMessageBox::StandardButton button = QMessageBox::Ok;
};
inline const Reply cancel = QMessageBox::Cancel;

struct Shown {
    bool input = false;
    QString title, text; // text: the message, or the input box's label
    QString preset; // input boxes
    QMessageBox::Icon icon = QMessageBox::NoIcon; // message boxes
    QMessageBox::StandardButtons buttons;
};

class Answerer : public QObject {
public:
    // Past the script, message boxes get OK and input boxes Cancel. whileShown runs with
    // each box up, before it is answered.
    explicit Answerer(QList<Reply> script = {}, std::function<void(QDialog *)> whileShown = {})
        : script_(std::move(script)), whileShown_(std::move(whileShown))
    {
        connect(&timer_, &QTimer::timeout, this, &Answerer::answer);
        timer_.start(5);
    }
    QList<Shown> seen;

private:
    void answer()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        auto *box = qobject_cast<QMessageBox *>(dialog);
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if ((!box && !input) || !dialog->isVisible() || dialog->property("answered").toBool())
            return;
        dialog->setProperty("answered", true); // whileShown may spin an event loop
        const Reply reply = script_.isEmpty() ? Reply() : script_.takeFirst();
        if (box)
            seen.append({false, box->windowTitle(), box->text(), {}, box->icon(), box->standardButtons()});
        else
            seen.append({true, input->windowTitle(), input->labelText(), input->textValue(), QMessageBox::NoIcon, {}});
        if (whileShown_)
            whileShown_(dialog);
        if (box) {
            QAbstractButton *button = box->button(reply.button);
            button ? button->click() : box->reject();
        } else if (reply.text) {
            input->setTextValue(*reply.text);
            input->accept();
        } else {
            input->reject();
        }
        dialog->setProperty("answered", dialog->isVisible()); // the same box shown again is new
    }

    QList<Reply> script_;
    std::function<void(QDialog *)> whileShown_;
    QTimer timer_;
};

} // namespace modal
