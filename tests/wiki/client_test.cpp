// The upload client against a real MediaWiki 1.39 on this machine (suites ending OnWiki,
// which need it started), and against a stub for the answers no MediaWiki gives.

#include "common/programinfo.h"
#include "localwiki.h"
#include "support.h"
#include "wiki/client.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

using namespace wiki;

namespace {

using localWiki::waitFor;

struct Session {
    Client client;
    QTemporaryDir folder;

    Session(const QUrl &api, const QString &user, const QString &password)
    {
        client.setAccount(api, user, password);
        client.setPacing(0, 1, 3000);
    }
    QString file(const QString &name, const QImage &picture = localWiki::uniquePicture(), const char *format = "PNG")
    {
        const QString path = folder.filePath(name);
        picture.save(path, format);
        return path;
    }
    // What a call of the client's hands its callback, waited for.
    template <typename Answer, typename Start>
    static Answer awaited(Start start)
    {
        std::optional<Answer> answer;
        start([&](const Answer &a) { answer = a; });
        EXPECT_TRUE(waitFor([&] { return answer.has_value(); }));
        return answer.value_or(Answer{});
    }
    UploadOutcome upload(const UploadRequest &request)
    {
        return awaited<UploadOutcome>([&](auto done) { client.upload(request, done); });
    }
    AccountTest test()
    {
        return awaited<AccountTest>([&](auto done) { client.test(done); });
    }
    PageCheck check(const QString &title)
    {
        return awaited<PageCheck>([&](auto done) { client.checkPage(title, done); });
    }
    PageOutcome create(const QString &title, const QString &text)
    {
        const PageRequest request{title, text, "Item page for " + title + ", drafted with Quillmark",
                                  QDateTime::currentDateTimeUtc()};
        return awaited<PageOutcome>([&](auto done) { client.createPage(request, done); });
    }
};

// A name no other call gives: a file's, or with no extension a page's.
QString unique(const QString &stem, const QString &extension = ".png")
{
    static int n = 0;
    return QStringLiteral("%1 %2 %3").arg(stem).arg(QDateTime::currentMSecsSinceEpoch()).arg(++n) + extension;
}

class ClientOnWiki : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!wiki.up())
            GTEST_SKIP() << "no local wiki started (ctest starts one for the label wiki)";
    }
    Session as(const char *account) const
    {
        const QString key = QString::fromLatin1(account);
        return Session(wiki.api(), wiki.env.value(key), wiki.env.value(key + "_PASSWORD"));
    }
    const localWiki::Wiki wiki = localWiki::shared();
};

