#include "app/widgets/hint.h"

#include <QPainter>

void paintHint(QPainter &painter, const QRect &area, const QString &hint)
{
    if (hint.isEmpty())
        return;
    painter.save();
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(area.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, hint);
    painter.restore();
}
