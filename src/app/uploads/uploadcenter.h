#pragma once
// Where the pictures to upload wait their turn: one upload at a time, in the order they
// were saved, each asking its question when the wiki has one, and the list kept in the
// program folder. The window goes on working meanwhile: nothing here waits for the wiki.

#include "wiki/client.h"
#include "wiki/uploadlist.h"

#include <QObject>
#include <QUrl>

class PasswordStore;
class QWidget;

class UploadCenter : public QObject {
    Q_OBJECT

public:
    // The list file lies in programFolder; prompts open over window.
    UploadCenter(const QString &programFolder, QWidget *window);

    // The account (the password comes from the store, or is asked for when needed).
    void setAccount(const QUrl &api, const QString &user);
    // Kept in the secret store; where there is none, for this run only, which the status line says.
    void setPassword(const QString &password);
    // Logs in with the password the store or this run knows and reports what the account
    // may do; nothing (and no question) when no password is known.
    void test(std::function<void(const std::optional<wiki::AccountTest> &)> done);
    QUrl api() const { return api_; }
    QString user() const { return user_; }
    wiki::Client &client() { return client_; }
    PasswordStore &passwords() { return *passwords_; }

    // A file to upload under its own name (or wikiName): kind says what the picture is, item
    // the item an extraction saved it for, whose page may be drafted once its files are up.
    void enqueue(const QString &path, const QString &kind, const QString &wikiName = QString(),
                 const QString &item = QString());
    // A page created on the wiki, listed with its link and message; the status line says said.
    // It is never sent again.
    void addPage(const QString &title, const QString &link, const QString &message, const QString &said);
    void retry(int id);
    void remove(int id);
    void answer(int id, wiki::uploads::Choice choice);
    void rename(int id, const QString &wikiName);

    const wiki::uploads::UploadList &list() const { return list_; }
    const wiki::uploads::Entry *entry(int id) const { return const_cast<wiki::uploads::UploadList &>(list_).find(id); }
    // "Uploading 2 of 5..." while busy, else the last result; empty with nothing to say.
    QString statusText() const;

signals:
    void changed();
    // An upload waits for the user's answer.
    void asking(int id);

private:
    QString accountKey() const;
    void pump();
    void start(int id);
    void finished(int id, const wiki::UploadOutcome &outcome);
    // Gives the client the password the store or this run knows; false when neither does.
    void knownPassword(std::function<void(bool)> go);
    // Makes sure the client has the password, asking for it; false when the user gave none.
    void withPassword(std::function<void(bool)> go);
    // The entry's new state and word on it; said goes to the status line.
    void settle(wiki::uploads::Entry &entry, wiki::uploads::State state, const QString &message, const QString &said);
    void fail(wiki::uploads::Entry &entry, const QString &message);
    // The copied markup that names the file from names to instead.
    void copyFollows(const QString &from, const QString &to);
    void store();

    QString path_;
    QString programFolder_;
    QWidget *window_;
    wiki::Client client_;
    PasswordStore *passwords_;
    wiki::uploads::UploadList list_;
    QUrl api_;
    QString user_;
    bool havePassword_ = false;
    bool busy_ = false;
    QString last_;
};
