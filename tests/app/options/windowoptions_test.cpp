// The window options on tab 6: the alpha prompt and its bad answers, the translucent and
// top-most window, and tooltips switched off and on again.

#include "app/text/templatesbox.h"
#include "window.h"

#include <QCheckBox>

namespace {

class WindowOptionsTest : public WindowFixture {
protected:
    WindowOptionsTest() : WindowFixture("[Template1]\r\nAlternatePath=Other page.txt\r\n") {}
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(6);
    }
    // Clicks "Set Window Alpha" and answers the input box.
    modal::Shown answerAlpha(const modal::Reply &answer)
    {
        modal::Answerer answerer({answer});
        QTest::mouseClick(control("cmdSetWindowAlpha"), Qt::LeftButton);
        return answerer.seen.value(0);
    }
    QMap<QString, QString> tooltips() const
    {
        QMap<QString, QString> tips;
        for (const QWidget *w : window->findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->toolTip().isEmpty())
                tips.insert(w->objectName(), w->toolTip());
        return tips;
    }
};

TEST_F(WindowOptionsTest, AlphaFromOneTo255AppliesWhileTheWindowIsTranslucentAndIsRemembered)
{
    const modal::Shown first = answerAlpha(modal::cancel);
    EXPECT_EQ(first.title, "Set Window Alpha");
    EXPECT_EQ(first.text, "Please enter a value between 1 and 255, 1 being transparent, 255 being opaque.");
    EXPECT_EQ(first.preset, "128");
    auto *transparent = control<QCheckBox>("chkTransparentForm");
    const struct {
        modal::Reply answer;
        int alpha;
    } answers[] = {{"256", 128}, {"word", 128}, {"0.4", 128}, {"0", 128}, {"", 128}, {"1", 1}, {"255", 255}, {" 126.5 ", 126},
                   {"254.6", 255}, {"200", 200}};
    for (const auto &a : answers) {
        control("chkToolTips")->setFocus();
        answerAlpha(a.answer);
        EXPECT_EQ(window->windowOpacityValue(), a.alpha) << a.answer.text->toStdString();
        EXPECT_EQ(window->focusWidget() == control(names::fob), a.alpha != 128); // only when an alpha is taken
        EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0); // nothing translucent while the box is off
    }
    EXPECT_EQ(answerAlpha(modal::cancel).preset, "200");
    QTest::mouseClick(transparent, Qt::LeftButton);
    EXPECT_NEAR(window->windowOpacity(), 200 / 255.0, 0.01);
    answerAlpha("1");
    EXPECT_NEAR(window->windowOpacity(), 1 / 255.0, 0.01); // applied at once
    QTest::mouseClick(transparent, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);

    auto *top = control<QCheckBox>("chkAlwaysOnTop");
    const QPoint at = window->pos();
    for (const bool expected : {true, false, true}) {
        QTest::mouseClick(top, Qt::LeftButton);
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), at);
    }
    QTest::mouseClick(transparent, Qt::LeftButton);
    restart(); // the alpha is remembered, neither top-most nor translucent is
    EXPECT_TRUE(ini().contains("Opacity=1\r\n")) << ini().toStdString();
    EXPECT_FALSE(ini().contains("Top=True") || ini().contains("Transparent"));
    EXPECT_FALSE(control<QCheckBox>("chkAlwaysOnTop")->isChecked() || control<QCheckBox>("chkTransparentForm")->isChecked());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
}

TEST_F(WindowOptionsTest, TooltipsOffAndOnRestoreEveryTooltipAndAreSavedInTheirPlace)
{
    auto *tips = control<QCheckBox>("chkToolTips");
    EXPECT_TRUE(tips->isChecked());
    control(names::fob)->setToolTip("set later"); // a tooltip set while the program runs survives too
    const QMap<QString, QString> before = tooltips();
    ASSERT_GT(before.size(), 40);
    EXPECT_TRUE(before.value("cmdTemplate_1").contains("Other page"));
    for (int round = 0; round < 2; ++round) {
        tips->click();
        EXPECT_TRUE(tooltips().isEmpty());
        window->findChild<TemplatesBox *>()->reloadTemplates(); // switched off, they stay off
        EXPECT_TRUE(tooltips().isEmpty());
        tips->click();
        EXPECT_EQ(tooltips(), before) << round;
    }
    tips->click();
    window->close();
    const QByteArray written = ini();
    EXPECT_EQ(written.count("DisplayToolTips=False\r\n"), 1) << written.toStdString();
    EXPECT_LT(written.indexOf("AutoCopyFileName="), written.indexOf("DisplayToolTips"));
    EXPECT_LT(written.indexOf("DisplayToolTips"), written.indexOf("Opacity="));
    window = std::make_unique<frmVandrel>(folder.path());
    EXPECT_TRUE(tooltips().isEmpty()); // off before the window is first shown
    window->show();
    EXPECT_FALSE(control<QCheckBox>("chkToolTips")->isChecked());
}

} // namespace
