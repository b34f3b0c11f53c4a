#pragma once

#include <QString>

namespace modVandrel {

// The folder Quillmark keeps its files in. The executable's own folder when a Templates
// folder stands beside it (the portable layout); otherwise the per-user data folder,
// created on first start with its Images and Templates folders.
QString resolveProgramFolder(const QString &executableFolder, const QString &userDataFolder);

} // namespace modVandrel
