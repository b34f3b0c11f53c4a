// Tab "2 Live": fixed-size and free rectangles cut out of the screenshot in the grab area
// and saved as live shots.

#include "capturefixture.h"

#include <QCursor>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

using namespace capturetest;

const QByteArray captions = "[LiveShotDimensions]\r\n1=300 100\r\n3=1000 500\r\n4=abc\r\n6=032 032\r\n";

class LiveTest : public CaptureFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"),
                     captions + "[General]\r\nAutoName=True\r\nAutoCopyFileName=True\r\n[Live]\r\nPrefix=Live\r\n");
        CaptureFixture::SetUp();
        openTab();
    }
    void openTab()
    {
        putOnClipboard(shot);
        QTest::mouseClick(control(QStringLiteral("lblTab_2")), Qt::LeftButton);
        grab = control(QStringLiteral("picLiveGrab"));
        crop = control(QStringLiteral("shpCrop"));
    }
    QPushButton *button(int i) { return control<QPushButton>(QStringLiteral("cmdCrop_%1").arg(i)); }
    // The pointer as the user moves it, from somewhere else so the move is never lost.
    void hover(QWidget *over, QPoint at)
    {
        QCursor::setPos(-1000, -1000);
        QTest::mouseMove(over, at);
    }
    QString cut(const QString &file, const QRect &rect) { return cutMismatch(savedImage(file), shot, rect); }

    const QImage shot = coordinateShot({1024, 768});
    QWidget *grab = nullptr;
    QWidget *crop = nullptr;
};

TEST_F(LiveTest, FixedRectangleFollowsThePointerAndAClickSavesIt)
{
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_TRUE(grab->isVisible());
    EXPECT_EQ(grab->property("picture").value<QImage>(), shot);
    EXPECT_EQ(crop->size(), QSize(300, 100));

    hover(grab, {500, 400});
    EXPECT_TRUE(crop->isVisible());
    EXPECT_EQ(crop->geometry(), QRect(200, 300, 300, 100));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 500  Y:400"));
    QTest::mouseClick(grab, Qt::LeftButton, {}, {500, 400});
    ASSERT_EQ(saved().size(), 1);
    const QString file = saved()[0];
    EXPECT_EQ(cut(file, {200, 300, 300, 100}), QString());
    // Live shots copy the name under Autoname too.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), file.mid(5).chopped(4));

    // Past the top-left edge: black where the screenshot ends.
    putOnClipboard(shot);
    clearSaved();
    hover(grab, {50, 40});
    QTest::mouseClick(grab, Qt::LeftButton, {}, {50, 40});
    EXPECT_EQ(cut(saved()[0], {-250, -60, 300, 100}), QString());

    putOnClipboard(shot);
    QTest::mouseClick(button(6), Qt::LeftButton);
    EXPECT_EQ(crop->size(), QSize(32, 32));
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_EQ(crop->size(), QSize(1000, 500));
    QTest::mouseClick(button(4), Qt::LeftButton); // "abc" keeps the last size
    EXPECT_EQ(crop->size(), QSize(1000, 500));
}

TEST_F(LiveTest, FreeRectangleIsDraggedOpenAndCutOnRelease)
{
    restart(captions);
    openTab();
    QTest::mouseClick(control(QStringLiteral("cmdFreeCrop")), Qt::LeftButton);
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(crop->size(), QSize(0, 0));
    hover(grab, {10, 20});
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 10  Y:20"));

    Dialogs dialogs({QStringLiteral("First"), QStringLiteral("Second")});
    QTest::mousePress(grab, Qt::LeftButton, {}, {100, 100});
    EXPECT_TRUE(crop->isVisible());
    QTest::mouseMove(grab, {102, 150});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 X:102 Y:150    2x50"));
    QTest::mouseRelease(grab, Qt::LeftButton, {}, {102, 150});
    EXPECT_TRUE(dialogs.seen.isEmpty()); // too narrow: the drag goes on
    EXPECT_TRUE(crop->isVisible());

    hover(grab, {40, 160});
    EXPECT_EQ(crop->geometry(), QRect(40, 100, 60, 60));
    QTest::mouseRelease(grab, Qt::LeftButton, {}, {40, 160});
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Image Name"));
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(cut(QStringLiteral("First.png"), {40, 100, 60, 60}), QString());

    // Still free: the next drag cuts again.
    QTest::mousePress(grab, Qt::RightButton, {}, {200, 200});
    QTest::mouseMove(grab, {260, 230});
    QTest::mouseRelease(grab, Qt::RightButton, {}, {260, 230});
    EXPECT_EQ(cut(QStringLiteral("Second.png"), {200, 200, 60, 30}), QString());
}

