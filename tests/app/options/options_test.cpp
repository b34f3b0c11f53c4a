// Tab "6 Options": the save options of the three picture kinds, Autoname and Autocopy, the
// icon position and offsets, as loaded and as the user changes them (what is written is the
// options' tests' and WindowSettingsFile's).

#include "window.h"

namespace {

class OptionsTest : public WindowFixture {
protected:
    OptionsTest() : WindowFixture({}, 6) {}
    QLineEdit *box(const char *kind, const char *what) const
    {
        return control<QLineEdit>(QStringLiteral("txt%1%2").arg(kind, what));
    }
    QCheckBox *check(const QString &name) const { return control<QCheckBox>(name); }
    QCheckBox *defaultPath(const char *kind) const { return check(QStringLiteral("chk%1DefaultPath").arg(kind)); }
    // The checked file type option, -1 for none; never two.
    int fileType(const char *kind) const
    {
        int checked = -1;
        for (int i = 0; i < 4; ++i)
            if (control<QRadioButton>(QStringLiteral("opt%1FileType_%2").arg(kind).arg(i))->isChecked())
                checked = checked < 0 ? i : 99;
        return checked;
    }
};

TEST_F(OptionsTest, StoredOptionsShowAsClicksWouldLeaveThem)
{
    restart("[General]\r\nAutoName=TRUE\r\nAutoCopyFileName=true\r\nGameFullscreen=true\r\n[Icon]\r\nFileType=JPG\r\n"
            "JPGquality=0.8\r\nPrefix=  Icon  \r\nUseDefaultSavePath=False\r\nCustomSavePath=shots\\\r\n"
            "OffsetLeft=12.5\r\nOffsetTop=abc\r\n[Panel]\r\nFileType=tif\r\nUseDefaultSavePath=perhaps\r\n"
            "[Live]\r\nFileType=Gif\r\nJPGquality=-5\r\n");
    EXPECT_EQ(QList<int>({fileType("Icon"), fileType("Panel"), fileType("Live")}), QList<int>({2, -1, 1}));
    // -5 is held as -500%, and the box shows that number through the rule once more.
    EXPECT_EQ(QStringList(
                  {box("Icon", "JPGquality")->text(), box("Live", "JPGquality")->text(), box("Icon", "Prefix")->text(),
                      box("Icon", "CustomSavePath")->text(), box("Icon", "Left")->text(), box("Icon", "Top")->text()}),
        QStringList({"80%", "-50000%", "Icon", "shots\\", "12", "94"}));
    EXPECT_EQ(QList<Qt::CheckState>({defaultPath("Icon")->checkState(), defaultPath("Panel")->checkState()}),
        QList<Qt::CheckState>({Qt::Unchecked, Qt::PartiallyChecked}));
    EXPECT_TRUE(box("Panel", "CustomSavePath")->isEnabled() && !box("Live", "CustomSavePath")->isEnabled());
    EXPECT_TRUE(check(names::autoCopy)->isChecked() && !check(names::autoCopy)->isEnabled()); // Autoname disables it
    EXPECT_TRUE(control<QRadioButton>("optIconPosition_1")->isChecked()); // only exactly "True" means full screen
}

TEST_F(OptionsTest, WhatTheUserChangesTakesEffectAsTheControlsSay)
{
    EXPECT_EQ(QList<int>({fileType("Icon"), fileType("Panel"), fileType("Live")}), QList<int>({3, 3, 3}));
    for (const int i : {2, 0, 2})
        QTest::mouseClick(control(names::element("optIconFileType", i)), Qt::LeftButton);
    EXPECT_TRUE(box("Icon", "JPGquality")->isEnabled());
    QTest::mouseClick(control("optPanelFileType_1"), Qt::LeftButton);
    EXPECT_EQ(fileType("Icon"), 2); // each frame is its own group
    typeInto(box("Icon", "JPGquality"), "0.8", true);
    EXPECT_EQ(box("Icon", "JPGquality")->text(), "80%");
    typeInto(box("Icon", "Prefix"), "Icon"); // taken when the box loses the focus
    typeInto(box("Live", "Suffix"), "Shot");
    clickBox(defaultPath("Icon"));
    typeInto(box("Icon", "CustomSavePath"), "/icons/"); // taken as typed
    clickBox(check("chkSaveStatsPanel"));
    typeInto(box("Icon", "Left"), "120", true);
    typeInto(box("Icon", "Left"), "12.5", true); // anything but a whole 16-bit number puts it back
    EXPECT_EQ(box("Icon", "Left")->text(), "120");
    typeInto(box("Icon", "Top"), " 30 ");
    box("Icon", "Left")->setFocus(); // leaving the box takes it as Enter does
    EXPECT_EQ(box("Icon", "Top")->text(), "30");
    clickBox(check(names::autoCopy));
    clickBox(check(names::autoName)); // disables Autocopy without changing it
    EXPECT_TRUE(!check(names::autoCopy)->isEnabled() && check(names::autoCopy)->isChecked());
    QTest::mouseClick(control("optIconPosition_0"), Qt::LeftButton); // full screen: no offsets, no training
    for (const char *name : {"txtIconLeft", "txtIconTop", "cmdTrainIconLocation"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    restart(); // and so the next start shows it
    EXPECT_EQ(QStringList({box("Icon", "CustomSavePath")->text(), box("Icon", "Left")->text()}),
              QStringList({"/icons/", "120"}));
    EXPECT_FALSE(control("cmdTrainIconLocation")->isEnabled());
}

} // namespace
