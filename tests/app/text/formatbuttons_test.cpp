// The Format Text buttons on the real window: clipboard in, markup out.

#include "windowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FormatButtonsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->showTab(3);
    }

    QString clickWith(int index, Qt::MouseButton button, const QString &clipboardText)
    {
        QGuiApplication::clipboard()->setText(clipboardText);
        QWidget *b = window->findChild<QWidget *>(QStringLiteral("cmdFormat_%1").arg(index));
        EXPECT_NE(b, nullptr);
        QTest::mouseClick(b, button);
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(FormatButtonsTest, LeftAndRightClicksPutTheirMarkupOnTheClipboard)
{
    EXPECT_EQ(clickWith(3, Qt::LeftButton, QStringLiteral("Sword")), QStringLiteral("#Redirect [[Sword]]"));
    EXPECT_EQ(clickWith(3, Qt::RightButton, QStringLiteral("Weapons")), QStringLiteral("[[Category:Weapons]]"));
    EXPECT_EQ(clickWith(2, Qt::LeftButton, QStringLiteral("Sword")), QStringLiteral("[[File:Sword.jpg]]"));
    EXPECT_EQ(clickWith(2, Qt::RightButton, QStringLiteral("Sword")), QStringLiteral("{{Icon|Sword}}"));
    EXPECT_EQ(clickWith(1, Qt::LeftButton, QStringLiteral("Sword, Bow")), QStringLiteral("[[Sword]], [[Bow]]"));
    EXPECT_EQ(clickWith(1, Qt::RightButton, QStringLiteral("Sword\nBow")),
              QStringLiteral("* [[Sword]]\r\n* [[Bow]]"));
    EXPECT_EQ(clickWith(0, Qt::LeftButton, QStringLiteral("Bob tells you, hi\nThe door opens.")),
              QStringLiteral("<font color=darkgoldenrod>Bob tells you, hi</font><br>\r\n"
                             "<font color=green>The door opens.</font><br>\r\n"));
    EXPECT_EQ(clickWith(0, Qt::RightButton, QStringLiteral("Fireball")),
              QStringLiteral("<font color=cornflowerblue>Fireball</font><br>\r\n"));
    // The chat was split through the scratch file of the program folder.
    EXPECT_EQ(folder.read(QStringLiteral("Parse.tmp")), QByteArray("Fireball\r\n"));
}

TEST_F(FormatButtonsTest, OtherMouseButtonsLeaveTheClipboardAlone)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(clickWith(i, Qt::MiddleButton, QStringLiteral("untouched")), QStringLiteral("untouched")) << i;
}

TEST_F(FormatButtonsTest, TheFocusMovesToThePressedButton)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        window->showTab(3);
        clickWith(2, button, QStringLiteral("x"));
        EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget *>(QStringLiteral("cmdFormat_2")));
    }
}

TEST_F(FormatButtonsTest, AReleaseAwayFromTheButtonDoesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
    QWidget *b = window->findChild<QWidget *>(QStringLiteral("cmdFormat_3"));
    QTest::mousePress(b, Qt::RightButton);
    QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(-20, -20));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("keep"));
}

TEST_F(FormatButtonsTest, APictureOrNothingOnTheClipboardReadsAsEmptyText)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("cmdFormat_3")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#Redirect [[]]"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage()); // the transform replaces the picture

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("cmdFormat_0")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\r\n"));
}

TEST_F(FormatButtonsTest, UnicodeAndHugeTextsSurvive)
{
    const QString unicode = QStringLiteral("Épée ß 日本 \U0001F5E1");
    EXPECT_EQ(clickWith(2, Qt::RightButton, unicode), QStringLiteral("{{Icon|") + unicode + QStringLiteral("}}"));

    QString big;
    big.reserve(50 * 1024 * 1024);
    while (big.size() < 50 * 1024 * 1024)
        big += QStringLiteral("A line of a very long chat log that someone copied, says Bob\n");
    const QString coloured = clickWith(0, Qt::LeftButton, big);
    EXPECT_TRUE(coloured.startsWith(QStringLiteral("<font color=darkgoldenrod>A line")));
    EXPECT_TRUE(coloured.endsWith(QStringLiteral("</font><br>\r\n\r\n")));
}

TEST_F(FormatButtonsTest, ButtonsCarryTheirCaptionsAndTooltip)
{
    const char *captions[] = {"Dialog", "Wiki Link", "Image", "Redirect"};
    for (int i = 0; i < 4; ++i) {
        auto *b = window->findChild<QAbstractButton *>(QStringLiteral("cmdFormat_%1").arg(i));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromLatin1(captions[i]));
        EXPECT_EQ(b->toolTip(), QStringLiteral("Formats text currently in clipboard (copied text). "
                                               "Right click for alternate format operation."));
        EXPECT_EQ(b->parentWidget()->objectName(), QStringLiteral("fraFormat"));
    }
    auto *frame = window->findChild<QGroupBox *>(QStringLiteral("fraFormat"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("Format Text"));
}

} // namespace
