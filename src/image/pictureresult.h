#pragma once
// How reading or writing a picture file came out: done, or why it failed.

#include "common/fileproblem.h"

#include <QImage>
#include <QString>

class PictureResult {
public:
    PictureResult() = default; // done
    static PictureResult failure(FileProblem problem)
    {
        PictureResult result;
        result.problem_ = problem.code == FileProblem::Code::None ? FileProblem{FileProblem::Code::Unknown, {}}
                                                                   : std::move(problem);
        return result;
    }
    static PictureResult failure(FileProblem::Code code, const QString &detail = QString())
    {
        return failure(FileProblem{code, detail});
    }

    bool ok() const { return problem_.code == FileProblem::Code::None; }
    explicit operator bool() const { return ok(); }
    // Code None when it was done.
    const FileProblem &problem() const { return problem_; }

private:
    FileProblem problem_;
};

// A picture read from a file (RGB32, at its own size), or why it could not be.
struct PictureRead {
    QImage picture; // null when the read failed
    PictureResult result;

    bool ok() const { return result.ok(); }
    static PictureRead failure(FileProblem::Code code, const QString &detail = QString())
    {
        return {QImage(), PictureResult::failure(code, detail)};
    }
};
