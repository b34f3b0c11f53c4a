#pragma once
// Every key of Quillmark.ini with its default: the one table the load and save use.

#include <QList>
#include <QString>

namespace settings::keys {

struct SettingKey {
    QString section;
    QString key;
    QString defaultValue;
};

// Sections of the three image kinds.
inline const QString iconSection = QStringLiteral("Icon");
inline const QString panelSection = QStringLiteral("Panel");
inline const QString liveSection = QStringLiteral("Live");

// "General"
extern const SettingKey left;
extern const SettingKey top;
extern const SettingKey saveIcon;
extern const SettingKey opacity;
extern const SettingKey autoCopyFileName;
extern const SettingKey gameFullscreen;
extern const SettingKey displayToolTips;
extern const SettingKey autoName;
// Options for files made for the wiki and for the window's helps.
extern const SettingKey autoCopyKind;
extern const SettingKey checkWikiNames;
extern const SettingKey smallestPng;
extern const SettingKey magnifier;
extern const SettingKey hints;
// The window in English whatever the system's language (read at start-up).
extern const SettingKey forceEnglish;
// "Wiki": where saved pictures are uploaded (the password is never kept here).
extern const SettingKey wikiApi;
extern const SettingKey wikiUser;
extern const SettingKey uploadAfterSave;
extern const SettingKey createPages;

// The captions the window is designed with, buttons 1 to 12: the panel heights of tab 1
// and the crop sizes of tab 2.
inline const QList<const char *> designedPanelHeights = {"120", "180", "240", "300", "360", "400",
                                                         "440", "500", "570", "660", "830", "1000"};
inline const QList<const char *> designedCropSizes = {"300 100", "300 200", "300 300", "400 400",
                                                      "300 400", "032 032", "400 600", "250 250",
                                                      "200 100", "200 200", "200 300", "600 300"};
// Button captions (index 1 to 12): a key the file does not give keeps the designed caption.
// The save writes only a caption the user changed in the window, so hand-made keys stay.
SettingKey statsPanelDimension(int index);
SettingKey liveShotDimension(int index);

// Save options of an image kind (iconSection, panelSection or liveSection).
SettingKey fileType(const QString &kind);
SettingKey jpgQuality(const QString &kind);
SettingKey prefix(const QString &kind);
SettingKey suffix(const QString &kind);
SettingKey useDefaultSavePath(const QString &kind);
SettingKey customSavePath(const QString &kind);

extern const SettingKey iconOffsetLeft;
extern const SettingKey iconOffsetTop;
extern const SettingKey saveStatsPanel;

extern const SettingKey spawnMapX;
extern const SettingKey spawnMapY;

extern const SettingKey saveClipboard;
SettingKey clipboardSlot(int slot); // 1 to 8

// Template buttons 1 to 20 (read only).
SettingKey templatePath(int n);
SettingKey templateBackgroundColor(int n);
SettingKey templateAlternatePath(int n);
SettingKey templateName(int n);

extern const SettingKey expandedTemplateCount;
SettingKey expandedTemplatePath(int n);
SettingKey expandedTemplateName(int n);

// The custom folder offered before the user picks one: the system's temporary folder,
// since a drive-letter path cannot exist here.
QString defaultCustomSavePath();

} // namespace settings::keys
