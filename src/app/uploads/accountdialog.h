#pragma once
// "Wiki...": the wiki's API address, the bot user name and password, and a test of them
// that says what the account may do.

#include "wiki/apianswers.h"

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;
class QPushButton;
class UploadCenter;

class AccountDialog : public QDialog {
    Q_OBJECT

public:
    AccountDialog(UploadCenter &center, QWidget *parent);

    // OK: the address and user go to the center, the password to the secret store.
    void accept() override;

private:
    void test();
    // A test passed: who, what the account may do, what the wiki takes; missing rights named
    // with the grants to tick.
    static QString report(const wiki::api::Account &account);
    // The address as typed, or the reason it will not do (shown, and nothing is sent).
    bool addressTaken();
    QUrl typedApi() const;
    // The address, user and password typed go to the center.
    void takeAccount();
    // "(kept)" in the password box while a password is kept for the wiki and user typed.
    void showKept();
    // The test's result, every line of it in view.
    void showResult(const QString &text);

    UploadCenter &center_;
    QLineEdit *txtWikiApi_ = nullptr;
    QLineEdit *txtWikiUser_ = nullptr;
    QLineEdit *txtWikiPassword_ = nullptr;
    QPushButton *cmdWikiTest_ = nullptr;
    QLabel *lblWikiTest_ = nullptr;
    QString passwordHint_;
};
