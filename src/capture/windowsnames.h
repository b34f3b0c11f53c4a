#pragma once
// File names Windows cannot hold: a device's reserved name (CON, PRN, AUX, NUL, COM1-COM9,
// LPT1-LPT9, whatever the extension), the characters < > : " / \ | ? * and control
// characters, a name ending in a dot or a blank (Windows drops them, so another file would
// be written), and a path longer than the 259 characters the usual Windows calls take.
// Checked at the name step, before anything is written, on Windows only.

#include <QString>

namespace capture::windowsNames {

// The longest whole path the usual Windows calls take (MAX_PATH less the ending NUL).
constexpr qsizetype maxPath = 259;

enum class Rule { None, Reserved, Forbidden, Control, TrailingDotOrBlank, TooLong };

struct Verdict {
    Rule rule = Rule::None;
    QString offending; // what breaks the rule, as the message quotes it
    QString cleaned;   // the name with every rule mended ("" when nothing is left)

    bool ok() const { return rule == Rule::None; }
};

// The first rule the file name breaks in a folder of folderLength characters (its separator
// included), and the name mended: forbidden and control characters become "-", dots and
// blanks at the end go, a reserved name gets "_" after it, and a name too long loses
// characters at the end of its stem (never half a character).
Verdict check(const QString &fileName, qsizetype folderLength = 0);

} // namespace capture::windowsNames
