#include "app/options/optionspage.h"

#include "app/options/iconpositionbox.h"
#include "app/options/icontrainer.h"
#include "app/options/saveoptionsbox.h"
#include "app/options/windowoptions.h"
#include "app/saving/capturestate.h"
#include "app/widgets/checkboxes.h"
#include "app/widgets/greyablecheckbox.h"
#include "app/widgets/named.h"
#include "common/programinfo.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const char *const autoNameTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, images will be saved automatically with a time stamp and you will not be asked to name the file.");
const char *const autoCopyNameTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, anytime a file is saved the file name will automatically be copied to the clipboard ready to be "
    "pasted.");
const char *const saveStatsPanelTip = QT_TRANSLATE_NOOP("OptionsPage", "When unchecked, no stats panel will be saved.");
const char *const wikiNamesCaption = QT_TRANSLATE_NOOP("OptionsPage", "Check names for the wiki");
const char *const wikiNamesTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, every file name is checked against the wiki's rules before it is saved, and a cleaned name is "
    "offered when it breaks one.");
const char *const smallPngCaption = QT_TRANSLATE_NOOP("OptionsPage", "Smallest PNG files");
const char *const smallPngTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, PNG files are saved as small as they can be without losing a pixel (a palette or grey where the "
    "picture allows).");
const char *const uploadCaption = QT_TRANSLATE_NOOP("OptionsPage", "Upload saved pictures to the wiki");
const char *const uploadTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, every picture saved is uploaded to the wiki set up with Wiki..., one after the other, while "
    "you go on working.");
const char *const createPagesCaption = QT_TRANSLATE_NOOP("OptionsPage", "Create missing item pages");
const char *const createPagesTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "When checked, an item whose icon or stats panel went up gets a draft of its page from Page.txt in the "
    "Templates folder when the wiki has none yet; you check the draft and create the page. An existing page is "
    "never changed.");
const char *const wikiTip = QT_TRANSLATE_NOOP("OptionsPage", "The wiki's address and the bot account that uploads.");
const char *const uploadsTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "The uploads: what went up, what waits, what the wiki asks.");
// Both on, every picture reaches the wiki under a name made from the clock.
const char *const timeNamesOnWikiWarning = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "With Autoname on, pictures are named from the time they are saved, such as 39863.png, and uploading puts them "
    "on the wiki under those names, where nobody can tell what they show.\n\n"
    "For a shared wiki, turn Autoname off and name each picture.");
const char *const autoCopyKindTip = QT_TRANSLATE_NOOP(
    "OptionsPage",
    "What autocopy puts on the clipboard: the name, the file name with its extension, or the wiki markup that shows "
    "the file.");
// What autocopy puts on the clipboard, in the order of capture::AutocopyKind.
const char *const autocopyCaptions[] = {QT_TRANSLATE_NOOP("OptionsPage", "Name"),
                                        QT_TRANSLATE_NOOP("OptionsPage", "File name"),
                                        QT_TRANSLATE_NOOP("OptionsPage", "Wiki markup")};

// A row of controls from the left.
QHBoxLayout *row(std::initializer_list<QWidget *> controls)
{
    auto *line = new QHBoxLayout;
    line->setContentsMargins(4, 0, 0, 0);
    line->setSpacing(8);
    for (QWidget *control : controls)
        line->addWidget(control);
    line->addStretch(1);
    return line;
}

} // namespace

OptionsPage::OptionsPage(CaptureState &state, std::function<void()> focusFob, QWidget *parent)
    : PictureArea(QStringLiteral("picSettings"), parent), state_(state)
{
    // Should a larger font need more height than the window has, the page scrolls.
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget;
    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(8, 4, 8, 4);
    rows->setSpacing(1);

    for (capture::ImageKind kind : capture::imageKinds) {
        auto *frame = new SaveOptionsBox(kind, state_, content);
        kinds_[size_t(kind)] = frame;
        rows->addWidget(frame);
    }
    chkSaveStatsPanel_ =
        new GreyableCheckBox(QStringLiteral("chkSaveStatsPanel"), tr("Save Stats Panel"), content);
    chkSaveStatsPanel_->setToolTip(tr(saveStatsPanelTip));
    kinds_[size_t(capture::ImageKind::Panel)]->addTopRow(chkSaveStatsPanel_);

    buildNameOptions(content, rows);
    iconPosition_ = new IconPositionBox(state_, content);
    rows->addWidget(iconPosition_);
    chkSmallPng_ = named(new QCheckBox(tr(smallPngCaption), content), QStringLiteral("chkSmallPng"), tr(smallPngTip));
    chkUploadAfterSave_ =
        named(new QCheckBox(tr(uploadCaption), content), QStringLiteral("chkUploadAfterSave"), tr(uploadTip));
    auto *cmdWiki = named(new QPushButton(tr("Wiki..."), content), QStringLiteral("cmdWiki"), tr(wikiTip));
    auto *cmdUploads =
        named(new QPushButton(tr("Uploads..."), content), QStringLiteral("cmdUploads"), tr(uploadsTip));
    connect(cmdWiki, &QPushButton::clicked, this, &OptionsPage::wikiAccountWanted);
    connect(cmdUploads, &QPushButton::clicked, this, &OptionsPage::uploadsWanted);
    rows->addLayout(row({chkSmallPng_, cmdUploads}));
    rows->addLayout(row({chkUploadAfterSave_, cmdWiki}));
    chkCreatePages_ = named(new QCheckBox(tr(createPagesCaption), content), QStringLiteral("chkCreatePages"),
                            tr(createPagesTip));
    // Pages are drafted from what went up: without uploads there is nothing to draft from.
    auto *dependent = row({chkCreatePages_});
    dependent->setContentsMargins(24, 0, 0, 0);
    rows->addLayout(dependent);
    connect(chkUploadAfterSave_, &QCheckBox::toggled, chkCreatePages_, &QWidget::setEnabled);
    rows->addStretch(1);
    windowOptions_ = new WindowOptions(state_, std::move(focusFob), content);
    rows->addWidget(windowOptions_);
    scroller->setWidget(content);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroller);

    using settings::Check;
    for (auto [box, option] : {std::pair{chkAutoName_, Check::AutoName}, {chkAutoCopyName_, Check::AutoCopyFileName},
                               {chkSaveStatsPanel_, Check::SaveStatsPanel}, {chkWikiNames_, Check::CheckWikiNames},
                               {chkSmallPng_, Check::SmallestPng}, {chkUploadAfterSave_, Check::UploadAfterSave},
                               {chkCreatePages_, Check::CreatePages}})
        checkBoxes::bind(box, state_, option);
    // Only a click warns: the settings load must never open a box.
    for (QCheckBox *box : {chkAutoName_, chkUploadAfterSave_})
        connect(box, &QCheckBox::clicked, this, &OptionsPage::warnOfTimeNamesOnWiki);

    trainer_ = new IconTrainer(state_, this);
    connect(trainer_, &IconTrainer::screenshotTaken, this, &OptionsPage::trainingScreenshot);
    connect(iconPosition_->cmdTrainIconLocation(), &QPushButton::clicked, trainer_, &IconTrainer::start);
    connect(trainer_, &IconTrainer::offsetsTaken, iconPosition_, &IconPositionBox::showOffsets);
    connect(iconPosition_, &IconPositionBox::fullScreenChosen, trainer_, &QWidget::hide);
}

