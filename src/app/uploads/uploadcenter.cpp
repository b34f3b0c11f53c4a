#include "app/uploads/uploadcenter.h"

#include "app/uploads/passwordstore.h"
#include "app/widgets/clipboardglue.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "wiki/messages.h"
#include "wiki/pagetext.h"

#include <QInputDialog>
#include <QTimer>

namespace {

const QString passwordTitle = QStringLiteral("Wiki Password");
const QString noAccount = QStringLiteral("No wiki account yet: set one up with \"Wiki...\" on tab 6, then Retry.");
const QString noPassword = QStringLiteral("No bot password was given: enter it with \"Wiki...\" on tab 6, then Retry.");

} // namespace

UploadCenter::UploadCenter(const QString &programFolder, QWidget *window)
    : QObject(window), path_(paths::joinPath(programFolder, uploads::UploadList::fileName)),
      programFolder_(programFolder), window_(window), client_(this), passwords_(new PasswordStore(this))
{
    if (const auto json = textFiles::readTextFile(path_))
        list_ = uploads::UploadList::fromJson(json->toUtf8());
    // Uploads left waiting by the last run go on once the window is up.
    QTimer::singleShot(0, this, &UploadCenter::pump);
}

QString UploadCenter::accountKey() const
{
    return api_.toString() + u' ' + user_;
}

void UploadCenter::setAccount(const QUrl &api, const QString &user)
{
    if (api == api_ && user == user_)
        return;
    api_ = api;
    user_ = user;
    havePassword_ = false;
    client_.setAccount(api_, user_, QString());
}

void UploadCenter::setPassword(const QString &password)
{
    client_.setAccount(api_, user_, password);
    havePassword_ = !password.isEmpty();
    passwords_->write(accountKey(), password, [this](bool stored) {
        if (stored)
            return;
        last_ = PasswordStore::noStoreNote;
        emit changed();
    });
}

void UploadCenter::test(std::function<void(const AccountTest &)> done)
{
    withPassword([this, done](bool have) {
        if (!have)
            return done({false, noPassword, {}});
        client_.test(done);
    });
}

void UploadCenter::withPassword(std::function<void(bool)> go)
{
    if (havePassword_)
        return go(true);
    passwords_->read(accountKey(), [this, go](const std::optional<QString> &stored) {
        if (stored) {
            client_.setAccount(api_, user_, *stored);
            havePassword_ = true;
            return go(true);
        }
        QString prompt = QStringLiteral("The bot password of %1 on %2:").arg(user_, api_.host());
        if (!passwords_->storeWorks())
            prompt += u'\n' + PasswordStore::noStoreNote;
        const QString typed = QInputDialog::getText(window_, passwordTitle, prompt, QLineEdit::Password);
        if (typed.isEmpty())
            return go(false);
        setPassword(typed);
        go(true);
    });
}

void UploadCenter::enqueue(const QString &path, const QString &kind, const QString &wikiName)
{
    list_.add(path, wikiName.isEmpty() ? paths::fileNameOf(path) : wikiName, kind);
    store();
    pump();
}

void UploadCenter::pump()
{
    if (busy_)
        return;
    uploads::Entry *next = list_.next();
    if (!next) {
        emit changed();
        return;
    }
    const int id = next->id;
    if (api_.isEmpty()) {
        settle(*next, uploads::State::Failed, noAccount);
        return pump();
    }
    busy_ = true;
    withPassword([this, id](bool have) {
        uploads::Entry *entry = list_.find(id);
        if (!have || !entry) {
            busy_ = false;
            if (entry)
                settle(*entry, uploads::State::Failed, noPassword);
            return pump();
        }
        start(id);
    });
}

void UploadCenter::start(int id)
{
    uploads::Entry &entry = *list_.find(id);
    entry.state = uploads::State::Uploading;
    store();
    emit changed();
    const UploadRequest request{entry.path, entry.wikiName,
                                pageText::forUpload(programFolder_, entry.wikiName, entry.kind), entry.choice,
                                entry.filekey};
    client_.upload(request, [this, id](const UploadOutcome &outcome) { finished(id, outcome); });
}

void UploadCenter::finished(int id, const UploadOutcome &outcome)
{
    busy_ = false;
    if (uploads::Entry *entry = list_.find(id)) {
        entry->filekey = outcome.filekey;
        entry->link = outcome.link;
        switch (outcome.kind) {
        case UploadOutcome::Uploaded:
        case UploadOutcome::AlreadyThere:
            entry->wikiName = outcome.wikiName;
            settle(*entry, uploads::State::Uploaded, outcome.message);
            break;
        case UploadOutcome::Asking:
            entry->question = outcome.question;
            entry->existingName = outcome.existingName;
            settle(*entry, uploads::State::Asking, outcome.message);
            emit asking(id);
            break;
        case UploadOutcome::Failed:
            settle(*entry, uploads::State::Failed, outcome.message);
            break;
        }
    }
    // The next one goes once this one's events are done, never from inside them.
    QTimer::singleShot(0, this, &UploadCenter::pump);
}

void UploadCenter::settle(uploads::Entry &entry, uploads::State state, const QString &message)
{
    entry.state = state;
    entry.message = message;
    last_ = entry.wikiName + QStringLiteral(": ") + message;
    store();
    emit changed();
}

void UploadCenter::answer(int id, uploads::Choice choice)
{
    uploads::Entry *entry = list_.find(id);
    if (!entry || entry->state != uploads::State::Asking)
        return;
    if (choice == uploads::Choice::Skip) {
        entry->question = uploads::Question::None;
        return settle(*entry, uploads::State::Skipped, QStringLiteral("Skipped; the file stays on this computer."));
    }
    if (choice == uploads::Choice::UseExisting) {
        // The pasted markup names the file the wiki has, when nobody has copied over it since.
        if (const auto own = clipboardGlue::ownText(); own && own->contains(entry->wikiName))
            clipboardGlue::replaceWithText(QString(*own).replace(entry->wikiName, entry->existingName));
        entry->wikiName = entry->existingName;
        entry->link = wikiMessages::filePage(api_, entry->existingName);
        entry->question = uploads::Question::None;
        return settle(*entry, uploads::State::Uploaded, QStringLiteral("The wiki's %1 is used.").arg(entry->wikiName));
    }
    entry->choice = choice;
    entry->state = uploads::State::Waiting;
    store();
    pump();
}

void UploadCenter::rename(int id, const QString &wikiName)
{
    uploads::Entry *entry = list_.find(id);
    if (!entry || wikiName.isEmpty())
        return;
    entry->wikiName = wikiName;
    retry(id);
}

void UploadCenter::retry(int id)
{
    uploads::Entry *entry = list_.find(id);
    if (!entry || entry->state == uploads::State::Uploading)
        return;
    entry->state = uploads::State::Waiting;
    entry->choice = uploads::Choice::None;
    entry->question = uploads::Question::None;
    entry->filekey.clear();
    entry->message.clear();
    store();
    pump();
}

void UploadCenter::remove(int id)
{
    // One under way finishes unseen: its answer finds no entry.
    list_.remove(id);
    store();
    emit changed();
}

QString UploadCenter::statusText() const
{
    if (busy_)
        return QStringLiteral("Uploading %1 of %2...").arg(list_.position()).arg(list_.total());
    return last_;
}

void UploadCenter::store()
{
    // A list that cannot be written is only a list; the pictures themselves are safe.
    textFiles::writeFileAtomic(path_, list_.toJson());
}
