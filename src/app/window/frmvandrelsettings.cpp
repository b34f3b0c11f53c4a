// The settings load at start-up and the save at shut-down.

#include "app/live/livepage.h"
#include "app/options/optionspage.h"
#include "app/options/windowoptions.h"
#include "app/panel/iconcorner.h"
#include "app/panel/panelpage.h"
#include "app/text/expandedclipboardbox.h"
#include "app/text/multiusecontrol.h"
#include "app/text/templatesbox.h"
#include "app/text/textpage.h"
#include "app/tools/spawnmaptool.h"
#include "app/tools/toolspage.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/checkboxes.h"
#include "app/widgets/picturearea.h"
#include "app/window/frmvandrel.h"
#include "capture/saveoptions.h"
#include "common/modvandrel.h"
#include "common/numconv.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "settings/settingvalues.h"

#include <QCheckBox>
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
QString positionText(int pixels)
{
    return QString::number(std::clamp(settingValues::pixelsToTwips(pixels), -32768, 32767));
}

// Only the captions the user changed in the window: a hand-made key (or its absence) stays.
void writeChangedCaptions(PrivateProfile &ini, const PanelPage &panel, const LivePage &live)
{
    for (int i = 1; i <= PanelPage::buttonCount; ++i) {
        if (const auto caption = panel.changedPanelCaption(i))
            ini.write(settingsKeys::statsPanelDimension(i), *caption);
        if (const auto caption = live.changedCropCaption(i))
            ini.write(settingsKeys::liveShotDimension(i), *caption);
    }
}

} // namespace

QString frmVandrel::iniPath() const
{
    return paths::joinPath(programFolder_, programInfo::settingsFileName);
}

// Every step in the order the load runs them (later steps rely on earlier ones): it reads
// best whole.
void frmVandrel::LoadSettings()
{
    namespace keys = settingsKeys;
    using capture::ImageKind;
    using numbers::toInt16;
    const PrivateProfile ini = PrivateProfile::fromFile(iniPath());

    // A value that cannot be read leaves what the window had; the load goes on.
    QPoint position = pos();
    if (const auto left = toInt16(ini.read(keys::left))) {
        leftTwips_ = *left;
        position.setX(settingValues::twipsToPixels(*left));
    }
    if (const auto top = toInt16(ini.read(keys::top))) {
        topTwips_ = *top;
        position.setY(settingValues::twipsToPixels(*top));
    }
    move(position);

    modVandrel::SetCheckFromText(iconCorner_->chkIcon(), ini.read(keys::saveIcon));
    options_->placeTrainingArea();
    WindowOptions *options = options_->windowOptions();
    options->setOpacity(settingValues::opacityFromText(ini.read(keys::opacity)));
    for (int i = 1; i <= PanelPage::buttonCount; ++i) {
        panel_->setPanelCaption(i, ini.read(keys::statsPanelDimension(i)));
        live_->setCropCaption(i, ini.read(keys::liveShotDimension(i)));
    }
    options_->loadAutoNames(ini);

    options_->loadKind(ImageKind::Icon, ini);
    options_->loadIconPosition(ini);
    iconCorner_->coverIcon();
    options_->loadKind(ImageKind::Panel, ini);
    options_->loadKind(ImageKind::Live, ini);

    TemplatesBox *templates = text_->templatesBox();
    templates->loadTemplates(ini);

    QPoint spawnOffset = tools_->spawnMap()->samplingOffset();
    if (const auto x = toInt16(ini.read(keys::spawnMapX)))
        spawnOffset.setX(*x);
    if (const auto y = toInt16(ini.read(keys::spawnMapY)))
        spawnOffset.setY(*y);
    tools_->spawnMap()->setSamplingOffset(spawnOffset);
    templates->multiUse()->addFixedEntries();
    text_->clipboardBox()->restoreSlots(ini);
    // After the template buttons have their tooltips, so that switching off keeps them.
    options->captureToolTips();
    options->loadToolTips(ini);
    // Added since: a file without their keys loads as before.
    options_->loadWikiOptions(ini);
    uploads_->setAccount(QUrl(ini.read(keys::wikiApi)), ini.read(keys::wikiUser));
    showUploadStatus();
    options->loadHelps(ini);
}

// Every key in the order the save writes them, so a new file lists them in that order: it
// reads best whole.
void frmVandrel::SaveSettings()
{
    namespace keys = settingsKeys;
    using capture::ImageKind;
    using modVandrel::CheckToText;
    const QString path = iniPath();
    // A file that is there but cannot be read is never replaced by one holding only our keys.
    const auto loaded = PrivateProfile::load(path);
    if (loaded) {
        PrivateProfile ini = *loaded;
        const bool reported = platformReportsWindowPosition();
        ini.write(keys::left, reported ? positionText(pos().x()) : QString::number(leftTwips_));
        ini.write(keys::top, reported ? positionText(pos().y()) : QString::number(topTwips_));
        ini.write(keys::autoName, CheckToText(options_->chkAutoName()));
        ini.write(keys::gameFullscreen, capture_.fullScreenFlag);
        ini.write(keys::saveIcon, CheckToText(iconCorner_->chkIcon()));
        ini.write(keys::autoCopyFileName, CheckToText(options_->chkAutoCopyName()));
        options_->windowOptions()->saveToolTips(ini);
        ini.write(keys::opacity, QString::number(options_->windowOptions()->opacity()));
        writeChangedCaptions(ini, *panel_, *live_);

        for (ImageKind kind : capture::imageKinds) {
            const QString section = capture::kindSection(kind);
            ini.write(keys::fileType(section), capture_.kind(kind).fileType);
            ini.write(keys::jpgQuality(section), QString::number(capture_.kind(kind).quality) + u'%');
            if (kind == ImageKind::Panel)
                ini.write(keys::saveStatsPanel, CheckToText(options_->chkSaveStatsPanel()));
        }
        for (ImageKind kind : capture::imageKinds) {
            const QString section = capture::kindSection(kind);
            ini.write(keys::prefix(section), capture_.kind(kind).prefix);
            ini.write(keys::suffix(section), capture_.kind(kind).suffix);
        }
        ini.write(keys::iconOffsetLeft, QString::number(capture_.offsets.left));
        ini.write(keys::iconOffsetTop, QString::number(capture_.offsets.top));
        for (ImageKind kind : capture::imageKinds) {
            const QString section = capture::kindSection(kind);
            const auto &options = capture_.kind(kind);
            ini.write(keys::useDefaultSavePath(section),
                      options.useDefaultFolder ? QStringLiteral("True") : QStringLiteral("False"));
            ini.write(keys::customSavePath(section), options.customFolder);
        }

        const QPoint spawnOffset = tools_->spawnMap()->samplingOffset();
        ini.write(keys::spawnMapX, QString::number(spawnOffset.x()));
        ini.write(keys::spawnMapY, QString::number(spawnOffset.y()));
        text_->clipboardBox()->saveSlots(ini);
        options_->saveWikiOptions(ini);
        ini.write(keys::wikiApi, uploads_->api().toString());
        ini.write(keys::wikiUser, uploads_->user());
        options_->windowOptions()->saveHelps(ini);
        ini.saveTo(path);
    }
    modVandrel::resetScratchFile(programFolder_);
}
