#include "app/widgets/dropsupport.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMimeData>
#include <QUrl>

namespace dropSupport {
namespace {

class DropRefuser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void refuseDrops(QWidget *widget)
{
    auto *refuser = new DropRefuser(widget);
    widget->setAcceptDrops(false);
    widget->installEventFilter(refuser);
    if (auto *scrolling = qobject_cast<QAbstractScrollArea *>(widget)) {
        scrolling->viewport()->setAcceptDrops(false);
        scrolling->viewport()->installEventFilter(refuser);
    }
}

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
