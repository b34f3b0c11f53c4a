#pragma once
// The draft of an item's page: Templates/Page.txt with the item's name and the names its
// two files have on the wiki filled in. Without the file no page is ever drafted.

#include <QDate>
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

} // namespace wiki::itemPage
