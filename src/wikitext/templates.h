#pragma once
// Page templates: the twenty template slots (which files they read, how their buttons
// look) and the update of the template files from the tagged text of the wiki's template
// page. Plain text and file work; the window only shows the results.

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class PrivateProfile;

namespace templates {

constexpr int slotCount = 20;

inline const QString templatesFolderName = QStringLiteral("Templates");
// What a button holds (and puts on the clipboard) when its file cannot be read.
inline const QString notFoundText = QStringLiteral("No Template Found");

inline const char *const designedColours[slotCount] = {
    "C0C0FF", "C0C0FF", "C0C0FF", "FFC0C0", "FFC0C0", "FFC0C0", "C0FFFF", "C0FFFF", "FFFFFF", "FFE0C0",
    "FFE0C0", "FFE0C0", "FFE0C0", "FFE0C0", "FFE0C0", "C0FFC0", "C0FFC0", "C0FFC0", "C0FFC0", "FFFFFF",
};

// The page whose tagged text "Update Templates" reads.
inline const QString helpPageAddress = QStringLiteral("https://wiki.quillmark.org/wiki/Quillmark/Page_Templates");

// A configured template path (settings "Path" or "AlternatePath") as a file: a value
// beginning with "default" in any case names a file in the Templates folder, anything
// else is a path of its own (relative to the program folder). A file missing under its
// exact name is looked up without regard to case. Empty for an empty value.
QString resolvePath(const QString &configured, const QString &programFolder);

// The file's lines each followed by CR LF (a line ends at CR LF, a lone CR or a lone LF),
// or notFoundText when there is no file to read.
QString readTemplateFile(const QString &path);

// RRGGBB in either case; anything without three hex pairs up front is white.
QColor buttonColour(const QString &backgroundColor);

// The name shown for an alternate template: "Default Creature Alt.txt" gives
// "Creature Alt", "C:\mine\Quest Alt.txt" gives "Quest Alt".
QString alternateName(const QString &alternatePath);

// One template button as the settings and its files make it.
struct Slot {
    QString path;
    QString text;
    QString backgroundColor;
    QString name;
    QString alternatePath;
    QString alternateText;
};
// Slot n (1 to 20) from the settings, its two files read.
Slot loadSlot(const PrivateProfile &ini, int n, const QString &programFolder);

// Which section of the template page updates which file.
struct UpdateTarget {
    QString section; // the tags are "<section>" and "</section>"
    QString file;
};
// Nothing for an empty path; a "Default " path is updated from the section named after
// its file in the Templates folder, any other path from the section named after its own file.
std::optional<UpdateTarget> updateTarget(const QString &configured, const QString &programFolder);

// The lines of the template page, indexed once by their tag lines so that every section
// is found without reading the page again.
class TemplatePage {
public:
    // The views must outlive the page.
    explicit TemplatePage(QList<QStringView> lines);
    // What the page holds for the section: the lines between its tags, each followed by
    // CR LF, less the empty line after the opening and before the closing tag. A section
    // without a closing tag runs to the end of the page, uncut. Empty when there is none.
    QString section(const QString &name) const;

private:
    QList<QStringView> lines_;
    QHash<QStringView, QList<qsizetype>> tagLines_; // line indices of every "<...>" line
};

// Writes every configured template found on the page to its file (the section and one
// CR LF); returns how many were written. A file that cannot be written is not counted.
int updateTemplates(const TemplatePage &page, const QStringList &configuredPaths, const QString &programFolder);

} // namespace templates
