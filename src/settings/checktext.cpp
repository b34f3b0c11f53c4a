#include "settings/checktext.h"

namespace modVandrel {

Qt::CheckState SetCheckFromText(Qt::CheckState current, const QString &text)
{
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return Qt::Unchecked;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return Qt::Checked;
    return current;
}

QString CheckToText(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return QStringLiteral("True");
    case Qt::Unchecked:
        return QStringLiteral("False");
    case Qt::PartiallyChecked:
        break;
    }
    return QString();
}

} // namespace modVandrel
