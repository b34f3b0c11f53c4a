#include "app/merge/mergelayout.h"

#include "app/widgets/picturearea.h"
#include "image/loadimagefile.h"

#include <QLabel>
#include <QLineEdit>

namespace mergeLayout {

PictureArea *makeIconArea(const QString &name, QPoint at, QWidget *parent)
{
    auto *area = new PictureArea(name, parent);
    area->setGeometry(QRect(at, iconSize));
    area->setBackColor(QColor::fromRgb(compose::emptyColour));
    area->clearPicture();
    return area;
}

QLineEdit *makeBox(const QString &name, const QString &text, QRect geometry, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

void addLabel(const QString &caption, QRect geometry, QWidget *parent, QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
}

PictureRead loadFile(const QString &file)
{
    PictureRead read;
    read.result = modVandrel::LoadImageFile(file, read.picture);
    return read;
}

} // namespace mergeLayout
