#pragma once
// The corner tabs 1 and 2 share below the button tray: the cut icon and its "Icon" box
// on "1 Panel", the box greyed out and a grey square over the icon on "2 Live". These
// stand on the window itself, since both tabs show them.

#include <QObject>

class GreyableCheckBox;
class PictureArea;
class QCheckBox;
class QWidget;

class IconCorner : public QObject {
    Q_OBJECT

public:
    explicit IconCorner(QWidget *window);

    PictureArea *picIcon() const { return picIcon_; }
    QCheckBox *chkIcon() const;

    // What the tab switch shows of the corner on tab 1 to 6.
    void showFor(int tab);
    // The cover goes where the icon stands (the settings load moves it there).
    void coverIcon();
    // Over the pages that span the window.
    void raise();

private:
    PictureArea *picIcon_ = nullptr;
    GreyableCheckBox *chkIcon_ = nullptr;
    PictureArea *picIconCover_ = nullptr;
};
