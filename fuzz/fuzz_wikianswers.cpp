// The wiki's answers and the upload list kept in Uploads.json: any bytes read as an answer
// give one outcome with its reason, the plain-word texts are never empty, and an upload
// list read, written and read again is the same list.

#include "fuzzing.h"
#include "wiki/apianswers.h"
#include "wiki/messages.h"
#include "wiki/uploadlist.h"

#include <QUrl>

using fuzzing::check;

namespace {

void readAnswer(const QByteArray &json)
{
    const wiki::api::Answer answer = wiki::api::read(json);
    check(answer.failure || !answer.body.isEmpty() || json.trimmed().startsWith('{'),
          "an answer that is not an object is a failure");
    if (answer.failure) {
        check(!answer.failure->code.isEmpty(), "a failure has a code");
        check(answer.failure->retryAfter >= -1, "a wait is never negative");
        check(!wiki::messages::failure(*answer.failure, QUrl(QStringLiteral("https://wiki.test/api.php"))).isEmpty(),
              "a failure is said in words");
    }
    wiki::api::loginToken(answer);
    wiki::api::csrfToken(answer);
    const wiki::api::Login login = wiki::api::login(answer);
    check(login.ok || !login.reason.isEmpty() || answer.failure, "a refused login says why");
    const wiki::api::Account account = wiki::api::account(answer);
    check(account.maxUploadSize >= -1, "an upload limit is a size or unknown");
    for (const QString &extension : account.fileExtensions)
        check(extension == extension.toLower() && !extension.startsWith(u'.'), "file types are lower case",
              extension);
    wiki::api::existing(answer);

    const wiki::api::Upload upload = wiki::api::upload(answer);
    switch (upload.result) {
    case wiki::api::Upload::Success: check(!upload.filename.isEmpty(), "a stored file has a name"); break;
    case wiki::api::Upload::Warning: check(!upload.filekey.isEmpty(), "a warning keeps the file aside"); break;
    case wiki::api::Upload::Error: check(!upload.failure.code.isEmpty(), "a failed upload says why"); break;
    }
    for (const QString &line : wiki::api::warningTexts(upload.warnings))
        check(!line.trimmed().isEmpty(), "every warning is said in words");
}

void readUploadList(const QByteArray &json)
{
    const wiki::uploads::UploadList first = wiki::uploads::UploadList::fromJson(json);
    const QByteArray written = first.toJson();
    const wiki::uploads::UploadList again = wiki::uploads::UploadList::fromJson(written);
    check(again.entries().size() == first.entries().size(), "every upload read back is kept",
          QString::fromUtf8(written));
    check(again.toJson() == written, "an upload list read, written and read again is the same",
          QString::fromUtf8(written));
    for (const wiki::uploads::Entry &entry : again.entries())
        check(entry.state != wiki::uploads::State::Uploading && entry.filekey.isEmpty(),
              "nothing read back is under way or kept aside by an earlier run");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the reader, so that the seeds are plain JSON after it.
    if (size == 0)
        return 0;
    const QByteArray json(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    (data[0] & 1) ? readUploadList(json) : readAnswer(json);
    return 0;
}
