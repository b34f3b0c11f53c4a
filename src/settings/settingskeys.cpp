#include "settings/settingskeys.h"

#include <QDir>

namespace settings::keys {
namespace {

const QString general = QStringLiteral("General");

SettingKey numbered(const QString &section, int index, const QString &defaultValue)
{
    return {section, QString::number(index), defaultValue};
}

QString designedCaption(const QList<const char *> &captions, int index)
{
    return QString::fromLatin1(captions.value(index - 1, ""));
}

QString templateSection(int n)
{
    return QStringLiteral("Template") + QString::number(n);
}

} // namespace

const SettingKey left{general, QStringLiteral("Left"), QStringLiteral("0")};
const SettingKey top{general, QStringLiteral("Top"), QStringLiteral("0")};
const SettingKey saveIcon{general, QStringLiteral("SaveIcon"), QStringLiteral("True")};
const SettingKey opacity{general, QStringLiteral("Opacity"), QStringLiteral("128")};
const SettingKey autoCopyFileName{general, QStringLiteral("AutoCopyFileName"), QStringLiteral("False")};
const SettingKey gameFullscreen{general, QStringLiteral("GameFullscreen"), QStringLiteral("False")};
const SettingKey displayToolTips{general, QStringLiteral("DisplayToolTips"), QStringLiteral("True")};
const SettingKey autoName{general, QStringLiteral("AutoName"), QStringLiteral("False")};
const SettingKey autoCopyKind{general, QStringLiteral("AutoCopyKind"), QStringLiteral("Name")};
const SettingKey checkWikiNames{general, QStringLiteral("CheckWikiNames"), QStringLiteral("False")};
const SettingKey smallestPng{general, QStringLiteral("SmallestPng"), QStringLiteral("False")};
const SettingKey magnifier{general, QStringLiteral("Magnifier"), QStringLiteral("True")};
const SettingKey hints{general, QStringLiteral("Hints"), QStringLiteral("True")};
const SettingKey forceEnglish{general, QStringLiteral("ForceEnglish"), QString()}; // written once set
const SettingKey wikiApi{QStringLiteral("Wiki"), QStringLiteral("Api"), QString()};
const SettingKey wikiUser{QStringLiteral("Wiki"), QStringLiteral("User"), QString()};
const SettingKey uploadAfterSave{QStringLiteral("Wiki"), QStringLiteral("UploadAfterSave"), QStringLiteral("False")};
const SettingKey createPages{QStringLiteral("Wiki"), QStringLiteral("CreatePages"), QString()}; // written once set

SettingKey statsPanelDimension(int index)
{
    return numbered(QStringLiteral("StatsPanelDimensions"), index, designedCaption(designedPanelHeights, index));
}

SettingKey liveShotDimension(int index)
{
    return numbered(QStringLiteral("LiveShotDimensions"), index, designedCaption(designedCropSizes, index));
}

SettingKey fileType(const QString &kind) { return {kind, QStringLiteral("FileType"), QStringLiteral("png")}; }
SettingKey jpgQuality(const QString &kind) { return {kind, QStringLiteral("JPGquality"), QStringLiteral("90%")}; }
SettingKey prefix(const QString &kind) { return {kind, QStringLiteral("Prefix"), QString()}; }
SettingKey suffix(const QString &kind) { return {kind, QStringLiteral("Suffix"), QString()}; }
SettingKey useDefaultSavePath(const QString &kind)
{
    return {kind, QStringLiteral("UseDefaultSavePath"), QStringLiteral("True")};
}
SettingKey customSavePath(const QString &kind)
{
    return {kind, QStringLiteral("CustomSavePath"), defaultCustomSavePath()};
}

const SettingKey iconOffsetLeft{iconSection, QStringLiteral("OffsetLeft"), QStringLiteral("59")};
const SettingKey iconOffsetTop{iconSection, QStringLiteral("OffsetTop"), QStringLiteral("94")};
const SettingKey saveStatsPanel{panelSection, QStringLiteral("SaveStatsPanel"), QStringLiteral("True")};

const SettingKey spawnMapX{QStringLiteral("SpawnMap"), QStringLiteral("X"), QStringLiteral("4")};
const SettingKey spawnMapY{QStringLiteral("SpawnMap"), QStringLiteral("Y"), QStringLiteral("58")};

const SettingKey saveClipboard{QStringLiteral("ExpandedClipboard"), QStringLiteral("SaveClipboard"),
                               QStringLiteral("False")};

SettingKey clipboardSlot(int slot)
{
    return numbered(QStringLiteral("ExpandedClipboard"), slot, QString());
}

SettingKey templatePath(int n) { return {templateSection(n), QStringLiteral("Path"), QString()}; }
SettingKey templateBackgroundColor(int n)
{
    return {templateSection(n), QStringLiteral("BackgroundColor"), QString()};
}
SettingKey templateAlternatePath(int n) { return {templateSection(n), QStringLiteral("AlternatePath"), QString()}; }
SettingKey templateName(int n) { return {templateSection(n), QStringLiteral("Name"), QStringLiteral("Open")}; }

const SettingKey expandedTemplateCount{QStringLiteral("ExpandedTemplates"), QStringLiteral("NumberofExpandedTemplates"),
                                       QStringLiteral("0")};

SettingKey expandedTemplatePath(int n)
{
    return {QStringLiteral("ExpandedTemplates"), QStringLiteral("ExpTemplatePath") + QString::number(n),
            QStringLiteral("Default")};
}

SettingKey expandedTemplateName(int n)
{
    return {QStringLiteral("ExpandedTemplates"), QStringLiteral("ExpTemplateName") + QString::number(n),
            QStringLiteral("Default")};
}

QString defaultCustomSavePath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Temp\\");
#else
    return QDir::toNativeSeparators(QDir::tempPath()) + QDir::separator();
#endif
}

} // namespace settings::keys
