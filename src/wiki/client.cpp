#include "wiki/client.h"

#include "common/programinfo.h"
#include "wiki/address.h"
#include "wiki/messages.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>

namespace wiki {
namespace {

constexpr int busyTries = 5;
const QString uploadComment = QStringLiteral("Uploaded with Quillmark");

using Items = QList<std::pair<QString, QString>>;
// Every request's: JSON as the readers take it, and the wait a shared wiki asks of bots.
const Items everyRequest = {{"format", "json"}, {"formatversion", "2"}, {"maxlag", "5"}};

api::Answer failed(const QString &code, const QString &info)
{
    return {{}, api::Failure{code, info, {}, -1}};
}

// Blanks and "_" alike, and the first letter as the wiki shows it.
QString canonical(QString name)
{
    name.replace(u'_', u' ');
    return name.isEmpty() ? name : name.left(1).toUpper() + name.mid(1);
}

QByteArray formBody(const Items &items)
{
    QByteArray body;
    for (const auto &[key, value] : items) {
        if (!body.isEmpty())
            body += '&';
        // Tokens end in "+\": a bare "+" would arrive as a blank.
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

} // namespace

struct Client::Job {
    UploadRequest request;
    std::function<void(const UploadOutcome &)> done;
    QByteArray bytes;
    QString sha1;
    bool retried = false;
};

Client::Client(QObject *parent) : QObject(parent), network_(new QNetworkAccessManager(this))
{
    // Redirects are looked at one by one (see watched).
    network_->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
}

void Client::setAccount(const QUrl &api, const QString &user, const QString &password)
{
    api_ = api;
    user_ = user;
    password_ = password;
    loggedIn_ = false;
    token_.clear();
    // The old session's cookies must not speak for the new account.
    network_->setCookieJar(new QNetworkCookieJar(network_));
}

void Client::setPacing(int uploadGapMs, int longestWaitSeconds, int timeoutMs)
{
    uploadGapMs_ = uploadGapMs;
    longestWaitSeconds_ = longestWaitSeconds;
    timeoutMs_ = timeoutMs;
}

QNetworkReply *Client::watched(QNetworkReply *reply)
{
    ++requestsSent_;
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &to) {
        if (address::whyRefused(to)) {
            reply->setProperty("refusedRedirect", to.toString());
            reply->abort();
        } else {
            emit reply->redirectAllowed();
        }
    });
    return reply;
}

QNetworkReply *Client::get(const Items &items)
{
    QUrl url = api_;
    QUrlQuery query;
    for (const auto &[key, value] : items + everyRequest)
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, programInfo::userAgent);
    request.setTransferTimeout(timeoutMs_);
    return watched(network_->get(request));
}

QNetworkReply *Client::post(const Items &items)
{
    QNetworkRequest request(api_);
    request.setHeader(QNetworkRequest::UserAgentHeader, programInfo::userAgent);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(timeoutMs_);
    return watched(network_->post(request, formBody(items + everyRequest)));
}

QNetworkReply *Client::postFile(const Items &items, const QByteArray &bytes)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (const auto &[key, value] : items + everyRequest) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"%1\"").arg(key));
        part.setBody(value.toUtf8());
        form->append(part);
    }
    QHttpPart file;
    file.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
    // The wiki takes the name from "filename"; this one only has to be harmless.
    file.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"file\"; filename=\"upload\""));
    file.setBody(bytes);
    form->append(file);
    QNetworkRequest request(api_);
    request.setHeader(QNetworkRequest::UserAgentHeader, programInfo::userAgent);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply *reply = network_->post(request, form);
    form->setParent(reply);
    return watched(reply);
}