TEST_F(ClientOnWiki, AFirstUploadThenEachQuestionTheWikiAsks)
{
    Session run(wiki.api(), wiki.env["BOT_FULL"], wiki.env["BOT_FULL_PASSWORD"]);
    const QString name = unique("Sword");
    const QString path = run.file("a.png");
    UploadOutcome first = run.upload({path, name, "{{Item icon}}", {}, {}});
    ASSERT_EQ(first.kind, UploadOutcome::Uploaded) << first.message.toStdString();
    QFile local(path);
    ASSERT_TRUE(local.open(QIODevice::ReadOnly));
    EXPECT_EQ(localWiki::fileBytes(wiki, name), local.readAll());
    EXPECT_EQ(localWiki::pageText(wiki, name), "{{Item icon}}");
    EXPECT_TRUE(first.link.contains("File:")) << first.link.toStdString();

    // Same name, same bytes: nothing to send.
    EXPECT_EQ(run.upload({path, name, {}, {}, {}}).kind, UploadOutcome::AlreadyThere);
    // Same bytes, another name: the wiki's file is named.
    const UploadOutcome twice = run.upload({path, unique("Copy"), {}, {}, {}});
    EXPECT_EQ(twice.question, uploads::Question::SameBytesElsewhere);
    EXPECT_EQ(twice.existingName, name);
    // Same name, other bytes: replaced once the user says so, and then the wiki has the new bytes.
    const QString other = run.file("b.png");
    EXPECT_EQ(run.upload({other, name, {}, {}, {}}).question, uploads::Question::NameTaken);
    QTest::qWait(1100); // the wiki archives the old version under the second it was replaced
    EXPECT_EQ(run.upload({other, name, {}, uploads::Choice::Replace, {}}).kind, UploadOutcome::Uploaded);
    QFile replaced(other);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(localWiki::fileBytes(wiki, name), replaced.readAll());

    // A name whose file was deleted: asked as for a taken name.
    const QString gone = unique("Gone");
    ASSERT_EQ(run.upload({run.file("d.png"), gone, {}, {}, {}}).kind, UploadOutcome::Uploaded);
    ASSERT_TRUE(localWiki::deleteFile(wiki, gone));
    const QString back = run.file("e.png");
    const UploadOutcome deleted = run.upload({back, gone, {}, {}, {}});
    ASSERT_EQ(deleted.question, uploads::Question::NameTaken) << deleted.message.toStdString();
    EXPECT_TRUE(deleted.message.contains("deleted")) << deleted.message.toStdString();
    EXPECT_EQ(run.upload({back, gone, {}, uploads::Choice::Replace, deleted.filekey}).kind, UploadOutcome::Uploaded);

    // The upload's own warning keeps the file aside; going on finishes it from there.
    const QString camera = QStringLiteral("DSC_%1.png").arg(QDateTime::currentMSecsSinceEpoch());
    const QString cameraFile = run.file("c.png");
    const UploadOutcome warned = run.upload({cameraFile, camera, {}, {}, {}});
    ASSERT_EQ(warned.question, uploads::Question::Warnings) << warned.message.toStdString();
    EXPECT_FALSE(warned.filekey.isEmpty());
    const UploadOutcome finished =
        run.upload({cameraFile, camera, {}, uploads::Choice::UploadAnyway, warned.filekey});
    EXPECT_EQ(finished.kind, UploadOutcome::Uploaded) << finished.message.toStdString();
}

TEST_F(ClientOnWiki, RefusalsSayWhatToDo)
{
    const struct {
        const char *account;
        const char *password; // nullptr: the account's own
        const char *file;
        const char *says;
    } cases[] = {
        {"BOT_FULL", "wrongwrongwrongwrongwrongwrongwrong", "a.png", "refused the login"},
        {"BOT_NOUPLOAD", nullptr, "a.png", "\"Upload new files\""},
        {"BOT_FULL", nullptr, "a.bmp", "does not take .bmp files"},
    };
    for (const auto &c : cases) {
        const QString key = QString::fromLatin1(c.account);
        Session run(wiki.api(), wiki.env[key], c.password ? c.password : wiki.env[key + "_PASSWORD"]);
        const QString extension = QString(c.file).right(3);
        const QString path = run.file(c.file, localWiki::uniquePicture(), extension == "bmp" ? "BMP" : "PNG");
        const UploadOutcome outcome = run.upload({path, unique("Refused").chopped(3) + extension, {}, {}, {}});
        EXPECT_EQ(outcome.kind, UploadOutcome::Failed) << c.account;
        EXPECT_TRUE(outcome.message.contains(c.says)) << outcome.message.toStdString();
    }
    // Without the replace grant: never offered Replace, and refused it with the grant to tick;
    // another name is still an answer.
    Session full = as("BOT_FULL");
    const QString name = unique("Kept");
    ASSERT_EQ(full.upload({full.file("k.png"), name, {}, {}, {}}).kind, UploadOutcome::Uploaded);
    Session noReplace = as("BOT_NOREPLACE");
    for (const uploads::Choice choice : {uploads::Choice::None, uploads::Choice::Replace}) {
        const UploadOutcome refused = noReplace.upload({noReplace.file("r.png"), name, {}, choice, {}});
        EXPECT_EQ(refused.question, uploads::Question::ReplaceRefused) << refused.message.toStdString();
        EXPECT_TRUE(refused.message.contains("\"Upload, replace, and move files\"")) << refused.message.toStdString();
    }
    const AccountTest report = noReplace.test();
    ASSERT_TRUE(report.ok) << report.message.toStdString();
    EXPECT_TRUE(report.account.mayUpload() && !report.account.mayReplace());
    EXPECT_TRUE(report.account.fileExtensions.join(", ").startsWith("png, gif, jpg, jpeg, webp"));
}

