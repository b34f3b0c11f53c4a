#include "app/saving/saveroutine.h"

#include "app/saving/capturestate.h"
#include "app/saving/namemessages.h"
#include "app/saving/problemwords.h"
#include "app/saving/wikinamebox.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/statusline.h"
#include "capture/autocopy.h"
#include "capture/windowsnames.h"
#include "common/fileplatform.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "image/imagefiles.h"
#include "image/smallpng.h"
#include "wiki/filenames.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>


SaveRoutine::SaveRoutine(QWidget *window, const QString &programFolder, CaptureState &state)
    : window_(window), programFolder_(programFolder), state_(state)
{
}

std::optional<QString> SaveRoutine::askName(const QString &title, const QString &preset)
{
    const QString name = QInputDialog::getText(window_, title, tr("File Name:"), QLineEdit::Normal, preset);
    if (name.isEmpty())
        return std::nullopt;
    state_.strLastName = name;
    return name;
}

std::optional<QString> SaveRoutine::nameStep(const QString &title, const PlannedFiles &planned)
{
    wikiCleaned_ = false;
    savesItem_ = false;
    typedName_.clear();
    written_.clear();
    saved_.clear();
    const bool timeName = state_.on(settings::Check::AutoName);
    std::optional<QString> name =
        timeName ? capture::timeStampName(QTime::currentTime()) : askName(title, state_.strLastName);
    if (name && filePlatform::restrictsNames() && !checkForSystem(*name, title, planned))
        return std::nullopt;
    // A picture going up to the wiki must have a name the wiki takes as it is.
    const bool forWiki = state_.on(settings::Check::CheckWikiNames) || state_.on(settings::Check::UploadAfterSave);
    if (name && forWiki && !checkForWiki(*name, title, planned))
        return std::nullopt;
    if (name && !timeName)
        typedName_ = *name;
    return name;
}

std::optional<QString> SaveRoutine::nameStep(const QString &title, const QList<capture::ImageKind> &kinds)
{
    return nameStep(title, [this, kinds](const QString &name) {
        QStringList files;
        for (capture::ImageKind kind : kinds) {
            if (!capture::extensionFor(state_.kind(kind).fileType).isEmpty())
                files.append(capture::plannedPath(state_.kind(kind), programFolder_, name));
        }
        return files;
    });
}

bool SaveRoutine::checkForWiki(QString &name, const QString &title, const PlannedFiles &planned)
{
    for (;;) {
        std::optional<std::pair<QString, wiki::names::Verdict>> broken;
        for (const QString &path : planned(name)) {
            const QString file = paths::fileNameOf(path);
            if (const wiki::names::Verdict verdict = wiki::names::check(file); !verdict.ok()) {
                broken = {file, verdict};
                break;
            }
        }
        if (!broken)
            return true;
        switch (wikiNameBox::ask(window_, broken->first, broken->second)) {
        case wikiNameBox::Answer::Use:
            wikiCleaned_ = true;
            return true;
        case wikiNameBox::Answer::Edit: {
            const QString cleaned = wiki::names::check(name).cleaned;
            const std::optional<QString> edited = askName(title, cleaned.isEmpty() ? name : cleaned);
            if (!edited)
                return false;
            name = *edited;
            break;
        }
        case wikiNameBox::Answer::Cancel:
            return false;
        }
    }
}

