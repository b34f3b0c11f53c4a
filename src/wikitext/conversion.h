#pragma once
// What a parser of the multi-use button made of the copied text, and how much it found
// to convert in it, so that the window can leave a text it cannot use as it was.

#include <QString>

namespace textParsers {

struct Conversion {
    QString text;        // what would replace the copied text
    qsizetype found = 0; // the points, rows, hits or fields it was made from
};

} // namespace textParsers
