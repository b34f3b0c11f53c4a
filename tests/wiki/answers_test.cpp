// Reading the wiki's answers (as a real MediaWiki 1.39 gives them), the addresses
// Quillmark talks to, the file page's text, and the upload list kept across a restart.

#include "wiki/address.h"
#include "wiki/apianswers.h"
#include "wiki/messages.h"
#include "wiki/pagetext.h"
#include "wiki/uploadlist.h"

#include <gtest/gtest.h>

using namespace wiki;

namespace {

TEST(WikiAnswers, UploadsTheirWarningsAndErrors)
{
    using api::Upload;
    const struct {
        const char *json;
        Upload::Result result;
        const char *what; // the stored name, the file key, or the error code
    } cases[] = {
        {R"({"upload": {"result": "Success", "filename": "Probe_one.png", "imageinfo": {"descriptionurl": "u"}}})",
         Upload::Success, "Probe_one.png"},
        {R"({"upload": {"result": "Warning", "warnings": {"exists": "A.png"}, "filekey": "k1", "sessionkey": "k1"}})",
         Upload::Warning, "k1"},
        {R"({"upload": {"result": "Warning", "warnings": {"duplicate": ["Twice.png"]}, "filekey": "k2"}})",
         Upload::Warning, "k2"},
        {R"({"error": {"code": "filetype-banned", "info": "bmp", "filetype": "bmp"}})", Upload::Error,
         "filetype-banned"},
        {R"({"error": {"code": "fileexists-forbidden", "info": "x", "filekey": "k3"}})", Upload::Error,
         "fileexists-forbidden"},
        {R"({"upload": {"result": "Warning", "warnings": {"exists": "A.png"}}})", Upload::Error, "no-answer"},
        {R"({"upload": {"result": "Success", "filekey": "stashed"}})", Upload::Error, "no-answer"},
        {"<!DOCTYPE html><html><body>Main Page</body></html>", Upload::Error, "not-json"},
        {R"([1, 2])", Upload::Error, "not-json"},
        {"", Upload::Error, "not-json"},
        {R"({"error": {}})", Upload::Error, "unknown"},
    };
    for (const auto &c : cases) {
        const Upload upload = api::upload(api::read(c.json));
        EXPECT_EQ(upload.result, c.result) << c.json;
        const QString what = c.result == Upload::Success   ? upload.filename
                           : c.result == Upload::Warning ? upload.filekey
                                                         : upload.failure.code;
        EXPECT_EQ(what, c.what) << c.json;
    }
    EXPECT_EQ(api::read(R"({"error": {"code": "x", "filekey": "k3"}})").failure->filekey, "k3");

    const QStringList texts = api::warningTexts(api::upload(api::read(
        R"({"upload": {"result": "Warning", "filekey": "k", "warnings": {"duplicate": ["A.png", "B.png"],
            "badfilename": "Hash-tag.png"}}})")).warnings);
    EXPECT_EQ(texts, QStringList({"The wiki would store the file as Hash-tag.png.",
                                  "The wiki already has the same picture as A.png, B.png."}));
}

TEST(WikiAnswers, EachRefusalInItsOwnWords)
{
    const std::pair<const char *, const char *> cases[] = {
        {"permissiondenied", "may not upload files"}, {"mustbeloggedin", "may not upload files"},
        {"file-too-large", "larger than the wiki accepts"}, {"verification-error", "refused the file: i"},
        {"empty-file", "refused the file: i"}, {"filename-tooshort", "does not accept the name: i"},
        {"illegal-filename", "does not accept the name: i"}, {"filetype-missing", "does not accept the name: i"},
        {"abusefilter-disallowed", "refused the upload: i (abusefilter-disallowed)"}};
    for (const auto &[code, says] : cases)
        EXPECT_TRUE(messages::failure({code, "i", {}, -1}, QUrl("https://w.example/api.php")).contains(says)) << code;
}

