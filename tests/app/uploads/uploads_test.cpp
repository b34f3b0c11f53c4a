// Uploading to a real MediaWiki on this machine through the window: one click from a copied
// screenshot to both files on the wiki and their markup on the clipboard, the wiki's
// questions answered in the upload list, files dropped on it, a restart, the account test.

#include "window.h"
#include "localwiki.h"
#include "settings/privateprofile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using namespace testsupport;
using localWiki::waitFor;

class UploadsOnWiki : public WindowFixture {
protected:
    void SetUp() override
    {
        if (!wiki.up())
            GTEST_SKIP() << "no local wiki started (ctest starts one for the label wiki)";
        // No test may put a password into a real desktop's secret store.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("DISPLAY");
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
    QByteArray local(const QString &name) const { return folder.read("Images/" + name); }
    void showList() { QTest::mouseClick(control("lblStatus"), Qt::LeftButton); }

    const localWiki::Wiki wiki = localWiki::shared();
    const QString stem = QStringLiteral("Sword %1").arg(QDateTime::currentMSecsSinceEpoch());
};

TEST_F(UploadsOnWiki, OneClickFromAScreenshotToBothFilePagesAndTheirMarkup)
{
    ASSERT_TRUE(control("lblStatus")->isVisible());
    EXPECT_EQ(window->height(), 607 + 18);
    clipboard()->setImage(localWiki::uniquePicture().scaled(1024, 768));
    // The name breaks a wiki rule: the cleaned one is used. The password is asked once.
    modal::Answerer dialogs({stem + "|1", QMessageBox::Ok, wiki.env["BOT_FULL_PASSWORD"]});
    QTest::mouseClick(control("cmdExtractPanel_1"), Qt::LeftButton);
    const QString icon = stem + "-1 Icon.png", panel = stem + "-1.png";
    ASSERT_TRUE(waitFor([&] { return localWiki::fileBytes(wiki, panel).size() > 0 && status().contains("Uploaded"); }))
        << status().toStdString();
    ASSERT_EQ(dialogs.seen.size(), 3);
    EXPECT_EQ(dialogs.seen[2].title, "Wiki Password");
    EXPECT_EQ(localWiki::fileBytes(wiki, icon), local(icon));
    EXPECT_EQ(localWiki::fileBytes(wiki, panel), local(panel));
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

TEST_F(UploadsOnWiki, TheAccountTestSaysWhatTheBotPasswordMayDo)
{
    QString report;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog && dialog->objectName() == "frmWikiAccount");
        dialog->findChild<QLineEdit *>("txtWikiUser")->setText(wiki.env["BOT_NOREPLACE"]);
        dialog->findChild<QLineEdit *>("txtWikiPassword")->setText(wiki.env["BOT_NOREPLACE_PASSWORD"]);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdWikiTest"), Qt::LeftButton);
        auto *result = dialog->findChild<QLabel *>("lblWikiTest");
        waitFor([result] { return result->text().contains("Logged in"); });
        report = result->text();
        static_cast<QDialog *>(dialog)->accept();
    });
    window->showTab(6);
    QTest::mouseClick(control("cmdWiki"), Qt::LeftButton);
    EXPECT_TRUE(report.contains("May replace files: no")) << report.toStdString();
    window->close();
    EXPECT_EQ(PrivateProfile::fromFile(folder.file("Quillmark.ini")).read("Wiki", "User", ""), wiki.env["BOT_NOREPLACE"]);
}

} // namespace
