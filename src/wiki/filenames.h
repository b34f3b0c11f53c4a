#pragma once
// File names the wiki accepts as they are: MediaWiki turns some characters of an uploaded
// file's name into "-", drops or merges blanks, and refuses a few names outright. A name is
// checked before anything is written, so the file on disk and the file on the wiki have the
// same name.

#include <QString>
#include <optional>

namespace wiki::names {

// The wiki's limit for an uploaded file's name, extension included, in bytes of UTF-8.
constexpr int maxBytes = 240;

enum class Rule {
    None,
    Empty,         // nothing before the extension
    Forbidden,     // # < > [ ] | { } : / \, which the wiki turns into "-"
    Control,       // control characters
    Invisible,     // direction marks, which the wiki removes
    OddSpace,      // a space other than the plain blank, which the wiki makes a blank
    Signature,     // "~~~", which the wiki refuses
    PercentCode,   // "%" and two hex digits, which the wiki refuses
    Entity,        // "&", a word and ";", which reads as an HTML entity and is refused
    LeadingBlank,  // blanks and "_" count alike on the wiki
    TrailingBlank,
    DoubledBlank,
    TooLong,
};

struct Verdict {
    Rule rule = Rule::None;
    QString offending;       // what breaks the rule, as the message quotes it
    QString cleaned;         // the name with every rule mended ("" when none is left)
    bool lowerFirst = false; // the wiki will show the first letter in capitals

    bool ok() const { return rule == Rule::None; }
};

// The first rule fileName breaks (in the order of Rule), and the name with all of them
// mended: forbidden and control characters become "-", as on the wiki; marks go; odd spaces
// become blanks; "~~~" becomes "-", and so do the "%" of a code and the "&" of an entity;
// runs of blanks become one and
// blanks at either end go; a name too long loses characters at the end of its stem. The
// first letter is never changed.
Verdict check(const QString &fileName);


// A copied text after its file went up under another name: each line that is the name from,
// or its markup [[File:from]], names to instead (a line that only contains it, such as
// [[File:Big from]], is another file). Nothing when no line names from.
std::optional<QString> renamedInCopy(const QString &copied, const QString &from, const QString &to);

} // namespace wiki::names
