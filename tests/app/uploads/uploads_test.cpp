// Uploading to a real MediaWiki on this machine through the window: one click from a copied
// screenshot to both files on the wiki and their markup on the clipboard, the wiki's
// questions answered in the upload list, files dropped on it, a restart. A stub wiki stands
// in where the answers matter more than the wiki (the account dialog, a new name).

#include "window.h"
#include "localwiki.h"
#include "app/uploads/accountdialog.h"
#include "app/uploads/uploadcenter.h"
#include "app/widgets/clipboardglue.h"
#include "settings/privateprofile.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

using namespace testsupport;
using localWiki::waitFor;

// No test may put a password into a real desktop's secret store (under Wine, the store is
// the test prefix's own).
void noSecretStore()
{
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DISPLAY");
}

// A wiki that logs anyone in as U, who may upload but not replace, takes 40 file types and
// has a file of every name asked about.
QList<QByteArray> stubWiki()
{
    QByteArray types = R"({"ext": "png"})";
    for (int i = 1; i < 40; ++i)
        types += R"(, {"ext": "type)" + QByteArray::number(i) + R"("})";
    const auto ok = [](const QByteArray &body) { return localWiki::httpAnswer("200 OK", body); };
    return {ok(R"({"query": {"tokens": {"logintoken": "t+\\"}}})"), ok(R"({"login": {"result": "Success"}})"),
            ok(R"({"query": {"tokens": {"csrftoken": "c+\\"}, "general": {"maxuploadsize": 1000000}, "userinfo":
                {"name": "U", "rights": ["upload"]}, "fileextensions": [)" + types + "]}}"),
            ok(R"({"query": {"pages": [{"imageinfo": [{"sha1": "0"}]}]}})")};
}

class UploadsOnWiki : public WindowFixture {
protected:
    void SetUp() override
    {
        if (!wiki.up())
            GTEST_SKIP() << "no local wiki started (ctest starts one for the label wiki)";
        noSecretStore();
        folder.write("Templates/Upload.txt", "{{Item|%name%|%kind%}}\r\n");
        folder.write("Quillmark.ini", "[General]\r\nAutoCopyFileName=True\r\nAutoCopyKind=Markup\r\n[Wiki]\r\nApi="
                                          + wiki.env["API"].toUtf8() + "\r\nUser=" + wiki.env["BOT_FULL"].toUtf8()
                                          + "\r\nUploadAfterSave=True\r\n");
        WindowFixture::SetUp();
    }
    QStringList states() const
    {
        QStringList texts;
        if (auto *box = window->findChild<QListWidget *>("lstUploads"))
            for (int i = 0; i < box->count(); ++i)
                texts.append(box->item(i)->text());
        return texts;
    }
    QString status() const { return control("lblStatus")->property("message").toString(); }
    void showList() { QTest::mouseClick(control("lblStatus"), Qt::LeftButton); }

    const localWiki::Wiki wiki = localWiki::shared();
    const QString stem = QStringLiteral("Sword %1").arg(QDateTime::currentMSecsSinceEpoch());
};

TEST_F(UploadsOnWiki, OneClickFromAScreenshotToBothFilePagesAndTheirMarkup)
{
    clipboard()->setImage(localWiki::uniquePicture().scaled(1024, 768));
    // The name breaks a wiki rule: the cleaned one is used. The password is asked once.
    modal::Answerer dialogs({stem + "|1", QMessageBox::Ok, wiki.env["BOT_FULL_PASSWORD"]});
    QTest::mouseClick(control("cmdExtractPanel_1"), Qt::LeftButton);
    const QString icon = stem + "-1 Icon.png", panel = stem + "-1.png";
    ASSERT_TRUE(waitFor([&] { return localWiki::fileBytes(wiki, panel).size() > 0 && status().contains("Uploaded"); }))
        << status().toStdString();
    ASSERT_EQ(dialogs.seen.size(), 3);
    EXPECT_EQ(localWiki::fileBytes(wiki, icon), folder.read("Images/" + icon));
    EXPECT_EQ(localWiki::fileBytes(wiki, panel), folder.read("Images/" + panel));
    EXPECT_EQ(localWiki::pageText(wiki, panel), "{{Item|" + stem + "-1|stats panel}}"); // the wiki drops the last line end
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[[File:" + icon + "]]\r\n[[File:" + panel + "]]");
    // The password is nowhere in the settings file or the upload list.
    window->close();
    EXPECT_FALSE(folder.read("Quillmark.ini").contains(wiki.env["BOT_FULL_PASSWORD"].toUtf8()));
    EXPECT_FALSE(folder.read("Uploads.json").contains(wiki.env["BOT_FULL_PASSWORD"].toUtf8()));
}

