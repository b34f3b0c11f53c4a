// The wiki's answers about pages (as MediaWiki 1.39 gives them) and the item page's draft.

#include "support.h"
#include "wiki/itempage.h"
#include "wiki/pageanswers.h"

#include <gtest/gtest.h>

using namespace wiki;

namespace {

api::Answer answer(const char *json)
{
    return api::read(QByteArray(json));
}

TEST(PageAnswers, ATitleIsTakenByAPageOrARedirectUnderTheWikisFormOfIt)
{
    using K = api::PageState;
    const struct {
        const char *asked, *json;
        K::Kind kind;
        const char *title;
        qint64 revision;
    } cases[] = {
        {"sword_of_x",
         R"({"query":{"normalized":[{"from":"sword_of_x","to":"Sword of x"}],"pages":[{"ns":0,"title":"Sword of x","missing":true}]}})",
         K::Missing, "Sword of x", -1},
        {"Axe", R"({"query":{"pages":[{"pageid":7,"ns":0,"title":"Axe","lastrevid":42}]}})", K::Exists, "Axe", 42},
        // A redirect is taken even when its target is missing.
        {"Old axe",
         R"({"query":{"redirects":[{"from":"Old axe","to":"Gone"}],"pages":[{"ns":0,"title":"Gone","missing":true}]}})",
         K::Redirect, "Old axe", -1},
        {"Talk:", R"({"query":{"pages":[{"title":"Talk:","invalid":true,"invalidreason":"empty"}]}})", K::Invalid,
         "Talk:", -1},
        {"Axe", R"({"query":{"pages":[{"ns":0,"title":"Other","missing":true}]}})", K::Unknown, "Axe", -1},
        {"Axe", R"({"error":{"code":"maxlag","info":"busy"}})", K::Unknown, "", -1},
    };
    for (const auto &c : cases) {
        const api::PageState state = api::pageState(answer(c.json), c.asked);
        EXPECT_EQ(state.kind, c.kind) << c.json;
        EXPECT_EQ(state.title, c.title) << c.json;
        EXPECT_EQ(state.lastRevision, c.revision) << c.json;
        EXPECT_EQ(state.taken(), c.kind == K::Exists || c.kind == K::Redirect) << c.json;
    }
}

TEST(PageAnswers, APreviewListsWhatItsDraftPointsToThatIsNotThereOnce)
{
    const api::Preview preview = api::preview(answer(R"({"parse":{"title":"Sword","text":"<p>x</p>",
        "categories":[{"sortkey":"","category":"Item_icons","missing":true},{"sortkey":"","category":"Swords"}],
        "links":[{"ns":0,"title":"Main Page","exists":true},{"ns":0,"title":"Missing one","exists":false},
                 {"ns":10,"title":"Template:Nothere","exists":false},{"ns":0,"title":"Missing one","exists":false}],
        "templates":[{"ns":10,"title":"Template:Nothere","exists":false},{"ns":10,"title":"Template:Item","exists":true}]}})"));
    EXPECT_EQ(preview.html, "<p>x</p>");
    EXPECT_EQ(preview.missingPages, QStringList{"Missing one"});
    EXPECT_EQ(preview.missingCategories, QStringList{"Category:Item icons"});
    EXPECT_EQ(preview.missingTemplates, QStringList{"Template:Nothere"});
    EXPECT_TRUE(api::preview(answer(R"({"parse":{"text":""}})")).clean());
}

