#include "capture/autocopy.h"

#include "common/paths.h"
#include "common/textfile.h"

namespace capture {

AutocopyKind autocopyKindFrom(const QString &setting)
{
    for (size_t i = 0; i < autocopySettings.size(); ++i) {
        if (setting.compare(autocopySettings[i], Qt::CaseInsensitive) == 0)
            return AutocopyKind(i);
    }
    return AutocopyKind::Name;
}

QString autocopySetting(AutocopyKind kind)
{
    return autocopySettings[size_t(kind)];
}

std::optional<QString> autocopyText(AutocopyKind kind, const QString &name, const QStringList &writtenPaths)
{
    if (kind == AutocopyKind::Name)
        return name;
    if (writtenPaths.isEmpty())
        return std::nullopt;
    QStringList lines;
    for (const QString &path : writtenPaths) {
        const QString file = paths::fileNameOf(path);
        lines.append(kind == AutocopyKind::Markup ? QStringLiteral("[[File:%1]]").arg(file) : file);
    }
    return lines.join(textFiles::crlf);
}

} // namespace capture
