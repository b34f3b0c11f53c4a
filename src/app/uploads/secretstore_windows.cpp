#include "app/uploads/secretstore.h"

#include <windows.h>
#include <wincred.h>

// The Windows Credential Manager: one generic credential a key, named "service/key" as
// Control Panel's Credential Manager lists it, kept for this user on this machine.
namespace secretStore {
namespace {

std::wstring targetOf(const QString &service, const QString &key)
{
    return (service + u'/' + key).toStdWString();
}

} // namespace

void read(QObject *, const QString &service, const QString &key, std::function<void(const ReadResult &)> done)
{
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(targetOf(service, key).c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return done({GetLastError() == ERROR_NOT_FOUND ? Found::Nothing : Found::NoStore, QString()});
    const QString secret = QString::fromUtf16(reinterpret_cast<const char16_t *>(credential->CredentialBlob),
                                              qsizetype(credential->CredentialBlobSize / sizeof(char16_t)));
    CredFree(credential);
    done({Found::Secret, secret});
}

void write(QObject *, const QString &service, const QString &key, const QString &secret,
           std::function<void(bool)> done)
{
    std::wstring target = targetOf(service, key);
    std::wstring user = key.section(u' ', 1).toStdWString();
    std::u16string blob = secret.toStdU16String();
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.CredentialBlobSize = DWORD(blob.size() * sizeof(char16_t));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    done(CredWriteW(&credential, 0) != FALSE);
}

} // namespace secretStore
