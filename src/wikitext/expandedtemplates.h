#pragma once
// Expanded templates: the user's own blocks of text, each a file in the Templates folder,
// listed in the settings by path and short name.

#include <QList>
#include <QString>
#include <optional>

class PrivateProfile;

namespace expandedTemplates {

struct Record {
    QString path; // the settings value naming the file
    QString text;
    QString name; // shown in the drop-down and on the multi-use button
};

constexpr int shortNameLength = 20;

// The count in the settings, read as a 16-bit number; a negative count or one that is
// not a number is 0.
int storedCount(const PrivateProfile &ini);

// Records 1 to the stored count, each with the text of its file ("No Template Found" for a
// file that cannot be read).
QList<Record> load(const PrivateProfile &ini, const QString &programFolder);

// The text of the last record of that name (a later record shadows an earlier one).
std::optional<QString> textFor(const QList<Record> &records, const QString &name);

// The file name as it will be used: blanks around it dropped (the settings value that
// names the file is read back trimmed).
QString cleanFileName(const QString &typed);
// The short name as it will be stored: blanks around it dropped, at most 20 characters.
QString cleanShortName(const QString &typed);
// Whether the file named name + ".txt" lands in the Templates folder and its settings
// value reads back whole.
bool isAcceptableFileName(const QString &name);

struct AddResult {
    enum class Status { Added, BadName, Full, FileNotWritten, SettingsNotWritten };
    Status status = Status::BadName;
    Record record; // when added
    QString file;  // the file that could not be written: the template's or the settings
};

// Writes text + CR LF to fileName + ".txt" in the Templates folder (replacing it), then
// records it in the settings file at once as template count + 1 with the path
// "Default " + fileName + ".txt" and the short name cut to 20 characters. Nothing is
// recorded when the file cannot be written.
AddResult add(const QString &programFolder, const QString &fileName, const QString &shortName,
              const QString &text);

} // namespace expandedTemplates
