#pragma once
// The text of an uploaded file's page: Templates/Upload.txt with its placeholders filled
// in, or nothing when there is no such file.

#include <QList>
#include <QString>
#include <utility>

namespace wiki::pageText {

// pattern with each placeholder ("%name%") replaced by its value, in one pass: a value
// holding a placeholder's text is never filled in again, and an unknown one stays.
QString fillIn(const QString &pattern, const QList<std::pair<QString, QString>> &values);

inline const QString templateFileName = QStringLiteral("Upload.txt");
// %name% the file name without extension, %file% with it, %kind% what the picture is
// ("icon", "stats panel", "live shot", "spawn map" or "picture").
QString fill(const QString &pattern, const QString &fileName, const QString &kind);
// The filled template of the program folder, or "" without one.
QString forUpload(const QString &programFolder, const QString &fileName, const QString &kind);

} // namespace wiki::pageText
