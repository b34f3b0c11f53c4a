#pragma once
// Folders and file names: separators, joining, finding a file whatever its letter case,
// and the folder Quillmark keeps its files in.

#include <QString>

namespace paths {

// A folder text that does not end in a separator gets one (the platform's own, or "\"
// when the text already uses backslashes).
QString withSeparator(const QString &folder);
// folder + separator + name.
QString joinPath(const QString &folder, const QString &name);
// The path of name in folder: the exact name when it exists, else an entry whose name
// differs only in letter case, else the exact name.
QString findFileNoCase(const QString &folder, const QString &name);
// The part after the last "/" or "\".
QString fileNameOf(const QString &path);

// The folder Quillmark keeps its files in. The executable's own folder when a Templates
// folder stands beside it (the portable layout); otherwise the per-user data folder,
// created on first start with its Images and Templates folders.
QString resolveProgramFolder(const QString &executableFolder, const QString &userDataFolder);

} // namespace paths
