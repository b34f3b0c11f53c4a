#include "wiki/pagetext.h"

#include "common/paths.h"
#include "common/textfile.h"

#include <algorithm>

namespace wiki::pageText {

QString fillIn(const QString &pattern, const QList<std::pair<QString, QString>> &values)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const auto found = std::find_if(values.begin(), values.end(), [&](const auto &value) {
            return QStringView(pattern).sliced(i).startsWith(value.first);
        });
        if (found == values.end()) {
            out += pattern[i++];
            continue;
        }
        out += found->second;
        i += found->first.size();
    }
    return out;
}

QString fill(const QString &pattern, const QString &fileName, const QString &kind)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString name = dot > 0 ? fileName.left(dot) : fileName;
    return fillIn(pattern, {{QStringLiteral("%name%"), name}, {QStringLiteral("%file%"), fileName},
                            {QStringLiteral("%kind%"), kind}});
}

QString forUpload(const QString &programFolder, const QString &fileName, const QString &kind)
{
    const QString templates = paths::joinPath(programFolder, QStringLiteral("Templates"));
    const auto pattern = textFiles::readTextFile(paths::findFileNoCase(templates, templateFileName));
    return pattern ? fill(*pattern, fileName, kind) : QString();
}

} // namespace wiki::pageText
