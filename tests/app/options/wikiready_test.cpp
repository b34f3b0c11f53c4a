// The options for wiki-ready files, each on and off through the real window: what autocopy
// copies, names checked against the wiki's rules, the smallest PNG files.

#include "window.h"
#include "image/smallpng.h"

namespace {

using namespace testsupport;

class WikiReady : public WindowFixture {
protected:
    WikiReady() : WindowFixture("[General]\r\nAutoCopyFileName=True\r\n") {}
    // Copies the screenshot, cuts a 120-pixel panel with its icon and saves both under the
    // answers given.
    QList<modal::Shown> extract(QList<modal::Reply> answers, const QImage &screenshot = {})
    {
        clipboard()->setImage(screenshot.isNull() ? shot : screenshot);
        modal::Answerer dialogs(std::move(answers));
        QTest::mouseClick(control(QStringLiteral("cmdExtractPanel_1")), Qt::LeftButton);
        return dialogs.seen;
    }

    const QImage shot = coordinateShot({1024, 768});
};

// What each kind copies is the core's (Autocopy tests); here the choice reaches the save.
TEST_F(WikiReady, AutocopyCopiesTheKindChosenInTheDropDown)
{
    auto *kind = control<QComboBox>(QStringLiteral("cmbAutoCopyKind"));
    QTest::keyClick(kind, Qt::Key_Down);
    QTest::keyClick(kind, Qt::Key_Down);
    extract({"Sword"});
    EXPECT_EQ(clipboard()->text(), "[[File:Sword Icon.png]]\r\n[[File:Sword.png]]");
}

TEST_F(WikiReady, NamesAreCheckedBeforeAnythingIsWritten)
{
    // Off, as before: the name is used as typed.
    extract({"Sword#Bow"});
    EXPECT_EQ(saved(), QStringList({"Sword#Bow Icon.png", "Sword#Bow.png"}));

    // The box shows the core's message (WikiNames tests) for the panel's file name.
    restart("[General]\r\nCheckWikiNames=True\r\n");
    const QList<modal::Shown> used = extract({"sword#bow", QMessageBox::Ok});
    ASSERT_EQ(used.size(), 2);
    EXPECT_TRUE(used[1].text.startsWith("The file name \"sword#bow.png\"")) << used[1].text.toStdString();
    EXPECT_EQ(saved(), QStringList({"sword-bow Icon.png", "sword-bow.png"}));

    // Edit offers the cleaned name; the edited one is checked again. Cancel writes nothing.
    clearSaved();
    const QList<modal::Shown> edited = extract({"Axe  #2", QMessageBox::Retry, "Axe  2", QMessageBox::Retry, "Axe 2"});
    ASSERT_EQ(edited.size(), 5);
    EXPECT_EQ(edited[2].preset, "Axe -2");
    EXPECT_TRUE(edited[3].text.contains("two blanks in a row"));
    EXPECT_EQ(saved(), QStringList({"Axe 2 Icon.png", "Axe 2.png"}));
    clearSaved();
    extract({"A:B", QMessageBox::Cancel});
    EXPECT_TRUE(saved().isEmpty());

    // Under Autoname a prefix breaking a rule is caught too.
    restart("[General]\r\nCheckWikiNames=True\r\nAutoName=True\r\n[Panel]\r\nPrefix=[Panel]\r\n");
    const QList<modal::Shown> prefixed = extract({QMessageBox::Ok});
    ASSERT_EQ(prefixed.size(), 1);
    ASSERT_EQ(saved().size(), 2);
    EXPECT_TRUE(saved()[0].startsWith("-Panel- ")) << saved()[0].toStdString();
}

TEST_F(WikiReady, SmallestPngFilesHoldTheSamePixels)
{
    extract({"Plain"});
    EXPECT_TRUE(folder.read("Images/Plain.png").contains("sBIT")); // the layout as it always was

    restart("[General]\r\nSmallestPng=True\r\n");
    const QImage flat = filled({1024, 768}, qRgb(20, 30, 40));
    extract({"Small"}, flat);
    // The small encoder's own tests check its pixels; here it is the one the save used.
    EXPECT_EQ(folder.read("Images/Small.png"), smallPng::encode(flat.copy(721, 56, 300, 120)));
}

// Autoname sends pictures named from the clock to the wiki: the click that turns on the second
// of the two warns, once a run; a settings file with both on opens no box.
TEST_F(WikiReady, AutonameWithUploadingWarnsOnceOnTheUsersClick)
{
    const std::tuple<const char *, QStringList, int> cases[] = {
        {"", {"chkUploadAfterSave", "chkAutoName", "chkAutoName", "chkAutoName"}, 1},
        {"", {"chkAutoName", "chkAutoName", "chkUploadAfterSave", "chkUploadAfterSave"}, 0},
        {"[General]\r\nAutoName=True\r\n[Wiki]\r\nUploadAfterSave=True\r\n", {"chkAutoName", "chkAutoName"}, 1}};
    for (const auto &[settings, clicks, warnings] : cases) {
        modal::Answerer boxes;
        restart(QByteArray(settings));
        showTab(6);
        for (const QString &name : clicks)
            clickBox(control(name));
        ASSERT_EQ(boxes.seen.size(), warnings) << settings << clicks.join(' ').toStdString();
        EXPECT_TRUE(!warnings || boxes.seen[0].text.contains("39863.png")); // a name the clock gives
        // Pages are drafted from uploads: the box is open only while uploading is on.
        EXPECT_EQ(control("chkCreatePages")->isEnabled(), control<QCheckBox>("chkUploadAfterSave")->isChecked());
    }
}

} // namespace
