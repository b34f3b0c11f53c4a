// Item pages against a real MediaWiki 1.39 on this machine: asked about, previewed and
// created, and an existing page never changed.

#include "localwiki.h"
#include "wiki/client.h"

#include <QTcpServer>
#include <gtest/gtest.h>

using namespace wiki;

namespace {

using localWiki::waitFor;

// What a call of the client's hands its callback, waited for.
template <typename Answer, typename Start>
Answer awaited(Start start)
{
    std::optional<Answer> answer;
    start([&](const Answer &a) { answer = a; });
    EXPECT_TRUE(waitFor([&] { return answer.has_value(); }));
    return answer.value_or(Answer{});
}

QString uniqueTitle(const QString &stem)
{
    static int n = 0;
    return QStringLiteral("%1 %2 %3").arg(stem).arg(QDateTime::currentMSecsSinceEpoch()).arg(++n);
}

class PagesOnWiki : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!wiki.up())
            GTEST_SKIP() << "no local wiki started (ctest starts one for the label wiki)";
        as("BOT_FULL");
    }
    void as(const char *account)
    {
        const QString key = QString::fromLatin1(account);
        client.setAccount(wiki.api(), wiki.env.value(key), wiki.env.value(key + "_PASSWORD"));
        client.setPacing(0, 1, 3000);
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
    const localWiki::Wiki wiki = localWiki::shared();
    Client client;
};

TEST_F(PagesOnWiki, CreatedExactlyAsDraftedAndOnlyWhereNoPageIs)
{
    const QString title = uniqueTitle("Sword");
    // Asked under the wiki's form of the name: first letter up, "_" as blanks.
    const PageCheck missing = check(QString(title).replace(0, 1, "s").replace(' ', '_'));
    EXPECT_EQ(missing.state.kind, api::PageState::Missing) << missing.message.toStdString();
    EXPECT_EQ(missing.state.title, title);

    const QString draft = "{{Item|name=" + title + "}}\n[[Category:Items]]\n";
    const PageOutcome created = create(title, draft);
    ASSERT_EQ(created.kind, PageOutcome::Created) << created.message.toStdString();
    const localWiki::Revision first = localWiki::latestRevision(wiki, title);
    EXPECT_EQ(first.text + "\n", draft); // the wiki keeps no final line end
    EXPECT_EQ(first.comment, "Item page for " + title + ", drafted with Quillmark");
    EXPECT_EQ(first.user, wiki.env["BOT_USER"]);
    EXPECT_EQ(first.id, created.revision);
    EXPECT_TRUE(created.link.endsWith(QString(title).replace(' ', '_').toUtf8().toPercentEncoding("_")))
        << created.link.toStdString();

    // Created again, or by someone else between the check and the click: left as it is.
    EXPECT_EQ(create(title, "other").kind, PageOutcome::Exists);
    const QString meanwhile = uniqueTitle("Axe");
    ASSERT_EQ(check(meanwhile).state.kind, api::PageState::Missing);
    ASSERT_TRUE(localWiki::createPage(wiki, meanwhile, "by hand"));
    const qint64 byHand = localWiki::latestRevision(wiki, meanwhile).id;
    const PageOutcome late = create(meanwhile, "drafted");
    EXPECT_EQ(late.kind, PageOutcome::Exists);
    EXPECT_TRUE(late.message.contains(meanwhile)) << late.message.toStdString();
    EXPECT_EQ(localWiki::latestRevision(wiki, title).id, first.id);
    EXPECT_EQ(localWiki::latestRevision(wiki, meanwhile).id, byHand);

    // A redirect is a page: taken, even to a page that does not exist.
    const QString redirect = uniqueTitle("Old sword");
    ASSERT_TRUE(localWiki::createPage(wiki, redirect, "#REDIRECT [[Nowhere at all]]"));
    const PageCheck taken = check(redirect);
    EXPECT_EQ(taken.state.kind, api::PageState::Redirect);
    EXPECT_TRUE(taken.state.taken());
    EXPECT_EQ(check(title).state.kind, api::PageState::Exists);
}

TEST_F(PagesOnWiki, APreviewNamesExactlyWhatTheDraftLacksInOneRequest)
{
    const QString stem = uniqueTitle("Linked");
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

    ASSERT_EQ(check(stem).state.kind, api::PageState::Missing); // logged in
    const int before = client.requestsSent();
    const PagePreview shown = awaited<PagePreview>([&](auto done) { client.previewPage(stem, draft, done); });
    ASSERT_TRUE(shown.ok) << shown.message.toStdString();
    EXPECT_LE(client.requestsSent() - before, 2);
    QStringList pages = shown.preview.missingPages;
    pages.sort();
    missing.sort();
    EXPECT_EQ(pages, missing);
    EXPECT_EQ(shown.preview.missingTemplates, QStringList{"Template:" + stem + " box"});
    EXPECT_EQ(shown.preview.missingCategories, QStringList{"Category:" + stem + " items"});
    EXPECT_TRUE(shown.preview.html.contains(stem + " 0")) << shown.preview.html.toStdString();
}

TEST_F(PagesOnWiki, RefusalsAndASilentWikiSayWhatToDo)
{
    as("BOT_NOUPLOAD");
    const QString title = uniqueTitle("Bow");
    const PageOutcome refused = create(title, "x");
    EXPECT_EQ(refused.kind, PageOutcome::Failed);
    EXPECT_TRUE(refused.message.contains("\"Create, edit, and move pages\"")) << refused.message.toStdString();
    EXPECT_EQ(localWiki::latestRevision(wiki, title).id, -1);

    // A captcha only a person can answer: the page is left to the browser.
    const localWiki::Wiki captcha = localWiki::smallLimit();
    ASSERT_EQ(captcha.env.value("CAPTCHA"), "1");
    client.setAccount(captcha.api(), captcha.env["BOT_FULL"], captcha.env["BOT_FULL_PASSWORD"]);
    const PageOutcome asked = create(title, "x");
    EXPECT_EQ(asked.kind, PageOutcome::NeedsBrowser);
    EXPECT_TRUE(asked.message.contains("captcha") && asked.message.contains("browser")) << asked.message.toStdString();
    EXPECT_EQ(localWiki::latestRevision(captcha, title).id, -1);

    QTcpServer closed; // a port nothing answers on any more
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QUrl silent(QStringLiteral("http://127.0.0.1:%1/api.php").arg(closed.serverPort()));
    closed.close();
    client.setAccount(silent, "Uploader@full", "x");
    const PageOutcome stopped = create(title, "x");
    EXPECT_EQ(stopped.kind, PageOutcome::Failed);
    EXPECT_TRUE(stopped.message.contains("did not answer")) << stopped.message.toStdString();
}

} // namespace