TEST_F(ClientOnWiki, SizeLimitHtmlPagesAndAStoppedServer)
{
    const localWiki::Wiki small = localWiki::smallLimit();
    ASSERT_TRUE(small.up());
    Session limited(small.api(), small.env["BOT_FULL"], small.env["BOT_FULL_PASSWORD"]);
    const QImage big = testsupport::noise(100, 100); // no PNG squeezes it under the limit
    const UploadOutcome tooLarge = limited.upload({limited.file("big.png", big), unique("Big"), {}, {}, {}});
    EXPECT_TRUE(tooLarge.message.contains("the wiki takes files up to")) << tooLarge.message.toStdString();

    QUrl page = wiki.api();
    page.setPath("/index.php");
    Session html(page, wiki.env["BOT_FULL"], wiki.env["BOT_FULL_PASSWORD"]);
    const UploadOutcome notApi = html.upload({html.file("h.png"), unique("Html"), {}, {}, {}});
    EXPECT_TRUE(notApi.message.contains("does not answer as a MediaWiki API does")) << notApi.message.toStdString();

    // A wiki that stopped: its port refuses the connection.
    QTcpServer gone;
    ASSERT_TRUE(gone.listen(QHostAddress::LocalHost));
    QUrl api = wiki.api();
    api.setPort(gone.serverPort());
    gone.close();
    Session stopped(api, wiki.env["BOT_FULL"], wiki.env["BOT_FULL_PASSWORD"]);
    const UploadOutcome down = stopped.upload({stopped.file("s.png"), unique("Down"), {}, {}, {}});
    EXPECT_EQ(down.kind, UploadOutcome::Failed);
    EXPECT_TRUE(down.message.contains("did not answer")) << down.message.toStdString();
}

using localWiki::httpAnswer;
const QByteArray loginToken = httpAnswer("200 OK", R"({"query": {"tokens": {"logintoken": "t+\\"}}})");
const QByteArray loggedIn = httpAnswer("200 OK", R"({"login": {"result": "Success", "lgusername": "U"}})");
const QByteArray account = httpAnswer("200 OK", R"({"query": {"tokens": {"csrftoken": "c+\\"}, "userinfo": {"name": "U",
    "rights": ["upload"]}, "fileextensions": [{"ext": "png"}]}})");
const QByteArray noFile = httpAnswer("200 OK", R"({"query": {"pages": []}})");

TEST(ClientAnswers, BusyAndBrokenWikisAndAddressesItWillNotUse)
{
    // A busy wiki is asked again after a wait, five times in all: the login token comes at
    // the fifth try, the login is still busy at its fifth and given up.
    const QByteArray busy[] = {httpAnswer("429 Too Many Requests", "{}", "Retry-After: 1\r\n"),
        httpAnswer("200 OK", R"({"error": {"code": "maxlag", "info": "lagged"}})"),
        httpAnswer("200 OK", R"({"error": {"code": "ratelimited", "info": "slow"}})"),
        httpAnswer("503 Service Unavailable", "")};
    localWiki::Stub busyWiki({busy[0], busy[1], busy[2], busy[3], loginToken, busy[1], busy[0], busy[2], busy[1],
                              busy[3], httpAnswer("200 OK", R"({"login": {"result": "Failed", "reason": "Nope."}})")});
    Session run(busyWiki.api(), "U@a", "p");
    QElapsedTimer clock;
    clock.start();
    const QString busyMessage = run.test().message;
    EXPECT_TRUE(busyMessage.contains("the wiki is busy")) << busyMessage.toStdString();
    EXPECT_EQ(busyWiki.requests, 10);
    EXPECT_GE(clock.elapsed(), 8000);

    const struct {
        QByteArray answer;
        const char *says;
    } broken[] = {
        {httpAnswer("200 OK", "{\"query\": {\"tokens\": "), "does not answer as a MediaWiki API does"},
        {"hang", "did not answer"},
        {"", "did not answer"},
        {httpAnswer("302 Found", "", "Location: http://example.com/api.php\r\n"), "does not follow"},
    };
    for (const auto &b : broken) {
        localWiki::Stub stub({b.answer});
        Session broke(stub.api(), "U@a", "p");
        const AccountTest test = broke.test();
        EXPECT_FALSE(test.ok);
        EXPECT_TRUE(test.message.contains(b.says)) << test.message.toStdString();
    }

    // The server goes away in the middle of an upload: the upload fails with the reason.
    localWiki::Stub going({loginToken, loggedIn, account, noFile, ""});
    Session gone(going.api(), "U@a", "p");
    const UploadOutcome cut = gone.upload({gone.file("g.png"), "G.png", {}, {}, {}});
    EXPECT_EQ(cut.kind, UploadOutcome::Failed);
    EXPECT_TRUE(cut.message.contains("did not answer")) << cut.message.toStdString();

    // Plain http to another machine: refused before any request is made.
    Session far(QUrl("http://example.com/api.php"), "U@a", "p");
    const UploadOutcome outcome = far.upload({far.file("f.png"), "F.png", {}, {}, {}});
    EXPECT_TRUE(outcome.message.contains("https://example.com/api.php")) << outcome.message.toStdString();
}

