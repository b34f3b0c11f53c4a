// The window options on tab 6: the alpha prompt and its bad answers, the translucent and
// top-most window, and tooltips switched off and on again.

#include "app/text/templatesbox.h"
#include "window.h"

namespace {

class WindowOptionsTest : public WindowFixture {
protected:
    WindowOptionsTest() : WindowFixture("[Template1]\r\nAlternatePath=Other page.txt\r\n", 6) {}
    QCheckBox *check(const QString &name) const { return control<QCheckBox>(name); }
    void answerAlpha(const modal::Reply &answer)
    {
        const QString preset = QString::number(window->windowOpacityValue());
        modal::Answerer answerer({answer});
        QTest::mouseClick(control("cmdSetWindowAlpha"), Qt::LeftButton);
        EXPECT_EQ(std::pair(answerer.seen.value(0).title, answerer.seen.value(0).preset),
            std::pair(QString("Set Window Alpha"), preset));
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

TEST_F(WindowOptionsTest, AnAlphaFromOneTo255AppliesWhileTranslucentAndIsRememberedAlone)
{
    for (const modal::Reply &bad : {modal::cancel, modal::Reply("256"), modal::Reply("0.4"), modal::Reply("word")})
        answerAlpha(bad);
    EXPECT_EQ(window->windowOpacityValue(), 128);
    check("chkToolTips")->setFocus();
    answerAlpha(" 126.5 ");
    EXPECT_EQ(window->windowOpacityValue(), 126);
    EXPECT_EQ(window->focusWidget(), control(names::fob));
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0); // nothing translucent while the box is off
    clickBox(check("chkTransparentForm"));
    EXPECT_NEAR(window->windowOpacity(), 126 / 255.0, 0.01);
    answerAlpha("1");
    EXPECT_NEAR(window->windowOpacity(), 1 / 255.0, 0.01); // applied at once
    const QPoint at = window->pos();
    for (const bool onTop : {true, false, true}) {
        clickBox(check("chkAlwaysOnTop"));
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window->isVisible() && window->pos() == at);
    }
    restart();
    EXPECT_TRUE(ini().contains("Opacity=1\r\n")) << ini().toStdString();
    EXPECT_FALSE(check("chkAlwaysOnTop")->isChecked() || check("chkTransparentForm")->isChecked()
        || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
}

TEST_F(WindowOptionsTest, TooltipsOffAndOnRestoreEveryTooltipAndAreSavedInTheirPlace)
{
    control(names::fob)->setToolTip("set later"); // a tooltip set while the program runs survives too
    const QMap<QString, QString> before = tooltips();
    ASSERT_GT(before.size(), 40);
    EXPECT_TRUE(before.value("cmdTemplate_1").contains("Other page"));
    check("chkToolTips")->click();
    window->findChild<TemplatesBox *>()->reloadTemplates(); // switched off, they stay off
    EXPECT_TRUE(tooltips().isEmpty());
    check("chkToolTips")->click();
    EXPECT_EQ(tooltips(), before);
    check("chkToolTips")->click();
    window->close();
    const QByteArray written = ini();
    EXPECT_EQ(written.count("DisplayToolTips=False\r\n"), 1) << written.toStdString();
    EXPECT_LT(written.indexOf("AutoCopyFileName="), written.indexOf("DisplayToolTips")); // in the save's order
    EXPECT_LT(written.indexOf("DisplayToolTips"), written.indexOf("Opacity="));
    window = std::make_unique<frmVandrel>(folder.path());
    EXPECT_TRUE(tooltips().isEmpty()); // off before the window is first shown
}

} // namespace
