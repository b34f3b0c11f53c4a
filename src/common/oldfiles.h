#pragma once
// What happens to a file that a new one replaces. A picture the user saved is never simply
// overwritten: the old one goes to the desktop's trash, where the file manager can restore
// it, or, where no trash takes it, stays beside the new one under a numbered name.

#include <QString>

namespace oldFiles {

struct Replaced {
    enum How {
        Nothing,    // there was no file to replace
        Identical,  // the old file held the same bytes: nothing was kept
        Trashed,    // the old file is in the trash, at where
        KeptBeside, // the old file stays beside the new one, at where
    };
    How how = Nothing;
    QString where;
};

// Whether two files hold the same bytes.
bool sameBytes(const QString &one, const QString &other);

// The first free name of the numbered copies of path: "Sword.png" gives "Sword~1.png",
// "Sword~2.png" ...
QString numberedCopy(const QString &path);

// Moves path out of the way: to the trash, else to its numbered copy. Trashed or KeptBeside
// on success; Nothing when the file could not be moved at all (it is then where it was).
Replaced putAside(const QString &path);

// Undoes putAside when the new file could not take the old one's place after all.
bool putBack(const Replaced &replaced, const QString &path);

// Whether path is an absolute path to a file inside one of the desktop's trash folders.
bool isInTrash(const QString &path);

} // namespace oldFiles
