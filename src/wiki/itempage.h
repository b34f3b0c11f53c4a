#pragma once
// The draft of an item's page: Templates/Page.txt with the item's name and the names its
// two files have on the wiki filled in. Without the file no page is ever drafted.

#include "wiki/uploadlist.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace wiki::itemPage {

inline const QString templateFileName = QStringLiteral("Page.txt");

struct Item {
    QString name;  // the item, as its page is titled
    QString icon;  // the icon's file name on the wiki ("Sword Icon.png"), or ""
    QString panel; // the stats panel's, or ""
    QDate date;    // when it was drafted
};

// %name%, %icon%, %panel% and %date% (yyyy-mm-dd), filled in once as in Upload.txt.
QString fill(const QString &pattern, const Item &item);
// The filled template of the program folder, or nothing when it has none.
std::optional<QString> draft(const QString &programFolder, const Item &item);

// The summary of the edit that creates an item's page.
QString summary(const QString &name);

// An item whose uploads are all over, with the entries that made it.
struct Settled {
    Item item; // without a date
    QList<int> ids;
    bool anyUploaded() const { return !item.icon.isEmpty() || !item.panel.isEmpty(); }
};
// The items of the entries not yet seen, in the order they were saved, once none of their
// files waits, is on its way or waits for an answer; their files are the uploaded ones.
QList<Settled> settled(const QList<uploads::Entry> &entries, const QSet<int> &seen);

} // namespace wiki::itemPage
