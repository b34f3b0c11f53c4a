#include "wiki/pagetext.h"

#include "common/paths.h"
#include "common/textfile.h"

namespace wiki::pageText {

QString fill(const QString &pattern, const QString &fileName, const QString &kind)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString name = dot > 0 ? fileName.left(dot) : fileName;
    // One pass each: a value holding a placeholder's text is never filled in again.
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        bool filled = false;
        for (const auto &[key, value] : {std::pair{QStringView(u"%name%"), name},
                                         std::pair{QStringView(u"%file%"), fileName},
                                         std::pair{QStringView(u"%kind%"), kind}}) {
            if (QStringView(pattern).sliced(i).startsWith(key)) {
                out += value;
                i += key.size();
                filled = true;
                break;
            }
        }
        if (!filled)
            out += pattern[i++];
    }
    return out;
}

QString forUpload(const QString &programFolder, const QString &fileName, const QString &kind)
{
    const QString templates = paths::joinPath(programFolder, QStringLiteral("Templates"));
    const auto pattern = textFiles::readTextFile(paths::findFileNoCase(templates, templateFileName));
    return pattern ? fill(*pattern, fileName, kind) : QString();
}

} // namespace wiki::pageText