void Client::call(const Start &start, const Done &done, int attempt)
{
    QNetworkReply *reply = start();
    connect(reply, &QNetworkReply::finished, this, [this, reply, start, done, attempt] {
        reply->deleteLater();
        const QString refused = reply->property("refusedRedirect").toString();
        if (!refused.isEmpty())
            return done(failed(QStringLiteral("redirect"), refused));
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool busyStatus = status == 429 || status == 503;
        // A server that answered is judged by its answer (an HTML error page is no API);
        // only one that did not is a network failure.
        if (!busyStatus && reply->error() != QNetworkReply::NoError && status == 0)
            return done(failed(QStringLiteral("network"), reply->errorString()));
        const api::Answer answer = busyStatus ? failed(QStringLiteral("busy"), QStringLiteral("the wiki is busy"))
                                              : api::read(reply->readAll());
        const QString code = answer.failure ? answer.failure->code : QString();
        const bool busy = busyStatus || code == QLatin1String("maxlag") || code == QLatin1String("ratelimited");
        if (!busy || attempt + 1 >= busyTries)
            return done(answer);
        bool given = false;
        const int asked = reply->rawHeader("Retry-After").trimmed().toInt(&given);
        const int wait = std::clamp(given ? asked : 5, 1, std::max(longestWaitSeconds_, 1));
        QTimer::singleShot(wait * 1000, this, [this, start, done, attempt] { call(start, done, attempt + 1); });
    });
}

void Client::login(std::function<void(const std::optional<api::Failure> &)> ready)
{
    loggedIn_ = false;
    // A session logged in with a bot password cannot log in again: start a new one.
    network_->setCookieJar(new QNetworkCookieJar(network_));
    if (const auto why = address::whyRefused(api_))
        return ready(api::Failure{QStringLiteral("address"), *why, {}, -1});
    call([this] { return get({{"action", "query"}, {"meta", "tokens"}, {"type", "login"}}); },
         [this, ready](const api::Answer &tokenAnswer) {
             const auto token = api::loginToken(tokenAnswer);
             if (!token)
                 return ready(tokenAnswer.failure.value_or(
                     api::Failure{QStringLiteral("not-json"), QString(), {}, -1}));
             const Items items = {
                 {"action", "login"}, {"lgname", user_}, {"lgpassword", password_}, {"lgtoken", *token}};
             call([this, items] { return post(items); }, [this, ready](const api::Answer &answer) {
                 const api::Login result = api::login(answer);
                 if (!result.ok)
                     return ready(answer.failure && answer.failure->code == QLatin1String("not-json")
                                      ? *answer.failure
                                      : api::Failure{QStringLiteral("login"), result.reason, {}, -1});
                 readAccount(ready);
             });
         });
}

void Client::readAccount(std::function<void(const std::optional<api::Failure> &)> ready)
{
    const Items items = {{"action", "query"},          {"meta", "siteinfo|userinfo|tokens"},
                         {"siprop", "general|fileextensions"}, {"uiprop", "rights"}, {"type", "csrf"}};
    call([this, items] { return get(items); }, [this, ready](const api::Answer &answer) {
        if (answer.failure)
            return ready(answer.failure);
        const auto token = api::csrfToken(answer);
        if (!token)
            return ready(
                api::Failure{QStringLiteral("login"), QStringLiteral("the wiki gave no edit token."), {}, -1});
        account_ = api::account(answer);
        token_ = *token;
        loggedIn_ = true;
        ready(std::nullopt);
    });
}

bool Client::renewSession(const QString &code, std::function<void(const std::optional<api::Failure> &)> ready)
{
    if (code == QLatin1String("badtoken")) {
        readAccount(std::move(ready));
        return true;
    }
    if (code == QLatin1String("mustbeloggedin") || code == QLatin1String("assertuserfailed")) {
        login(std::move(ready));
        return true;
    }
    return false;
}

void Client::session(std::function<void(const std::optional<api::Failure> &)> ready)
{
    if (loggedIn_)
        return ready(std::nullopt);
    login(std::move(ready));
}

