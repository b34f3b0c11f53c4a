// Tab "2 Live": fixed-size and free rectangles cut out of the screenshot in the grab area
// and saved as live shots.

#include "capturefixture.h"

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
    EXPECT_EQ(crop->size(), widgetSize(grab, {300, 100}));

    hoverPixel(grab, {500, 400});
    EXPECT_TRUE(crop->isVisible());
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {200, 300, 300, 100}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 500  Y:400"));
    clickPixel(grab, Qt::LeftButton, {500, 400});
    ASSERT_EQ(saved().size(), 1);
    const QString file = saved()[0];
    EXPECT_EQ(cut(file, {200, 300, 300, 100}), QString());
    // Live shots copy the name under Autoname too.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), file.mid(5).chopped(4));

    // Past the top-left edge: black where the screenshot ends.
    putOnClipboard(shot);
    clearSaved();
    hoverPixel(grab, {50, 40});
    clickPixel(grab, Qt::LeftButton, {50, 40});
    EXPECT_EQ(cut(saved()[0], {-250, -60, 300, 100}), QString());

    putOnClipboard(shot);
    QTest::mouseClick(button(6), Qt::LeftButton);
    EXPECT_EQ(crop->size(), widgetSize(grab, {32, 32}));
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_EQ(crop->size(), widgetSize(grab, {1000, 500}));
    QTest::mouseClick(button(4), Qt::LeftButton); // "abc" keeps the last size
    EXPECT_EQ(crop->size(), widgetSize(grab, {1000, 500}));
}

TEST_F(LiveTest, FreeRectangleIsDraggedOpenAndCutOnRelease)
{
    restart(captions);
    openTab();
    QTest::mouseClick(control(QStringLiteral("cmdFreeCrop")), Qt::LeftButton);
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(crop->size(), QSize(0, 0));
    hoverPixel(grab, {10, 20});
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 10  Y:20"));

    modal::Answerer dialogs({QStringLiteral("First"), QStringLiteral("Second")});
    pressPixel(grab, Qt::LeftButton, {100, 100});
    EXPECT_TRUE(crop->isVisible());
    dragPixel(grab, {102, 150});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 X:102 Y:150    2x50"));
    releasePixel(grab, Qt::LeftButton, {102, 150});
    EXPECT_TRUE(dialogs.seen.isEmpty()); // too narrow: the drag goes on
    EXPECT_TRUE(crop->isVisible());

    hoverPixel(grab, {40, 160});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {40, 100, 60, 60}));
    releasePixel(grab, Qt::LeftButton, {40, 160});
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_EQ(dialogs.seen[0].title, QStringLiteral("Image Name"));
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(cut(QStringLiteral("First.png"), {40, 100, 60, 60}), QString());

    // Still free: the next drag cuts again.
    pressPixel(grab, Qt::RightButton, {200, 200});
    dragPixel(grab, {260, 230});
    releasePixel(grab, Qt::RightButton, {260, 230});
    EXPECT_EQ(cut(QStringLiteral("Second.png"), {200, 200, 60, 30}), QString());
}

TEST_F(LiveTest, CustomSizesRightClicksTabSwitchAndBareWindow)
{
    {
        modal::Answerer dialogs({QStringLiteral("50"), QStringLiteral("80"), QStringLiteral("60.5"), QStringLiteral("abc"),
                                 modal::cancel});
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(button(2), Qt::RightButton, Qt::ShiftModifier);
        ASSERT_EQ(dialogs.seen.size(), 5);
        EXPECT_EQ(dialogs.seen[0].text, QStringLiteral("Enter width in pixels:"));
        EXPECT_EQ(dialogs.seen[1].text, QStringLiteral("Enter height in pixels:"));
        EXPECT_EQ(dialogs.seen[1].title, QStringLiteral("Quillmark"));
    }
    EXPECT_EQ(button(2)->text(), QStringLiteral("50 80"));
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(crop->size(), widgetSize(grab, {50, 80}));

    // The bare window hides the rectangle.
    hoverPixel(grab, {500, 400});
    ASSERT_TRUE(crop->isVisible());
    hover(window.get(), {3, 460});
    EXPECT_TRUE(crop->isHidden());

    // Right click without Shift: a free crop, disarmed by a tab switch mid-drag.
    QTest::mouseClick(button(2), Qt::RightButton, Qt::ControlModifier);
    pressPixel(grab, Qt::LeftButton, {100, 100});
    dragPixel(grab, {150, 150});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {100, 100, 50, 50}));
    QTest::keyClick(grab, Qt::Key_2);
    ASSERT_TRUE(grab->isHidden() || !grab->isVisible());
    releasePixel(grab, Qt::LeftButton, {150, 150});
    pressPixel(grab, Qt::RightButton, {10, 10}); // would start a free drag
    releasePixel(grab, Qt::RightButton, {10, 10});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {100, 100, 50, 50}));
    EXPECT_EQ(saved(), QStringList());
}

