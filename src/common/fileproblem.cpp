#include "common/fileproblem.h"

#include <cstring>

FileProblem FileProblem::fromErrno(Code code, int errorNumber)
{
    return {code, QString::fromLocal8Bit(std::strerror(errorNumber))};
}