// Names the system cannot hold are mended in the name typed: the files take it whole, so
// mending it mends them (a name the mending cannot save is left for the user to edit).
bool SaveRoutine::checkForSystem(QString &name, const QString &title, const PlannedFiles &planned)
{
    for (;;) {
        std::optional<std::pair<QString, capture::windowsNames::Verdict>> broken;
        QString cleaned;
        for (const QString &path : planned(name)) {
            const QString file = paths::fileNameOf(path);
            if (capture::windowsNames::Verdict verdict = capture::windowsNames::check(file, path.size() - file.size()); !verdict.ok()) {
                cleaned = capture::windowsNames::check(name, path.size() - name.size()).cleaned;
                broken = {file, std::move(verdict)};
                break;
            }
        }
        if (!broken)
            return true;
        const bool canUse = !cleaned.isEmpty() && cleaned != name;
        const QString message = NameMessages::windows(broken->first, broken->second);
        switch (wikiNameBox::ask(window_, NameMessages::windowsTitle(), message, canUse)) {
        case wikiNameBox::Answer::Use:
            name = cleaned;
            state_.strLastName = name;
            break;
        case wikiNameBox::Answer::Edit: {
            const std::optional<QString> edited = askName(title, canUse ? cleaned : name);
            if (!edited)
                return false;
            name = *edited;
            break;
        }
        case wikiNameBox::Answer::Cancel:
            return false;
        }
    }
}

capture::WriteChoices SaveRoutine::choices() const
{
    return {state_.on(settings::Check::SmallestPng), wikiCleaned_};
}

bool SaveRoutine::writeStep(capture::ImageKind kind, const QImage &picture, const QString &name, bool *gifShown,
                            const QString &taken)
{
    const capture::WriteResult result =
        capture::writeImage(state_.kind(kind), programFolder_, name, picture, taken, choices());
    switch (result.status) {
    case capture::WriteResult::Written:
        noteWritten(result.path, capture::kindNoun(kind), result.replaced);
        return true;
    case capture::WriteResult::NoFileType:
        return true;
    case capture::WriteResult::GifNotSupported:
        if (!gifShown || !*gifShown)
            QMessageBox::information(window_, programInfo::title, tr("GIF support not yet added"));
        if (gifShown)
            *gifShown = true;
        return true;
    case capture::WriteResult::Failed:
        break;
    }
    const QString reason = problemWords::describe(result.problem);
    tellFailure(result.path, reason);
    QMessageBox::warning(window_, programInfo::title, tr("Could not save %1:\n%2").arg(result.path, reason));
    return false;
}

PictureResult SaveRoutine::writePng(const QImage &picture, const QString &path, QString *writtenPath)
{
    QString target = path;
    if (wikiCleaned_) {
        const QString file = paths::fileNameOf(path);
        if (const QString cleaned = wiki::names::check(file).cleaned; !cleaned.isEmpty())
            target = path.left(path.size() - file.size()) + cleaned;
    }
    *writtenPath = target;
    oldFiles::Replaced replaced;
    const PictureResult result = state_.on(settings::Check::SmallestPng) ? smallPng::save(picture, target, &replaced)
                                                    : imageFiles::savePng(picture, target, &replaced);
    if (result)
        noteWritten(target, QStringLiteral("spawn map"), replaced);
    else
        tellFailure(target, problemWords::describe(result.problem()));
    return result;
}

void SaveRoutine::noteWritten(const QString &path, const QString &kind, const oldFiles::Replaced &replaced)
{
    written_.append(path);
    saved_.append({path, replaced});
    StatusLine::say(window_, saveMessages::describe(saved_), QFileInfo(path).absolutePath());
    if (writtenHandler_)
        writtenHandler_(path, kind, savesItem_ ? typedName_ : QString());
}

void SaveRoutine::tellFailure(const QString &path, const QString &reason)
{
    StatusLine::say(window_, saveMessages::failed(path, reason));
}

QString SaveRoutine::pathFor(capture::ImageKind kind, const QString &name) const
{
    const capture::KindOptions &options = state_.kind(kind);
    if (capture::extensionFor(options.fileType).isEmpty())
        return QString();
    return capture::plannedPath(options, programFolder_, name);
}

void SaveRoutine::autocopyStep(const QString &name, bool needsEnabled)
{
    if (!state_.on(settings::Check::AutoCopyFileName))
        return;
    // Autoname checked disables the box: a name made from the time is not worth copying.
    if (needsEnabled && state_.on(settings::Check::AutoName))
        return;
    if (const std::optional<QString> text = capture::autocopyText(state_.autocopy, name, written_))
        clipboardGlue::replaceWithText(*text);
}