TEST_F(UploadsOnWiki, QuestionsAreAnsweredInTheListAndARestartKeepsIt)
{
    // A file the wiki already has under another name, dropped on the list: the existing
    // name is used and the markup on the clipboard follows it.
    showList();
    auto *listBox = control<QListWidget>("lstUploads");
    const QString first = folder.file("Images/First.png"), again = folder.file("Images/Again#.png");
    const QImage picture = localWiki::uniquePicture();
    ASSERT_TRUE(picture.save(first) && picture.save(again));
    modal::Answerer password({wiki.env["BOT_FULL_PASSWORD"], QMessageBox::Ok});
    dropFiles(listBox->viewport(), {first});
    ASSERT_TRUE(waitFor([&] { return states().value(0).contains("uploaded"); })) << states().join('|').toStdString();
    const QString firstName = states()[0].section(" - ", 0, 0);
    dropFiles(listBox->viewport(), {again}); // its "#" is cleaned: "Again-.png"
    ASSERT_TRUE(waitFor([&] { return states().value(1).contains("needs an answer"); }))
        << states().join('|').toStdString();
    listBox->setCurrentRow(1);
    QGuiApplication::clipboard()->setText("[[File:Again-.png]]");
    auto *useExisting = control<QPushButton>("cmdUploadUseExisting");
    ASSERT_TRUE(useExisting->isVisible());
    QTest::mouseClick(useExisting, Qt::LeftButton);
    EXPECT_TRUE(states()[1].startsWith(firstName + " - uploaded")) << states()[1].toStdString();
    // The clipboard holds text Quillmark did not put there: left alone.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[[File:Again-.png]]");

    // The list outlives a restart.
    restart(folder.read("Quillmark.ini"));
    ASSERT_EQ(states().size(), 0); // the list window is not open after a start
    showList();
    EXPECT_EQ(control<QListWidget>("lstUploads")->count(), 2);
}

// The draft window open now, when there is one.
QWidget *draftWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmPageDraft" && top->isVisible())
            return top;
    return nullptr;
}

