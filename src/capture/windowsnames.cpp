#include "capture/windowsnames.h"

#include <QRegularExpression>

#include <algorithm>

namespace capture::windowsNames {
namespace {

const QString forbidden = QStringLiteral("<>:\"/\\|?*");

bool isControl(QChar c)
{
    return c.unicode() < 0x20;
}

// The name before its first dot, as Windows compares it with the devices' names.
bool reserved(const QString &fileName)
{
    static const QRegularExpression devices(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return devices.match(fileName.section(u'.', 0, 0)).hasMatch();
}

template <typename Test> qsizetype firstOf(const QString &name, Test test)
{
    const auto at = std::find_if(name.cbegin(), name.cend(), test);
    return at == name.cend() ? -1 : at - name.cbegin();
}

qsizetype endTrimmed(const QString &name)
{
    qsizetype end = name.size();
    while (end > 0 && (name[end - 1] == u'.' || name[end - 1] == u' '))
        --end;
    return end;
}

QString mended(QString name, qsizetype folderLength)
{
    for (QChar &c : name) {
        if (forbidden.contains(c) || isControl(c))
            c = u'-';
    }
    name.truncate(endTrimmed(name));
    if (reserved(name)) {
        const qsizetype dot = name.indexOf(u'.');
        name.insert(dot < 0 ? name.size() : dot, u'_');
    }
    const qsizetype room = maxPath - folderLength;
    if (name.size() > room && room > 0) {
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot > 0 ? name.mid(dot) : QString();
        qsizetype stem = std::max<qsizetype>(room - extension.size(), 0);
        if (stem > 0 && name[stem - 1].isHighSurrogate())
            --stem;
        name = name.left(stem);
        name.truncate(endTrimmed(name));
        name += extension;
    }
    return name.size() > room ? QString() : name;
}

} // namespace

Verdict check(const QString &fileName, qsizetype folderLength)
{
    Verdict verdict;
    const auto broken = [&](Rule rule, const QString &offending) {
        verdict.rule = rule;
        verdict.offending = offending;
    };
    if (reserved(fileName))
        broken(Rule::Reserved, fileName.section(u'.', 0, 0).trimmed());
    else if (const qsizetype at = firstOf(fileName, [](QChar c) { return forbidden.contains(c); }); at >= 0)
        broken(Rule::Forbidden, fileName.mid(at, 1));
    else if (const qsizetype control = firstOf(fileName, isControl); control >= 0)
        broken(Rule::Control, QStringLiteral("U+%1").arg(QString::number(fileName[control].unicode(), 16).toUpper(), 4, u'0'));
    else if (endTrimmed(fileName) < fileName.size())
        broken(Rule::TrailingDotOrBlank, fileName.mid(endTrimmed(fileName)));
    else if (folderLength + fileName.size() > maxPath)
        broken(Rule::TooLong, QString::number(folderLength + fileName.size()));
    if (!verdict.ok())
        verdict.cleaned = mended(fileName, folderLength);
    return verdict;
}

} // namespace capture::windowsNames
