// Icon location training: a screenshot on the clipboard, a frame that follows the pointer
// with its 2x view, offsets taken on release, kept on cancel.

#include "capturefixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using namespace capturetest;

const QString ini = QStringLiteral("Quillmark.ini");

// Every pixel differs from its neighbours in both directions, so a view that is shifted or
// transposed shows.
QImage patternedShot(int width, int height)
{
    QImage shot(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            shot.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) * 16 + (y >> 8) * 64 + x * 3 + y * 7) & 0xff));
    }
    return shot;
}

class TrainingTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->showTab(6);
        area = control(QStringLiteral("picTrainIcon"));
        frame = control(QStringLiteral("shpIcon"));
        inset = control(QStringLiteral("picInsetIconTrain"));
        train = control<QPushButton>(QStringLiteral("cmdTrainIconLocation"));
    }
    QString offsetBox(const char *name) const { return control<QLineEdit>(QString::fromLatin1(name))->text(); }
    static QImage pictureOf(QWidget *w) { return w->property("picture").value<QImage>(); }

    QWidget *area = nullptr;
    QWidget *frame = nullptr;
    QWidget *inset = nullptr;
    QPushButton *train = nullptr;
};

TEST_F(TrainingTest, TheFrameFollowsThePointerAndTheReleaseTakesTheOffsets)
{
    const QImage shot = patternedShot(1024, 768);
    QGuiApplication::clipboard()->setImage(shot);
    QTest::mouseClick(train, Qt::LeftButton);

    ASSERT_TRUE(area->isVisible());
    EXPECT_EQ(area->width(), 320);
    EXPECT_GE(area->height(), 140);
    EXPECT_EQ(area->parentWidget(), control(QStringLiteral("picSettings")));
    EXPECT_EQ(area->x(), 8);
    EXPECT_EQ(pictureOf(control(QStringLiteral("picTemp"))), shot);
    EXPECT_TRUE(control(QStringLiteral("picTemp"))->isHidden());
    // The area shows the screenshot's top-right corner 1:1: scaled by two, its 320 units
    // hold 640 pixels, each on a device pixel.
    const bool scaled = ratioOf(area) == 2;
    const QImage view = pictureOf(area);
    ASSERT_EQ(view.size(), scaled ? QSize(640, 2 * area->height()) : area->size());
    const int right = view.width() - 1;
    const int shift = shot.width() - view.width();
    for (QPoint p : {QPoint(0, 0), QPoint(right, 0), QPoint(200, 120), QPoint(right, view.height() - 1)})
        EXPECT_EQ(view.pixel(p), shot.pixel(p + QPoint(shift, 0))) << p.x() << "," << p.y();
    const QImage shown = area->grab().toImage();
    ASSERT_EQ(shown.size(), view.size());
    for (QPoint p : {QPoint(right, 0), QPoint(200, 120), QPoint(right, view.height() - 1)})
        EXPECT_EQ(shown.pixel(p), view.pixel(p)) << p.x() << "," << p.y();
    // The frame starts where the offsets held would cut the icon; at odd pixels its widget
    // covers them.
    EXPECT_EQ(frame->geometry(), scaled ? QRect(290, 47, 17, 16) : QRect(320 - 59, 94, 32, 32));
    EXPECT_TRUE(frame->isVisible());

    hoverPixel(area, {100, 50});
    EXPECT_EQ(frame->geometry(), widgetRect(area, {84, 34, 32, 32}));
    const QImage magnified = pictureOf(inset);
    ASSERT_EQ(magnified.size(), QSize(64, 64));
    for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(63, 0), QPoint(0, 63), QPoint(37, 12), QPoint(63, 63)})
        EXPECT_EQ(magnified.pixel(p), shot.pixel(QPoint(shift + 84 + p.x() / 2, 34 + p.y() / 2)))
            << p.x() << "," << p.y();

    // Near the corner the frame reaches outside the area; the view shows black there.
    hoverPixel(area, {2, 4});
    EXPECT_EQ(frame->geometry().topLeft(), widgetPoint(area, {-14, -12}));
    EXPECT_EQ(pictureOf(inset).pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pictureOf(inset).pixel(63, 63), shot.pixel(shift + 17, 19));

    // The offsets count from the screenshot's right edge, whatever the scale.
    const QPoint release(view.width() - 30, 110);
    hoverPixel(area, release);
    pressPixel(area, Qt::LeftButton, release);
    releasePixel(area, Qt::LeftButton, release);
    EXPECT_TRUE(area->isHidden());
    EXPECT_EQ(offsetBox("txtIconLeft"), QStringLiteral("46"));
    EXPECT_EQ(offsetBox("txtIconTop"), QStringLiteral("94"));

    window->close();
    const QByteArray saved = folder.read(ini);
    EXPECT_TRUE(saved.contains("[Icon]\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("OffsetLeft=46\r\nOffsetTop=94\r\n")) << saved.toStdString();
}

TEST_F(TrainingTest, AReleaseWithoutAMoveKeepsTheFrameWhereItStarted)
{
    auto *left = control<QLineEdit>(QStringLiteral("txtIconLeft"));
    left->setFocus();
    left->setText(QStringLiteral("70"));
    QTest::keyClick(left, Qt::Key_Return);

    // A 1 x 1 screenshot sits in the area's top-right pixel; the rest is black.
    QImage tiny(1, 1, QImage::Format_RGB32);
    tiny.fill(qRgb(200, 10, 10));
    QGuiApplication::clipboard()->setImage(tiny);
    QTest::mouseClick(train, Qt::LeftButton);
    ASSERT_TRUE(area->isVisible());
    const int right = pictureOf(area).width() - 1;
    EXPECT_EQ(pictureOf(area).pixel(right, 0), qRgb(200, 10, 10));
    EXPECT_EQ(pictureOf(area).pixel(right - 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(frame->geometry().topLeft(), widgetPoint(area, {right + 1 - 70, 94}));

    releasePixel(area, Qt::LeftButton, {160, 130});
    EXPECT_TRUE(area->isHidden());
    EXPECT_EQ(offsetBox("txtIconLeft"), QStringLiteral("70"));
    EXPECT_EQ(offsetBox("txtIconTop"), QStringLiteral("94"));
}

TEST_F(TrainingTest, CancelAndATabSwitchEndTheTrainingAndKeepTheOffsets)
{
    QGuiApplication::clipboard()->setImage(patternedShot(800, 600));
    QTest::mouseClick(train, Qt::LeftButton);
    ASSERT_TRUE(area->isVisible());
    hoverPixel(area, {290, 110});
    QTest::mouseClick(control(QStringLiteral("cmdCancelTrainIcon")), Qt::LeftButton);
    EXPECT_TRUE(area->isHidden());

    QTest::mouseClick(train, Qt::LeftButton);
    ASSERT_TRUE(area->isVisible());
    hoverPixel(area, {200, 40});
    window->showTab(1);
    window->showTab(6);
    EXPECT_TRUE(area->isHidden());

    // Choosing full screen ends it too: training is for the windowed geometry.
    QTest::mouseClick(train, Qt::LeftButton);
    ASSERT_TRUE(area->isVisible());
    QTest::mouseClick(control(QStringLiteral("optIconPosition_0")), Qt::LeftButton);
    EXPECT_TRUE(area->isHidden());
    EXPECT_FALSE(train->isEnabled());

    EXPECT_EQ(offsetBox("txtIconLeft"), QStringLiteral("59"));
    EXPECT_EQ(offsetBox("txtIconTop"), QStringLiteral("94"));
    window->close();
    EXPECT_TRUE(folder.read(ini).contains("OffsetLeft=59\r\nOffsetTop=94\r\n"));
}

TEST_F(TrainingTest, WithoutAPictureOnTheClipboardTheUserIsToldAndNothingChanges)
{
    auto *temp = control(QStringLiteral("picTemp"));
    const QImage tempBefore = pictureOf(temp);
    for (bool withText : {true, false}) {
        if (withText)
            QGuiApplication::clipboard()->setText(QStringLiteral("not a picture"));
        else
            QGuiApplication::clipboard()->clear();

        modal::Answerer answerer;
        QTest::mouseClick(train, Qt::LeftButton);

        ASSERT_EQ(answerer.seen.size(), 1) << withText;
        EXPECT_EQ(answerer.seen[0].title, QStringLiteral("Train Icon"));
        EXPECT_EQ(answerer.seen[0].text,
                  QStringLiteral("Copy a screen shot first, then click the Train Icon Location button again."));
        EXPECT_EQ(answerer.seen[0].buttons, QMessageBox::Ok); // OK alone
        EXPECT_TRUE(area->isHidden());
        EXPECT_EQ(pictureOf(temp), tempBefore);
        EXPECT_EQ(offsetBox("txtIconLeft"), QStringLiteral("59"));
    }
}

} // namespace
