#pragma once
// What the user is told about the wiki: its errors in plain words, with what to do, and
// the report of an account test.

#include "wiki/apianswers.h"

#include <QString>
#include <QUrl>

namespace wikiMessages {

// The grants a bot password needs, as Special:BotPasswords names them.
inline const QString uploadGrants = QStringLiteral("\"Upload new files\" and \"Create, edit, and move pages\"");
inline const QString replaceGrant = QStringLiteral("\"Upload, replace, and move files\"");

// An error of the wiki's (or of the way to it) in plain words.
QString failure(const wikiApi::Failure &failure, const QUrl &api);
// A file type the wiki does not take, caught before sending.
QString refusedType(const QString &extension, const QStringList &accepted);
QString tooLarge(qint64 size, qint64 limit);
QString cannotUpload();
// A file of the name is on the wiki and the account may not replace it.
QString replaceRefused();

// The account test: who, what it may do, what the wiki takes; missing rights named with
// the grants to tick.
QString accountReport(const wikiApi::Account &account);

// The address of a file's page on the wiki of this API address.
QString filePage(const QUrl &api, const QString &wikiName);

} // namespace wikiMessages
