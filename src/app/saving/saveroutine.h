#pragma once
// The save routine every saving action goes through: the name step (ask, or the time
// stamp), one write step per picture, and the autocopy step.

#include "capture/saveoptions.h"

#include <QImage>
#include <QString>
#include <optional>

class QCheckBox;
class QWidget;
struct CaptureState;

class SaveRoutine {
public:
    inline static const QString namePrompt = QStringLiteral("File Name:");

    // autoName and autoCopyName are the options' "Autoname" and "Autocopy File Name".
    SaveRoutine(QWidget *window, const QString &programFolder, CaptureState &state, const QCheckBox &autoName,
                const QCheckBox &autoCopyName);

    // The name typed at a prompt titled title (remembered for the next prompt), or the
    // time stamp under Autoname. Nothing when the user gave no name: the action ends.
    std::optional<QString> nameStep(const QString &title);

    // Writes picture as kind under name. True when the action may go on: the file was
    // written, or the kind writes no file (for "gif" the user is told once per action,
    // through gifShown). A failed write tells the user which file and why, and is false.
    // taken is a path a later write of the same action needs: this picture goes beside it.
    bool writeStep(capture::ImageKind kind, const QImage &picture, const QString &name, bool *gifShown = nullptr,
                   const QString &taken = QString());
    // Where a picture of kind would be written under name ("" for a kind that writes no file).
    QString pathFor(capture::ImageKind kind, const QString &name) const;

    // Puts the bare name on the clipboard when "Autocopy File Name" is checked (and,
    // when needsEnabled, enabled too).
    void autocopyStep(const QString &name, bool needsEnabled);

private:
    QWidget *window_;
    QString programFolder_;
    CaptureState &state_;
    const QCheckBox &autoName_;
    const QCheckBox &autoCopyName_;
};
