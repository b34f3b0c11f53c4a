#include "app/options/optionspage.h"

#include "app/options/iconpositionbox.h"
#include "app/options/icontrainer.h"
#include "app/options/saveoptionsbox.h"
#include "app/options/windowoptions.h"
#include "app/saving/capturestate.h"
#include "app/widgets/checkboxes.h"
#include "app/widgets/greyablecheckbox.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString autoNameTip = QStringLiteral(
    "When checked, images will be saved automatically with a time stamp and you will not be asked to name the file.");
const QString autoCopyNameTip = QStringLiteral(
    "When checked, anytime a file is saved the file name will automatically be copied to the clipboard ready to be "
    "pasted.");
const QString saveStatsPanelTip = QStringLiteral("When unchecked, no stats panel will be saved.");

} // namespace

OptionsPage::OptionsPage(CaptureState &state, std::function<void()> focusFob, QWidget *parent)
    : PictureArea(QStringLiteral("picSettings"), parent), state_(state)
{
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 6, 8, 6);
    rows->setSpacing(6);

    for (capture::ImageKind kind : capture::imageKinds) {
        auto *frame = new SaveOptionsBox(kind, state_, this);
        kinds_[size_t(kind)] = frame;
        rows->addWidget(frame);
    }
    chkSaveStatsPanel_ = new GreyableCheckBox(QStringLiteral("chkSaveStatsPanel"), QStringLiteral("Save Stats Panel"), this);
    chkSaveStatsPanel_->setToolTip(saveStatsPanelTip);
    kinds_[size_t(capture::ImageKind::Panel)]->addTopRow(chkSaveStatsPanel_);

    rows->addLayout(buildNameOptions());

    iconPosition_ = new IconPositionBox(state_, this);
    rows->addWidget(iconPosition_);
    rows->addStretch(1);
    windowOptions_ = new WindowOptions(std::move(focusFob), this);
    rows->addWidget(windowOptions_);

    trainer_ = new IconTrainer(state_, this);
    connect(trainer_, &IconTrainer::screenshotTaken, this, &OptionsPage::trainingScreenshot);
    connect(iconPosition_->cmdTrainIconLocation(), &QPushButton::clicked, trainer_, &IconTrainer::start);
    connect(trainer_, &IconTrainer::offsetsTaken, iconPosition_, &IconPositionBox::showOffsets);
    connect(iconPosition_, &IconPositionBox::fullScreenChosen, trainer_, &QWidget::hide);
}

QLayout *OptionsPage::buildNameOptions()
{
    chkAutoName_ = new GreyableCheckBox(QStringLiteral("chkAutoName"), QStringLiteral("Autoname"), this);
    chkAutoName_->setToolTip(autoNameTip);
    chkAutoCopyName_ = new GreyableCheckBox(QStringLiteral("chkAutoCopyName"), QStringLiteral("Autocopy File Name"), this);
    chkAutoCopyName_->setToolTip(autoCopyNameTip);
    // A name made from the time is not worth copying; the greyed state leaves it alone.
    connect(chkAutoName_, &QCheckBox::stateChanged, this, [this](int checkState) {
        if (checkState != Qt::PartiallyChecked)
            chkAutoCopyName_->setEnabled(checkState == Qt::Unchecked);
    });
    auto *names = new QHBoxLayout;
    names->setContentsMargins(12, 0, 8, 0);
    names->addWidget(chkAutoName_);
    names->addSpacing(16);
    names->addWidget(chkAutoCopyName_);
    names->addStretch(1);
    return names;
}

void OptionsPage::placeTrainingArea()
{
    trainer_->place();
}

void OptionsPage::loadAutoNames(const PrivateProfile &ini)
{
    modVandrel::SetCheckFromText(chkAutoCopyName_, ini.read(settingsKeys::autoCopyFileName));
    modVandrel::SetCheckFromText(chkAutoName_, ini.read(settingsKeys::autoName));
}

void OptionsPage::loadKind(capture::ImageKind kind, const PrivateProfile &ini)
{
    if (kind == capture::ImageKind::Panel)
        modVandrel::SetCheckFromText(chkSaveStatsPanel_, ini.read(settingsKeys::saveStatsPanel));
    kinds_[size_t(kind)]->load(ini);
}

void OptionsPage::loadIconPosition(const PrivateProfile &ini)
{
    iconPosition_->load(ini);
}

void OptionsPage::hideTraining()
{
    trainer_->hide();
}

QList<QWidget *> OptionsPage::keyControls() const
{
    QList<QWidget *> controls = {const_cast<OptionsPage *>(this)};
    for (const SaveOptionsBox *frame : kinds_)
        controls += frame->keyControls();
    controls += iconPosition_->keyControls();
    controls += {chkAutoCopyName_, chkAutoName_, chkSaveStatsPanel_};
    controls += windowOptions_->keyControls();
    return controls;
}
