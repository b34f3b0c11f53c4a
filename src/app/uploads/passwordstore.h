#pragma once
// The bot password in the desktop's secret store (never in Quillmark.ini). Where no store
// runs, the password lives in memory for this run only, and the user is told so.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class PasswordStore : public QObject {
    Q_OBJECT

public:
    explicit PasswordStore(QObject *parent = nullptr);

    // The stored password of account, or nothing; storeWorks false when there is no store.
    void read(const QString &account, std::function<void(const std::optional<QString> &password)> done);
    // Keeps the password: in the store when one runs, in memory for this run in any case.
    void write(const QString &account, const QString &password, std::function<void(bool stored)> done);
    // Known once a read or write has been tried; true until then.
    bool storeWorks() const { return storeWorks_; }
    std::optional<QString> remembered(const QString &account) const;

    inline static const QString noStoreNote = QStringLiteral(
        "This desktop has no password store running, so Quillmark keeps the bot password only until it closes "
        "and asks for it again next time.");

private:
    bool storeWorks_ = true;
    QString account_;
    QString password_; // this run's copy
};
