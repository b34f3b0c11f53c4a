// The settings load at start-up and the save at shut-down.

#include "app/checkboxes.h"
#include "app/frmvandrel.h"
#include "common/modvandrel.h"
#include "common/numconv.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "settings/settingvalues.h"

#include <QCheckBox>
#include <QGuiApplication>

namespace {

const QString iniFileName = QStringLiteral("Quillmark.ini");

// Wayland never tells a window where it stands; the loaded position is kept there.
bool platformReportsWindowPosition()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QString frmVandrel::iniPath() const
{
    return modVandrel::joinPath(programFolder_, iniFileName);
}

void frmVandrel::LoadSettings()
{
    namespace keys = settingsKeys;
    using modVandrel::toInt16;
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

    modVandrel::SetCheckFromText(chkIcon_, ini.read(keys::saveIcon));
    opacity_ = settingValues::opacityFromText(ini.read(keys::opacity));
    fullScreenFlag_ = ini.read(keys::gameFullscreen);

    if (const auto x = toInt16(ini.read(keys::spawnMapX)))
        spawnMapX_ = *x;
    if (const auto y = toInt16(ini.read(keys::spawnMapY)))
        spawnMapY_ = *y;
}

void frmVandrel::SaveSettings()
{
    namespace keys = settingsKeys;
    const QString path = iniPath();
    // A file that is there but cannot be read is never replaced by one holding only our keys.
    const auto loaded = PrivateProfile::load(path);
    if (loaded) {
        PrivateProfile ini = *loaded;
        const bool reported = platformReportsWindowPosition();
        ini.write(keys::left, QString::number(reported ? settingValues::pixelsToTwips(pos().x()) : leftTwips_));
        ini.write(keys::top, QString::number(reported ? settingValues::pixelsToTwips(pos().y()) : topTwips_));
        ini.write(keys::gameFullscreen, fullScreenFlag_);
        ini.write(keys::saveIcon, modVandrel::CheckToText(chkIcon_));
        ini.write(keys::opacity, QString::number(opacity_));
        ini.write(keys::spawnMapX, QString::number(spawnMapX_));
        ini.write(keys::spawnMapY, QString::number(spawnMapY_));
        ini.saveTo(path);
    }
    modVandrel::resetScratchFile(programFolder_);
}
