#pragma once
// The bot password in the desktop's secret store (never in Quillmark.ini), under the
// application's name ("Quillmark"). Where no store
// runs, the password lives in memory for this run only, and the user is told so.

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class PasswordStore : public QObject {
    Q_OBJECT

public:
    explicit PasswordStore(QObject *parent = nullptr);

    // Whose password it is: the user on the wiki's host. Another scheme, port or path of
    // the same wiki keeps the password.
    static QString account(const QUrl &api, const QString &user);

    // The stored password of account, or nothing; storeWorks false when there is no store.
    void read(const QString &account, std::function<void(const std::optional<QString> &password)> done);
    // Keeps the password: in the store when one runs, in memory for this run in any case.
    void write(const QString &account, const QString &password, std::function<void(bool stored)> done);
    // Known once a read or write has been tried; true until then.
    bool storeWorks() const { return storeWorks_; }
    std::optional<QString> remembered(const QString &account) const;

    static QString noStoreNote()
    {
        return tr("No password store is running: the bot password is kept for this run only.");
    }

signals:
    // The first time this run finds no store to keep the password in.
    void storeMissing();

private:
    void learned(bool storeWorks);

    bool storeWorks_ = true;
    bool toldMissing_ = false;
    QString account_;
    QString password_; // this run's copy
};
