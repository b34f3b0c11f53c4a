#include "app/panel/iconcorner.h"

#include "app/widgets/greyablecheckbox.h"
#include "app/widgets/picturearea.h"

#include <QWidget>

namespace {

constexpr QPoint iconPosition(8, 466);
const char *const iconTip = QT_TRANSLATE_NOOP(
    "IconCorner",
    "When checked saves the extracted icon along with the stats panel, uncheck when there's no icon, like with "
    "creature panels.");
const QColor coverColor(128, 128, 128);

} // namespace

IconCorner::IconCorner(QWidget *window) : QObject(window)
{
    picIcon_ = new PictureArea(QStringLiteral("picIcon"), window);
    picIcon_->setGeometry(QRect(iconPosition, QSize(32, 32)));
    chkIcon_ = new GreyableCheckBox(QStringLiteral("chkIcon"), tr("Icon"), window);
    chkIcon_->setGeometry(iconPosition.x() - 4, iconPosition.y() + 36, 46, 20);
    chkIcon_->setToolTip(tr(iconTip));

    picIconCover_ = new PictureArea(QStringLiteral("picIconCover"), window);
    picIconCover_->resize(picIcon_->size());
    picIconCover_->setBackColor(coverColor);
    coverIcon();
    picIcon_->setSubject(tr("Extracted icon"));
    picIconCover_->setSubject(tr("Icon cover"));

    // The settings load sets the box too, so this hangs on the state, not on clicks.
    connect(chkIcon_, &QCheckBox::stateChanged, this, [this](int state) {
        if (state == Qt::Unchecked)
            picIcon_->clearPicture();
    });
}

QCheckBox *IconCorner::chkIcon() const
{
    return chkIcon_;
}

void IconCorner::showFor(int tab)
{
    picIcon_->setVisible(tab == 1);
    picIconCover_->setVisible(tab == 2);
    chkIcon_->setVisible(tab == 1 || tab == 2);
    if (tab == 1 || tab == 2)
        chkIcon_->setEnabled(tab == 1);
}

void IconCorner::coverIcon()
{
    picIconCover_->move(picIcon_->pos());
}

void IconCorner::raise()
{
    for (QWidget *w : {static_cast<QWidget *>(picIcon_), static_cast<QWidget *>(chkIcon_),
                       static_cast<QWidget *>(picIconCover_)})
        w->raise();
}
