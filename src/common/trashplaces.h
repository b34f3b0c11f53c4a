#pragma once
// Where the desktop keeps its trash: the platform's own rules, one source file a platform.

#include <QString>

namespace trashPlaces {

// Whether path is an absolute path to a file in one of the trash folders.
bool isInTrash(const QString &path);
// The record the trash keeps beside a trashed file, which goes when the file leaves the
// trash by another way than the file manager's ("" where the platform keeps none).
QString infoFileOf(const QString &inTrash);

} // namespace trashPlaces