TEST_F(UploadsOnWiki, ItemPagesAreDraftedInSaveOrderAndCreatedOnlyWhereNoneIs)
{
    folder.write("Templates/Page.txt", "{{Item|%name%|%icon%|%panel%}}\n[[Category:Quillmark tests]]\n");
    restart(folder.read("Quillmark.ini") + "CreatePages=True\r\n");
    const QString a = stem + " A", b = stem + " B", c = stem + " C", d = stem + " D", e = stem + " E";
    ASSERT_TRUE(localWiki::createPage(wiki, b, "Made by hand."));
    modal::Answerer dialogs({a, wiki.env["BOT_FULL_PASSWORD"], b, c, d, e});
    for (int i = 0; i < 5; ++i) {
        clipboard()->setImage(localWiki::uniquePicture().scaled(1024, 768));
        QTest::mouseClick(control("cmdExtractPanel_1"), Qt::LeftButton);
    }
    const auto draftOf = [&](const QString &title) {
        return waitFor([&] { return draftWindow() && draftWindow()->windowTitle().endsWith(title); });
    };
    const auto draft = [&] { return draftWindow()->findChild<QPlainTextEdit *>("txtPageText")->toPlainText(); };
    const auto click = [&](const char *name) {
        QTest::mouseClick(draftWindow()->findChild<QPushButton *>(name), Qt::LeftButton);
    };

    // A: drafted from both files' wiki names, previewed with what it lacks, created as drafted.
    ASSERT_TRUE(draftOf(a)) << status().toStdString();
    const QString text = "{{Item|" + a + "|" + a + " Icon.png|" + a + ".png}}\n[[Category:Quillmark tests]]\n";
    EXPECT_EQ(draft(), text);
    auto *problems = draftWindow()->findChild<QListWidget *>("lstPageProblems");
    ASSERT_TRUE(waitFor([&] { return problems->count() == 2; }));
    EXPECT_EQ(problems->item(0)->text(), "Missing category: Category:Quillmark tests");
    EXPECT_EQ(problems->item(1)->text(), "Missing template: Template:Item");
    // An edit is previewed again after a pause.
    auto *edit = draftWindow()->findChild<QPlainTextEdit *>("txtPageText");
    edit->moveCursor(QTextCursor::End);
    for (const QString &piece : {QStringLiteral("See "), QStringLiteral("[[Nowhere "), stem + "]]"})
        edit->insertPlainText(piece);
    ASSERT_TRUE(waitFor([&] { return problems->count() == 3; }));
    EXPECT_EQ(problems->item(0)->text(), "Missing page: Nowhere " + stem);
    // The last uploads done, the status line tells of the pages alone.
    ASSERT_TRUE(waitFor([&] { return localWiki::fileBytes(wiki, e + ".png").size() > 0; }));
    click("cmdCreatePage");
    ASSERT_TRUE(waitFor([&] { return localWiki::latestRevision(wiki, a).id > 0; }));
    const localWiki::Revision created = localWiki::latestRevision(wiki, a);
    EXPECT_EQ(created.text, (text + "See [[Nowhere " + stem + "]]").trimmed());
    EXPECT_EQ(created.user, wiki.env["BOT_FULL"].section('@', 0, 0));
    EXPECT_EQ(created.comment, "New item page for " + a + ", drafted with Quillmark");
    showList();
    ASSERT_TRUE(waitFor([&] { return states().last().startsWith(a + " - page created"); }))
        << states().last().toStdString();
    control<QListWidget>("lstUploads")->setCurrentRow(states().size() - 1);
    EXPECT_FALSE(control<QPushButton>("cmdUploadRetry")->isEnabled());

    // B has a page: the status line says so and no draft opens. C is made by someone else
    // while its draft is open: left as it is, the draft on the clipboard. Skip goes on to D,
    // and closing D's window is a no to E.
    ASSERT_TRUE(draftOf(c));
    EXPECT_EQ(dialogs.seen.size(), 6);
    EXPECT_TRUE(status().contains(b + " already has a page on the wiki")) << status().toStdString();
    ASSERT_TRUE(localWiki::createPage(wiki, c, "Made meanwhile."));
    const qint64 before = localWiki::latestRevision(wiki, c).id;
    click("cmdCreatePage");
    auto *open = draftWindow()->findChild<QPushButton *>("cmdOpenPage");
    ASSERT_TRUE(waitFor([&] { return open->isVisible(); }));
    EXPECT_EQ(localWiki::latestRevision(wiki, c).id, before);
    EXPECT_EQ(clipboard()->text(), draft());
    click("cmdSkipPage");
    ASSERT_TRUE(draftOf(d));
    draftWindow()->close();
    EXPECT_FALSE(waitFor([&] { return draftWindow() != nullptr; }, 3000));
    EXPECT_EQ(localWiki::latestRevision(wiki, e).id, -1);
}

class UploadsOnStub : public WindowFixture {
protected:
    void SetUp() override
    {
        noSecretStore();
        folder.write("Quillmark.ini", "[Wiki]\r\nApi=" + wiki.api().toString().toUtf8() + "\r\nUser=U@a\r\n");
        WindowFixture::SetUp();
    }
    QString status() const { return control("lblStatus")->property("message").toString(); }
    localWiki::Stub wiki{stubWiki()};
};

