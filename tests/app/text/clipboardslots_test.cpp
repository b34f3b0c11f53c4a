// The eight expanded clipboard slots: set and get with their confirmations, and the slot
// files across a restart.

#include "window.h"

#include <QCheckBox>
#include <QMimeData>
#include <QPushButton>

namespace {

class ClipboardSlotsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(3);
    }
    void restart(std::optional<QByteArray> ini = std::nullopt)
    {
        WindowFixture::restart(std::move(ini));
        showTab(3);
    }
    QPushButton *slot(int i) const { return control<QPushButton>(names::element("cmdClipboard", i)); }
    QImage stored(int i) const { return picture(names::element("picExpandedClipboard", i)); }
    QCheckBox *saveBox() const { return control<QCheckBox>("chkSaveClipboard"); }

    // Clicks the slot and answers its question; the boxes shown, as "text?" for a question
    // with OK and Cancel.
    QStringList click(int i, Qt::MouseButton button, QMessageBox::StandardButton reply = QMessageBox::Ok)
    {
        modal::Answerer answerer({reply});
        QTest::mouseClick(slot(i), button);
        EXPECT_EQ(window->focusWidget(), slot(i));
        QStringList asked;
        for (const modal::Shown &box : answerer.seen) {
            EXPECT_EQ(box.title, "Expanded Clipboard");
            const bool question = box.icon == QMessageBox::Question && box.buttons == (QMessageBox::Ok | QMessageBox::Cancel);
            asked.append(box.text + (question ? "" : "!"));
        }
        return asked;
    }
    void set(int i, const QString &text)
    {
        clipboard()->setText(text);
        EXPECT_EQ(click(i, Qt::RightButton), QStringList{"Set new text?"});
    }
    void set(int i, const QImage &picture)
    {
        clipboard()->setImage(picture);
        EXPECT_EQ(click(i, Qt::RightButton), QStringList{"Set new picture?"});
    }
    // What a left click puts on the clipboard ("before" when nothing).
    QString get(int i)
    {
        clipboard()->setText("before");
        EXPECT_TRUE(click(i, Qt::LeftButton).isEmpty());
        return clipboard()->text();
    }
    QImage clipboardPicture() const { return clipboard()->image().convertToFormat(QImage::Format_RGB32); }
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
    set(2, QString()); // an empty text comes back empty, and the picture on the clipboard goes
    clipboard()->setImage(testsupport::noise(4, 4));
    click(2, Qt::LeftButton);
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
    EXPECT_EQ(clipboard()->text(), QString());
    clipboard()->clear(); // nothing on the clipboard, or another button: nothing happens
    EXPECT_TRUE(click(1, Qt::RightButton).isEmpty());
    clipboard()->setText("keep");
    EXPECT_TRUE(click(0, Qt::MiddleButton).isEmpty());
    EXPECT_EQ(clipboard()->text(), "keep");

    // A picture wins over a text on the clipboard, and shows until a text replaces it.
    const QImage picture = testsupport::noise(120, 90);
    auto *both = new QMimeData;
    both->setText("and text");
    both->setImageData(picture);
    clipboard()->setMimeData(both);
    EXPECT_EQ(click(4, Qt::RightButton), QStringList{"Set new picture?"});
    EXPECT_EQ(stored(4), picture);
    EXPECT_FALSE(slot(4)->icon().isNull());
    EXPECT_EQ(slot(4)->text(), QString());
    get(4);
    EXPECT_EQ(clipboardPicture(), picture);
    set(4, "words");
    EXPECT_TRUE(stored(4).isNull());
    EXPECT_TRUE(slot(4)->icon().isNull());
    EXPECT_EQ(get(4), "words");
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
}

TEST_F(ClipboardSlotsTest, SavedSlotsComeBackAfterARestartOnlyWhenAskedTo)
{
    const QImage picture = testsupport::noise(33, 17);
    saveBox()->click();
    set(0, picture);
    set(2, "abcdefg");
    set(7, "line one\r\n\r\nline three\r\n");
    restart();
    EXPECT_EQ(folder.read("Templates/3.txt"), "abcdefg\r\n");
    for (const char *line : {"SaveClipboard=True\r\n", "1=1.bmp\r\n", "2=\r\n", "3=3.txt\r\n", "8=8.txt\r\n"})
        EXPECT_TRUE(ini().contains(line)) << line;
    EXPECT_EQ(saveBox()->checkState(), Qt::Checked);
    EXPECT_EQ(slot(2)->text(), "abcdef...");
    EXPECT_EQ(get(7), "line one\r\n\r\nline three\r\n");
    EXPECT_EQ(stored(0), picture);
    get(0);
    EXPECT_EQ(clipboardPicture(), picture);

    saveBox()->click(); // off: the keys are emptied, the files stay, nothing comes back
    restart();
    for (const char *line : {"SaveClipboard=False\r\n", "1=\r\n", "3=\r\n"})
        EXPECT_TRUE(ini().contains(line)) << line;
    EXPECT_TRUE(folder.exists("Templates/1.bmp") && folder.exists("Templates/3.txt"));
    EXPECT_EQ(slot(2)->text(), "3");
    EXPECT_TRUE(stored(0).isNull());

    // Files are named by the slot; missing and unreadable ones are skipped.
    folder.write("Templates/2.txt", "two\r\n");
    folder.write("Templates/5.txt", "");
    folder.write("Templates/6.bmp", "BM not a bitmap");
    restart("[ExpandedClipboard]\r\nSaveClipboard=true\r\n2=notes.txt\r\n3=txt\r\n4=4.txt\r\n5=5.txt\r\n6=6.bmp\r\n");
    EXPECT_EQ(get(1), "two");
    EXPECT_EQ(get(2), "before"); // 3.txt is there, but "txt" names nothing
    EXPECT_EQ(slot(3)->text(), "4");
    EXPECT_EQ(slot(4)->text(), QString());
    EXPECT_EQ(get(4), QString());
    EXPECT_EQ(slot(5)->text(), "6");
}

TEST_F(ClipboardSlotsTest, SlotFilesThatCannotBeWrittenAreNotNamedAndTheWindowStillCloses)
{
    saveBox()->click();
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
    EXPECT_EQ(folder.read("Templates/3.txt"), "old\r\n");
    for (const char *line : {"SaveClipboard=True\r\n", "1=\r\n", "2=2.bmp\r\n", "3=\r\n"})
        EXPECT_TRUE(ini().contains(line)) << line;
    restart();
    EXPECT_EQ(slot(2)->text(), "3");
    ASSERT_TRUE(QDir(folder.file("Templates")).removeRecursively());
    restart();
    EXPECT_TRUE(ini().contains("2=\r\n"));
}

} // namespace
