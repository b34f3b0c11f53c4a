#include "app/saving/problemwords.h"

#include <QCoreApplication>

// The context of the words for a file that could not be read or written.
class ProblemWords {
    Q_DECLARE_TR_FUNCTIONS(ProblemWords)
};

namespace problemWords {
namespace {

// A character that may not be in a file name, as the sentence shows it.
QString shownCharacter(const QString &character)
{
    return character == QString(QChar(u'\0')) ? ProblemWords::tr("a NUL character")
                                              : ProblemWords::tr("\"%1\"", "a character in quotes").arg(character);
}

} // namespace

QString describe(const FileProblem &problem)
{
    using Code = FileProblem::Code;
    const QString &detail = problem.detail;
    switch (problem.code) {
    case Code::None:
        return QString();
    case Code::Unknown:
        break;
    case Code::Missing:
        return ProblemWords::tr("the file does not exist");
    case Code::NotAFile:
        return ProblemWords::tr("not a file");
    case Code::NotRegularFile:
        return ProblemWords::tr("not a regular file: %1").arg(detail);
    case Code::CannotCreate:
        return ProblemWords::tr("cannot create the file: %1").arg(detail);
    case Code::CannotWrite:
        return ProblemWords::tr("cannot write the file: %1").arg(detail);
    case Code::CannotMoveOld:
        return ProblemWords::tr("cannot move the old file out of the way: %1").arg(detail);
    case Code::CannotReplace:
        return ProblemWords::tr("cannot replace the file: %1").arg(detail);
    case Code::ReaderSays:
        if (!detail.isEmpty())
            return detail;
        break;
    case Code::NotReadablePng:
        return ProblemWords::tr("not a readable PNG file");
    case Code::NotAPictureType:
        return ProblemWords::tr("not a BMP, GIF, JPG or PNG file");
    case Code::NoPicture:
        return ProblemWords::tr("there is no picture to save");
    case Code::EmptyPicture:
        return ProblemWords::tr("the picture is empty");
    case Code::NoMemory:
        return ProblemWords::tr("not enough memory for the picture");
    case Code::TooLarge:
        return ProblemWords::tr("the picture is too large");
    case Code::TooLargeForBmp:
        return ProblemWords::tr("the picture is too large for a BMP file");
    case Code::CutShort:
        return ProblemWords::tr("the file ends before the picture does");
    case Code::JpegInitFailed:
        return ProblemWords::tr("Failed to initialise the IJL library: %1").arg(detail);
    case Code::JpegSaveFailed:
        return ProblemWords::tr("Failed to save to JPG %1").arg(detail);
    case Code::NameEmpty:
        return ProblemWords::tr("the name is empty");
    case Code::NameOnlyDots:
        return ProblemWords::tr("the name may not be \"%1\"").arg(detail);
    case Code::SeparatorInName:
        return ProblemWords::tr("the name may not contain %1").arg(shownCharacter(detail));
    case Code::SeparatorInPrefix:
        return ProblemWords::tr("the prefix may not contain %1").arg(shownCharacter(detail));
    case Code::SeparatorInSuffix:
        return ProblemWords::tr("the suffix may not contain %1").arg(shownCharacter(detail));
    }
    return ProblemWords::tr("the file could not be read or written");
}

} // namespace problemWords
