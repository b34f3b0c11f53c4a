#pragma once
// The system's store of secrets, one small backend a platform: the Credential Manager on
// Windows, the desktop's secret service through QtKeychain elsewhere, or none at all. Each
// answer comes through done, later or at once, while owner lives.

#include <QString>
#include <functional>

class QObject;

namespace secretStore {

enum class Found { Secret, Nothing, NoStore };

struct ReadResult {
    Found found = Found::NoStore;
    QString secret;
};

void read(QObject *owner, const QString &service, const QString &key, std::function<void(const ReadResult &)> done);
// stored is false when no store took it.
void write(QObject *owner, const QString &service, const QString &key, const QString &secret,
           std::function<void(bool stored)> done);

} // namespace secretStore
