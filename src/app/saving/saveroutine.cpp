#include "app/saving/saveroutine.h"

#include "app/saving/capturestate.h"
#include "app/widgets/clipboardglue.h"
#include "capture/imagewriter.h"
#include "common/programinfo.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>

SaveRoutine::SaveRoutine(QWidget *window, const QString &programFolder, CaptureState &state,
                         const QCheckBox &autoName, const QCheckBox &autoCopyName)
    : window_(window), programFolder_(programFolder), state_(state), autoName_(autoName), autoCopyName_(autoCopyName)
{
}

std::optional<QString> SaveRoutine::nameStep(const QString &title)
{
    if (autoName_.checkState() == Qt::Checked)
        return capture::timeStampName(QTime::currentTime());
    const QString name = QInputDialog::getText(window_, title, namePrompt, QLineEdit::Normal, state_.strLastName);
    if (name.isEmpty())
        return std::nullopt;
    state_.strLastName = name;
    return name;
}

bool SaveRoutine::writeStep(capture::ImageKind kind, const QImage &picture, const QString &name, bool *gifShown,
                            const QString &taken)
{
    const capture::WriteResult result = capture::writeImage(state_.kind(kind), programFolder_, name, picture, taken);
    switch (result.status) {
    case capture::WriteResult::Written:
    case capture::WriteResult::NoFileType:
        return true;
    case capture::WriteResult::GifNotSupported:
        if (!gifShown || !*gifShown)
            QMessageBox::information(window_, programInfo::title, capture::gifMessage);
        if (gifShown)
            *gifShown = true;
        return true;
    case capture::WriteResult::Failed:
        break;
    }
    QMessageBox::warning(window_, programInfo::title, capture::failureMessage(result));
    return false;
}

QString SaveRoutine::pathFor(capture::ImageKind kind, const QString &name) const
{
    const capture::KindOptions &options = state_.kind(kind);
    if (capture::extensionFor(options.fileType).isEmpty())
        return QString();
    return capture::savePath(options, programFolder_, name);
}

void SaveRoutine::autocopyStep(const QString &name, bool needsEnabled)
{
    if (autoCopyName_.checkState() != Qt::Checked)
        return;
    if (needsEnabled && !autoCopyName_.isEnabled())
        return;
    clipboardGlue::replaceWithText(name);
}
