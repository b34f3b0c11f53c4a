#include "app/panel/panelpage.h"

#include "app/panel/iconcorner.h"
#include "app/saving/capturedialogs.h"
#include "app/saving/capturestate.h"
#include "app/saving/saveroutine.h"
#include "app/widgets/buttontray.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"
#include "app/widgets/statusline.h"
#include "app/window/windowsizing.h"
#include "capture/extractgeometry.h"
#include "common/numbers.h"
#include "settings/settingskeys.h"
#include "settings/settingvalues.h"


namespace {

const char *const buttonTip = QT_TRANSLATE_NOOP("PanelPage", "Crop a fixed height stat panel.");
const char *const heightPrompt = QT_TRANSLATE_NOOP("PanelPage", "Enter height in pixels:");
const char *const namePromptTitle = QT_TRANSLATE_NOOP("PanelPage", "File Name");
const char *const hint = QT_TRANSLATE_NOOP("PanelPage", "Copy a screenshot, then click a height button.");
constexpr int panelWidth = 300;
constexpr QPoint trayPosition(0, 17);

} // namespace

PanelPage::PanelPage(CaptureState &state, SaveRoutine &saveRoutine, IconCorner &icon, QWidget *parent)
    : QWidget(parent), state_(state), saveRoutine_(saveRoutine), icon_(icon)
{
    // Moves over the bare page still reach the window, which hides the crop outline.
    setMouseTracking(true);
    picIconPanelTray_ = buttonTray::make(QStringLiteral("picIconPanelTray"), QStringLiteral("cmdExtractPanel"),
                                         settings::keys::designedPanelHeights, tr(buttonTip), this, cmdExtractPanel_);
    picIconPanelTray_->move(trayPosition);
    picSource_ = new PictureArea(QStringLiteral("picSource"), this);
    picSource_->resize(300, 100);
    picSource_->setHint(tr(hint));
    picTemp_ = new PictureArea(QStringLiteral("picTemp"), this);
    picTemp_->resize(100, 100);
    picTemp_->hide();
    picIconPanelTray_->setSubject(tr("Stats panel heights"));
    picSource_->setSubject(tr("Extracted stats panel"));
    picTemp_->setSubject(tr("Screenshot"));

    connectMouseUp(cmdExtractPanel_, this, &PanelPage::heightButtonUp, 1);
    for (int i = 0; i < buttonCount; ++i) {
        const auto dropped = [this, i](const std::optional<QImage> &screenshot) {
            if (screenshot) {
                takeScreenshot(*screenshot);
                cutShowSave(i + 1, true);
            }
        };
        connect(cmdExtractPanel_[i], &MouseUpButton::filesDropped, this,
                [this, dropped](const QStringList &files) { dropped(captureDialogs::droppedScreenshot(window(), files)); });
        connect(cmdExtractPanel_[i], &MouseUpButton::picturePasted, this,
                [this, dropped] { dropped(captureDialogs::clipboardScreenshot(window())); });
    }
}

void PanelPage::placeAt(QPoint anchor)
{
    picSource_->move(anchor);
    picTemp_->move(anchor);
}

void PanelPage::clearWorkingPicture()
{
    picTemp_->resize(100, 100);
    picTemp_->clearPicture();
    screenshotHeld_ = false;
}

void PanelPage::heightButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint)
{
    if (modifiers == Qt::ShiftModifier) {
        // Editing a caption needs no screenshot; one on the clipboard is still taken.
        const QImage screenshot = clipboardGlue::picture();
        if (!screenshot.isNull())
            takeScreenshot(screenshot);
        if (button == Qt::RightButton)
            askHeight(index);
        return;
    }
    const auto screenshot = screenshotToCut();
    if (!screenshot)
        return;
    takeScreenshot(*screenshot);
    cutShowSave(index, button != Qt::RightButton);
}

std::optional<QImage> PanelPage::screenshotToCut()
{
    const auto held = screenshotHeld_ ? std::optional(picTemp_->picture()) : std::nullopt;
    return captureDialogs::clipboardScreenshot(window(), held);
}

void PanelPage::askHeight(int index)
{
    if (const auto height = captureDialogs::askWholeNumber(window(), tr(heightPrompt))) {
        cmdExtractPanel_[index - 1]->setText(*height);
        state_.panelHeights.shown[index - 1] = *height;
    }
}

void PanelPage::takeScreenshot(const QImage &screenshot)
{
    picTemp_->resize(screenshot.size());
    picTemp_->setPicture(screenshot);
    screenshotHeld_ = true;
}

void PanelPage::cutShowSave(int index, bool save)
{
    using namespace capture;
    const auto height = numbers::toInt16(cmdExtractPanel_[index - 1]->text());
    if (!height || *height < 1)
        return;
    const int h = *height;
    const QImage screenshot = picTemp_->picture();
    const int w = screenshot.width();
    const bool iconWanted = state_.on(settings::Check::SaveIcon);
    // A picture smaller than the cut would come out black in part.
    const QString refusal
        = captureDialogs::tooSmallSentence(screenshot.size(),
                                           extractionNeeds(h, state_.fullScreen(), state_.offsets, iconWanted));
    if (!refusal.isEmpty()) {
        StatusLine::say(this, refusal);
        return;
    }

    if (iconWanted)
        icon_.picIcon()->setPicture(cutRect(screenshot, iconRect(w, state_.fullScreen(), state_.offsets)));
    picSource_->resize(panelWidth, h);
    picSource_->setPicture(cutRect(screenshot, panelRect(w, h, state_.fullScreen(), state_.offsets)));
    picSource_->show();
    QWidget *top = window();
    windowSizing::resizeTwips(top, settings::values::pixelsToTwips(top->width()), windowHeightTwipsForPanel(h));
    if (save)
        this->save(iconWanted);
}

void PanelPage::save(bool iconWanted)
{
    using capture::ImageKind;
    const bool panelWanted = state_.state(settings::Check::SaveStatsPanel) != Qt::Unchecked;
    if (!iconWanted && !panelWanted)
        return;
    QList<ImageKind> kinds;
    if (iconWanted)
        kinds.append(ImageKind::Icon);
    if (panelWanted)
        kinds.append(ImageKind::Panel);
    const auto name = saveRoutine_.nameStep(tr(namePromptTitle), kinds);
    if (!name)
        return;
    saveRoutine_.savesItem();
    bool gifShown = false;
    // With the same folder, prefix, suffix and type for both, the panel would replace the icon.
    const QString panelPath = panelWanted ? saveRoutine_.pathFor(ImageKind::Panel, *name) : QString();
    if (iconWanted
        && !saveRoutine_.writeStep(ImageKind::Icon, icon_.picIcon()->picture(), *name, &gifShown, panelPath))
        return;
    if (panelWanted && !saveRoutine_.writeStep(ImageKind::Panel, picSource_->picture(), *name, &gifShown))
        return;
    saveRoutine_.autocopyStep(*name, true);
}

void PanelPage::setHintShown(bool on)
{
    picSource_->setHint(on ? tr(hint) : QString());
}

void PanelPage::showCaptions()
{
    for (int i = 0; i < buttonCount; ++i)
        cmdExtractPanel_[i]->setText(state_.panelHeights.shown[i]);
}

QList<PictureArea *> PanelPage::focusAreas() const
{
    return {picIconPanelTray_, picSource_, picTemp_};
}
