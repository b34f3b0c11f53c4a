#pragma once
// A label that reports a left click; the tab labels along the top of the window.

#include "app/widgets/leftclick.h"

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
    LeftClick click_;
};
