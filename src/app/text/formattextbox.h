#pragma once
// The "Format Text" frame: four buttons that turn the clipboard's text into wiki markup.

#include <QGroupBox>
#include <QList>

class MouseUpButton;

class FormatTextBox : public QGroupBox {
    Q_OBJECT

public:
    FormatTextBox(const QString &programFolder, QWidget *parent = nullptr);

    void cmdFormat_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

private:
    QString programFolder_;
    QList<MouseUpButton *> cmdFormat_;
};
