#include "app/uploads/accountdialog.h"

#include "app/uploads/passwordstore.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/named.h"
#include "wiki/address.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString dialogTitle = QStringLiteral("Wiki Account");
const QString apiTip = QStringLiteral("The wiki's api.php, for example https://example.fandom.com/api.php");
const QString userTip = QStringLiteral("The bot user name as Special:BotPasswords shows it: User@AppName");
const QString passwordTip = QStringLiteral("The bot password Special:BotPasswords gave; kept in the desktop's password "
                                           "store, never in Quillmark.ini");
const QString testCaption = QStringLiteral("Test");

} // namespace

AccountDialog::AccountDialog(UploadCenter &center, QWidget *parent) : QDialog(parent), center_(center)
{
    setObjectName(QStringLiteral("frmWikiAccount"));
    setWindowTitle(dialogTitle);
    txtWikiApi_ = named(new QLineEdit(center.api().toString(), this), QStringLiteral("txtWikiApi"), apiTip);
    txtWikiUser_ = named(new QLineEdit(center.user(), this), QStringLiteral("txtWikiUser"), userTip);
    txtWikiPassword_ = named(new QLineEdit(QString(), this), QStringLiteral("txtWikiPassword"), passwordTip);
    txtWikiPassword_->setEchoMode(QLineEdit::Password);
    for (QLineEdit *box : {txtWikiApi_, txtWikiUser_, txtWikiPassword_})
        box->setPlaceholderText(box->toolTip().section(u':', -1).trimmed());
    cmdWikiTest_ = new QPushButton(testCaption, this);
    cmdWikiTest_->setObjectName(QStringLiteral("cmdWikiTest"));
    lblWikiTest_ = new QLabel(this);
    lblWikiTest_->setObjectName(QStringLiteral("lblWikiTest"));
    lblWikiTest_->setWordWrap(true);
    lblWikiTest_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblWikiTest_->setMinimumWidth(360);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("API address:"), txtWikiApi_);
    form->addRow(QStringLiteral("Bot user:"), txtWikiUser_);
    form->addRow(QStringLiteral("Bot password:"), txtWikiPassword_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(cmdWikiTest_, QDialogButtonBox::ActionRole);
    auto *rows = new QVBoxLayout(this);
    rows->addLayout(form);
    rows->addWidget(lblWikiTest_);
    rows->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &AccountDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdWikiTest_, &QPushButton::clicked, this, &AccountDialog::test);
    // A password kept from earlier shows as kept, never as its letters.
    if (const auto known = center.passwords().remembered(center.api().toString() + u' ' + center.user()))
        txtWikiPassword_->setPlaceholderText(QStringLiteral("(kept)"));
}

bool AccountDialog::addressTaken()
{
    if (const auto why = wikiAddress::whyRefused(QUrl(txtWikiApi_->text().trimmed()))) {
        lblWikiTest_->setText(*why);
        return false;
    }
    return true;
}

void AccountDialog::test()
{
    if (!addressTaken())
        return;
    center_.setAccount(QUrl(txtWikiApi_->text().trimmed()), txtWikiUser_->text().trimmed());
    if (!txtWikiPassword_->text().isEmpty())
        center_.setPassword(txtWikiPassword_->text());
    lblWikiTest_->setText(QStringLiteral("Testing..."));
    cmdWikiTest_->setEnabled(false);
    // The answer may come after the dialog has gone.
    center_.test([shown = QPointer<AccountDialog>(this)](const AccountTest &result) {
        if (!shown)
            return;
        shown->lblWikiTest_->setText(result.message);
        shown->cmdWikiTest_->setEnabled(true);
    });
}

void AccountDialog::accept()
{
    if (!txtWikiApi_->text().trimmed().isEmpty() && !addressTaken())
        return;
    center_.setAccount(QUrl(txtWikiApi_->text().trimmed()), txtWikiUser_->text().trimmed());
    if (!txtWikiPassword_->text().isEmpty())
        center_.setPassword(txtWikiPassword_->text());
    QDialog::accept();
}
