#pragma once
// The one feedback line at the foot of the window: every save, replace, upload and refusal
// says what happened here. A long text is elided in the middle (the folder and the file
// name both stay readable) and shown whole in the tooltip. A click opens the folder the
// last save went to, or, for a line about uploads, the upload list. While it says something
// it is a Tab stop too, where Space or Enter does what a click does.

#include <QLabel>
#include <functional>

class StatusLine : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString message READ message)

public:
    explicit StatusLine(QWidget *parent = nullptr);

    // Shows text; a click then opens folder (when given) or asks for the uploads.
    void say(const QString &text, const QString &folder = QString());
    // The line of the window that shows from (a page, a control or a dialog of the window);
    // nothing when that window has none.
    static StatusLine *of(const QWidget *from);
    static void say(const QWidget *from, const QString &text, const QString &folder = QString());

    // The whole text last said.
    QString message() const { return message_; }
    QString folder() const { return folder_; }

    // How a folder is opened; the desktop's file manager unless a test says otherwise.
    static void setFolderOpener(std::function<void(const QString &folder)> opener);

signals:
    // A click on a line that names no folder.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void elide();
    // Opens the folder, or asks for the uploads.
    void open();

    QString message_;
    QString folder_;
    bool pressed_ = false;
};
