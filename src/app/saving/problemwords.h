#pragma once
// Why a file could not be read or written, in the user's words: "cannot write the file:
// No space left on device".

#include "common/fileproblem.h"

#include <QString>

namespace problemWords {

QString describe(const FileProblem &problem);

} // namespace problemWords
