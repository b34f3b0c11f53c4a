// The settings load at start-up and the save at shut-down: the options read and write the
// file; the pages show them and put back what only they hold.

#include "app/live/livepage.h"
#include "app/options/optionspage.h"
#include "app/options/windowoptions.h"
#include "app/panel/iconcorner.h"
#include "app/panel/panelpage.h"
#include "app/text/expandedclipboardbox.h"
#include "app/text/multiusecontrol.h"
#include "app/text/templatesbox.h"
#include "app/text/textpage.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/checkboxes.h"
#include "app/window/frmvandrel.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "settings/privateprofile.h"
#include "settings/settingvalues.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

// Wayland never tells a window where it stands; the loaded position is kept there.
bool platformReportsWindowPosition()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The file holds positions as 16-bit numbers: -32768 twips comes back as -2185 pixels, which
// would be saved as -32775, a number the next start cannot read.
int positionTwips(int pixels)
{
    return std::clamp(settings::values::pixelsToTwips(pixels), -32768, 32767);
}

} // namespace

QString frmVandrel::iniPath() const
{
    return paths::joinPath(programFolder_, programInfo::settingsFileName);
}

void frmVandrel::LoadSettings()
{
    const PrivateProfile ini = PrivateProfile::fromFile(iniPath());
    capture_.load(ini);
    showOptions(ini);
}

// Every step in the order the start-up runs them (later steps rely on earlier ones): it
// reads best whole.
void frmVandrel::showOptions(const PrivateProfile &ini)
{
    using capture::ImageKind;
    move(settings::values::twipsToPixels(capture_.leftTwips), settings::values::twipsToPixels(capture_.topTwips));
    checkBoxes::show(iconCorner_->chkIcon(), capture_, settings::Check::SaveIcon);
    options_->placeTrainingArea();
    WindowOptions *options = options_->windowOptions();
    options->showOpacity();
    panel_->showCaptions();
    live_->showCaptions();
    options_->showNameOptions();
    options_->showKind(ImageKind::Icon);
    options_->showIconPosition();
    iconCorner_->coverIcon();
    options_->showKind(ImageKind::Panel);
    options_->showKind(ImageKind::Live);

    // The templates are only ever read: their buttons keep their own load.
    TemplatesBox *templates = text_->templatesBox();
    templates->loadTemplates(ini);
    templates->multiUse()->addFixedEntries();
    text_->clipboardBox()->restoreSlots(capture_);
    // After the template buttons have their tooltips, so that switching off keeps them.
    options->captureToolTips();
    options->showToolTips();
    options_->showWikiOptions();
    uploads_->setAccount(QUrl(capture_.wikiApi), capture_.wikiUser);
    showUploadStatus();
    options->showHelps();
}

void frmVandrel::commitOptions()
{
    if (platformReportsWindowPosition()) {
        capture_.leftTwips = positionTwips(pos().x());
        capture_.topTwips = positionTwips(pos().y());
    }
    text_->clipboardBox()->saveSlots(capture_);
    capture_.wikiApi = uploads_->api().toString();
    capture_.wikiUser = uploads_->user();
}

void frmVandrel::SaveSettings()
{
    const QString path = iniPath();
    // A file that is there but cannot be read is never replaced by one holding only our keys.
    if (const auto loaded = PrivateProfile::load(path)) {
        commitOptions();
        PrivateProfile ini = *loaded;
        capture_.save(ini);
        ini.saveTo(path);
    }
    modVandrel::resetScratchFile(programFolder_);
}
