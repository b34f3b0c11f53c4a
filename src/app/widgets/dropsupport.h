#pragma once
// File drops: which drags a control takes, and the local files a drop brings.

#include <QStringList>

class QMimeData;
class QWidget;

namespace dropSupport {

bool hasFiles(const QMimeData *data);
QStringList localFiles(const QMimeData *data);

// The widget (and the viewport of a scrolling one) takes no drag at all, not even a drag
// event sent to it directly. Qt 6.4's QPlainTextEdit crashes on the second file dropped on it.
void refuseDrops(QWidget *widget);

} // namespace dropSupport
