#include "app/widgets/readingorder.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

namespace readingOrder {

QList<int> of(const QList<QRect> &rects)
{
    QList<int> byTop(rects.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) { return rects[a].top() < rects[b].top(); });
    QList<int> order;
    for (qsizetype start = 0; start < byTop.size();) {
        const int middle = rects[byTop[start]].center().y();
        qsizetype end = start + 1;
        while (end < byTop.size() && rects[byTop[end]].top() <= middle)
            ++end;
        QList<int> row = byTop.mid(start, end - start);
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return std::pair(rects[a].left(), rects[a].top()) < std::pair(rects[b].left(), rects[b].top());
        });
        order += row;
        start = end;
    }
    return order;
}

QList<QWidget *> tabStops(QWidget *root)
{
    QList<QWidget *> children;
    QList<QRect> places;
    for (QWidget *child : root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        children.append(child);
        places.append(child->geometry());
    }
    QList<QWidget *> stops;
    for (const int i : of(places)) {
        QWidget *child = children[i];
        // A control that takes the Tab key keeps its inner parts (a drop-down's text box).
        if (child->focusPolicy() & Qt::TabFocus)
            stops.append(child);
        else
            stops += tabStops(child);
    }
    return stops;
}

void apply(QWidget *first, QWidget *root)
{
    QWidget *previous = first;
    for (QWidget *stop : tabStops(root)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

} // namespace readingOrder
