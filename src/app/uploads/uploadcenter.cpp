#include "app/uploads/uploadcenter.h"

#include "app/uploads/passwordstore.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/statusline.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "wiki/filenames.h"
#include "wiki/messages.h"
#include "wiki/pagetext.h"

#include <QInputDialog>
#include <QTimer>

namespace {

const char *const passwordTitle = QT_TRANSLATE_NOOP("UploadCenter", "Wiki Password");
// What an entry of the upload list keeps as its last word: the list's file holds it, so it
// stays as written here.
const QString noAccount = QStringLiteral("No wiki account yet: set one up with \"Wiki...\" on tab 6, then Retry.");
const QString noPassword = QStringLiteral("No bot password was given: enter it with \"Wiki...\" on tab 6, then Retry.");
const char *const passwordPrompt = QT_TRANSLATE_NOOP("UploadCenter", "The bot password of %1 on %2:");
const QString skipped = QStringLiteral("Skipped; the file stays on this computer.");
const QString existingUsed = QStringLiteral("The wiki's %1 is used.");

// What the status line says of an upload; %1 is the file's name on the wiki.
const char *const uploadedSays = QT_TRANSLATE_NOOP("UploadCenter", "Uploaded %1 to the wiki.");
const char *const alreadySays = QT_TRANSLATE_NOOP("UploadCenter", "%1 is already on the wiki with the same picture.");
const char *const askingSays = QT_TRANSLATE_NOOP("UploadCenter", "%1 waits for an answer in the upload list. %2");
const char *const failedSays = QT_TRANSLATE_NOOP("UploadCenter", "%1 was not uploaded. %2");
const char *const skippedSays = QT_TRANSLATE_NOOP("UploadCenter", "%1 was skipped; it stays on this computer.");
const char *const existingSays = QT_TRANSLATE_NOOP(
    "UploadCenter",
    "%1 was not sent: the wiki has the same picture as %2, which is used.");

} // namespace

UploadCenter::UploadCenter(const QString &programFolder, QWidget *window)
    : QObject(window), path_(paths::joinPath(programFolder, wiki::uploads::UploadList::fileName)),
      programFolder_(programFolder), window_(window), client_(this), passwords_(new PasswordStore(this))
{
    if (const auto json = textFiles::readTextFile(path_))
        list_ = wiki::uploads::UploadList::fromJson(json->toUtf8());
    connect(passwords_, &PasswordStore::storeMissing, this,
            [this] { StatusLine::say(window_, PasswordStore::noStoreNote()); });
    // Uploads left waiting by the last run go on once the window is up.
    QTimer::singleShot(0, this, &UploadCenter::pump);
}

QString UploadCenter::accountKey() const
{
    return PasswordStore::account(api_, user_);
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
    // A store that is missing says so on the status line (storeMissing).
    passwords_->write(accountKey(), password, [](bool) {});
}

void UploadCenter::test(std::function<void(const std::optional<wiki::AccountTest> &)> done)
{
    knownPassword([this, done](bool known) {
        if (!known)
            return done(std::nullopt);
        client_.test(done);
    });
}

void UploadCenter::knownPassword(std::function<void(bool)> go)
{
    if (havePassword_)
        return go(true);
    passwords_->read(accountKey(), [this, go](const std::optional<QString> &stored) {
        if (stored) {
            client_.setAccount(api_, user_, *stored);
            havePassword_ = true;
        }
        go(stored.has_value());
    });
}

void UploadCenter::withPassword(std::function<void(bool)> go)
{
    knownPassword([this, go](bool known) {
        if (known)
            return go(true);
        QString prompt = tr(passwordPrompt).arg(user_, api_.host());
        if (!passwords_->storeWorks())
            prompt += u'\n' + PasswordStore::noStoreNote();
        const QString typed = QInputDialog::getText(window_, tr(passwordTitle), prompt, QLineEdit::Password);
        if (typed.isEmpty())
            return go(false);
        setPassword(typed);
        go(true);
    });
}

void UploadCenter::enqueue(const QString &path, const QString &kind, const QString &wikiName, const QString &item)
{
    list_.add(path, wikiName.isEmpty() ? paths::fileNameOf(path) : wikiName, kind, item);
    store();
    pump();
}

void UploadCenter::addPage(const QString &title, const QString &link, const QString &message, const QString &said)
{
    list_.addPage(title, link, message);
    last_ = said;
    store();
    emit changed();
}

void UploadCenter::pump()
{
    if (busy_)
        return;
    wiki::uploads::Entry *next = list_.next();
    if (!next) {
        emit changed();
        return;
    }
    const int id = next->id;
    if (api_.isEmpty()) {
        fail(*next, noAccount);
        return pump();
    }
    busy_ = true;
    withPassword([this, id](bool have) {
        wiki::uploads::Entry *entry = list_.find(id);
        if (!have || !entry) {
            busy_ = false;
            if (entry)
                fail(*entry, noPassword);
            return pump();
        }
        start(id);
    });
}