TEST_F(LiveTest, CustomSizesRightClicksTabSwitchAndBareWindow)
{
    {
        Dialogs dialogs({QStringLiteral("50"), QStringLiteral("80"), QStringLiteral("60.5"), QStringLiteral("abc"),
                         QString()});
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(button(2), Qt::RightButton, Qt::ShiftModifier);
        ASSERT_EQ(dialogs.seen.size(), 5);
        EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("Enter width in pixels:"));
        EXPECT_EQ(dialogs.seen[1].text, QStringLiteral("Enter height in pixels:"));
        EXPECT_EQ(dialogs.seen[1].title, QStringLiteral("Quillmark"));
    }
    EXPECT_EQ(button(2)->text(), QStringLiteral("50 80"));
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(crop->size(), QSize(50, 80));

    // The bare window hides the rectangle.
    hover(grab, {500, 400});
    ASSERT_TRUE(crop->isVisible());
    hover(window.get(), {3, 460});
    EXPECT_TRUE(crop->isHidden());

    // Right click without Shift: a free crop, disarmed by a tab switch mid-drag.
    QTest::mouseClick(button(2), Qt::RightButton, Qt::ControlModifier);
    QTest::mousePress(grab, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(grab, {150, 150});
    EXPECT_EQ(crop->geometry(), QRect(100, 100, 50, 50));
    QTest::keyClick(grab, Qt::Key_2);
    ASSERT_TRUE(grab->isHidden() || !grab->isVisible());
    QTest::mouseRelease(grab, Qt::LeftButton, {}, {150, 150});
    QTest::mousePress(grab, Qt::RightButton, {}, {10, 10}); // would start a free drag
    QTest::mouseRelease(grab, Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(crop->geometry(), QRect(100, 100, 50, 50));
    EXPECT_EQ(saved(), QStringList());
}

TEST_F(LiveTest, ScreenshotsFromClipboardAndDrops)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("text only"));
    {
        Dialogs dialogs;
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTest::mouseClick(button(1), Qt::RightButton);
        QTest::mouseClick(control(QStringLiteral("cmdFreeCrop")), Qt::LeftButton);
        ASSERT_EQ(dialogs.seen.size(), 3);
        for (const auto &seen : dialogs.seen)
            EXPECT_EQ(seen.text, QStringLiteral("Copy a screen shot first, then click the button again."));
        EXPECT_FALSE(grab->isVisible());
    }
    // Closed message boxes leave no window active offscreen; a user's window would be.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTemporaryDir dir;
    const QImage dropped = coordinateShot({400, 300});
    ASSERT_TRUE(dropped.save(dir.filePath(QStringLiteral("shot.bmp"))));
    QWidget *freeCrop = control(QStringLiteral("cmdFreeCrop"));
    dropFiles(freeCrop, {dir.filePath(QStringLiteral("shot.bmp"))});
    EXPECT_EQ(grab->property("picture").value<QImage>(), dropped);
    EXPECT_EQ(QApplication::focusWidget(), freeCrop);
    EXPECT_EQ(window->size(), QSize(468, 607)); // 15 x 400 + 1020 twips wide
    QTest::mousePress(grab, Qt::LeftButton, {}, {100, 100});
    EXPECT_EQ(crop->size(), QSize(0, 0)); // free

    dropFiles(button(1), {dir.filePath(QStringLiteral("shot.bmp"))});
    EXPECT_EQ(crop->size(), QSize(300, 100)); // fixed again
    EXPECT_EQ(QApplication::focusWidget(), button(1));
    const QString missing = dir.filePath(QStringLiteral("gone.png"));
    Dialogs dialogs;
    dropFiles(button(1), {missing});
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_TRUE(dialogs.seen[0].text.contains(QDir::toNativeSeparators(missing)));

    // Larger than the screen: the window stays on it and the grab area scrolls to every
    // pixel, whose coordinates the caption still gives.
    putOnClipboard(coordinateShot({3000, 2000}));
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    auto *holder = qobject_cast<QScrollArea *>(grab->parentWidget()->parentWidget());
    ASSERT_NE(holder, nullptr);
    holder->ensureVisible(2900, 1900);
    hover(grab, {2900, 1900});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 2900  Y:1900"));
    EXPECT_EQ(crop->geometry(), QRect(2600, 1800, 300, 100));
}

} // namespace
