#include "capture/imagewriter.h"

#include "image/imagefiles.h"
#include "image/smallpng.h"
#include "wiki/filenames.h"

#include <optional>

namespace capture {
namespace {

// The name, prefix and suffix make up the file name only: anything that would lead the
// file into another folder is refused rather than written somewhere unexpected.
std::optional<FileProblem> whyNotAFileName(const QString &piece, FileProblem::Code what)
{
    for (const QChar bad : {QChar(u'/'), QChar(u'\\'), QChar(u'\0')}) {
        if (piece.contains(bad))
            return FileProblem{what, QString(bad)};
    }
    return std::nullopt;
}

std::optional<FileProblem> whyNameRefused(const KindOptions &options, const QString &name)
{
    using Code = FileProblem::Code;
    if (name.isEmpty())
        return FileProblem{Code::NameEmpty, {}};
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return FileProblem{Code::NameOnlyDots, name};
    if (auto why = whyNotAFileName(name, Code::SeparatorInName))
        return why;
    if (auto why = whyNotAFileName(options.prefix, Code::SeparatorInPrefix))
        return why;
    return whyNotAFileName(options.suffix, Code::SeparatorInSuffix);
}

WriteResult failed(const QString &path, const FileProblem &problem)
{
    return {WriteResult::Failed, path, problem, {}};
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
        return {WriteResult::GifNotSupported, QString(), {}, {}};
    if (extensionFor(type).isEmpty())
        return {WriteResult::NoFileType, QString(), {}, {}};

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
        return failed(path, written.problem());
    return {WriteResult::Written, path, {}, replaced};
}

} // namespace capture