void UploadCenter::start(int id)
{
    wiki::uploads::Entry &entry = *list_.find(id);
    entry.state = wiki::uploads::State::Uploading;
    store();
    emit changed();
    const wiki::UploadRequest request{entry.path, entry.wikiName,
                                      wiki::pageText::forUpload(programFolder_, entry.wikiName, entry.kind),
                                      entry.choice, entry.filekey};
    client_.upload(request, [this, id](const wiki::UploadOutcome &outcome) { finished(id, outcome); });
}

void UploadCenter::finished(int id, const wiki::UploadOutcome &outcome)
{
    busy_ = false;
    if (wiki::uploads::Entry *entry = list_.find(id)) {
        entry->filekey = outcome.filekey;
        entry->link = outcome.link;
        switch (outcome.kind) {
        case wiki::UploadOutcome::Uploaded:
        case wiki::UploadOutcome::AlreadyThere:
            entry->wikiName = outcome.wikiName;
            settle(*entry, wiki::uploads::State::Uploaded, outcome.message,
                   (outcome.kind == wiki::UploadOutcome::Uploaded ? tr(uploadedSays) : tr(alreadySays))
                       .arg(entry->wikiName));
            break;
        case wiki::UploadOutcome::Asking:
            entry->question = outcome.question;
            entry->existingName = outcome.existingName;
            settle(*entry, wiki::uploads::State::Asking, outcome.message,
                   tr(askingSays).arg(entry->wikiName, outcome.message));
            emit asking(id);
            break;
        case wiki::UploadOutcome::Failed:
            fail(*entry, outcome.message);
            break;
        }
    }
    // The next one goes once this one's events are done, never from inside them.
    QTimer::singleShot(0, this, &UploadCenter::pump);
}

void UploadCenter::settle(wiki::uploads::Entry &entry, wiki::uploads::State state, const QString &message,
                          const QString &said)
{
    entry.state = state;
    entry.message = message;
    last_ = said;
    store();
    emit changed();
}

void UploadCenter::fail(wiki::uploads::Entry &entry, const QString &message)
{
    settle(entry, wiki::uploads::State::Failed, message, tr(failedSays).arg(entry.wikiName, message));
}

void UploadCenter::copyFollows(const QString &from, const QString &to)
{
    // Only markup Quillmark put on the clipboard, when nobody has copied over it since.
    if (const auto own = clipboardGlue::ownText())
        if (const auto renamed = wiki::names::renamedInCopy(*own, from, to))
            clipboardGlue::replaceWithText(*renamed);
}

void UploadCenter::answer(int id, wiki::uploads::Choice choice)
{
    wiki::uploads::Entry *entry = list_.find(id);
    if (!entry || entry->state != wiki::uploads::State::Asking)
        return;
    if (choice == wiki::uploads::Choice::Skip) {
        entry->question = wiki::uploads::Question::None;
        return settle(*entry, wiki::uploads::State::Skipped, skipped, tr(skippedSays).arg(entry->wikiName));
    }
    if (choice == wiki::uploads::Choice::UseExisting) {
        // The pasted markup names the file the wiki has.
        copyFollows(entry->wikiName, entry->existingName);
        const QString said = tr(existingSays).arg(entry->wikiName, entry->existingName);
        entry->wikiName = entry->existingName;
        entry->link = wiki::messages::filePage(api_, entry->existingName);
        entry->question = wiki::uploads::Question::None;
        return settle(*entry, wiki::uploads::State::Uploaded, existingUsed.arg(entry->wikiName), said);
    }
    entry->choice = choice;
    entry->state = wiki::uploads::State::Waiting;
    store();
    pump();
}

void UploadCenter::rename(int id, const QString &wikiName)
{
    wiki::uploads::Entry *entry = list_.find(id);
    if (!entry || wikiName.isEmpty())
        return;
    // The pasted markup names the file that goes up, not the wiki's other one.
    copyFollows(entry->wikiName, wikiName);
    entry->wikiName = wikiName;
    retry(id);
}

void UploadCenter::retry(int id)
{
    wiki::uploads::Entry *entry = list_.find(id);
    if (!entry || entry->state == wiki::uploads::State::Uploading || entry->kind == wiki::uploads::pageKind)
        return;
    entry->state = wiki::uploads::State::Waiting;
    entry->choice = wiki::uploads::Choice::None;
    entry->question = wiki::uploads::Question::None;
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
        return tr("Uploading %1 of %2...").arg(list_.position()).arg(list_.total());
    return last_;
}

void UploadCenter::store()
{
    // A list that cannot be written is only a list; the pictures themselves are safe.
    textFiles::writeFileAtomic(path_, list_.toJson());
}
