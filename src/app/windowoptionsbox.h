#pragma once
// Window options: tooltips, always on top, translucency and its alpha.

#include <QList>
#include <QWidget>

class WindowOptionsBox : public QWidget {
    Q_OBJECT

public:
    explicit WindowOptionsBox(QWidget *parent = nullptr);

    // The controls whose keys go to the window's shortcuts.
    QList<QWidget *> keyControls() const { return {}; }
};
