#include "capture/imagewriter.h"

#include "image/imagefiles.h"
#include "image/smallpng.h"
#include "wiki/filenames.h"

#include <optional>

namespace capture {
namespace {

// The name, prefix and suffix make up the file name only: anything that would lead the
// file into another folder is refused rather than written somewhere unexpected.
std::optional<QString> whyNotAFileName(const QString &piece, const QString &what)
{
    for (const QChar bad : {QChar(u'/'), QChar(u'\\'), QChar(u'\0')}) {
        if (piece.contains(bad)) {
            const QString shown = bad == u'\0' ? QStringLiteral("a NUL character") : u'"' + QString(bad) + u'"';
            return QStringLiteral("the %1 may not contain %2").arg(what, shown);
        }
    }
    return std::nullopt;
}

std::optional<QString> whyNameRefused(const KindOptions &options, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("the name may not be \"%1\"").arg(name);
    if (auto why = whyNotAFileName(name, QStringLiteral("name")))
        return why;
    if (auto why = whyNotAFileName(options.prefix, QStringLiteral("prefix")))
        return why;
    return whyNotAFileName(options.suffix, QStringLiteral("suffix"));
}

WriteResult failed(const QString &path, const QString &reason)
{
    return {WriteResult::Failed, path, reason.isEmpty() ? QStringLiteral("the file could not be written") : reason, {}};
}

} // namespace

QString plannedFileName(const KindOptions &options, const QString &programFolder, const QString &name,
                        const QString &taken, WriteChoices choices)
{
    QString file = options.prefix + name + options.suffix + extensionFor(options.fileType);
    if (!taken.isEmpty() && saveFolder(options, programFolder) + file == taken)
        file = markedPath(file, clashMark);
    if (choices.wikiCleaned) {
        const QString cleaned = wiki::names::check(file).cleaned;
        if (!cleaned.isEmpty())
            file = cleaned;
    }
    return file;
}

QString plannedPath(const KindOptions &options, const QString &programFolder, const QString &name,
                    const QString &taken, WriteChoices choices)
{
    return saveFolder(options, programFolder) + plannedFileName(options, programFolder, name, taken, choices);
}

WriteResult writeImage(const KindOptions &options, const QString &programFolder, const QString &name,
                       const QImage &picture, const QString &taken, WriteChoices choices)
{
    const QString &type = options.fileType;
    if (type == QLatin1String("gif"))
        return {WriteResult::GifNotSupported, QString(), QString(), {}};
    if (extensionFor(type).isEmpty())
        return {WriteResult::NoFileType, QString(), QString(), {}};

    const QString path = plannedPath(options, programFolder, name, taken, choices);
    // The wiki's rules leave no separator in a cleaned name.
    if (const auto why = whyNameRefused(options, name); why && !choices.wikiCleaned)
        return failed(path, *why);

    // A file of the same name the user saved before is kept, never silently lost.
    oldFiles::Replaced replaced;
    PictureResult written;
    if (type == QLatin1String("bmp"))
        written = imageFiles::saveBmp(picture, path, &replaced);
    else if (type == QLatin1String("jpg"))
        written = imageFiles::saveJpg(picture, path, options.quality, &replaced);
    else
        written = choices.smallestPng ? smallPng::save(picture, path, &replaced)
                                      : imageFiles::savePng(picture, path, &replaced);
    if (!written)
        return failed(path, written.reason());
    return {WriteResult::Written, path, QString(), replaced};
}

} // namespace capture
