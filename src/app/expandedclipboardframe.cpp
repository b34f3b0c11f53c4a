#include "app/expandedclipboardframe.h"

#include "app/greyablecheckbox.h"
#include "app/mouseupbutton.h"
#include "settings/privateprofile.h"

ExpandedClipboardFrame::ExpandedClipboardFrame(const QString &programFolder, QWidget *parent)
    : QGroupBox(QStringLiteral("Expanded Clipboard"), parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("fraExpandedClipboard"));
    chkSaveClipboard_ = new GreyableCheckBox(QStringLiteral("chkSaveClipboard"),
                                             QStringLiteral("Save Clipboard Items on Exit"), this);
    resize(340, 120);
}

void ExpandedClipboardFrame::restoreSlots(const PrivateProfile &) {}
void ExpandedClipboardFrame::saveSlots(PrivateProfile &) const {}

QList<QWidget *> ExpandedClipboardFrame::keyControls() const
{
    QList<QWidget *> controls = {chkSaveClipboard_};
    for (MouseUpButton *b : cmdClipboard_)
        controls.append(b);
    return controls;
}
