#pragma once
// Every option of the window, typed: what the load makes of each text of Quillmark.ini and
// what the save writes back, in the order the file has always listed its keys. The pages
// show these values and put back what the user changes; the capture actions read them.

#include "capture/autocopy.h"
#include "capture/extractgeometry.h"
#include "capture/saveoptions.h"
#include "settings/settingskeys.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>
#include <functional>
#include <optional>

class PrivateProfile;

namespace settings {

// The options shown as check boxes: written "True", "False", or "" for a greyed box.
enum class Check {
    SaveIcon,
    AutoName,
    AutoCopyFileName,
    DisplayToolTips,
    SaveStatsPanel,
    SaveClipboard,
    CheckWikiNames,
    SmallestPng,
    UploadAfterSave,
    Magnifier,
    Hints,
    ForceEnglish,
    CreatePages,
    Count // not an option: how many there are
};
inline constexpr int checkCount = int(Check::Count);

// The key of a check option and the state its box starts with: the state a text that is
// neither "true" nor "false" (any letter case) leaves.
struct CheckKey {
    settings::keys::SettingKey key;
    Qt::CheckState initial;
};
CheckKey checkKey(Check c);

// The size buttons of tabs 1 and 2 (index 0 is button 1): the captions the file gives (or
// the designed ones), and those shown now. Only a caption the user changed is written, so
// that a hand-made key, or its absence, stays.
inline constexpr int captionCount = 12;
struct Captions {
    QStringList loaded;
    QStringList shown;
};

inline constexpr size_t clipboardSlotCount = 8;

struct Options {
    Options();

    // [General]: the window's edges in twips, as loaded where the platform does not tell a
    // window where it stands.
    int leftTwips = 0;
    int topTwips = 0;
    int opacity = 128; // 0 to 255
    // Kept as loaded until the user picks an icon position; exactly "True" is full screen.
    QString fullScreenFlag = QStringLiteral("False");
    bool fullScreen() const { return fullScreenFlag == QLatin1String("True"); }
    capture::AutocopyKind autocopy = capture::AutocopyKind::Name;

    std::array<Qt::CheckState, checkCount> checks;
    // The check options the file gave: a key added since is written once the file has it.
    std::array<bool, checkCount> checksRead{};
    Qt::CheckState state(Check c) const { return checks[size_t(c)]; }
    bool on(Check c) const { return state(c) == Qt::Checked; }
    void set(Check c, Qt::CheckState s) { checks[size_t(c)] = s; }

    Captions panelHeights; // [StatsPanelDimensions]
    Captions cropSizes;    // [LiveShotDimensions]

    // [Icon], [Panel], [Live]. Their "Default Path" boxes start greyed, and a greyed box
    // saves to the custom folder.
    std::array<capture::KindOptions, 3> kinds;
    capture::KindOptions &kind(capture::ImageKind k) { return kinds[size_t(k)]; }
    const capture::KindOptions &kind(capture::ImageKind k) const { return kinds[size_t(k)]; }
    Qt::CheckState defaultPathBox(capture::ImageKind k) const { return defaultPathBoxes[size_t(k)]; }
    void setDefaultPath(capture::ImageKind k, Qt::CheckState s);
    capture::IconOffsets offsets;

    // [SpawnMap]: where the spawn map comparison samples; a coordinate the file cannot give
    // stays 0.
    int spawnX = 0;
    int spawnY = 0;
    QPoint spawnOffset() const { return {spawnX, spawnY}; }

    // [ExpandedClipboard] 1 to 8, as the clipboard box keeps them.
    std::array<QString, clipboardSlotCount> clipboardSlots;
    // [Wiki]: where pictures are uploaded (the password is never kept here).
    QString wikiApi;
    QString wikiUser;

    void load(const PrivateProfile &ini);
    void save(PrivateProfile &ini) const;

private:
    std::array<Qt::CheckState, 3> defaultPathBoxes{};
};

// One key of the file: what the load makes of its text, and the text the save writes
// (nothing: the key stays as it stands).
struct Entry {
    settings::keys::SettingKey key;
    std::function<void(Options &, const QString &)> read;
    std::function<std::optional<QString>(const Options &)> write;
};
// Every key the options own, in the order the save writes them.
const QList<Entry> &entries();

} // namespace settings
