#pragma once
// The pages of the items uploaded in this run: once all of an item's files have had their
// turn and one of them went up, the wiki is asked whether the item has a page. One it has is
// named on the status line with its link; a missing one is drafted from Templates/Page.txt
// and opened for the user to check and create. One draft at a time, in the order saved.

#include "app/uploads/pagedraftwindow.h"
#include "wiki/itempage.h"

#include <QObject>
#include <QSet>

class UploadCenter;

class PageDrafts : public QObject {
    Q_OBJECT

public:
    // The items of the upload list as it is now are the last run's and get no draft.
    PageDrafts(UploadCenter &center, const QString &programFolder, QWidget *window);

private:
    void collect();
    void next();
    void checked(const wiki::itemPage::Item &item, const QString &draft, const wiki::PageCheck &check);
    void ended(PageDraftWindow::Ending ending);

    UploadCenter &center_;
    QString programFolder_;
    QWidget *window_;
    QSet<int> seen_; // the entries whose item was dealt with
    QList<wiki::itemPage::Item> waiting_;
    bool busy_ = false; // asking the wiki, or a draft is open
};
