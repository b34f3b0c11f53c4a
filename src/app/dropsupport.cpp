#include "app/dropsupport.h"

#include <QMimeData>
#include <QUrl>

namespace dropSupport {

bool hasFiles(const QMimeData *data)
{
    return data && !localFiles(data).isEmpty();
}

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace dropSupport
