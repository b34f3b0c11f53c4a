// The eight expanded clipboard slots on the real window: set and get, the confirmations,
// and the slot files across a restart.

#include "image/imagefiles.h"
#include "modalanswerer.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <functional>

namespace {

QClipboard *clipboard() { return QGuiApplication::clipboard(); }

QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 5, y * 7, x + y));
    return picture;
}

class ClipboardSlotsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->showTab(3);
    }
    QPushButton *slot(int index) const { return control<QPushButton>(QStringLiteral("cmdClipboard_%1").arg(index)); }
    QImage stored(int index) const
    {
        return control(QStringLiteral("picExpandedClipboard_%1").arg(index))->property("picture").value<QImage>();
    }
    QCheckBox *saveBox() const { return control<QCheckBox>(QStringLiteral("chkSaveClipboard")); }

    // Clicks the slot, answering the question box with reply; the boxes, as "title|text"
    // when one has the question icon, OK and Cancel.
    QStringList click(int index, Qt::MouseButton button, QMessageBox::StandardButton reply = QMessageBox::Ok)
    {
        modal::Answerer answerer({reply});
        QTest::mouseClick(slot(index), button);
        // The window's own focus: activation comes back from a closed box only later.
        EXPECT_EQ(window->focusWidget(), slot(index));
        QStringList asked;
        for (const modal::Shown &box : answerer.seen) {
            const bool question = box.icon == QMessageBox::Question
                                  && box.buttons == (QMessageBox::Ok | QMessageBox::Cancel);
            asked.append(box.title + (question ? u'|' : u'!') + box.text);
        }
        return asked;
    }
    void setText(int index, const QString &text)
    {
        clipboard()->setText(text);
        EXPECT_EQ(click(index, Qt::RightButton), QStringList{QStringLiteral("Expanded Clipboard|Set new text?")});
    }
    void setPicture(int index, const QImage &picture)
    {
        clipboard()->setImage(picture);
        EXPECT_EQ(click(index, Qt::RightButton), QStringList{QStringLiteral("Expanded Clipboard|Set new picture?")});
    }
    // What a left click puts on the clipboard ("before" when nothing).
    QString get(int index)
    {
        clipboard()->setText(QStringLiteral("before"));
        EXPECT_TRUE(click(index, Qt::LeftButton).isEmpty());
        return clipboard()->text();
    }
    QImage clipboardPicture() const { return clipboard()->image().convertToFormat(QImage::Format_RGB32); }

    void restart(const std::function<void()> &between = {})
    {
        window->close();
        window.reset();
        if (between)
            between();
        SetUp();
    }
    bool iniHas(const char *line) const { return folder.read(QStringLiteral("Quillmark.ini")).contains(line); }
};

