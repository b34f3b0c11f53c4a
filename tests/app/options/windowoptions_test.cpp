// The window options on tab 6: the alpha prompt and its bad answers, the translucent and
// top-most window, tooltips switched off and on again, and the helps saved with them.

#include "app/text/templatesbox.h"
#include "window.h"

namespace {

class WindowOptionsTest : public WindowFixture {
protected:
    WindowOptionsTest() : WindowFixture("[Template1]\r\nAlternatePath=Other page.txt\r\n", 6) {}
    QCheckBox *check(const QString &name) const { return control<QCheckBox>(name); }
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
    clickBox(check("chkTransparentForm"));
    modal::Answerer answerer({modal::cancel, "256", "0.4", "word", " 126.5 ", "1"});
    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(control("cmdSetWindowAlpha"), Qt::LeftButton);
        EXPECT_NEAR(window->windowOpacity(), (i < 4 ? 128 : i == 4 ? 126 : 1) / 255.0, 0.01) << i; // at once
    }
    EXPECT_EQ(answerer.seen.value(5).preset, "126"); // the alpha held
    EXPECT_EQ(window->focusWidget(), control(names::fob));
    clickBox(check("chkTransparentForm"));
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0); // nothing translucent while the box is off
    const QPoint at = window->pos();
    for (const bool onTop : {true, false, true}) {
        clickBox(check("chkAlwaysOnTop"));
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window->isVisible() && window->pos() == at);
    }
    restart();
    EXPECT_TRUE(ini().contains("Opacity=1\r\n")) << ini().toStdString();
    EXPECT_FALSE(check("chkAlwaysOnTop")->isChecked() || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(WindowOptionsTest, TooltipsOffAndOnRestoreEveryTooltipAndAreSavedInTheirPlace)
{
    control(names::fob)->setToolTip("set later"); // a tooltip set while the program runs survives too
    const QMap<QString, QString> before = tooltips();
    ASSERT_GT(before.size(), 40);
    EXPECT_EQ(before.value("cmdTemplate_1"), " Right click for:   Other page");
    EXPECT_EQ(before.value("cmdTemplate_2"), "Alt template open");
    check("chkToolTips")->click();
    window->findChild<TemplatesBox *>()->reloadTemplates(); // switched off, they stay off
    EXPECT_TRUE(tooltips().isEmpty());
    // Assistive technology still reads them (a description of its own stays), and reads the
    // tooltips themselves once they are back.
    const auto description = [this](const char *name) { return control(name)->accessibleDescription(); };
    EXPECT_EQ(description("cmdTemplate_1"), before.value("cmdTemplate_1"));
    EXPECT_TRUE(description("cmdFob").startsWith("Tab leads"));
    check("chkToolTips")->click();
    EXPECT_EQ(tooltips(), before);
    EXPECT_TRUE(description("cmdTemplate_1").isEmpty() && description("cmdFob").startsWith("Tab leads"));
    check("chkToolTips")->click();
    for (const char *help : {"chkMagnifier", "chkHints"}) // saved and read as the tooltips are
        check(help)->click();
    window->close();
    window = std::make_unique<frmVandrel>(folder.path());
    EXPECT_TRUE(tooltips().isEmpty()); // off before the window is first shown
    EXPECT_FALSE(check("chkMagnifier")->isChecked() || check("chkHints")->isChecked());
}

} // namespace