TEST_F(UploadsOnStub, ATakenNameGetsANewNameWhichTheCopiedMarkupFollows)
{
    QTest::mouseClick(control("lblStatus"), Qt::LeftButton);
    auto *list = control<QListWidget>("lstUploads");
    const QString file = folder.file("Images/Sword.png");
    ASSERT_TRUE(localWiki::uniquePicture().save(file));
    const auto asking = [list] { return list->count() && list->item(0)->text().contains("needs an answer"); };
    QString saidAtPrompt;
    {
        modal::Answerer password({"p"}, [&](QDialog *) { saidAtPrompt = status(); });
        dropFiles(list->viewport(), {file});
        ASSERT_TRUE(waitFor(asking));
    }
    const struct {
        const char *asked, *newName, *copied;
        bool ownCopy; // else copied over since
    } renames[] = {
        {"Sword.png", "Blade.png", "[[File:Big Sword.png]]\r\n[[File:Blade.png]]", true},
        {"Blade.png", "Axe.png", "[[File:Blade.png]]", false},
    };
    for (const auto &r : renames) {
        ASSERT_TRUE(waitFor(asking)) << list->item(0)->text().toStdString();
        EXPECT_TRUE(status().startsWith(r.asked + QString(" waits for an answer in the upload list. A file of this "
                                                          "name is already on the wiki"))) << status().toStdString();
        // The account may not replace: no Replace, a new name instead.
        EXPECT_FALSE(control("cmdUploadReplace")->isVisible());
        EXPECT_TRUE(control("cmdUploadNewName")->isVisible());
        if (r.ownCopy)
            clipboardGlue::replaceWithText("[[File:Big Sword.png]]\r\n[[File:Sword.png]]");
        else
            clipboard()->setText("[[File:Blade.png]]");
        modal::Answerer name({r.newName});
        QTest::mouseClick(control("cmdUploadNewName"), Qt::LeftButton);
        EXPECT_EQ(clipboard()->text(), r.copied);
    }
    // Windows always has its Credential Manager (the tests' own, in their Wine prefix).
    EXPECT_EQ(saidAtPrompt, onWindows ? "" : "No password store is running: the bot password is kept for this run only.");
}

// The account dialog opened from the options tab sets the account the window keeps; what its
// test says is the WikiAccount test's and the core's.
TEST_F(UploadsOnStub, TheAccountSetInTheDialogIsKeptOnClose)
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog && dialog->objectName() == "frmWikiAccount");
        dialog->findChild<QLineEdit *>("txtWikiUser")->setText("V@b");
        dialog->accept();
    });
    showTab(6);
    QTest::mouseClick(control("cmdWiki"), Qt::LeftButton);
    window->close();
    EXPECT_EQ(PrivateProfile::fromFile(folder.file("Quillmark.ini")).read("Wiki", "User", ""), "V@b");
}

TEST(WikiAccount, APasswordKeptForItsHostAskedForInPlaceAndEveryLineOfTheTestInView)
{
    noSecretStore();
    ProgramFolder folder;
    QWidget window;
    UploadCenter center(folder.path(), &window);
    AccountDialog dialog(center, &window);
    dialog.show();
    localWiki::Stub first(stubWiki()), second(stubWiki());
    auto *password = dialog.findChild<QLineEdit *>("txtWikiPassword");
    auto *test = dialog.findChild<QPushButton *>("cmdWikiTest");
    auto *result = dialog.findChild<QLabel *>("lblWikiTest");
    const struct {
        localWiki::Stub *wiki;
        const char *user, *password, *says;
        bool kept;
    } steps[] = {
        {&first, "U@a", "p", "Largest file: 1000000 bytes", false},
        {&second, "U@a", "", "Largest file: 1000000 bytes", true}, // only the port changed
        {&second, "V@a", "", "type it in \"Bot password\" above", false},
    };
    modal::Answerer boxes; // none may open over the dialog
    for (const auto &s : steps) {
        dialog.findChild<QLineEdit *>("txtWikiApi")->setText(s.wiki->api().toString());
        dialog.findChild<QLineEdit *>("txtWikiUser")->setText(s.user);
        password->setText(s.password);
        EXPECT_EQ(password->placeholderText() == "(kept)", s.kept) << s.user;
        QTest::mouseClick(test, Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return test->isEnabled(); }));
        EXPECT_TRUE(result->text().contains(s.says)) << result->text().toStdString();
        EXPECT_GE(result->height(), result->heightForWidth(result->width())) << result->text().toStdString();
        EXPECT_LE(result->geometry().bottom(), dialog.findChild<QDialogButtonBox *>()->geometry().top());
    }
    EXPECT_TRUE(boxes.seen.isEmpty());
    EXPECT_EQ(second.requests, 3);
}

} // namespace