void Client::test(std::function<void(const AccountTest &)> done)
{
    login([this, done](const std::optional<api::Failure> &failure) {
        AccountTest test;
        test.ok = !failure;
        if (failure)
            test.message = messages::failure(*failure, api_);
        test.account = account_;
        done(test);
    });
}

void Client::upload(const UploadRequest &request, std::function<void(const UploadOutcome &)> done)
{
    auto job = std::make_shared<Job>(Job{request, std::move(done), {}, {}, false});
    if (const auto why = address::whyRefused(api_))
        return fail(job, api::Failure{QStringLiteral("address"), *why, {}, -1});
    QFile file(request.path);
    if (!file.open(QIODevice::ReadOnly))
        return local(job, QStringLiteral("%1 cannot be read: %2").arg(request.path, file.errorString()));
    job->bytes = file.readAll();
    job->sha1 = QString::fromLatin1(QCryptographicHash::hash(job->bytes, QCryptographicHash::Sha1).toHex());
    session([this, job](const std::optional<api::Failure> &failure) {
        if (failure)
            return fail(job, *failure);
        check(job);
    });
}

void Client::check(const std::shared_ptr<Job> &job)
{
    const QString &name = job->request.wikiName;
    const QString extension = name.section(u'.', -1).toLower();
    if (!account_.fileExtensions.isEmpty() && !account_.fileExtensions.contains(extension))
        return local(job, messages::refusedType(extension, account_.fileExtensions));
    if (account_.maxUploadSize > 0 && job->bytes.size() > account_.maxUploadSize)
        return local(job, messages::tooLarge(job->bytes.size(), account_.maxUploadSize));
    if (!account_.mayUpload())
        return local(job, messages::cannotUpload());
    if (job->request.choice != uploads::Choice::None || !job->request.filekey.isEmpty())
        return send(job);

    const Items items = {{"action", "query"},  {"titles", QStringLiteral("File:") + name}, {"prop", "imageinfo"},
                         {"iiprop", "sha1|url"}, {"list", "allimages"}, {"aisha1", job->sha1},
                         {"aiprop", "name"}, {"ailimit", "10"}};
    call([this, items] { return get(items); }, [this, job](const api::Answer &answer) {
        if (answer.failure)
            return fail(job, *answer.failure);
        const api::Existing found = api::existing(answer);
        const QString own = canonical(job->request.wikiName);
        QStringList others;
        for (const QString &other : found.sameBytes)
            if (canonical(other) != own)
                others.append(canonical(other));
        UploadOutcome outcome;
        outcome.wikiName = own;
        outcome.link = found.descriptionUrl.isEmpty() ? messages::filePage(api_, own) : found.descriptionUrl;
        if (found.exists && found.sha1 == job->sha1) {
            outcome.kind = UploadOutcome::AlreadyThere;
            outcome.message = QStringLiteral("Already on the wiki with the same picture.");
        } else if (!others.isEmpty()) {
            outcome.kind = UploadOutcome::Asking;
            outcome.question = uploads::Question::SameBytesElsewhere;
            outcome.existingName = others.first();
            outcome.message = QStringLiteral("The wiki already has the same picture as %1.").arg(others.first());
        } else if (found.exists && !account_.mayReplace()) {
            // The wiki would refuse to replace it: asked as when it has refused.
            return fail(job, api::Failure{QStringLiteral("fileexists-forbidden"), {}, {}, -1});
        } else if (found.exists) {
            outcome.kind = UploadOutcome::Asking;
            outcome.question = uploads::Question::NameTaken;
            outcome.message = QStringLiteral("A different file named %1 is already on the wiki.").arg(own);
        } else {
            return send(job);
        }
        job->done(outcome);
    });
}

