#include "app/templatesframe.h"

#include "app/mouseupbutton.h"
#include "app/multiusebox.h"
#include "common/modvandrel.h"
#include "settings/privateprofile.h"

TemplatesFrame::TemplatesFrame(const QString &programFolder, std::function<void()> focusFob, QWidget *parent)
    : QGroupBox(QStringLiteral("Templates"), parent), programFolder_(programFolder), focusFob_(std::move(focusFob))
{
    setObjectName(QStringLiteral("fraTemplates"));
    multiUse_ = new MultiUseBox(programFolder_, this);
    resize(340, 300);
}

void TemplatesFrame::loadTemplates(const PrivateProfile &ini)
{
    multiUse_->loadExpandedTemplates(ini);
}

void TemplatesFrame::reloadTemplates()
{
    loadTemplates(PrivateProfile::fromFile(modVandrel::joinPath(programFolder_, QStringLiteral("Quillmark.ini"))));
}

QStringList TemplatesFrame::configuredPaths() const
{
    return {};
}

QList<QWidget *> TemplatesFrame::keyControls() const
{
    QList<QWidget *> controls = multiUse_->keyControls();
    for (MouseUpButton *b : cmdTemplate_)
        controls.append(b);
    return controls;
}
