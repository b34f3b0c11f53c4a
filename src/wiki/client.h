#pragma once
// One wiki account at work: logging in with a bot password, checking an account, and
// uploading files one at a time, all without ever blocking the caller. Every request
// carries maxlag=5 and a clear User-Agent, waits as long as the wiki asks when it is busy
// (within bounds), and gives up after 30 s of silence. Cookies live in memory only; TLS
// errors are never ignored and no redirect leads to a plain-http address.

#include "wiki/apianswers.h"
#include "wiki/pageanswers.h"
#include "wiki/uploadlist.h"

#include <QDateTime>
#include <QObject>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace wiki {

struct UploadRequest {
    QString path;
    QString wikiName;
    QString pageText;
    uploads::Choice choice = uploads::Choice::None;
    QString filekey; // finish a file the wiki kept aside instead of sending it again
};

struct UploadOutcome {
    enum Kind { Uploaded, AlreadyThere, Asking, Failed } kind = Failed;
    QString wikiName; // as the wiki holds it
    QString link;     // its file page
    uploads::Question question = uploads::Question::None;
    QString existingName;
    QString filekey;
    QString message; // in plain words
};

struct AccountTest {
    bool ok = false;
    QString message; // why not, when not ok
    api::Account account;
};

// Whether a page may be created under a title, in the wiki's form of it.
struct PageCheck {
    api::PageState state;   // Unknown when the wiki could not be asked
    QString link;           // the page's address
    QString message;        // why it could not be asked, in plain words
};

struct PagePreview {
    api::Preview preview;
    QString message; // why there is none, in plain words
    bool ok = false;
};

struct PageRequest {
    QString title;
    QString text;
    QString summary;
    QDateTime started; // when the draft was opened
};

struct PageOutcome {
    enum Kind {
        Created,
        Exists,       // someone made it since: nothing was changed
        NeedsBrowser, // a captcha or a filter of the wiki's: only a person in a browser can
        Failed,
    } kind = Failed;
    QString title;
    QString link;
    qint64 revision = -1;
    QString message; // in plain words
};

class Client : public QObject {
    Q_OBJECT

public:
    explicit Client(QObject *parent = nullptr);

    // A new account ends the session of the old one.
    void setAccount(const QUrl &api, const QString &user, const QString &password);
    QUrl api() const { return api_; }
    // Waits the tests may shorten: between two uploads, the longest wait a busy wiki gets,
    // and how long a silent wiki is waited for.
    void setPacing(int uploadGapMs, int longestWaitSeconds, int timeoutMs);
    // How many requests went to the wiki so far.
    int requestsSent() const { return requestsSent_; }

    void test(std::function<void(const AccountTest &)> done);
    void upload(const UploadRequest &request, std::function<void(const UploadOutcome &)> done);

    // Pages: asked about, rendered, and created, never changed once they exist.
    void checkPage(const QString &title, std::function<void(const PageCheck &)> done);
    void previewPage(const QString &title, const QString &text, std::function<void(const PagePreview &)> done);
    void createPage(const PageRequest &request, std::function<void(const PageOutcome &)> done);

private:
    using Done = std::function<void(const api::Answer &)>;
    using Start = std::function<QNetworkReply *()>;
    struct Job;

    // One request, tried again while the wiki says it is busy.
    void call(const Start &start, const Done &done, int attempt = 0);
    QNetworkReply *get(const QList<std::pair<QString, QString>> &items);
    QNetworkReply *post(const QList<std::pair<QString, QString>> &items);
    QNetworkReply *postFile(const QList<std::pair<QString, QString>> &items, const QByteArray &bytes);
    QNetworkReply *watched(QNetworkReply *reply);

    // Logged in, with the account's rights and a token: then ready(failure or nothing).
    void session(std::function<void(const std::optional<api::Failure> &)> ready);
    void login(std::function<void(const std::optional<api::Failure> &)> ready);
    // For an error that says the token or the session ran out: a new token (or a login),
    // then ready; false, and nothing done, for any other error.
    bool renewSession(const QString &code, std::function<void(const std::optional<api::Failure> &)> ready);
    void readAccount(std::function<void(const std::optional<api::Failure> &)> ready);

    void check(const std::shared_ptr<Job> &job);
    void send(const std::shared_ptr<Job> &job);
    void answered(const std::shared_ptr<Job> &job, const api::Upload &upload);
    void fail(const std::shared_ptr<Job> &job, const api::Failure &failure);
    // A failure found before anything was sent, in its own words.
    void local(const std::shared_ptr<Job> &job, const QString &message);

    // Logged in, then the request; a failure on the way ends it as failed(failure).
    void withSession(std::function<void()> next, std::function<void(const api::Failure &)> failed);
    void sendEdit(const PageRequest &request, std::function<void(const PageOutcome &)> done, bool retried);

    QNetworkAccessManager *network_;
    QUrl api_;
    QString user_;
    QString password_;
    bool loggedIn_ = false;
    QString token_;
    api::Account account_;
    qint64 lastUpload_ = 0;
    int uploadGapMs_ = 1000;
    int longestWaitSeconds_ = 120;
    int timeoutMs_ = 30000;
    int requestsSent_ = 0;
};

} // namespace wiki
