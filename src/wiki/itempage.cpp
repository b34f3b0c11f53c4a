#include "wiki/itempage.h"

#include "common/paths.h"
#include "common/textfile.h"
#include "wiki/pagetext.h"

#include <algorithm>

namespace wiki::itemPage {

QString fill(const QString &pattern, const Item &item)
{
    return pageText::fillIn(pattern, {{QStringLiteral("%name%"), item.name},
                                      {QStringLiteral("%icon%"), item.icon},
                                      {QStringLiteral("%panel%"), item.panel},
                                      {QStringLiteral("%date%"), item.date.toString(Qt::ISODate)}});
}

std::optional<QString> draft(const QString &programFolder, const Item &item)
{
    const QString templates = paths::joinPath(programFolder, QStringLiteral("Templates"));
    const auto pattern = textFiles::readTextFile(paths::findFileNoCase(templates, templateFileName));
    if (!pattern)
        return std::nullopt;
    return fill(*pattern, item);
}

QString summary(const QString &name)
{
    return QStringLiteral("New item page for %1, drafted with Quillmark").arg(name);
}

QList<Settled> settled(const QList<uploads::Entry> &entries, const QSet<int> &seen)
{
    using uploads::State;
    QList<Settled> items;
    QSet<QString> busy;
    for (const uploads::Entry &entry : entries) {
        if (entry.item.isEmpty() || seen.contains(entry.id))
            continue;
        auto found = std::find_if(items.begin(), items.end(),
                                  [&](const Settled &s) { return s.item.name == entry.item; });
        if (found == items.end())
            found = items.insert(items.end(), Settled{{entry.item, {}, {}, {}}, {}});
        found->ids.append(entry.id);
        if (entry.state == State::Waiting || entry.state == State::Uploading || entry.state == State::Asking)
            busy.insert(entry.item);
        else if (entry.state == State::Uploaded && entry.kind == QLatin1String("icon"))
            found->item.icon = entry.wikiName;
        else if (entry.state == State::Uploaded && entry.kind == QLatin1String("stats panel"))
            found->item.panel = entry.wikiName;
    }
    items.removeIf([&](const Settled &s) { return busy.contains(s.item.name); });
    return items;
}

} // namespace wiki::itemPage