void Client::send(const std::shared_ptr<Job> &job)
{
    // At most one upload a second, as a shared wiki asks of its bots.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastUpload_ < uploadGapMs_) {
        QTimer::singleShot(int(uploadGapMs_ - (now - lastUpload_)), this, [this, job] { send(job); });
        return;
    }
    lastUpload_ = now;
    const UploadRequest &request = job->request;
    Items items = {{"action", "upload"}, {"filename", request.wikiName}, {"text", request.pageText},
                   {"comment", uploadComment}, {"token", token_}};
    // Any value of ignorewarnings counts as yes: it goes only with the user's word.
    if (request.choice == uploads::Choice::UploadAnyway || request.choice == uploads::Choice::Replace)
        items.append({QStringLiteral("ignorewarnings"), QStringLiteral("1")});
    Start start;
    if (!request.filekey.isEmpty()) {
        items.append({QStringLiteral("filekey"), request.filekey});
        start = [this, items] { return post(items); };
    } else {
        const QByteArray bytes = job->bytes;
        start = [this, items, bytes] { return postFile(items, bytes); };
    }
    call(start, [this, job](const api::Answer &answer) { answered(job, api::upload(answer)); });
}

void Client::answered(const std::shared_ptr<Job> &job, const api::Upload &upload)
{
    UploadOutcome outcome;
    outcome.wikiName = canonical(job->request.wikiName);
    if (upload.result == api::Upload::Success) {
        outcome.kind = UploadOutcome::Uploaded;
        outcome.wikiName = canonical(upload.filename);
        outcome.link = upload.descriptionUrl.isEmpty() ? messages::filePage(api_, outcome.wikiName)
                                                       : upload.descriptionUrl;
        outcome.message = QStringLiteral("Uploaded as %1.").arg(outcome.wikiName);
        return job->done(outcome);
    }
    if (upload.result == api::Upload::Warning) {
        const QJsonObject &warnings = upload.warnings;
        outcome.link = messages::filePage(api_, outcome.wikiName);
        if (warnings.contains(QLatin1String("nochange"))) {
            outcome.kind = UploadOutcome::AlreadyThere;
            outcome.message = QStringLiteral("Already on the wiki with the same picture.");
            return job->done(outcome);
        }
        outcome.kind = UploadOutcome::Asking;
        outcome.filekey = upload.filekey;
        outcome.message = api::warningTexts(warnings).join(u' ');
        const QJsonValue duplicate = warnings.value(QLatin1String("duplicate"));
        if (duplicate.isArray() && !duplicate.toArray().isEmpty()) {
            outcome.question = uploads::Question::SameBytesElsewhere;
            outcome.existingName = canonical(duplicate.toArray().first().toString());
        } else if (warnings.contains(QLatin1String("exists")) || warnings.contains(QLatin1String("was-deleted"))) {
            outcome.question = uploads::Question::NameTaken;
        } else {
            outcome.question = uploads::Question::Warnings;
        }
        return job->done(outcome);
    }
    const QString code = upload.failure.code;
    // The token or the session ran out: renewed once, and the same file again.
    const auto again = [this, job](const std::optional<api::Failure> &failure) {
        if (failure)
            return fail(job, *failure);
        send(job);
    };
    if (!job->retried && renewSession(code, again)) {
        job->retried = true;
        return;
    }
    fail(job, upload.failure);
}

void Client::local(const std::shared_ptr<Job> &job, const QString &message)
{
    fail(job, {QStringLiteral("local"), message, {}, -1});
}

void Client::fail(const std::shared_ptr<Job> &job, const api::Failure &failure)
{
    UploadOutcome outcome;
    outcome.kind = UploadOutcome::Failed;
    outcome.wikiName = canonical(job->request.wikiName);
    outcome.filekey = failure.filekey;
    outcome.message = failure.code == QLatin1String("local") || failure.code == QLatin1String("address")
                        ? failure.info
                        : messages::failure(failure, api_);
    if (failure.code == QLatin1String("fileexists-forbidden")) {
        // Refused to replace the wiki's file: another name is still an answer.
        outcome.kind = UploadOutcome::Asking;
        outcome.question = uploads::Question::ReplaceRefused;
    }
    job->done(outcome);
}

} // namespace wiki