TEST_F(LiveTest, ScreenshotsFromClipboardAndDrops)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("text only"));
    {
        modal::Answerer dialogs;
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
    // 15 x 400 + 1020 twips wide; scaled by two the 200 units it takes leave the designed width.
    EXPECT_EQ(window->size(), ratioOf(grab) == 2 ? QSize(360, 607) : QSize(468, 607));
    pressPixel(grab, Qt::LeftButton, {100, 100});
    EXPECT_EQ(crop->size(), QSize(0, 0)); // free

    dropFiles(button(1), {dir.filePath(QStringLiteral("shot.bmp"))});
    EXPECT_EQ(crop->size(), widgetSize(grab, {300, 100})); // fixed again
    EXPECT_EQ(QApplication::focusWidget(), button(1));
    const QString missing = dir.filePath(QStringLiteral("gone.png"));
    modal::Answerer dialogs;
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
    const QPoint corner = widgetPoint(grab, {2900, 1900});
    holder->ensureVisible(corner.x(), corner.y());
    hover(grab, corner);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 2900  Y:1900"));
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {2600, 1800, 300, 100}));
}

// On a scaled screen the grab area shows each screenshot pixel on one device pixel, as the
// game did; the same body runs unscaled, where a unit is a pixel.
TEST_F(LiveTest, ScreenshotPixelsAreDevicePixels)
{
    const bool scaled = ratioOf(grab) == 2;
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(grab->property("picture").value<QImage>(), shot);
    EXPECT_EQ(grab->size(), scaled ? QSize(512, 384) : QSize(1024, 768));
    ASSERT_TRUE(crop->isHidden());
    // Rendered at the screen's resolution, unsmoothed: exactly the screenshot.
    const QImage shown = grab->grab().toImage();
    EXPECT_EQ(cutMismatch(shown, shot, shot.rect()), QString());

    EXPECT_EQ(crop->size(), scaled ? QSize(150, 50) : QSize(300, 100));
    hover(grab, scaled ? QPoint(250, 200) : QPoint(500, 400));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 -  X: 500  Y:400"));
    EXPECT_EQ(crop->geometry(), scaled ? QRect(100, 150, 150, 50) : QRect(200, 300, 300, 100));
    // The outline is one device pixel on the edge pixels of what is cut.
    const QImage framed = grab->grab().toImage();
    const QRgb red = qRgb(255, 0, 0);
    for (QPoint edge : {QPoint(200, 300), QPoint(499, 300), QPoint(200, 399), QPoint(499, 399), QPoint(350, 300)})
        EXPECT_EQ(framed.pixel(edge), red) << edge.x() << "," << edge.y();
    for (QPoint near : {QPoint(199, 300), QPoint(201, 301), QPoint(500, 399), QPoint(498, 398), QPoint(350, 400)})
        EXPECT_EQ(framed.pixel(near), shot.pixel(near)) << near.x() << "," << near.y();
    QTest::mouseClick(grab, Qt::LeftButton, {}, scaled ? QPoint(250, 200) : QPoint(500, 400));
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(cut(saved()[0], {200, 300, 300, 100}), QString());

    // A real pointer moves by device pixels, half a unit when scaled: odd pixels are
    // reached, framed and cut too.
    clearSaved();
    putOnClipboard(shot);
    QTest::mouseClick(control(QStringLiteral("cmdFreeCrop")), Qt::LeftButton);
    const auto send = [this](QEvent::Type type, Qt::MouseButton button, QPointF pixel) {
        const QPointF at = pixel / ratioOf(grab);
        QMouseEvent event(type, at, grab->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grab, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, {101, 51});
    send(QEvent::MouseMove, Qt::NoButton, {203, 99});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06 X:203 Y:99    102x48"));
    // The outline's widget covers the odd pixels; its line still lies on them.
    EXPECT_EQ(crop->geometry(), scaled ? QRect(50, 25, 52, 25) : QRect(101, 51, 102, 48));
    const QImage odd = grab->grab().toImage();
    for (QPoint edge : {QPoint(101, 51), QPoint(202, 98), QPoint(101, 98), QPoint(150, 51)})
        EXPECT_EQ(odd.pixel(edge), red) << edge.x() << "," << edge.y();
    for (QPoint near : {QPoint(100, 51), QPoint(101, 50), QPoint(203, 98), QPoint(150, 99), QPoint(102, 52)})
        EXPECT_EQ(odd.pixel(near), shot.pixel(near)) << near.x() << "," << near.y();
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {203, 99});
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(cut(saved()[0], {101, 51, 102, 48}), QString());
}

} // namespace
