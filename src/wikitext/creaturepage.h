#pragma once
// A creature page in the wiki's earlier table layout, turned into the "{{Intro" and
// "{{Creature" template blocks.

#include "wikitext/conversion.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace creaturePage {

// The text between the first start marker and the first end marker of line (positions
// as the layout's cut defines them: a missing start marker starts the value at the
// marker's length; a missing or earlier end marker gives nothing; an empty end marker
// runs to the end of the line).
QString cutBetween(QStringView line, QStringView start, QStringView end);

// The two template blocks for the page's lines (CR LF between lines, none after the last);
// found: the fields whose start marker stands in their own line of the page (a line past
// the page's end, read as its last, finds none).
textParsers::Conversion convert(const QList<QStringView> &lines);
QString creatureTemplate(const QList<QStringView> &lines);

} // namespace creaturePage
