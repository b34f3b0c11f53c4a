#pragma once
// What the user is told about the wiki: its errors in plain words, with what to do. The
// upload list keeps them in its file, so they stay as written here.

#include "wiki/apianswers.h"

#include <QString>
#include <QUrl>

namespace wiki::messages {

// The grants a bot password needs, as Special:BotPasswords names them.
inline const QString uploadGrants = QStringLiteral("\"Upload new files\" and \"Create, edit, and move pages\"");
inline const QString replaceGrant = QStringLiteral("\"Upload, replace, and move files\"");
inline const QString createGrant = QStringLiteral("\"Create, edit, and move pages\"");

// An error of the wiki's (or of the way to it) in plain words.
QString failure(const api::Failure &failure, const QUrl &api);
// A file type the wiki does not take, caught before sending.
QString refusedType(const QString &extension, const QStringList &accepted);
QString tooLarge(qint64 size, qint64 limit);
QString cannotUpload();
// A file of the name is on the wiki and the account may not replace it.
QString replaceRefused();

// The address of a file's page on the wiki of this API address.
QString filePage(const QUrl &api, const QString &wikiName);
// The address of a page.
QString page(const QUrl &api, const QString &title);

// Why a page was not created: taken meanwhile, not allowed, or stopped by the wiki's
// captcha or filters (then only a browser can create it).
QString pageFailure(const api::Failure &failure, const QUrl &api, const QString &title);
QString pageCreated(const QString &title);

} // namespace wiki::messages
