// The helps of tab "2 Live": the magnified view with the arrow and Enter keys of a
// fixed-size crop, and the hint shown before there is a screenshot; each switched off.

#include "capture/magnifier.h"
#include "window.h"

namespace {

using namespace testsupport;

class LiveHelps : public WindowFixture {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Quillmark.ini"),
                     "[LiveShotDimensions]\r\n1=100 50\r\n[General]\r\nAutoName=True\r\n[Live]\r\nPrefix=Live\r\n");
        WindowFixture::SetUp();
        window->showTab(2);
        grab = control(QStringLiteral("picLiveGrab"));
        crop = control(QStringLiteral("shpCrop"));
        magnifier = control(QStringLiteral("picMagnifier"));
    }
    void startCrop()
    {
        clipboard()->setImage(shot);
        QTest::mouseClick(control(QStringLiteral("cmdCrop_1")), Qt::LeftButton);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    QImage shown() const { return magnifier->property("picture").value<QImage>(); }

    const QImage shot = coordinateShot({640, 480});
    QWidget *grab = nullptr, *crop = nullptr, *magnifier = nullptr;
};

TEST_F(LiveHelps, TheMagnifierFollowsThePointerAndTheKeysMoveAndCutTheRectangle)
{
    startCrop();
    EXPECT_FALSE(magnifier->isVisible());
    hoverPixel(grab, {200, 150});
    ASSERT_TRUE(magnifier->isVisible());
    EXPECT_EQ(shown(), capture::magnifiedView(shot, {200, 150}, {100, 100, 100, 50}));
    // In the corner of the visible grab area farthest from the pointer, which is near its top-left.
    EXPECT_GT(magnifier->x(), magnifier->parentWidget()->width() / 2);

    // Even steps, so that a screen scaled by two still has a whole position for the outline.
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Down, Qt::ShiftModifier);
    const QRect moved(102, 110, 100, 50);
    EXPECT_EQ(crop->geometry(), widgetRect(grab, moved));
    EXPECT_EQ(shown(), capture::magnifiedView(shot, {202, 160}, moved));

    // A key typed into a text box stays there; the digits still switch tabs.
    QLineEdit *box = control<QLineEdit>(QStringLiteral("txtIconLeft"));
    QTest::keyClick(box, Qt::Key_Left);
    EXPECT_EQ(crop->geometry(), widgetRect(grab, moved));

    for (const int enter : {Qt::Key_Return, Qt::Key_Enter}) {
        clearSaved();
        key(enter);
        ASSERT_EQ(saved().size(), 1);
        EXPECT_EQ(cutMismatch(savedImage(saved()[0]), shot, moved), QString());
    }

    key(Qt::Key_3);
    EXPECT_EQ(window->currentTab(), 3);
    EXPECT_FALSE(magnifier->isVisible());
}

TEST_F(LiveHelps, SwitchedOffTheKeysDoWhatTheyDidBeforeAndNoViewShows)
{
    QTest::mouseClick(control(QStringLiteral("chkMagnifier")), Qt::LeftButton);
    window->showTab(2);
    startCrop();
    hoverPixel(grab, {200, 150});
    EXPECT_FALSE(magnifier->isVisible());
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_EQ(crop->geometry(), widgetRect(grab, {100, 100, 100, 50}));
    EXPECT_TRUE(saved().isEmpty());
    // Free crops have no magnifier either way.
    QTest::mouseClick(control(QStringLiteral("chkMagnifier")), Qt::LeftButton);
    window->showTab(2);
    clipboard()->setImage(shot);
    QTest::mouseClick(control(QStringLiteral("cmdFreeCrop")), Qt::LeftButton);
    hoverPixel(grab, {200, 150});
    EXPECT_FALSE(magnifier->isVisible());
}

TEST_F(LiveHelps, TheHintShowsUntilThereIsAScreenshotAndNeverInAPicture)
{
    // Dark pixels where the hint stands: the empty area or the page where the grab area will be.
    const auto greyPixels = [](QWidget *w, QRect where = {}) {
        const QImage look = w->grab(where.isNull() ? w->rect() : where).toImage();
        int grey = 0;
        for (int y = 0; y < look.height(); ++y)
            for (int x = 0; x < look.width(); ++x)
                grey += qGray(look.pixel(x, y)) < 160;
        return grey;
    };
    QWidget *source = control(QStringLiteral("picSource"));
    window->showTab(1);
    EXPECT_GT(greyPixels(source), 50);
    EXPECT_TRUE(source->property("picture").value<QImage>().isNull());
    QTest::mouseClick(control(QStringLiteral("chkHints")), Qt::LeftButton);
    EXPECT_EQ(greyPixels(source), 0);
    QTest::mouseClick(control(QStringLiteral("chkHints")), Qt::LeftButton);

    clipboard()->setImage(shot);
    QTest::mouseClick(control(QStringLiteral("cmdExtractPanel_1")), Qt::RightButton);
    EXPECT_EQ(source->property("picture").value<QImage>().size(), QSize(300, 120)); // the designed first height
    window->showTab(2);
    const QRect grabPlace(48, 24, 300, 100);
    EXPECT_GT(greyPixels(window.get(), grabPlace), 50);
    QTest::mouseClick(control(QStringLiteral("chkHints")), Qt::LeftButton);
    window->showTab(2);
    EXPECT_EQ(greyPixels(window.get(), grabPlace), 0);
}

} // namespace
