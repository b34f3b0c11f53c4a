#pragma once
// The uploads Quillmark has been asked to make, in order: each with its state, the last
// word on it, and what the user answered when the wiki asked. The list is kept in the
// program folder so that it outlives a restart.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace wiki::uploads {

enum class State { Waiting, Uploading, Uploaded, Asking, Failed, Skipped };
// What the wiki's answer asks of the user. ReplaceRefused: the name is taken and the
// account may not replace the file, so only another name or skipping is left.
enum class Question { None, SameBytesElsewhere, NameTaken, Warnings, ReplaceRefused };
// The user's answer, for the next try.
enum class Choice { None, UseExisting, UploadAnyway, Replace, Skip };

// The kind of an entry that is a page created on the wiki, not a file sent to it.
inline const QString pageKind = QStringLiteral("page");

struct Entry {
    int id = 0;
    QString path;     // the local file, never changed or removed by an upload ("" for a page)
    QString wikiName; // the name it goes up under (a page's title)
    QString kind;     // what the picture is, for its page's text
    QString item;     // the item an extraction saved it for, or ""
    State state = State::Waiting;
    QString message;  // the last word on it, in plain words
    QString link;     // its file page, once on the wiki
    Question question = Question::None;
    QString existingName; // the file that already has these bytes
    QString filekey;      // a file the wiki keeps aside after a warning
    Choice choice = Choice::None;
};

class UploadList {
public:
    static inline const QString fileName = QStringLiteral("Uploads.json");

    const QList<Entry> &entries() const { return entries_; }
    Entry *find(int id);
    // A new entry, waiting; its id.
    int add(const QString &path, const QString &wikiName, const QString &kind, const QString &item = QString());
    // A page created on the wiki, listed with its address; its id.
    int addPage(const QString &title, const QString &link, const QString &message);
    void remove(int id);
    // The first entry waiting its turn, or none.
    Entry *next();
    // Which one of how many is under way in the batch: the entries added since the list
    // last had nothing to do ("Uploading 2 of 5").
    int position() const;
    int total() const;

    QByteArray toJson() const;
    // A list read back; anything it does not understand is left out. An upload that was
    // under way when the program ended waits again.
    static UploadList fromJson(const QByteArray &json);

private:
    QList<Entry> entries_;
    int nextId_ = 1;
    int batchFrom_ = 0;
};

} // namespace wiki::uploads
