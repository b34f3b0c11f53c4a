#include "app/toolspanel.h"

#include "app/mouseupbutton.h"
#include "app/templatesframe.h"

ToolsPanel::ToolsPanel(const QString &programFolder, TemplatesFrame *templates, std::function<void()> focusFob,
                       QWidget *parent)
    : PictureArea(QStringLiteral("picTools"), parent), programFolder_(programFolder), templates_(templates),
      focusFob_(std::move(focusFob))
{
    cmdUpdateTemplates_ = new MouseUpButton(QStringLiteral("cmdUpdateTemplates"), QStringLiteral("Update Templates"), this);
    cmdUpdateTemplates_->setGeometry(8, 8, 150, 27);
    cmdCycleCategories_ = new MouseUpButton(QStringLiteral("cmdCycleCategories"), QStringLiteral("Cycle Categories"), this);
    cmdCycleCategories_->setGeometry(8, 40, 150, 27);
    // A click on the bare panel gives the focus back to the window's focus holder.
    connect(this, &PictureArea::clicked, this, [this] { focusFob_(); });
}

QList<QWidget *> ToolsPanel::keyControls() const
{
    return {cmdUpdateTemplates_, cmdCycleCategories_};
}