TEST(ClientAnswers, ATokenOrSessionThatRanOutIsRenewedAndTheFileSentAgain)
{
    const QByteArray uploaded = httpAnswer("200 OK", R"({"upload": {"result": "Success", "filename": "G.png"}})");
    for (const QByteArray code : {"badtoken", "mustbeloggedin", "assertuserfailed"}) {
        QList<QByteArray> answers = {loginToken, loggedIn, account, noFile,
                                     httpAnswer("200 OK", R"({"error": {"code": ")" + code + R"(", "info": "x"}})")};
        if (code != "badtoken") // a new session: logged in again
            answers += {loginToken, loggedIn};
        answers += {account, uploaded};
        localWiki::Stub stub(answers);
        Session run(stub.api(), "U@a", "p");
        const UploadOutcome outcome = run.upload({run.file("g.png"), "G.png", {}, {}, {}});
        EXPECT_EQ(outcome.kind, UploadOutcome::Uploaded) << code.data() << outcome.message.toStdString();
        EXPECT_EQ(stub.requests, answers.size()) << code.data();
        // Every request (query, form and file upload) says who makes it.
        EXPECT_EQ(stub.received.count("User-Agent: " + programInfo::userAgent.toUtf8()), stub.requests);
    }
    // Refused again after the renewal: given up, not renewed a second time.
    const QByteArray badToken = httpAnswer("200 OK", R"({"error": {"code": "badtoken", "info": "x"}})");
    localWiki::Stub twice({loginToken, loggedIn, account, noFile, badToken, account, badToken, account, uploaded});
    Session run(twice.api(), "U@a", "p");
    EXPECT_EQ(run.upload({run.file("g.png"), "G.png", {}, {}, {}}).kind, UploadOutcome::Failed);
    EXPECT_EQ(twice.requests, 7);
}

TEST_F(ClientOnWiki, APageIsCreatedExactlyAsDraftedAndOnlyWhereNoneIs)
{
    Session run = as("BOT_FULL");
    const QString title = unique("Sword", "");
    // Asked under the wiki's form of the name: first letter up, "_" as blanks.
    const api::PageState missing = run.check(QString(title).replace(0, 1, "s").replace(' ', '_')).state;
    EXPECT_EQ(std::tuple(missing.kind, missing.title), std::tuple(api::PageState::Missing, title));

    const QString draft = "{{Item|name=" + title + "}}\n[[Category:Items]]\n";
    const PageOutcome created = run.create(title, draft);
    ASSERT_EQ(created.kind, PageOutcome::Created) << created.message.toStdString();
    const localWiki::Revision first = localWiki::latestRevision(wiki, title);
    EXPECT_EQ(first.text + "\n", draft); // the wiki keeps no final line end
    EXPECT_EQ(std::tuple(first.comment, first.user, first.id),
              std::tuple("Item page for " + title + ", drafted with Quillmark", wiki.env["BOT_USER"], created.revision));

    // Created again, or by someone else between the check and the click: left as it is.
    EXPECT_EQ(run.create(title, "other").kind, PageOutcome::Exists);
    const QString meanwhile = unique("Axe", "");
    ASSERT_EQ(run.check(meanwhile).state.kind, api::PageState::Missing);
    ASSERT_TRUE(localWiki::createPage(wiki, meanwhile, "by hand"));
    const qint64 byHand = localWiki::latestRevision(wiki, meanwhile).id;
    EXPECT_EQ(run.create(meanwhile, "drafted").kind, PageOutcome::Exists);
    EXPECT_EQ(localWiki::latestRevision(wiki, title).id, first.id);
    EXPECT_EQ(localWiki::latestRevision(wiki, meanwhile).id, byHand);

    // A redirect is a page: taken, even to a page that does not exist.
    const QString redirect = unique("Old sword", "");
    ASSERT_TRUE(localWiki::createPage(wiki, redirect, "#REDIRECT [[Nowhere at all]]"));
    EXPECT_EQ(run.check(redirect).state.kind, api::PageState::Redirect);
    EXPECT_EQ(run.check(title).state.kind, api::PageState::Exists);
}

