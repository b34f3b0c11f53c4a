#include "app/textpanel.h"

#include "app/formattextframe.h"

TextPanel::TextPanel(const QString &programFolder, QWidget *parent)
    : PictureArea(QStringLiteral("picTemplates"), parent), fraFormat_(new FormatTextFrame(programFolder, this))
{
    fraFormat_->move(2, 0);
}
