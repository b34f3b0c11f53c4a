#include "app/multiusebox.h"

#include "app/mouseupbutton.h"
#include "settings/privateprofile.h"

#include <QComboBox>
#include <QLineEdit>

MultiUseBox::MultiUseBox(const QString &programFolder, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder)
{
    cmdReload_ = new MouseUpButton(QStringLiteral("cmdReload"), QStringLiteral("Reload"), this);
    cmbExtraTemplates_ = new QComboBox(this);
    cmbExtraTemplates_->setObjectName(QStringLiteral("cmbExtraTemplates"));
    cmbExtraTemplates_->setEditable(true);
    cmbExtraTemplates_->setInsertPolicy(QComboBox::NoInsert);
}

void MultiUseBox::loadExpandedTemplates(const PrivateProfile &) {}
void MultiUseBox::addFixedEntries() {}

QList<QWidget *> MultiUseBox::keyControls() const
{
    // An editable drop-down's keys arrive at its line edit.
    return {cmdReload_, cmbExtraTemplates_->lineEdit()};
}