TEST_F(ClientOnWiki, APreviewNamesExactlyWhatTheDraftLacksInOneRequest)
{
    Session run = as("BOT_FULL");
    const QString stem = unique("Linked", "");
    QList<std::pair<QString, QString>> existing;
    QString draft;
    QStringList missing;
    for (int i = 0; i < 50; ++i) {
        const QString title = stem + QStringLiteral(" %1").arg(i);
        draft += "[[" + title + "]] ";
        if (i % 7 == 3 && missing.size() < 7)
            missing.append(title);
        else
            existing.append({title, "x"});
    }
    ASSERT_EQ(missing.size(), 7);
    ASSERT_TRUE(localWiki::createPages(wiki, existing));
    draft += "{{" + stem + " box}} [[Category:" + stem + " items]]";

    ASSERT_EQ(run.check(stem).state.kind, api::PageState::Missing); // logged in
    const int before = run.client.requestsSent();
    const PagePreview shown =
        Session::awaited<PagePreview>([&](auto done) { run.client.previewPage(stem, draft, done); });
    ASSERT_TRUE(shown.ok) << shown.message.toStdString();
    EXPECT_LE(run.client.requestsSent() - before, 2);
    EXPECT_EQ(QSet<QString>(shown.preview.missingPages.begin(), shown.preview.missingPages.end()),
              QSet<QString>(missing.begin(), missing.end()));
    EXPECT_EQ(std::tuple(shown.preview.missingTemplates, shown.preview.missingCategories),
              std::tuple(QStringList{"Template:" + stem + " box"}, QStringList{"Category:" + stem + " items"}));
}

TEST_F(ClientOnWiki, PageRefusalsAndASilentWikiSayWhatToDo)
{
    // Without the grant; on the second wiki, a captcha only a person can answer; a stopped wiki.
    const localWiki::Wiki captcha = localWiki::smallLimit();
    ASSERT_EQ(captcha.env.value("CAPTCHA"), "1");
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const localWiki::Wiki stopped{{{"API", QStringLiteral("http://127.0.0.1:%1/api.php").arg(closed.serverPort())}}};
    closed.close();
    const QString title = unique("Bow", "");
    const std::tuple<localWiki::Wiki, const char *, PageOutcome::Kind, const char *> cases[] = {
        {wiki, "BOT_NOUPLOAD", PageOutcome::Failed, "tick \"Create, edit, and move pages\""},
        {captcha, "BOT_FULL", PageOutcome::NeedsBrowser, "captcha before"},
        {stopped, "BOT_FULL", PageOutcome::Failed, "did not answer"},
    };
    for (const auto &[on, account, kind, says] : cases) {
        Session run(on.api(), on.env.value(account), on.env.value(QString(account) + "_PASSWORD"));
        const PageOutcome refused = run.create(title, "x");
        EXPECT_EQ(refused.kind, kind) << says;
        EXPECT_TRUE(refused.message.contains(says)) << refused.message.toStdString();
    }
    EXPECT_EQ(localWiki::latestRevision(wiki, title).id, -1);
    EXPECT_EQ(localWiki::latestRevision(captcha, title).id, -1);
}

} // namespace
