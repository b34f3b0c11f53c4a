#include "app/uploads/secretstore.h"

#include <QObject>
#include <qt6keychain/keychain.h>

namespace secretStore {

void read(QObject *owner, const QString &service, const QString &key, std::function<void(const ReadResult &)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(service, owner);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, owner, [done](QKeychain::Job *finished) {
        const auto *read = static_cast<QKeychain::ReadPasswordJob *>(finished);
        if (read->error() == QKeychain::NoError)
            return done({Found::Secret, read->textData()});
        done({read->error() == QKeychain::EntryNotFound ? Found::Nothing : Found::NoStore, QString()});
    });
    job->start();
}

void write(QObject *owner, const QString &service, const QString &key, const QString &secret,
           std::function<void(bool)> done)
{
    auto *job = new QKeychain::WritePasswordJob(service, owner);
    job->setKey(key);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, owner,
                     [done](QKeychain::Job *finished) { done(finished->error() == QKeychain::NoError); });
    job->start();
}

} // namespace secretStore
