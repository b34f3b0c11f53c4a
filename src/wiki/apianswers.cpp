#include "wiki/apianswers.h"

#include "wiki/jsonfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace wiki::api {
using namespace json;

Answer read(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    Answer answer;
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        answer.failure = Failure{QStringLiteral("not-json"),
                                 QStringLiteral("the address did not answer as a MediaWiki API does"), {}, -1};
        return answer;
    }
    answer.body = document.object();
    if (answer.body.contains(QLatin1String("error"))) {
        const QJsonObject e = child(answer.body, "error");
        Failure failure{text(e, "code"), text(e, "info"), text(e, "filekey"), -1};
        if (failure.code.isEmpty())
            failure.code = QStringLiteral("unknown");
        answer.failure = failure;
    }
    return answer;
}

std::optional<QString> loginToken(const Answer &answer)
{
    const QString token = text(child(child(answer.body, "query"), "tokens"), "logintoken");
    return token.isEmpty() ? std::nullopt : std::optional(token);
}

std::optional<QString> csrfToken(const Answer &answer)
{
    const QString token = text(child(child(answer.body, "query"), "tokens"), "csrftoken");
    // "+\" is the token of a session nobody logged into: useless for an upload.
    return token.isEmpty() || token == QLatin1String("+\\") ? std::nullopt : std::optional(token);
}

Login login(const Answer &answer)
{
    const QJsonObject result = child(answer.body, "login");
    Login login;
    login.ok = text(result, "result") == QLatin1String("Success");
    login.user = text(result, "lgusername");
    login.reason = text(result, "reason");
    if (!login.ok && login.reason.isEmpty()) {
        login.reason = answer.failure ? answer.failure->info : text(result, "result");
        if (login.reason.isEmpty())
            login.reason = QStringLiteral("It gave no reason.");
    }
    return login;
}

Account account(const Answer &answer)
{
    const QJsonObject query = child(answer.body, "query");
    Account account;
    const QJsonObject user = child(query, "userinfo");
    account.user = text(user, "name");
    account.rights = strings(user.value(QLatin1String("rights")));
    for (const QJsonValue &extension : query.value(QLatin1String("fileextensions")).toArray()) {
        QString ext = text(extension.toObject(), "ext").toLower();
        while (ext.startsWith(u'.'))
            ext.remove(0, 1);
        account.fileExtensions.append(ext);
    }
    const QJsonValue limit = child(query, "general").value(QLatin1String("maxuploadsize"));
    // A size no wiki could mean (negative, or past what a file can be) counts as unsaid.
    if (limit.isDouble() && limit.toDouble() >= 0 && limit.toDouble() < 0x1p62)
        account.maxUploadSize = qint64(limit.toDouble());
    return account;
}

Existing existing(const Answer &answer)
{
    const QJsonObject query = child(answer.body, "query");
    Existing found;
    for (const QJsonValue &page : query.value(QLatin1String("pages")).toArray()) {
        const QJsonArray infos = page.toObject().value(QLatin1String("imageinfo")).toArray();
        if (infos.isEmpty())
            continue;
        const QJsonObject info = infos.first().toObject();
        found.exists = true;
        found.sha1 = text(info, "sha1").toLower();
        found.descriptionUrl = text(info, "descriptionurl");
    }
    for (const QJsonValue &image : query.value(QLatin1String("allimages")).toArray()) {
        const QString name = text(image.toObject(), "name");
        if (!name.isEmpty())
            found.sameBytes.append(name);
    }
    return found;
}

Upload upload(const Answer &answer)
{
    Upload upload;
    if (answer.failure) {
        upload.failure = *answer.failure;
        return upload;
    }
    const QJsonObject result = child(answer.body, "upload");
    const QString outcome = text(result, "result");
    upload.filename = text(result, "filename");
    upload.descriptionUrl = text(child(result, "imageinfo"), "descriptionurl");
    upload.filekey = text(result, "filekey");
    upload.warnings = child(result, "warnings");
    if (outcome == QLatin1String("Success") && !upload.filename.isEmpty()) {
        upload.result = Upload::Success;
    } else if (outcome == QLatin1String("Warning") && !upload.filekey.isEmpty()) {
        upload.result = Upload::Warning;
    } else {
        upload.failure = Failure{QStringLiteral("no-answer"),
                                 QStringLiteral("the wiki did not say whether the file was stored"), {}, -1};
    }
    return upload;
}

QStringList warningTexts(const QJsonObject &warnings)
{
    QStringList texts;
    for (auto it = warnings.begin(); it != warnings.end(); ++it) {
        const QString key = it.key();
        const QString value = it.value().isArray() ? strings(it.value()).join(QStringLiteral(", "))
                                                   : it.value().toString();
        if (key == QLatin1String("exists"))
            texts.append(QStringLiteral("A different file named %1 is already on the wiki.").arg(value));
        else if (key == QLatin1String("nochange"))
            texts.append(QStringLiteral("The wiki already has exactly this file under this name."));
        else if (key == QLatin1String("duplicate"))
            texts.append(QStringLiteral("The wiki already has the same picture as %1.").arg(value));
        else if (key == QLatin1String("exists-normalized"))
            texts.append(QStringLiteral("The wiki has a file whose name differs only in letter case: %1.").arg(value));
        else if (key == QLatin1String("was-deleted"))
            texts.append(QStringLiteral("A file of this name was deleted from the wiki before."));
        else if (key == QLatin1String("badfilename"))
            texts.append(QStringLiteral("The wiki would store the file as %1.").arg(value));
        else if (key == QLatin1String("bad-prefix"))
            texts.append(QStringLiteral("The name starts like a camera's file name (%1).").arg(value));
        else if (key == QLatin1String("thumb-name"))
            texts.append(QStringLiteral("The name looks like a thumbnail's (%1).").arg(value));
        else if (key == QLatin1String("duplicate-archive"))
            texts.append(QStringLiteral("The same picture was deleted from the wiki as %1.").arg(value));
        else
            texts.append(QStringLiteral("The wiki warns: %1 %2").arg(key, value).trimmed());
    }
    return texts;
}

} // namespace wiki::api
