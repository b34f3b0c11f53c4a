#include "app/settingspanel.h"

#include "app/capturestate.h"
#include "app/greyablecheckbox.h"
#include "settings/privateprofile.h"

SettingsPanel::SettingsPanel(const QString &programFolder, CaptureState &state, PictureArea *picTemp, QWidget *parent)
    : PictureArea(QStringLiteral("picSettings"), parent), programFolder_(programFolder), state_(state), picTemp_(picTemp)
{
    chkAutoName_ = new GreyableCheckBox(QStringLiteral("chkAutoName"), QStringLiteral("Autoname"), this);
    chkAutoCopyName_ = new GreyableCheckBox(QStringLiteral("chkAutoCopyName"), QStringLiteral("Autocopy File Name"), this);
    chkSaveStatsPanel_ = new GreyableCheckBox(QStringLiteral("chkSaveStatsPanel"), QStringLiteral("Save Stats Panel"), this);
}

void SettingsPanel::placeTrainingArea() {}
void SettingsPanel::loadAutoNames(const PrivateProfile &) {}
void SettingsPanel::loadKind(capture::ImageKind, const PrivateProfile &) {}
void SettingsPanel::loadIconPosition(const PrivateProfile &) {}
void SettingsPanel::hideTraining() {}

QList<QWidget *> SettingsPanel::keyControls() const
{
    return {const_cast<SettingsPanel *>(this), chkAutoName_, chkAutoCopyName_, chkSaveStatsPanel_};
}