TEST(WikiAnswers, TokensLoginAccountAndExistingFiles)
{
    EXPECT_EQ(api::loginToken(api::read(R"({"query": {"tokens": {"logintoken": "73d4+\\"}}})")), "73d4+\\");
    EXPECT_FALSE(api::csrfToken(api::read(R"({"query": {"tokens": {"csrftoken": "+\\"}}})")));
    EXPECT_FALSE(api::loginToken(api::read(R"({"query": {"tokens": 5}})")));

    const api::Login failed = api::login(api::read(
        R"({"login": {"result": "Failed", "reason": "Incorrect username or password entered. Please try again."}})"));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.reason, "Incorrect username or password entered. Please try again.");
    EXPECT_TRUE(api::login(api::read(R"({"login": {"result": "Success", "lgusername": "Uploader"}})")).ok);
    EXPECT_EQ(api::login(api::read("{}")).reason, "It gave no reason.");

    const api::Account account = api::account(api::read(
        R"({"query": {"general": {"maxuploadsize": 1000}, "fileextensions": [{"ext": "png"}, {"ext": ".JPG"}],
            "userinfo": {"name": "Uploader", "rights": ["read", "upload", "reupload-own"]}}})"));
    EXPECT_EQ(account.user, "Uploader");
    EXPECT_EQ(account.fileExtensions, QStringList({"png", "jpg"}));
    EXPECT_EQ(account.maxUploadSize, 1000);
    for (const char *limit : {"-5", "1e300", "\"20\""})
        EXPECT_EQ(api::account(api::read(QByteArray(R"({"query": {"general": {"maxuploadsize": )") + limit + "}}}"))
                      .maxUploadSize, -1) << limit;
    EXPECT_TRUE(account.mayUpload() && account.mayReplace());
    EXPECT_FALSE(api::account(api::read(R"({"query": {"userinfo": {"rights": ["upload"]}}})")).mayReplace());

    const api::Existing found = api::existing(api::read(
        R"({"query": {"pages": [{"title": "File:A.png", "imageinfo": [{"sha1": "DB61", "descriptionurl": "p"}]}],
            "allimages": [{"name": "Twice.png"}, {"name": "A.png"}]}})"));
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.sha1, "db61");
    EXPECT_EQ(found.sameBytes, QStringList({"Twice.png", "A.png"}));
    EXPECT_FALSE(api::existing(api::read(R"({"query": {"pages": [{"missing": true}]}})")).exists);
}

TEST(WikiAddress, HttpsOrThisMachine)
{
    const std::pair<const char *, bool> cases[] = {
        {"https://example.fandom.com/api.php", true}, {"http://127.0.0.1:8080/api.php", true},
        {"http://127.5.6.7/w/api.php", true},          {"http://[::1]:99/api.php", true},
        {"http://localhost/api.php", true},            {"http://example.fandom.com/api.php", false},
        {"http://128.0.0.1/api.php", false},           {"http://localhost.example.com/api.php", false},
        {"ftp://example.com/api.php", false},          {"example.com/api.php", false},
        {"", false},
    };
    for (const auto &[url, taken] : cases)
        EXPECT_EQ(!address::whyRefused(QUrl(url)).has_value(), taken) << url;
    EXPECT_TRUE(address::whyRefused(QUrl("http://example.fandom.com/api.php"))->contains("https://example.fandom.com"));
}

TEST(PageText, PlaceholdersFilledOnce)
{
    const struct {
        const char *pattern, *file, *kind, *text;
    } cases[] = {
        {"{{Item icon|%name%}} [[Category:%kind%s]]", "Sword.png", "icon", "{{Item icon|Sword}} [[Category:icons]]"},
        {"%file% %file%", "v1.2 Sword.jpg", "live shot", "v1.2 Sword.jpg v1.2 Sword.jpg"},
        {"%name%", "%kind%.png", "icon", "%kind%"},
        {"100% %nam%name%", "A.png", "icon", "100% %namA"},
        {"", "A.png", "icon", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageText::fill(c.pattern, c.file, c.kind), c.text) << c.pattern;
}

TEST(UploadList, KeptAcrossARestartAndCountedByBatch)
{
    uploads::UploadList list;
    const int a = list.add("/p/Images/A.png", "A.png", "icon");
    const int b = list.add("/p/Images/B.png", "B.png", "stats panel");
    EXPECT_EQ(list.total(), 2);
    EXPECT_EQ(list.position(), 1);
    list.find(a)->state = uploads::State::Uploaded;
    list.find(a)->link = "https://w/File:A.png";
    list.find(b)->state = uploads::State::Uploading;
    EXPECT_EQ(list.position(), 2);
    list.find(b)->state = uploads::State::Asking;
    list.find(b)->question = uploads::Question::NameTaken;
    // A new batch once nothing waits.
    list.add("/p/Images/C.png", "C.png", "live shot");
    EXPECT_EQ(list.total(), 1);

    const uploads::UploadList back = uploads::UploadList::fromJson(list.toJson());
    ASSERT_EQ(back.entries().size(), 3);
    EXPECT_EQ(back.entries()[0].link, "https://w/File:A.png");
    EXPECT_EQ(back.entries()[1].question, uploads::Question::NameTaken);
    EXPECT_EQ(back.entries()[1].state, uploads::State::Asking);
    EXPECT_EQ(back.entries()[2].state, uploads::State::Waiting);

    // An upload under way when the program ended waits again; nonsense is left out.
    list.find(b)->state = uploads::State::Uploading;
    EXPECT_EQ(uploads::UploadList::fromJson(list.toJson()).entries()[1].state, uploads::State::Waiting);
    for (const char *json : {"", "nonsense", R"({"uploads": [1, {"path": ""}, {"wikiName": "x"}]})"})
        EXPECT_TRUE(uploads::UploadList::fromJson(json).entries().isEmpty()) << json;
}

} // namespace
