// Tab "2 Live": fixed-size and free rectangles cut out of the screenshot in the grab area
// and saved as live shots. Runs on a screen scaled by two as well, where each screenshot
// pixel lies on one device pixel.

#include "common/programinfo.h"
#include "window.h"

#include <QScreen>
#include <QScrollArea>

namespace {

using testsupport::coordinateShot;

const QByteArray captions = "[LiveShotDimensions]\r\n1=300 100\r\n4=abc\r\n6=032 032\r\n";

class LiveTest : public WindowFixture {
protected:
    LiveTest()
        : WindowFixture(captions + "[General]\r\nAutoName=True\r\nAutoCopyFileName=True\r\n[Live]\r\nPrefix=Live\r\n")
    {
    }
    void SetUp() override
    {
        WindowFixture::SetUp();
        openTab();
    }
    void openTab()
    {
        clipboard()->setImage(shot);
        QTest::mouseClick(control(names::element("lblTab", 2)), Qt::LeftButton);
        grab = control("picLiveGrab");
        crop = control("shpCrop");
    }
    QPushButton *button(int i) const { return control<QPushButton>(names::element("cmdCrop", i)); }
    QString cut(const QString &file, const QRect &rect) const
    {
        return testsupport::cutMismatch(savedImage(file), shot, rect);
    }
    // Mouse events at a device pixel, half a unit apart when scaled, as a real pointer moves.
    void send(QEvent::Type type, QPointF pixel, Qt::MouseButton button)
    {
        const QPointF at = pixel / ratioOf(grab);
        QMouseEvent event(type, at, grab->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(grab, &event);
    }
    const QImage shot = coordinateShot({1024, 768});
    QWidget *grab = nullptr, *crop = nullptr;
};

TEST_F(LiveTest, TheFixedRectangleEndsAtThePointerAndAClickSavesWhatItHolds)
{
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(grab->size(), ratioOf(grab) == 2 ? QSize(512, 384) : QSize(1024, 768));
    EXPECT_EQ(testsupport::cutMismatch(grab->grab().toImage(), shot, shot.rect()), QString()); // unsmoothed
    EXPECT_TRUE(crop->isHidden());
    hoverPixel(grab, {500, 400});
    EXPECT_EQ(window->windowTitle(), programInfo::windowCaption + " -  X: 500  Y:400");
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {200, 300, 300, 100})); // its outline: the free rectangle's test
    QTest::mouseClick(grab, Qt::LeftButton, {}, widgetPoint(grab, {500, 400}));
    ASSERT_EQ(saved().size(), 1);
    EXPECT_EQ(cut(saved()[0], {200, 300, 300, 100}), QString());
    EXPECT_EQ(clipboard()->text(), saved()[0].mid(5).chopped(4)); // live shots copy the name under Autoname too
    // The name replaced the screenshot on the clipboard: the one shown is cut again.
    for (const int i : {6, 4}) // "032 032", then "abc", which keeps it
        QTest::mouseClick(button(i), Qt::LeftButton);
    EXPECT_EQ(pictureOf(grab), shot);
    EXPECT_EQ(crop->size(), widgetSize(grab, {32, 32}));
    hoverPixel(grab, {400, 300});
    QTest::mouseClick(grab, Qt::LeftButton, {}, widgetPoint(grab, {400, 300}));
    EXPECT_EQ(testsupport::cutMismatch(picture("picLiveTemp"), shot, {368, 268, 32, 32}), QString());
    hoverPixel(grab, {500, 400});
    ASSERT_TRUE(crop->isVisible());
    hover(window.get(), {3, 460}); // the bare window hides the rectangle
    EXPECT_TRUE(crop->isHidden());
    {
        modal::Answerer dialogs({"50", "80", "60.5", "abc", modal::cancel}); // a size of its own with Shift
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(button(2), Qt::RightButton, Qt::ShiftModifier);
        EXPECT_EQ(dialogs.seen.size(), 5);
    }
    EXPECT_EQ(button(2)->text(), "50 80");
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(crop->size(), widgetSize(grab, {50, 80}));
    clipboard()->setText("no picture"); // and once the tab put the grab area away, none is shown
    showTab(3);
    showTab(2);
    modal::Answerer dialogs;
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(dialogs.seen.value(0).text, "Copy a screen shot first, then click the button again.");
}

