#pragma once
// The upload list: every upload with its state and the last word on it (a link to its file
// page once it is on the wiki), Retry and Remove, the answers to the wiki's questions, and
// picture files dropped on it uploaded like saved ones.

#include <QWidget>

class QListWidget;
class QPushButton;
class UploadCenter;

class UploadsWindow : public QWidget {
    Q_OBJECT

public:
    UploadsWindow(UploadCenter &center, QWidget *parent);

    // Shows the list (raised when it was open already), with the entry id selected.
    void showEntry(int id = 0);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refill();
    void selectionChanged();
    int selectedId() const;
    void chosen(int answer);
    void newName();
    void dropped(const QStringList &files);

    UploadCenter &center_;
    QListWidget *lstUploads_ = nullptr;
    QList<QPushButton *> buttons_; // in the order of the button table
};
