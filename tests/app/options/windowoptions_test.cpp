// The window options on tab "6 Options": the alpha prompt and its bad answers, the
// translucent and top-most window, and tooltips switched off and on again.

#include "app/options/windowoptions.h"
#include "app/text/templatesbox.h"
#include "modalanswerer.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

using WindowOptionsTest = WindowFixture;

// Clicks "Set Window Alpha" and answers the input box.
modal::Shown answerAlpha(QWidget *button, const modal::Reply &answer)
{
    modal::Answerer answerer({answer});
    QTest::mouseClick(button, Qt::LeftButton);
    return answerer.seen.value(0);
}

TEST_F(WindowOptionsTest, SetWindowAlphaTakesOneTo255AndIgnoresEverythingElse)
{
    window->showTab(6);
    auto *button = control<QPushButton>(QStringLiteral("cmdSetWindowAlpha"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->size(), QSize(15, 15));
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_FALSE(button->icon().isNull());

    const modal::Shown first = answerAlpha(button, QStringLiteral("0"));
    EXPECT_EQ(first.title, QStringLiteral("Set Window Alpha"));
    EXPECT_EQ(first.text,
              QStringLiteral("Please enter a value between 1 and 255, 1 being transparent, 255 being opaque."));
    EXPECT_EQ(first.preset, QStringLiteral("128"));
    for (const modal::Reply &bad : {modal::Reply("256"), modal::Reply("word"), modal::Reply("0.4"),
                                    modal::Reply(QString()), modal::cancel}) {
        answerAlpha(button, bad);
        EXPECT_EQ(window->windowOpacityValue(), 128) << bad.text.value_or(QStringLiteral("<cancel>")).toStdString();
    }
    // Nothing is translucent while the box is off.
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);

    const struct {
        const char *answer;
        int alpha;
    } good[] = {{"1", 1}, {"255", 255}, {" 127.5 ", 128}, {"128.5", 128}, {"254.6", 255}};
    for (const auto &c : good) {
        window->findChild<QWidget *>(QStringLiteral("chkToolTips"))->setFocus();
        answerAlpha(button, QString::fromLatin1(c.answer));
        EXPECT_EQ(window->windowOpacityValue(), c.alpha) << c.answer;
        EXPECT_EQ(window->focusWidget(), control(QStringLiteral("cmdFob"))) << c.answer;
    }
    EXPECT_EQ(answerAlpha(button, QStringLiteral("word")).preset, QStringLiteral("255"));
}

TEST_F(WindowOptionsTest, TransparentWindowAppliesTheAlphaOnlyWhileChecked)
{
    window->showTab(6);
    auto *transparent = control<QCheckBox>(QStringLiteral("chkTransparentForm"));
    auto *button = control<QPushButton>(QStringLiteral("cmdSetWindowAlpha"));
    EXPECT_FALSE(transparent->isChecked());
    EXPECT_EQ(transparent->text(), QStringLiteral("Transparent Window"));

    QTest::mouseClick(transparent, Qt::LeftButton);
    ASSERT_TRUE(transparent->isChecked());
    EXPECT_NEAR(window->windowOpacity(), 128 / 255.0, 0.01);

    answerAlpha(button, QStringLiteral("1"));
    EXPECT_NEAR(window->windowOpacity(), 1 / 255.0, 0.01); // applied at once

    QTest::mouseClick(transparent, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    EXPECT_EQ(window->windowOpacityValue(), 1);

    answerAlpha(button, QStringLiteral("200"));
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    QTest::mouseClick(transparent, Qt::LeftButton);
    EXPECT_NEAR(window->windowOpacity(), 200 / 255.0, 0.01);
}

TEST_F(WindowOptionsTest, AlwaysOnTopSetsAndClearsTheFlagAndKeepsTheWindowShown)
{
    window->showTab(6);
    auto *top = control<QCheckBox>(QStringLiteral("chkAlwaysOnTop"));
    EXPECT_FALSE(top->isChecked());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at = window->pos();
    for (bool expected : {true, false, true}) {
        QTest::mouseClick(top, Qt::LeftButton);
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), at);
        EXPECT_EQ(window->currentTab(), 6);
    }
}

