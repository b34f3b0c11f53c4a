#include "wiki/itempage.h"

#include "common/paths.h"
#include "common/textfile.h"
#include "wiki/pagetext.h"

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

} // namespace wiki::itemPage
