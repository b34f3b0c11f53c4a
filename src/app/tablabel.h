#pragma once
// A label that reports a left click; the tab labels along the top of the window.

#include <QLabel>

class TabLabel : public QLabel {
    Q_OBJECT

public:
    TabLabel(const QString &name, const QString &caption, QWidget *parent = nullptr);
    void setHighlighted(bool on);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool leftPressed_ = false;
};
