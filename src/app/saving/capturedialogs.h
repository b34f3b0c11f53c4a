#pragma once
// What the capture tabs ask and tell the user: a size typed as a whole number, and where
// the screenshot comes from (the clipboard or a dropped file), with a word to the user
// when there is none to work on.

#include "app/saving/problemwords.h"
#include "app/widgets/clipboardglue.h"
#include "common/numbers.h"
#include "common/programinfo.h"
#include "image/imagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <optional>

// The context of the capture tabs' shared words.
class CaptureDialogs {
    Q_DECLARE_TR_FUNCTIONS(CaptureDialogs)
};

namespace captureDialogs {

// Empty when picture is at least needed both ways; otherwise the sentence that refuses
// the cut, naming both sizes.
inline QString tooSmallSentence(QSize picture, QSize needed)
{
    if (picture.width() >= needed.width() && picture.height() >= needed.height())
        return QString();
    return CaptureDialogs::tr("The picture is %1 x %2 pixels; this needs at least %3 x %4.")
        .arg(picture.width())
        .arg(picture.height())
        .arg(needed.width())
        .arg(needed.height());
}

// The answer read as a number and written as a whole number (halves to even); nothing
// when it is not a number (an empty answer and Cancel included).
inline std::optional<QString> askWholeNumber(QWidget *parent, const QString &prompt)
{
    const QString answer = QInputDialog::getText(parent, programInfo::title, prompt);
    const auto value = numbers::toNumber(answer);
    if (!value)
        return std::nullopt;
    // Adding zero turns a rounded -0 into 0; fixed notation keeps huge answers readable.
    return QString::number(numbers::roundHalfEven(*value) + 0.0, 'f', 0);
}

// The clipboard's picture; without one, held (the screenshot the page still holds, which
// an autocopied name has replaced on the clipboard); else the user is told to copy one.
inline std::optional<QImage> clipboardScreenshot(QWidget *parent, const std::optional<QImage> &held = std::nullopt)
{
    QImage picture = clipboardGlue::picture();
    if (!picture.isNull())
        return picture;
    if (held)
        return held;
    QMessageBox::information(parent, programInfo::title,
                             CaptureDialogs::tr("Copy a screen shot first, then click the button again."));
    return std::nullopt;
}

// The first dropped file's picture; when it cannot be loaded the user is told which file
// and why.
inline std::optional<QImage> droppedScreenshot(QWidget *parent, const QStringList &files)
{
    if (files.isEmpty())
        return std::nullopt;
    PictureRead read = imageFiles::loadPicture(files.first());
    if (!read.ok()) {
        QMessageBox::warning(parent, programInfo::title,
                             CaptureDialogs::tr("Could not open %1:\n%2")
                                 .arg(QDir::toNativeSeparators(files.first()), problemWords::describe(read.result.problem())));
        return std::nullopt;
    }
    return std::move(read.picture);
}

} // namespace captureDialogs