TEST_F(LiveTest, AFreeRectangleIsDraggedOpenAndCutOnReleaseAtOddPixelsToo)
{
    restart(captions);
    openTab();
    QTest::mouseClick(control(names::freeCrop), Qt::LeftButton);
    EXPECT_TRUE(crop->isHidden());
    modal::Answerer dialogs({"First", "Second"});
    pressPixel(grab, Qt::LeftButton, {100, 100});
    dragPixel(grab, {102, 150});
    releasePixel(grab, Qt::LeftButton, {102, 150});
    EXPECT_TRUE(dialogs.seen.isEmpty()); // too narrow: the drag goes on
    hoverPixel(grab, {40, 160});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {40, 100, 60, 60}));
    releasePixel(grab, Qt::LeftButton, {40, 160});
    ASSERT_EQ(dialogs.seen.size(), 1);
    EXPECT_TRUE(crop->isHidden());
    EXPECT_EQ(cut("First.png", {40, 100, 60, 60}), QString());
    send(QEvent::MouseButtonPress, {101, 51}, Qt::RightButton); // still free, with either button
    send(QEvent::MouseMove, {203, 99}, Qt::RightButton);
    EXPECT_EQ(window->windowTitle(), programInfo::windowCaption + " X:203 Y:99    102x48");
    EXPECT_EQ(crop->geometry(),
        ratioOf(grab) == 2 ? QRect(50, 25, 52, 25) : QRect(101, 51, 102, 48)); // covers the odd pixels
    // The outline is one device pixel on the edge pixels of what is cut.
    const QImage odd = grab->grab().toImage();
    for (const QPoint edge : {QPoint(101, 51), QPoint(202, 98), QPoint(150, 51)})
        EXPECT_EQ(odd.pixel(edge), qRgb(255, 0, 0)) << edge.x() << "," << edge.y();
    for (const QPoint near : {QPoint(100, 51), QPoint(203, 98), QPoint(102, 52)})
        EXPECT_EQ(odd.pixel(near), shot.pixel(near)) << near.x() << "," << near.y();
    send(QEvent::MouseButtonRelease, {203, 99}, Qt::RightButton);
    EXPECT_EQ(cut("Second.png", {101, 51, 102, 48}), QString());
    // A right click without exactly Shift arms a free crop too; a tab switch mid-drag disarms it.
    QTest::mouseClick(button(1), Qt::LeftButton);
    QTest::mouseClick(button(1), Qt::RightButton, Qt::ControlModifier);
    pressPixel(grab, Qt::LeftButton, {100, 100});
    dragPixel(grab, {150, 150});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {100, 100, 50, 50}));
    QTest::keyClick(grab, Qt::Key_2);
    EXPECT_FALSE(grab->isVisible());
    releasePixel(grab, Qt::LeftButton, {150, 150});
    pressPixel(grab, Qt::RightButton, {10, 10});
    releasePixel(grab, Qt::RightButton, {10, 10});
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {100, 100, 50, 50}));
    EXPECT_EQ(saved().size(), 2);
}

TEST_F(LiveTest, ADroppedFileIsTheScreenshotAndLargeOnesScroll)
{
    const QImage dropped = coordinateShot({400, 300});
    ASSERT_TRUE(dropped.save(folder.file("shot.bmp")));
    dropFiles(control(names::freeCrop), {folder.file("shot.bmp")});
    EXPECT_EQ(pictureOf(grab), dropped);
    EXPECT_EQ(QApplication::focusWidget(), control(names::freeCrop));
    // 15 x 400 + 1020 twips wide; scaled by two, the 200 units it takes leave the designed width.
    EXPECT_EQ(window->size(), ratioOf(grab) == 2 ? QSize(360, 607 + 18) : QSize(468, 607 + 18));
    pressPixel(grab, Qt::LeftButton, {100, 100});
    EXPECT_EQ(crop->size(), QSize(0, 0)); // free
    dropFiles(button(1), {folder.file("shot.bmp")});
    EXPECT_EQ(crop->size(), widgetSize(grab, {300, 100})); // fixed again
    // Larger than the screen: the window stays on it and the area scrolls to every pixel.
    clipboard()->setImage(coordinateShot({3000, 2000}));
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    const QPoint corner = widgetPoint(grab, {2900, 1900});
    qobject_cast<QScrollArea *>(grab->parentWidget()->parentWidget())->ensureVisible(corner.x(), corner.y());
    hover(grab, corner);
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {2600, 1800, 300, 100}));
    // A picture smaller than the rectangle is refused with the size it needs (the sentence is
    // the core's: ExtractGeometry tests); the grab area keeps what it showed.
    const QImage large = pictureOf(grab);
    clipboard()->setImage(coordinateShot({299, 100}));
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(pictureOf(grab), large);
    EXPECT_EQ(control("lblStatus")->property("message").toString(),
        "The picture is 299 x 100 pixels; this needs at least 300 x 100.");
}

} // namespace
