// The bot password in Windows' Credential Manager: kept by one run, found by the next.
#include "app/uploads/passwordstore.h"
#include "support.h"

#include <QCoreApplication>
#include <QUrl>

#include <windows.h>
#include <wincred.h>

TEST(PasswordStoreOnWindows, KeptInTheCredentialManagerAndReadByTheNextRun)
{
    const QString account = PasswordStore::account(QUrl("http://127.0.0.1:1/api.php"),
                                                   "Tester" + QString::number(QCoreApplication::applicationPid()));
    bool stored = false;
    PasswordStore(nullptr).write(account, QStringLiteral("pässwörd 🗝"), [&](bool ok) { stored = ok; });
    EXPECT_TRUE(stored);
    PasswordStore nextRun;
    std::optional<QString> read;
    nextRun.read(account, [&](const std::optional<QString> &password) { read = password; });
    EXPECT_EQ(read, QStringLiteral("pässwörd 🗝"));
    std::optional<QString> other = QStringLiteral("unset");
    nextRun.read(account + "x", [&](const std::optional<QString> &password) { other = password; });
    EXPECT_EQ(other, std::nullopt);
    EXPECT_TRUE(nextRun.storeWorks());
    CredDeleteW((QCoreApplication::applicationName() + '/' + account).toStdWString().c_str(), CRED_TYPE_GENERIC, 0);
}
