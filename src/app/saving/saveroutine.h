#pragma once
// The save routine every saving action goes through: the name step (ask, or the time
// stamp, then the wiki's name rules when they are checked), one write step per picture,
// and the autocopy step. It keeps what one action wrote, for the autocopy step.

#include "app/saving/savemessages.h"
#include "capture/imagewriter.h"
#include "capture/saveoptions.h"
#include "image/pictureresult.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
struct CaptureState;

class SaveRoutine {
    Q_DECLARE_TR_FUNCTIONS(SaveRoutine)

public:
    // The paths of the files an action would write under a name, before any is written.
    using PlannedFiles = std::function<QStringList(const QString &name)>;

    SaveRoutine(QWidget *window, const QString &programFolder, CaptureState &state);

    // Starts an action: the name typed at a prompt titled title (remembered for the next
    // prompt), or the time stamp under Autoname. Where the system restricts file names
    // (Windows), each file the action would write is checked against its rules; while names
    // are checked for the wiki, against the wiki's too. On a broken rule the user may use the
    // cleaned names, edit the name or cancel. Nothing when the action ends here.
    std::optional<QString> nameStep(const QString &title, const PlannedFiles &planned);
    // The same for an action that writes pictures of these kinds in this order.
    std::optional<QString> nameStep(const QString &title, const QList<capture::ImageKind> &kinds);

    // Writes picture as kind under name. True when the action may go on: the file was
    // written, or the kind writes no file (for "gif" the user is told once per action,
    // through gifShown). A failed write tells the user which file and why, and is false.
    // taken is a path a later write of the same action needs: this picture goes beside it.
    bool writeStep(capture::ImageKind kind, const QImage &picture, const QString &name, bool *gifShown = nullptr,
                   const QString &taken = QString());
    // A PNG at a path of the caller's own (the spawn map), as the action's choices say.
    // The path actually written is given back through writtenPath.
    PictureResult writePng(const QImage &picture, const QString &path, QString *writtenPath);
    // Where a picture of kind would be written under name ("" for a kind that writes no file).
    QString pathFor(capture::ImageKind kind, const QString &name) const;

    // The action under way saves an item's pictures (an extraction): they are the item's
    // that the name typed names. A name made from the time names no item.
    void savesItem() { savesItem_ = true; }

    // Every picture the routine writes, in the order written, with what it is ("icon") and
    // the item it shows ("" when it is none).
    using WrittenHandler = std::function<void(const QString &path, const QString &kind, const QString &item)>;
    void setWrittenHandler(WrittenHandler written) { writtenHandler_ = std::move(written); }

    // When "Autocopy File Name" is checked (and, when needsEnabled, enabled too): the name,
    // the names of the files written, or their wiki markup, as the options say.
    void autocopyStep(const QString &name, bool needsEnabled);

private:
    std::optional<QString> askName(const QString &title, const QString &preset);
    // False when the user cancelled; name may come back edited.
    bool checkForWiki(QString &name, const QString &title, const PlannedFiles &planned);
    bool checkForSystem(QString &name, const QString &title, const PlannedFiles &planned);
    capture::WriteChoices choices() const;

    QWidget *window_;
    QString programFolder_;
    CaptureState &state_;
    // The action under way.
    bool wikiCleaned_ = false;
    QString typedName_; // "" under Autoname
    bool savesItem_ = false;
    QStringList written_;
    QList<saveMessages::Saved> saved_; // what the status line tells of the action
    WrittenHandler writtenHandler_;
    void noteWritten(const QString &path, const QString &kind, const oldFiles::Replaced &replaced);
    void tellFailure(const QString &path, const QString &reason);
};
