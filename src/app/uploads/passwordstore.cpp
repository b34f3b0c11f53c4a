#include "app/uploads/passwordstore.h"

#include "common/programinfo.h"

#ifdef QUILLMARK_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>
#endif

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
#ifdef QUILLMARK_HAVE_KEYCHAIN
    auto *job = new QKeychain::ReadPasswordJob(programInfo::title, this);
    job->setKey(account);
    connect(job, &QKeychain::Job::finished, this, [this, account, done](QKeychain::Job *finished) {
        const auto *read = static_cast<QKeychain::ReadPasswordJob *>(finished);
        if (read->error() == QKeychain::NoError) {
            account_ = account;
            password_ = read->textData();
            return done(password_);
        }
        learned(read->error() == QKeychain::EntryNotFound);
        done(std::nullopt);
    });
    job->start();
#else
    learned(false);
    done(std::nullopt);
#endif
}

void PasswordStore::write(const QString &account, const QString &password, std::function<void(bool)> done)
{
    account_ = account;
    password_ = password;
#ifdef QUILLMARK_HAVE_KEYCHAIN
    auto *job = new QKeychain::WritePasswordJob(programInfo::title, this);
    job->setKey(account);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, done](QKeychain::Job *finished) {
        learned(finished->error() == QKeychain::NoError);
        done(storeWorks_);
    });
    job->start();
#else
    learned(false);
    done(false);
#endif
}
