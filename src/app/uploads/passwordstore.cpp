#include "app/uploads/passwordstore.h"

#include "app/uploads/secretstore.h"

#include <QCoreApplication>

PasswordStore::PasswordStore(QObject *parent) : QObject(parent) {}

QString PasswordStore::account(const QUrl &api, const QString &user)
{
    return api.host() + u' ' + user;
}

void PasswordStore::learned(bool storeWorks)
{
    storeWorks_ = storeWorks;
    if (storeWorks_ || toldMissing_)
        return;
    toldMissing_ = true;
    emit storeMissing();
}

std::optional<QString> PasswordStore::remembered(const QString &account) const
{
    if (account == account_ && !password_.isEmpty())
        return password_;
    return std::nullopt;
}

void PasswordStore::read(const QString &account, std::function<void(const std::optional<QString> &)> done)
{
    if (const auto known = remembered(account))
        return done(known);
    const QString service = QCoreApplication::applicationName();
    secretStore::read(this, service, account, [this, account, done](const secretStore::ReadResult &read) {
        if (read.found == secretStore::Found::Secret) {
            account_ = account;
            password_ = read.secret;
            return done(password_);
        }
        learned(read.found == secretStore::Found::Nothing);
        done(std::nullopt);
    });
}

void PasswordStore::write(const QString &account, const QString &password, std::function<void(bool)> done)
{
    account_ = account;
    password_ = password;
    secretStore::write(this, QCoreApplication::applicationName(), account, password, [this, done](bool stored) {
        learned(stored);
        done(storeWorks_);
    });
}
