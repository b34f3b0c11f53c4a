#include "settings/options.h"

#include "common/numbers.h"
#include "settings/checktext.h"
#include "settings/privateprofile.h"
#include "settings/settingvalues.h"

namespace settings {
namespace {

using capture::ImageKind;

// The entry makers take the value held as field, for a const Options or not:
// [](auto &o) -> auto & { return o.opacity; }.

// "True", "False", or "" for a greyed box; any other text keeps the state.
Entry check(Check c)
{
    return {checkKey(c).key,
            [c](Options &o, const QString &text) { o.set(c, modVandrel::SetCheckFromText(o.state(c), text)); },
            [c](const Options &o) { return modVandrel::CheckToText(o.state(c)); }};
}

// An option added since that a user seldom sets: its key is written once the user set it
// (or the file has it), so the files of everyone else stay as they were.
Entry checkOnceSet(Check c)
{
    Entry entry = check(c);
    const auto read = entry.read;
    entry.read = [read, c](Options &o, const QString &text) {
        if (text.isEmpty()) // the key's default: the file does not have it
            return;
        read(o, text);
        o.checksRead[size_t(c)] = true;
    };
    entry.write = [c](const Options &o) -> std::optional<QString> {
        if (!o.checksRead[size_t(c)] && o.state(c) == checkKey(c).initial)
            return std::nullopt;
        return modVandrel::CheckToText(o.state(c));
    };
    return entry;
}

// A number the file holds as 16 bits: one that cannot be read keeps the value held.
template <typename Field> Entry int16(const keys::SettingKey &key, Field field)
{
    return {key,
            [field](Options &o, const QString &text) {
                if (const auto value = numbers::toInt16(text))
                    field(o) = *value;
            },
            [field](const Options &o) { return QString::number(field(o)); }};
}

template <typename Field> Entry text(const keys::SettingKey &key, Field field)
{
    return {key, [field](Options &o, const QString &value) { field(o) = value; },
            [field](const Options &o) -> std::optional<QString> { return field(o); }};
}

// Written only once the user changed the caption in the window.
Entry caption(const keys::SettingKey &key, Captions Options::*captions, int index)
{
    return {key,
            [captions, index](Options &o, const QString &value) {
                (o.*captions).loaded[index] = (o.*captions).shown[index] = value;
            },
            [captions, index](const Options &o) -> std::optional<QString> {
                const Captions &c = o.*captions;
                if (c.shown[index] == c.loaded[index])
                    return std::nullopt;
                return c.shown[index];
            }};
}

void addCaptions(QList<Entry> &list)
{
    for (int i = 0; i < captionCount; ++i) {
        list.append(caption(keys::statsPanelDimension(i + 1), &Options::panelHeights, i));
        list.append(caption(keys::liveShotDimension(i + 1), &Options::cropSizes, i));
    }
}

void addTypes(QList<Entry> &list)
{
    for (ImageKind kind : capture::imageKinds) {
        const QString section = capture::kindSection(kind);
        list.append({keys::fileType(section),
                     [kind](Options &o, const QString &value) { o.kind(kind).fileType = value.toLower(); },
                     [kind](const Options &o) { return o.kind(kind).fileType; }});
        // 1 to 100, "NN%": see capture::qualityText.
        list.append({keys::jpgQuality(section),
                     [kind](Options &o, const QString &value) {
                         o.kind(kind).quality = capture::qualityNumber(capture::qualityText(value));
                     },
                     [kind](const Options &o) { return QString::number(o.kind(kind).quality) + u'%'; }});
        if (kind == ImageKind::Panel)
            list.append(check(Check::SaveStatsPanel));
    }
}

void addNames(QList<Entry> &list)
{
    // The values held carry the blank that joins them to the name, and are written so.
    for (ImageKind kind : capture::imageKinds) {
        const QString section = capture::kindSection(kind);
        list.append({keys::prefix(section),
                     [kind](Options &o, const QString &value) { o.kind(kind).prefix = capture::prefixFromBox(value); },
                     [kind](const Options &o) { return o.kind(kind).prefix; }});
        list.append({keys::suffix(section),
                     [kind](Options &o, const QString &value) { o.kind(kind).suffix = capture::suffixFromBox(value); },
                     [kind](const Options &o) { return o.kind(kind).suffix; }});
    }
}

void addFolders(QList<Entry> &list)
{
    for (ImageKind kind : capture::imageKinds) {
        const QString section = capture::kindSection(kind);
        // A greyed box is written as the folder it saves to: the custom one.
        list.append({keys::useDefaultSavePath(section),
                     [kind](Options &o, const QString &value) {
                         o.setDefaultPath(kind, modVandrel::SetCheckFromText(o.defaultPathBox(kind), value));
                     },
                     [kind](const Options &o) {
                         return modVandrel::CheckToText(o.kind(kind).useDefaultFolder ? Qt::Checked : Qt::Unchecked);
                     }});
        list.append(
            text(keys::customSavePath(section), [kind](auto &o) -> auto & { return o.kind(kind).customFolder; }));
    }
}

QList<Entry> makeEntries()
{
    QList<Entry> list = {
        int16(keys::left, [](auto &o) -> auto & { return o.leftTwips; }),
        int16(keys::top, [](auto &o) -> auto & { return o.topTwips; }),
        check(Check::AutoName),
        text(keys::gameFullscreen, [](auto &o) -> auto & { return o.fullScreenFlag; }),
        check(Check::SaveIcon),
        check(Check::AutoCopyFileName),
        check(Check::DisplayToolTips),
        {keys::opacity, [](Options &o, const QString &value) { o.opacity = settings::values::opacityFromText(value); },
         [](const Options &o) { return QString::number(o.opacity); }},
    };
    addCaptions(list);
    addTypes(list);
    addNames(list);
    list.append(int16(keys::iconOffsetLeft, [](auto &o) -> auto & { return o.offsets.left; }));
    list.append(int16(keys::iconOffsetTop, [](auto &o) -> auto & { return o.offsets.top; }));
    addFolders(list);
    list.append(int16(keys::spawnMapX, [](auto &o) -> auto & { return o.spawnX; }));
    list.append(int16(keys::spawnMapY, [](auto &o) -> auto & { return o.spawnY; }));
    list.append(check(Check::SaveClipboard));
    for (size_t slot = 0; slot < clipboardSlotCount; ++slot) {
        const auto held = [slot](auto &o) -> auto & { return o.clipboardSlots[slot]; };
        list.append(text(keys::clipboardSlot(int(slot) + 1), held));
    }
    // Added since: a file without their keys loads as before.
    list.append({keys::autoCopyKind,
                 [](Options &o, const QString &value) { o.autocopy = capture::autocopyKindFrom(value); },
                 [](const Options &o) { return capture::autocopySetting(o.autocopy); }});
    list += {check(Check::CheckWikiNames),
             check(Check::SmallestPng),
             check(Check::UploadAfterSave),
             text(keys::wikiApi, [](auto &o) -> auto & { return o.wikiApi; }),
             text(keys::wikiUser, [](auto &o) -> auto & { return o.wikiUser; }),
             check(Check::Magnifier),
             check(Check::Hints),
             checkOnceSet(Check::ForceEnglish),
             checkOnceSet(Check::CreatePages)};
    return list;
}

} // namespace

CheckKey checkKey(Check c)
{
    // The boxes that start greyed keep it for a text that is neither "true" nor "false".
    switch (c) {
    case Check::SaveIcon: return {keys::saveIcon, Qt::PartiallyChecked};
    case Check::AutoName: return {keys::autoName, Qt::PartiallyChecked};
    case Check::AutoCopyFileName: return {keys::autoCopyFileName, Qt::PartiallyChecked};
    case Check::DisplayToolTips: return {keys::displayToolTips, Qt::Checked};
    case Check::SaveStatsPanel: return {keys::saveStatsPanel, Qt::PartiallyChecked};
    case Check::SaveClipboard: return {keys::saveClipboard, Qt::PartiallyChecked};
    case Check::CheckWikiNames: return {keys::checkWikiNames, Qt::Unchecked};
    case Check::SmallestPng: return {keys::smallestPng, Qt::Unchecked};
    case Check::UploadAfterSave: return {keys::uploadAfterSave, Qt::Unchecked};
    case Check::Magnifier: return {keys::magnifier, Qt::Checked};
    case Check::Hints: return {keys::hints, Qt::Checked};
    case Check::ForceEnglish: return {keys::forceEnglish, Qt::Unchecked};
    case Check::CreatePages: return {keys::createPages, Qt::Unchecked};
    case Check::Count: break;
    }
    return {};
}

Options::Options()
{
    for (int c = 0; c < checkCount; ++c)
        checks[size_t(c)] = checkKey(Check(c)).initial;
    for (int i = 1; i <= captionCount; ++i) {
        panelHeights.loaded.append(keys::statsPanelDimension(i).defaultValue);
        cropSizes.loaded.append(keys::liveShotDimension(i).defaultValue);
    }
    panelHeights.shown = panelHeights.loaded;
    cropSizes.shown = cropSizes.loaded;
    for (ImageKind kind : capture::imageKinds)
        setDefaultPath(kind, Qt::PartiallyChecked);
}

void Options::setDefaultPath(ImageKind k, Qt::CheckState s)
{
    defaultPathBoxes[size_t(k)] = s;
    kind(k).useDefaultFolder = s == Qt::Checked;
}

const QList<Entry> &entries()
{
    static const QList<Entry> list = makeEntries();
    return list;
}

void Options::load(const PrivateProfile &ini)
{
    for (const Entry &entry : entries())
        entry.read(*this, ini.read(entry.key));
}

void Options::save(PrivateProfile &ini) const
{
    for (const Entry &entry : entries())
        if (const auto value = entry.write(*this))
            ini.write(entry.key, *value);
}

} // namespace settings
