#include "capture/saveoptions.h"

#include "common/modvandrel.h"
#include "common/numbers.h"
#include "common/paths.h"

#include <QDir>

#include <algorithm>
#include <climits>
#include <cmath>

namespace capture {
namespace {

const QString fallbackQuality = QStringLiteral("90%");

// A quality is held as a 32-bit integer; texts far outside that range are held at its ends.
long long clampToInt(double value)
{
    if (value <= double(INT_MIN))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return static_cast<long long>(value);
}

// Custom folders typed on Windows use "\"; elsewhere that is an ordinary character in a
// name, so it is read as the folder separator it was meant to be.
QString withPlatformSeparators(const QString &folder)
{
#ifdef Q_OS_WIN
    return folder;
#else
    QString out = folder;
    out.replace(u'\\', u'/');
    return out;
#endif
}

} // namespace

QString kindSection(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Icon:
        return QStringLiteral("Icon");
    case ImageKind::Panel:
        return QStringLiteral("Panel");
    case ImageKind::Live:
        return QStringLiteral("Live");
    }
    return QString();
}

QString kindNoun(ImageKind kind)
{
    static const std::array<QString, 3> nouns = {QStringLiteral("icon"), QStringLiteral("stats panel"),
                                                 QStringLiteral("live shot")};
    return nouns[size_t(kind)];
}

int fileTypeIndex(const QString &fileType)
{
    for (size_t i = 0; i < fileTypes.size(); ++i) {
        if (fileTypes[i] == fileType)
            return int(i);
    }
    return -1;
}

QString qualityText(const QString &typed)
{
    QString text = typed;
    text.remove(u'%');
    const auto value = numbers::toNumber(text);
    if (!value)
        return fallbackQuality;
    const double v = *value;
    double percent;
    if (v <= 1.0)
        percent = numbers::roundHalfEven(v * 100.0);
    else if (v >= 1.01 && v <= 100.0)
        percent = numbers::roundHalfEven(v);
    else if (v > 100.0)
        percent = 100.0;
    else
        return fallbackQuality; // between 1 and 1.01 the rule gives nothing
    return QString::number(clampToInt(percent)) + u'%';
}

int qualityNumber(const QString &qualityText)
{
    QString text = qualityText;
    text.remove(u'%');
    const auto value = numbers::toNumber(text);
    if (!value)
        return 90;
    return int(clampToInt(numbers::roundHalfEven(*value)));
}

QString prefixFromBox(const QString &text)
{
    return text.isEmpty() ? text : text + u' ';
}

QString suffixFromBox(const QString &text)
{
    return text.isEmpty() ? text : u' ' + text;
}

QString prefixForBox(const QString &prefix)
{
    return prefix.endsWith(u' ') ? prefix.chopped(1) : prefix;
}

QString suffixForBox(const QString &suffix)
{
    return suffix.startsWith(u' ') ? suffix.mid(1) : suffix;
}

QString timeStampName(const QTime &time)
{
    const double seconds = time.msecsSinceStartOfDay() / 1000.0;
    return QString::number(static_cast<long long>(numbers::roundHalfEven(seconds)));
}

QString saveFolder(const KindOptions &options, const QString &programFolder)
{
    if (options.useDefaultFolder)
        return paths::withSeparator(paths::joinPath(programFolder, QStringLiteral("Images")));
    const QString custom = withPlatformSeparators(options.customFolder);
    // An empty custom folder is the program folder itself, as any relative one is taken from it.
    if (custom.isEmpty())
        return paths::withSeparator(programFolder);
    if (QDir::isRelativePath(custom))
        return paths::withSeparator(paths::joinPath(programFolder, custom));
    return paths::withSeparator(custom);
}

QString extensionFor(const QString &fileType)
{
    if (fileType == QLatin1String("bmp") || fileType == QLatin1String("jpg") || fileType == QLatin1String("png"))
        return u'.' + fileType;
    return QString();
}

QString savePath(const KindOptions &options, const QString &programFolder, const QString &name)
{
    return saveFolder(options, programFolder) + options.prefix + name + options.suffix
         + extensionFor(options.fileType);
}

QString markedPath(const QString &path, const QString &mark)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (dot <= separator)
        return path + mark;
    return path.left(dot) + mark + path.mid(dot);
}

} // namespace capture
