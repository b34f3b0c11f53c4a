#include "app/mergepanel.h"

#include "app/saveroutine.h"

MergePanel::MergePanel(SaveRoutine &saveRoutine, QWidget *parent)
    : PictureArea(QStringLiteral("picIconMerge"), parent), saveRoutine_(saveRoutine)
{
}

QList<QWidget *> MergePanel::keyControls() const
{
    return {const_cast<MergePanel *>(this)};
}
