// The eight expanded clipboard slots: set and got back after a confirmation, and kept in
// their files across a restart when asked to.

#include "window.h"

namespace {

class ClipboardSlotsTest : public WindowFixture {
protected:
    ClipboardSlotsTest() : WindowFixture({}, 3) {}
    QPushButton *slot(int i) const { return control<QPushButton>(names::element("cmdClipboard", i)); }
    QImage stored(int i) const { return picture(names::element("picExpandedClipboard", i)); }
    // Clicks the slot and answers its box; the texts of the boxes shown.
    QStringList click(int i, Qt::MouseButton button, QMessageBox::StandardButton reply = QMessageBox::Ok)
    {
        modal::Answerer answerer({reply});
        QTest::mouseClick(slot(i), button);
        EXPECT_EQ(window->focusWidget(), slot(i));
        QStringList asked;
        for (const modal::Shown &box : answerer.seen)
            asked.append(box.text);
        return asked;
    }
    // Copies a picture or a text and sets slot i to it.
    void set(int i, const QVariant &copied)
    {
        const bool picture = copied.typeId() == QMetaType::QImage;
        picture ? clipboard()->setImage(copied.value<QImage>()) : clipboard()->setText(copied.toString());
        EXPECT_EQ(click(i, Qt::RightButton), QStringList{picture ? "Set new picture?" : "Set new text?"});
    }
    // What a left click puts on the clipboard ("before" when nothing).
    QString get(int i)
    {
        clipboard()->setText("before");
        EXPECT_TRUE(click(i, Qt::LeftButton).isEmpty());
        return clipboard()->text();
    }
};

TEST_F(ClipboardSlotsTest, TextsAndPicturesAreSetOnConfirmationAndGotBackWhole)
{
    const QString text = "first line\r\nsecond\nthird\r\n";
    clipboard()->setText(text);
    EXPECT_EQ(click(0, Qt::RightButton, QMessageBox::Cancel).size(), 1);
    EXPECT_EQ(get(0), "before"); // still empty
    set(0, text);
    EXPECT_EQ(slot(0)->text(), "first ...");
    EXPECT_EQ(get(0), text);
    clipboard()->clear(); // nothing on the clipboard, or another button: nothing happens
    EXPECT_TRUE(click(1, Qt::RightButton).isEmpty() && click(0, Qt::MiddleButton).isEmpty());
    // A picture wins over a text on the clipboard, and shows until a text replaces it.
    const QImage picture = testsupport::noise(120, 90);
    auto *both = new QMimeData;
    both->setText("and text");
    both->setImageData(picture);
    clipboard()->setMimeData(both);
    EXPECT_EQ(click(4, Qt::RightButton), QStringList{"Set new picture?"});
    EXPECT_EQ(stored(4), picture);
    EXPECT_TRUE(!slot(4)->icon().isNull() && slot(4)->text().isEmpty());
    get(4);
    EXPECT_EQ(clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
    set(4, QString()); // an empty text comes back empty
    EXPECT_TRUE(stored(4).isNull() && slot(4)->icon().isNull());
    EXPECT_EQ(get(4), "");
}

TEST_F(ClipboardSlotsTest, SavedSlotsComeBackAfterARestartOnlyWhenAskedTo)
{
    const QImage picture = testsupport::noise(33, 17);
    control<QCheckBox>("chkSaveClipboard")->click();
    set(0, picture);
    set(2, "abcdefg");
    set(7, "line one\r\n\r\nline three\r\n");
    restart();
    for (const char *line : {"SaveClipboard=True\r\n", "1=1.bmp\r\n", "2=\r\n", "3=3.txt\r\n", "8=8.txt\r\n"})
        EXPECT_TRUE(ini().contains(line)) << line;
    EXPECT_EQ(slot(2)->text(), "abcdef...");
    EXPECT_EQ(get(7), "line one\r\n\r\nline three\r\n");
    EXPECT_EQ(stored(0), picture);
    control<QCheckBox>("chkSaveClipboard")->click(); // off: the keys are emptied, the files stay
    restart();
    EXPECT_TRUE(ini().contains("SaveClipboard=False\r\n1=\r\n") && ini().contains("3=\r\n")) << ini().toStdString();
    EXPECT_TRUE(folder.exists("Templates/1.bmp") && folder.exists("Templates/3.txt"));
    EXPECT_EQ(slot(2)->text(), "3");
    EXPECT_TRUE(stored(0).isNull());
    // Files are named by the slot; missing ones are skipped.
    folder.write("Templates/2.txt", "two\r\n");
    restart("[ExpandedClipboard]\r\nSaveClipboard=true\r\n2=notes.txt\r\n3=txt\r\n4=4.txt\r\n");
    EXPECT_EQ(QStringList({get(1), get(2), slot(3)->text()}), QStringList({"two", "before", "4"}));
}

TEST_F(ClipboardSlotsTest, SlotFilesThatCannotBeWrittenAreNotNamedAndTheWindowStillCloses)
{
    control<QCheckBox>("chkSaveClipboard")->click();
    set(0, "one");
    set(1, testsupport::noise(8, 8));
    set(2, QString(200000, u'x'));
    QDir(folder.path()).mkpath("Templates/1.txt"); // a directory at 1.txt; a full disk keeps the old 3.txt
    folder.write("Templates/3.txt", "old\r\n");
    {
        testsupport::FileSizeLimit full(100000);
        window->close();
    }
    EXPECT_FALSE(window->isVisible());
    if (testsupport::FileSizeLimit::works) {
        EXPECT_EQ(folder.read("Templates/3.txt"), "old\r\n");
    }
    const QByteArray third = testsupport::FileSizeLimit::works ? "3=\r\n" : "3=3.txt\r\n";
    EXPECT_TRUE(ini().contains("SaveClipboard=True\r\n1=\r\n2=2.bmp\r\n" + third)) << ini().toStdString();
}

} // namespace
