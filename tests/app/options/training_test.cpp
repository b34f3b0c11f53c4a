// Icon location training: a screenshot from the clipboard, a frame that follows the pointer
// with its 2x view, the offsets taken on release and kept when it is given up. Runs on a
// screen scaled by two as well.

#include "capture/extractgeometry.h"
#include "window.h"

namespace {

class TrainingTest : public WindowFixture {
protected:
    TrainingTest() : WindowFixture({}, 6) {}
    void SetUp() override
    {
        WindowFixture::SetUp();
        area = control("picTrainIcon");
        frame = control("shpIcon");
        train = control("cmdTrainIconLocation");
    }
    QString offsets() const
    {
        return control<QLineEdit>("txtIconLeft")->text() + ' ' + control<QLineEdit>("txtIconTop")->text();
    }
    QWidget *area = nullptr, *frame = nullptr, *train = nullptr;
};

TEST_F(TrainingTest, TheFrameFollowsThePointerOverTheScreenshotsCornerAndTheReleaseTakesTheOffsets)
{
    const QImage shot = testsupport::coordinateShot({1024, 768});
    clipboard()->setImage(shot);
    QTest::mouseClick(train, Qt::LeftButton);
    ASSERT_TRUE(area->isVisible());
    EXPECT_EQ(picture(names::workingPicture), shot);
    // The top-right corner 1:1, each screenshot pixel on a device pixel, unsmoothed.
    const bool scaled = ratioOf(area) == 2;
    const QImage view = pictureOf(area), shown = area->grab().toImage();
    ASSERT_EQ(view.size(), scaled ? QSize(640, 2 * area->height()) : area->size());
    const int shift = shot.width() - view.width();
    EXPECT_EQ(testsupport::cutMismatch(view, shot, {shift, 0, view.width(), view.height()}), QString());
    for (const QPoint p : {QPoint(view.width() - 1, 0), QPoint(200, 120), QPoint(view.width() - 1, view.height() - 1)})
        EXPECT_EQ(shown.pixel(p), view.pixel(p)) << p.x() << "," << p.y();
    // The frame starts where the offsets held would cut the icon; at odd pixels it covers them.
    EXPECT_EQ(frame->geometry(), scaled ? QRect(290, 47, 17, 16) : QRect(320 - 59, 94, 32, 32));
    hoverPixel(area, {2, 4}); // the frame centred on the pointer reaches outside: its 2x view shows black there
    EXPECT_EQ(frame->geometry(), widgetRect(area, {-14, -12, 32, 32}));
    EXPECT_EQ(picture("picInsetIconTrain"), capture::magnifiedFrame(view, {-14, -12}));
    // The offsets count from the screenshot's right edge, whatever the scale.
    const QPoint release(view.width() - 30, 110);
    hoverPixel(area, release);
    pressPixel(area, Qt::LeftButton, release);
    releasePixel(area, Qt::LeftButton, release);
    EXPECT_TRUE(area->isHidden());
    EXPECT_EQ(offsets(), "46 94");
}

TEST_F(TrainingTest, AReleaseWithoutAMoveCancelATabSwitchOrFullScreenKeepTheOffsets)
{
    typeInto(control("txtIconLeft"), "70", true);
    clipboard()->setImage(testsupport::filled({1, 1}, qRgb(200, 10, 10))); // narrower than the area
    QTest::mouseClick(train, Qt::LeftButton);
    EXPECT_EQ(frame->geometry().topLeft(), widgetPoint(area, {pictureOf(area).width() - 70, 94}));
    releasePixel(area, Qt::LeftButton, {160, 130});
    EXPECT_TRUE(area->isHidden());
    EXPECT_EQ(offsets(), "70 94");
    clipboard()->setImage(testsupport::coordinateShot({800, 600})); // cancel, or full screen: no training
    for (const char *end : {"cmdCancelTrainIcon", "lblTab_6", "optIconPosition_0"}) { // a tab switch too
        QTest::mouseClick(train, Qt::LeftButton);
        hoverPixel(area, {200, 40});
        QTest::mouseClick(control(end), Qt::LeftButton);
        EXPECT_TRUE(area->isHidden() && offsets() == "70 94") << end;
    }
    EXPECT_FALSE(train->isEnabled());
    const QImage before = picture(names::workingPicture); // without a picture the user is told, nothing changes
    clipboard()->setText("not a picture");
    QTest::mouseClick(control("optIconPosition_1"), Qt::LeftButton);
    modal::Answerer answerer;
    QTest::mouseClick(train, Qt::LeftButton);
    EXPECT_EQ(answerer.seen.value(0).title, "Train Icon");
    EXPECT_TRUE(area->isHidden() && picture(names::workingPicture) == before);
}

} // namespace
