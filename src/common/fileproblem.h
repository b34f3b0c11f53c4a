#pragma once
// Why a file could not be read or written. The code says what went wrong and the window
// puts it into the user's words; the detail is what the system or a library said about it
// in words of its own (an error text, a result number), or the piece of a name that broke
// a rule.

#include <QString>

struct FileProblem {
    enum class Code {
        None,
        Unknown,          // no more is known than that it failed
        Missing,          // the file does not exist
        NotAFile,         // a folder or a device where a file should be
        NotRegularFile,   // the system's text
        CannotCreate,     // the system's text
        CannotWrite,      // the system's text, or the library's message
        CannotMoveOld,    // the system's text
        CannotReplace,    // the system's text
        ReaderSays,       // the picture reader's own words
        NotReadablePng,
        NotAPictureType,  // a name ending in none of the four types
        NoPicture,        // nothing to save
        EmptyPicture,     // a picture without pixels
        NoMemory,
        TooLarge,
        TooLargeForBmp,
        CutShort,         // the file ends before the picture does
        JpegInitFailed,   // the library's result number
        JpegSaveFailed,   // the library's result number
        NameEmpty,
        NameOnlyDots,     // the name
        SeparatorInName,  // the character, "/", "\" or NUL
        SeparatorInPrefix,
        SeparatorInSuffix,
    };

    Code code = Code::None;
    QString detail;

    // A failure with the C library's text for the error number.
    static FileProblem fromErrno(Code code, int errorNumber);
    bool operator==(const FileProblem &) const = default;
};
