#include "app/uploads/accountdialog.h"

#include "app/uploads/passwordstore.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/named.h"
#include "wiki/address.h"
#include "wiki/messages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const dialogTitle = QT_TRANSLATE_NOOP("AccountDialog", "Wiki Account");
const char *const apiTip = QT_TRANSLATE_NOOP(
    "AccountDialog",
    "The wiki's api.php, for example https://example.fandom.com/api.php");
const char *const userTip = QT_TRANSLATE_NOOP(
    "AccountDialog",
    "The bot user name as Special:BotPasswords shows it: User@AppName");
const char *const passwordTip = QT_TRANSLATE_NOOP(
    "AccountDialog",
    "The bot password Special:BotPasswords gave; kept in the desktop's password "
    "store, never in Quillmark.ini");
const char *const testCaption = QT_TRANSLATE_NOOP("AccountDialog", "Test");
const char *const testing = QT_TRANSLATE_NOOP("AccountDialog", "Testing...");
const char *const kept = QT_TRANSLATE_NOOP("AccountDialog", "(kept)");
const char *const typePassword = QT_TRANSLATE_NOOP(
    "AccountDialog",
    "No bot password of %1 on %2 is kept yet: type it in \"Bot password\" "
    "above, then click Test.");

} // namespace

AccountDialog::AccountDialog(UploadCenter &center, QWidget *parent) : QDialog(parent), center_(center)
{
    setObjectName(QStringLiteral("frmWikiAccount"));
    setWindowTitle(tr(dialogTitle));
    txtWikiApi_ = named(new QLineEdit(center.api().toString(), this), QStringLiteral("txtWikiApi"), tr(apiTip));
    txtWikiUser_ = named(new QLineEdit(center.user(), this), QStringLiteral("txtWikiUser"), tr(userTip));
    txtWikiPassword_ = named(new QLineEdit(QString(), this), QStringLiteral("txtWikiPassword"), tr(passwordTip));
    txtWikiPassword_->setEchoMode(QLineEdit::Password);
    for (QLineEdit *box : {txtWikiApi_, txtWikiUser_, txtWikiPassword_})
        box->setPlaceholderText(box->toolTip().section(u':', -1).trimmed());
    passwordHint_ = txtWikiPassword_->placeholderText();
    cmdWikiTest_ = new QPushButton(tr(testCaption), this);
    cmdWikiTest_->setObjectName(QStringLiteral("cmdWikiTest"));
    lblWikiTest_ = new QLabel(this);
    lblWikiTest_->setObjectName(QStringLiteral("lblWikiTest"));
    lblWikiTest_->setWordWrap(true);
    lblWikiTest_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblWikiTest_->setMinimumWidth(360);

    auto *form = new QFormLayout;
    form->addRow(tr("API address:"), txtWikiApi_);
    form->addRow(tr("Bot user:"), txtWikiUser_);
    form->addRow(tr("Bot password:"), txtWikiPassword_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(cmdWikiTest_, QDialogButtonBox::ActionRole);
    auto *rows = new QVBoxLayout(this);
    rows->addLayout(form);
    rows->addWidget(lblWikiTest_);
    rows->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &AccountDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdWikiTest_, &QPushButton::clicked, this, &AccountDialog::test);
    connect(txtWikiApi_, &QLineEdit::textChanged, this, &AccountDialog::showKept);
    connect(txtWikiUser_, &QLineEdit::textChanged, this, &AccountDialog::showKept);
    showKept();
}

QUrl AccountDialog::typedApi() const
{
    return QUrl(txtWikiApi_->text().trimmed());
}

void AccountDialog::showKept()
{
    // A password kept for the wiki and user typed shows as kept, never as its letters.
    const QString account = PasswordStore::account(typedApi(), txtWikiUser_->text().trimmed());
    txtWikiPassword_->setPlaceholderText(center_.passwords().remembered(account) ? tr(kept) : passwordHint_);
}

void AccountDialog::showResult(const QString &text)
{
    lblWikiTest_->setText(text);
    // A window's layout keeps it only as tall as its minimum, which a wrapped text does not
    // count: grow to what the text needs at this width, so no line ends up under the buttons.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

bool AccountDialog::addressTaken()
{
    if (const auto why = wiki::address::whyRefused(typedApi())) {
        showResult(*why);
        return false;
    }
    return true;
}

void AccountDialog::test()
{
    if (!addressTaken())
        return;
    takeAccount();
    showResult(tr(testing));
    cmdWikiTest_->setEnabled(false);
    // The answer may come after the dialog has gone. Without a password, this dialog's own
    // box asks for it (never a second box over this one).
    center_.test([shown = QPointer<AccountDialog>(this)](const std::optional<wiki::AccountTest> &result) {
        if (!shown)
            return;
        shown->cmdWikiTest_->setEnabled(true);
        if (result)
            return shown->showResult(result->ok ? report(result->account) : result->message);
        shown->showResult(tr(typePassword).arg(shown->center_.user(), shown->center_.api().host()));
        shown->txtWikiPassword_->setFocus(Qt::OtherFocusReason);
    });
}

QString AccountDialog::report(const wiki::api::Account &account)
{
    const auto yes = [](bool may, const QString &grants) {
        return may ? tr("yes") : tr("no (tick %1 on Special:BotPasswords)").arg(grants);
    };
    QString text = tr("Logged in as %1.").arg(account.user) + u'\n'
                 + tr("May upload files: %1").arg(yes(account.mayUpload(), wiki::messages::uploadGrants)) + u'\n'
                 + tr("May replace files: %1").arg(yes(account.mayReplace(), wiki::messages::replaceGrant)) + u'\n'
                 + tr("File types: %1").arg(account.fileExtensions.join(QStringLiteral(", ")));
    if (account.maxUploadSize > 0)
        text += u'\n' + tr("Largest file: %1 bytes").arg(QLocale::c().toString(account.maxUploadSize));
    return text;
}

void AccountDialog::accept()
{
    if (!txtWikiApi_->text().trimmed().isEmpty() && !addressTaken())
        return;
    takeAccount();
    QDialog::accept();
}

void AccountDialog::takeAccount()
{
    center_.setAccount(typedApi(), txtWikiUser_->text().trimmed());
    if (!txtWikiPassword_->text().isEmpty())
        center_.setPassword(txtWikiPassword_->text());
}
