#pragma once
// File drops: which drags a control takes, and the local files a drop brings.

#include <QStringList>

class QMimeData;

namespace dropSupport {

bool hasFiles(const QMimeData *data);
QStringList localFiles(const QMimeData *data);

} // namespace dropSupport