void OptionsPage::buildNameOptions(QWidget *content, QVBoxLayout *rows)
{
    chkAutoName_ = new GreyableCheckBox(QStringLiteral("chkAutoName"), tr("Autoname"), content);
    chkAutoName_->setToolTip(tr(autoNameTip));
    chkAutoCopyName_ =
        new GreyableCheckBox(QStringLiteral("chkAutoCopyName"), tr("Autocopy File Name"), content);
    chkAutoCopyName_->setToolTip(tr(autoCopyNameTip));
    // A name made from the time is not worth copying; the greyed state leaves it alone.
    connect(chkAutoName_, &QCheckBox::stateChanged, this, [this](int checkState) {
        if (checkState != Qt::PartiallyChecked)
            chkAutoCopyName_->setEnabled(checkState == Qt::Unchecked);
    });
    chkWikiNames_ =
        named(new QCheckBox(tr(wikiNamesCaption), content), QStringLiteral("chkWikiNames"), tr(wikiNamesTip));

    cmbAutoCopyKind_ = new QComboBox(content);
    cmbAutoCopyKind_->setObjectName(QStringLiteral("cmbAutoCopyKind"));
    cmbAutoCopyKind_->setToolTip(tr(autoCopyKindTip));
    for (const char *caption : autocopyCaptions)
        cmbAutoCopyKind_->addItem(tr(caption));
    connect(cmbAutoCopyKind_, &QComboBox::activated, this,
            [this](int index) { state_.autocopy = capture::AutocopyKind(index); });

    // The options about names: how they are made and checked, and what is copied after.
    rows->addLayout(row({chkAutoName_, chkWikiNames_}));
    rows->addLayout(row({chkAutoCopyName_, cmbAutoCopyKind_}));
}

void OptionsPage::warnOfTimeNamesOnWiki()
{
    if (timeNamesWarned_ || chkAutoName_->checkState() != Qt::Checked || !chkUploadAfterSave_->isChecked())
        return;
    timeNamesWarned_ = true; // once a run is a reminder; every click would be a nag
    QMessageBox::warning(this, programInfo::title, tr(timeNamesOnWikiWarning));
}

void OptionsPage::showWikiOptions()
{
    cmbAutoCopyKind_->setCurrentIndex(int(state_.autocopy));
    checkBoxes::show(chkWikiNames_, state_, settings::Check::CheckWikiNames);
    checkBoxes::show(chkSmallPng_, state_, settings::Check::SmallestPng);
    checkBoxes::show(chkUploadAfterSave_, state_, settings::Check::UploadAfterSave);
    checkBoxes::show(chkCreatePages_, state_, settings::Check::CreatePages);
    chkCreatePages_->setEnabled(chkUploadAfterSave_->isChecked());
}

void OptionsPage::placeTrainingArea()
{
    trainer_->place();
}

void OptionsPage::showNameOptions()
{
    checkBoxes::show(chkAutoCopyName_, state_, settings::Check::AutoCopyFileName);
    checkBoxes::show(chkAutoName_, state_, settings::Check::AutoName);
}

void OptionsPage::showKind(capture::ImageKind kind)
{
    if (kind == capture::ImageKind::Panel)
        checkBoxes::show(chkSaveStatsPanel_, state_, settings::Check::SaveStatsPanel);
    kinds_[size_t(kind)]->showOptions();
}

void OptionsPage::showIconPosition()
{
    iconPosition_->showOptions();
}

void OptionsPage::hideTraining()
{
    trainer_->hide();
}

QList<PictureArea *> OptionsPage::focusAreas() const
{
    return {const_cast<OptionsPage *>(this)};
}