TEST(PageAnswers, OnlyANewPageCountsAsCreated)
{
    using E = api::Edit;
    const std::tuple<const char *, E::Result, const char *, qint64> cases[] = {
        {R"({"edit":{"new":true,"result":"Success","pageid":2,"title":"Sword","newrevid":9}})", E::Created, "", 9},
        {R"({"error":{"code":"articleexists","info":"created already"}})", E::Failed, "articleexists", -1},
        {R"({"error":{"code":"permissiondenied","info":"limited"}})", E::Failed, "permissiondenied", -1},
        {R"({"edit":{"result":"Failure","captcha":{"type":"simple","question":"1+2"}}})", E::Captcha, "captcha", -1},
        {R"({"edit":{"result":"Failure","spamblacklist":"example.com"}})", E::Failed, "spamblacklist", -1},
        {R"({"edit":{"result":"Success","nochange":true,"title":"Sword"}})", E::Failed, "nochange", -1},
        {R"({"edit":{}})", E::Failed, "edit-failure", -1},
    };
    for (const auto &[json, result, code, revision] : cases) {
        const E edit = api::edit(answer(json));
        EXPECT_EQ(std::tuple(edit.result, edit.failure.code, edit.revision), std::tuple(result, code, revision)) << json;
    }
}

TEST(ItemPage, DraftedFromPageTxtWithTheFilesAsTheWikiNamesThem)
{
    const itemPage::Item item{"Sword", "Sword Icon.png", "Sword.png", QDate(2026, 12, 8)};
    EXPECT_EQ(itemPage::fill("{{Item|name=%name%|icon=%icon%|panel=%panel%}} <!-- %date% --> 100%", item),
              "{{Item|name=Sword|icon=Sword Icon.png|panel=Sword.png}} <!-- 2026-12-08 --> 100%");

    const testsupport::ProgramFolder folder;
    EXPECT_FALSE(itemPage::draft(folder.path(), item));
    folder.write("Templates/page.TXT", "'''%name%'''\r\n");
    EXPECT_EQ(itemPage::draft(folder.path(), item), "'''Sword'''\r\n");
}

TEST(ItemPage, AnItemIsSettledOnceNoneOfItsFilesIsStillOnItsWay)
{
    using uploads::State;
    uploads::UploadList list;
    const auto added = [&](const char *item, const char *kind, State state, const char *name) {
        const int id = list.add(QString("/p/") + name, name, kind, item);
        list.find(id)->state = state;
        return id;
    };
    const int swordIcon = added("Sword", "icon", State::Uploaded, "Sword Icon.png");
    added("", "live shot", State::Uploaded, "Shot.png");
    const int swordPanel = added("Sword", "stats panel", State::Uploaded, "Sword.png");
    added("Axe", "icon", State::Uploaded, "Axe Icon.png");
    added("Axe", "stats panel", State::Asking, "Axe.png");
    const int bow = added("Bow", "icon", State::Failed, "Bow Icon.png");
    const int shield = added("Shield", "stats panel", State::Uploaded, "Shield.png");

    const QList<itemPage::Settled> settled = itemPage::settled(list.entries(), {shield});
    ASSERT_EQ(settled.size(), 2);
    EXPECT_EQ(std::tuple(settled[0].item.name, settled[0].item.icon, settled[0].item.panel, settled[0].ids),
              std::tuple(QString("Sword"), QString("Sword Icon.png"), QString("Sword.png"),
                         QList<int>{swordIcon, swordPanel}));
    EXPECT_EQ(std::tuple(settled[1].item.name, settled[1].ids, settled[1].anyUploaded()),
              std::tuple(QString("Bow"), QList<int>{bow}, false));

    // The item goes with its entries through the list's file; a page is listed without a file.
    list.addPage("Sword", "http://wiki/index.php?title=Sword", "Created the page Sword.");
    const uploads::UploadList read = uploads::UploadList::fromJson(list.toJson());
    ASSERT_EQ(read.entries().size(), list.entries().size());
    EXPECT_EQ(read.entries().first().item, "Sword");
    EXPECT_EQ(std::tuple(read.entries().last().kind, read.entries().last().state, read.entries().last().link),
              std::tuple(uploads::pageKind, State::Uploaded, QString("http://wiki/index.php?title=Sword")));
    EXPECT_FALSE(uploads::UploadList().toJson().contains("item"));
}

} // namespace
