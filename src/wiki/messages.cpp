#include "wiki/messages.h"

#include <QLocale>
#include <QUrlQuery>

namespace wiki::messages {

QString failure(const api::Failure &f, const QUrl &api)
{
    const QString &code = f.code;
    if (code == QLatin1String("network"))
        return QStringLiteral("The wiki at %1 did not answer: %2.").arg(api.host(), f.info);
    if (code == QLatin1String("not-json"))
        return QStringLiteral("%1 does not answer as a MediaWiki API does. Is it the wiki's api.php?")
            .arg(api.toString());
    if (code == QLatin1String("redirect"))
        return QStringLiteral("The wiki sent Quillmark on to %1, which it does not follow.").arg(f.info);
    if (code == QLatin1String("login"))
        return QStringLiteral("The wiki refused the login: %1 Check the user name (User@AppName) and the bot "
                              "password.").arg(f.info);
    if (code == QLatin1String("permissiondenied") || code == QLatin1String("mustbeloggedin"))
        return cannotUpload();
    if (code == QLatin1String("fileexists-forbidden"))
        return replaceRefused();
    if (code == QLatin1String("file-too-large"))
        return QStringLiteral("The file is larger than the wiki accepts.");
    if (code == QLatin1String("filetype-banned") || code == QLatin1String("verification-error")
        || code == QLatin1String("empty-file"))
        return QStringLiteral("The wiki refused the file: %1").arg(f.info);
    if (code.startsWith(QLatin1String("filename")) || code == QLatin1String("illegal-filename")
        || code == QLatin1String("filetype-missing"))
        return QStringLiteral("The wiki does not accept the name: %1").arg(f.info);
    return QStringLiteral("The wiki refused the upload: %1 (%2)").arg(f.info, code);
}

QString refusedType(const QString &extension, const QStringList &accepted)
{
    return QStringLiteral("The wiki does not take .%1 files (it takes %2): choose PNG for this kind of picture on "
                          "tab 6 and save it again.")
        .arg(extension, accepted.join(QStringLiteral(", ")));
}

QString tooLarge(qint64 size, qint64 limit)
{
    const QLocale c = QLocale::c();
    return QStringLiteral("The file is %1 bytes; the wiki takes files up to %2 bytes.")
        .arg(c.toString(size), c.toString(limit));
}

QString cannotUpload()
{
    return QStringLiteral("The bot password may not upload files: on the wiki's Special:BotPasswords page, tick %1.")
        .arg(uploadGrants);
}

QString replaceRefused()
{
    return QStringLiteral("A file of this name is already on the wiki, and the bot password may not replace files: "
                          "tick %1 on Special:BotPasswords, or upload under another name.")
        .arg(replaceGrant);
}

QString filePage(const QUrl &api, const QString &wikiName)
{
    return page(api, QStringLiteral("File:") + wikiName);
}

QString page(const QUrl &api, const QString &title)
{
    QUrl address = api;
    address.setPath(api.path().section(u'/', 0, -2) + QStringLiteral("/index.php"));
    address.setQuery(QUrlQuery{{QStringLiteral("title"), QString(title).replace(u' ', u'_')}});
    return address.toString(QUrl::FullyEncoded);
}

QString pageFailure(const api::Failure &f, const QUrl &api, const QString &title)
{
    const QString &code = f.code;
    if (code == QLatin1String("articleexists"))
        return QStringLiteral("%1 was created on the wiki while the draft was open; the wiki's page was left as it "
                              "is.").arg(title);
    if (code == QLatin1String("permissiondenied") || code == QLatin1String("cantcreate")
        || code == QLatin1String("mustbeloggedin") || code == QLatin1String("noedit")
        || code == QLatin1String("writeapidenied"))
        return QStringLiteral("The bot password may not create pages: on the wiki's Special:BotPasswords page, tick "
                              "%1.").arg(createGrant);
    if (code == QLatin1String("protectedtitle") || code == QLatin1String("protectedpage")
        || code == QLatin1String("cascadeprotected"))
        return QStringLiteral("The wiki protects the title %1: an administrator must create it.").arg(title);
    if (code == QLatin1String("captcha"))
        return QStringLiteral("The wiki asks for a captcha before %1 can be created: create it in the browser.")
            .arg(title);
    if (code.startsWith(QLatin1String("abusefilter")) || code == QLatin1String("spamblacklist")
        || code == QLatin1String("spamdetected") || code == QLatin1String("hookaborted"))
        return QStringLiteral("The wiki stopped the page: %1 Create %2 in the browser.")
            .arg(f.info.isEmpty() ? QStringLiteral("(%1)").arg(code) : f.info, title);
    if (code == QLatin1String("busy") || code == QLatin1String("maxlag") || code == QLatin1String("ratelimited"))
        return QStringLiteral("The wiki stayed too busy to create %1; try again in a while.").arg(title);
    if (code == QLatin1String("address"))
        return f.info;
    if (code == QLatin1String("network") || code == QLatin1String("not-json") || code == QLatin1String("redirect")
        || code == QLatin1String("login"))
        return failure(f, api);
    return QStringLiteral("The wiki refused the page: %1 (%2)").arg(f.info, code);
}

QString pageCreated(const QString &title)
{
    return QStringLiteral("Created the page %1.").arg(title);
}

} // namespace wiki::messages
