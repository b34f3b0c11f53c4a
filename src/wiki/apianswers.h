#pragma once
// The wiki's answers as Quillmark reads them: each reader takes the bytes of one JSON
// answer (format=json, formatversion=2) and never trusts them to be well formed; an answer
// that is not one (an HTML page, a proxy's error) says so.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace wiki::api {

// What went wrong with a request, in the wiki's words when it gave any.
struct Failure {
    QString code;     // the wiki's error code, or one of ours: "not-json", "no-answer"
    QString info;     // the wiki's own text
    QString filekey;  // some errors keep the file aside under this key
    qint64 retryAfter = -1; // seconds, for maxlag and rate limits
};

// The answer's object, or the failure it is: not JSON, or an "error" member.
struct Answer {
    QJsonObject body;
    std::optional<Failure> failure;
};
Answer read(const QByteArray &json);

std::optional<QString> loginToken(const Answer &answer);
std::optional<QString> csrfToken(const Answer &answer);

struct Login {
    bool ok = false;
    QString user;   // the wiki's name for the account
    QString reason; // why not, in the wiki's words
};
Login login(const Answer &answer);

// What the wiki takes, and what the account may do (meta=siteinfo and meta=userinfo).
struct Account {
    QString user;
    QStringList rights;
    QStringList fileExtensions; // lower case, without the dot
    qint64 maxUploadSize = -1;  // bytes, -1 when the wiki does not say
    bool mayUpload() const { return rights.contains(QStringLiteral("upload")); }
    bool mayReplace() const
    {
        return rights.contains(QStringLiteral("reupload")) || rights.contains(QStringLiteral("reupload-own"));
    }
};
Account account(const Answer &answer);

// What the wiki holds under a name, and which files hold given bytes.
struct Existing {
    bool exists = false;     // a current file of that name
    QString sha1;            // of its current version
    QString descriptionUrl;  // its file page
    QStringList sameBytes;   // names of current files with the bytes asked about, blanks as "_"
};
Existing existing(const Answer &answer);

// One upload's answer.
struct Upload {
    enum Result { Success, Warning, Error } result = Error;
    QString filename;       // the stored name, blanks as "_"
    QString descriptionUrl; // the file page
    QString filekey;        // for Warning: the file kept aside
    QJsonObject warnings;   // the wiki's warnings, as it gave them
    Failure failure;        // for Error
};
Upload upload(const Answer &answer);

// The warnings of an upload in plain words, one sentence each, for the user.
QStringList warningTexts(const QJsonObject &warnings);

} // namespace wiki::api