TEST_F(ClipboardSlotsTest, ATextSlotKeepsTheWholeTextAndShowsItsStart)
{
    EXPECT_EQ(slot(7)->text(), QStringLiteral("8"));
    EXPECT_EQ(slot(7)->toolTip(), QStringLiteral("Left click to get text, right click to set text."));
    const QString text = QStringLiteral("first line\r\nsecond\nthird\r\n");
    clipboard()->setText(text);
    EXPECT_EQ(click(0, Qt::RightButton, QMessageBox::Cancel).size(), 1);
    EXPECT_EQ(slot(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(get(0), QStringLiteral("before")); // still empty

    setText(0, text);
    EXPECT_EQ(slot(0)->text(), QStringLiteral("first ..."));
    EXPECT_EQ(get(0), text);
    setText(1, QStringLiteral("abcdef"));
    EXPECT_EQ(slot(1)->text(), QStringLiteral("abcdef"));

    // An empty text comes back as an empty text, and the picture on the clipboard goes.
    setText(2, QString());
    EXPECT_EQ(slot(2)->text(), QString());
    clipboard()->setImage(testPicture(4, 4));
    click(2, Qt::LeftButton);
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
    EXPECT_EQ(clipboard()->text(), QString());

    // Nothing on the clipboard, or another mouse button: nothing happens.
    clipboard()->clear();
    EXPECT_TRUE(click(1, Qt::RightButton).isEmpty());
    clipboard()->setText(QStringLiteral("keep"));
    EXPECT_TRUE(click(0, Qt::MiddleButton).isEmpty());
    EXPECT_EQ(clipboard()->text(), QStringLiteral("keep"));
    EXPECT_EQ(slot(1)->text(), QStringLiteral("abcdef"));
}

TEST_F(ClipboardSlotsTest, APictureSlotShowsThePictureUntilATextReplacesIt)
{
    const QImage picture = testPicture(120, 90);
    clipboard()->setImage(picture);
    EXPECT_EQ(click(4, Qt::RightButton, QMessageBox::Cancel).size(), 1);
    EXPECT_TRUE(stored(4).isNull());

    // A picture wins over a text on the clipboard.
    auto *both = new QMimeData;
    both->setText(QStringLiteral("and text"));
    both->setImageData(picture);
    clipboard()->setMimeData(both);
    EXPECT_EQ(click(4, Qt::RightButton), QStringList{QStringLiteral("Expanded Clipboard|Set new picture?")});
    EXPECT_EQ(stored(4), picture);
    EXPECT_FALSE(slot(4)->icon().isNull());
    EXPECT_EQ(slot(4)->text(), QString());
    get(4);
    EXPECT_EQ(clipboardPicture(), picture);

    setText(4, QStringLiteral("words"));
    EXPECT_TRUE(stored(4).isNull());
    EXPECT_TRUE(slot(4)->icon().isNull());
    EXPECT_EQ(get(4), QStringLiteral("words"));
    EXPECT_FALSE(clipboard()->mimeData()->hasImage());
}

TEST_F(ClipboardSlotsTest, SavedSlotsComeBackAfterARestartOnlyWhenAskedTo)
{
    const QImage picture = testPicture(33, 17);
    const QString lines = QStringLiteral("line one\r\n\r\nline three\r\n");
    saveBox()->click();
    setPicture(0, picture);
    setText(2, QStringLiteral("abcdefg"));
    setText(7, lines);
    restart();
    EXPECT_EQ(folder.read(QStringLiteral("Templates/3.txt")), QByteArray("abcdefg\r\n"));
    for (const char *line : {"SaveClipboard=True\r\n", "1=1.bmp\r\n", "2=\r\n", "3=3.txt\r\n", "8=8.txt\r\n"})
        EXPECT_TRUE(iniHas(line)) << line;
    EXPECT_EQ(saveBox()->checkState(), Qt::Checked);
    EXPECT_EQ(slot(2)->text(), QStringLiteral("abcdef..."));
    EXPECT_EQ(get(7), lines);
    EXPECT_EQ(stored(0), picture);
    get(0);
    EXPECT_EQ(clipboardPicture(), picture);

    // Off: the keys are emptied, the files stay, and nothing comes back.
    saveBox()->click();
    restart();
    for (const char *line : {"SaveClipboard=False\r\n", "1=\r\n", "3=\r\n"})
        EXPECT_TRUE(iniHas(line)) << line;
    EXPECT_EQ(folder.read(QStringLiteral("Templates/3.txt")), QByteArray("abcdefg\r\n"));
    EXPECT_TRUE(folder.exists(QStringLiteral("Templates/1.bmp")));
    EXPECT_EQ(slot(2)->text(), QStringLiteral("3"));
    EXPECT_TRUE(stored(0).isNull());

    // Files are named by the slot; missing and unreadable ones are skipped.
    restart([this] {
        folder.write(QStringLiteral("Quillmark.ini"),
                     "[ExpandedClipboard]\r\nSaveClipboard=true\r\n2=notes.txt\r\n3=txt\r\n4=4.txt\r\n5=5.txt\r\n6=6.bmp\r\n");
        folder.write(QStringLiteral("Templates/2.txt"), "two\r\n");
        folder.write(QStringLiteral("Templates/5.txt"), "");
        folder.write(QStringLiteral("Templates/6.bmp"), "BM not a bitmap");
    });
    EXPECT_EQ(get(1), QStringLiteral("two"));
    EXPECT_EQ(get(2), QStringLiteral("before")); // 3.txt is there, but "txt" names nothing
    EXPECT_EQ(slot(3)->text(), QStringLiteral("4"));
    EXPECT_EQ(slot(4)->text(), QString());
    EXPECT_EQ(get(4), QString());
    EXPECT_EQ(slot(5)->text(), QStringLiteral("6"));
}

TEST_F(ClipboardSlotsTest, SlotFilesThatCannotBeWrittenAreNotNamedAndTheWindowStillCloses)
{
    saveBox()->click();
    setText(0, QStringLiteral("one"));
    setPicture(1, testPicture(8, 8));
    setText(2, QString(200000, u'x'));
    // A directory stands at 1.txt; a full disk keeps the old 3.txt, which must not come back.
    QDir(folder.path()).mkpath(QStringLiteral("Templates/1.txt"));
    folder.write(QStringLiteral("Templates/3.txt"), "old\r\n");
    {
        testsupport::FileSizeLimit full(100000);
        window->close();
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Templates/3.txt")), QByteArray("old\r\n"));
    for (const char *line : {"SaveClipboard=True\r\n", "1=\r\n", "2=2.bmp\r\n", "3=\r\n"})
        EXPECT_TRUE(iniHas(line)) << line;

    restart();
    EXPECT_EQ(slot(2)->text(), QStringLiteral("3"));
    ASSERT_TRUE(QDir(folder.file(QStringLiteral("Templates"))).removeRecursively());
    restart();
    EXPECT_TRUE(iniHas("2=\r\n"));
}

TEST_F(ClipboardSlotsTest, AFiftyMegabyteTextSurvivesASlotAndARestart)
{
    QString big;
    big.reserve(50'000'010);
    const QString line = QString(98, u'w') + QStringLiteral("\r\n");
    while (big.size() < 50'000'000)
        big += line;
    saveBox()->click();
    setText(3, big);
    EXPECT_TRUE(get(3) == big);
    restart();
    EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("Templates/4.txt"))).size(), big.size() + 2);
    EXPECT_EQ(slot(3)->text(), QStringLiteral("wwwwww..."));
    EXPECT_TRUE(get(3) == big);
}

} // namespace