TEST(WindowOptionsRuns, NeitherTopMostNorTranslucentIsRemembered)
{
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("Quillmark.ini"), "[General]\r\nOpacity=90\r\n");
    {
        frmVandrel w(folder.path());
        w.show();
        w.findChild<QCheckBox *>(QStringLiteral("chkAlwaysOnTop"))->setChecked(true);
        w.findChild<QCheckBox *>(QStringLiteral("chkTransparentForm"))->setChecked(true);
        EXPECT_NEAR(w.windowOpacity(), 90 / 255.0, 0.01);
        w.close();
    }
    const QByteArray written = folder.read(QStringLiteral("Quillmark.ini"));
    EXPECT_TRUE(written.contains("Opacity=90\r\n")) << written.toStdString();
    EXPECT_FALSE(written.contains("Top=True")) << written.toStdString();
    EXPECT_FALSE(written.contains("Transparent")) << written.toStdString();

    frmVandrel again(folder.path());
    again.show();
    EXPECT_FALSE(again.findChild<QCheckBox *>(QStringLiteral("chkAlwaysOnTop"))->isChecked());
    EXPECT_FALSE(again.findChild<QCheckBox *>(QStringLiteral("chkTransparentForm"))->isChecked());
    EXPECT_FALSE(again.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_DOUBLE_EQ(again.windowOpacity(), 1.0);
    again.close();
}

QMap<QString, QString> tooltipsOf(const QWidget &window)
{
    QMap<QString, QString> tips;
    for (const QWidget *w : window.findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->toolTip().isEmpty())
            tips.insert(w->objectName(), w->toolTip());
    return tips;
}

int shownTooltips(const QWidget &window)
{
    return int(tooltipsOf(window).size());
}

TEST(WindowOptionsTooltips, OffAndOnRestoresEveryTooltipIncludingTheTemplateButtons)
{
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("Quillmark.ini"), "[Template1]\r\nAlternatePath=Other page.txt\r\n");
    frmVandrel w(folder.path());
    w.show();
    auto *tips = w.findChild<QCheckBox *>(QStringLiteral("chkToolTips"));
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->text(), QStringLiteral("Display Tooltips"));
    EXPECT_TRUE(tips->isChecked());

    // A tooltip set while the program runs survives too.
    QWidget *fob = w.findChild<QWidget *>(QStringLiteral("cmdFob"));
    fob->setToolTip(QStringLiteral("set later"));
    const QMap<QString, QString> before = tooltipsOf(w);
    ASSERT_GT(before.size(), 40);
    ASSERT_TRUE(before.contains(QStringLiteral("cmdTemplate_1")));
    EXPECT_TRUE(before.value(QStringLiteral("cmdTemplate_1")).contains(QStringLiteral("Other page")));
    EXPECT_TRUE(before.contains(QStringLiteral("cmdTemplate_20")));
    EXPECT_TRUE(before.contains(QStringLiteral("cmdSetWindowAlpha")));

    for (int round = 0; round < 2; ++round) {
        tips->click();
        EXPECT_EQ(shownTooltips(w), 0);
        // A reload sets the template tooltips again; switched off, they stay off.
        w.findChild<TemplatesBox *>()->reloadTemplates();
        EXPECT_EQ(shownTooltips(w), 0);
        tips->click();
        EXPECT_EQ(tooltipsOf(w), before) << round;
    }
    w.close();
    const QByteArray written = folder.read(QStringLiteral("Quillmark.ini"));
    // In the save's order: after AutoCopyFileName, before Opacity.
    const qsizetype copy = written.indexOf("AutoCopyFileName="), shown = written.indexOf("DisplayToolTips=True\r\n"),
                    opacity = written.indexOf("Opacity=");
    EXPECT_GE(copy, 0) << written.toStdString();
    EXPECT_LT(copy, shown);
    EXPECT_LT(shown, opacity);
}

TEST(WindowOptionsTooltips, SwitchedOffInTheSettingsStartsClearedAndIsSavedSo)
{
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("Quillmark.ini"), "[General]\r\nDisplayToolTips=false\r\n");
    {
        frmVandrel w(folder.path());
        EXPECT_EQ(shownTooltips(w), 0); // before it is first shown
        w.show();
        auto *tips = w.findChild<QCheckBox *>(QStringLiteral("chkToolTips"));
        EXPECT_FALSE(tips->isChecked());
        tips->click();
        EXPECT_EQ(w.findChild<QWidget *>(QStringLiteral("cmdTemplate_3"))->toolTip().isEmpty(), false);
        EXPECT_EQ(w.findChild<QWidget *>(QStringLiteral("chkToolTips"))->toolTip(),
                  QStringLiteral("When checked, buttons etc will display a tool tip when mouse hovers over it."));
        tips->click();
        w.close();
    }
    const QByteArray written = folder.read(QStringLiteral("Quillmark.ini"));
    EXPECT_TRUE(written.contains("[General]\r\nDisplayToolTips=False\r\n")) << written.toStdString();
    EXPECT_EQ(written.count("DisplayToolTips"), 1);

    frmVandrel again(folder.path());
    EXPECT_EQ(shownTooltips(again), 0);
    again.close();
}

} // namespace
