// Tab "6 Options": the save options of the three picture kinds, Autoname and Autocopy, the
// icon position and offsets, as loaded, as the user changes them, and as saved.

#include "settings/privateprofile.h"
#include "settings/settingskeys.h"
#include "window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const kinds[] = {"Icon", "Panel", "Live"};

class OptionsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        showTab(6);
    }
    void restart(std::optional<QByteArray> ini = std::nullopt)
    {
        WindowFixture::restart(std::move(ini));
        showTab(6);
    }
    QRadioButton *fileType(const char *kind, int i) const { return control<QRadioButton>(QStringLiteral("opt%1FileType_%2").arg(kind).arg(i)); }
    QLineEdit *box(const char *kind, const char *what) const { return control<QLineEdit>(QStringLiteral("txt%1%2").arg(kind, what)); }
    QCheckBox *check(const QString &name) const { return control<QCheckBox>(name); }
    QCheckBox *defaultPath(const char *kind) const { return check(QStringLiteral("chk%1DefaultPath").arg(kind)); }
    // The checked file type option, -1 for none; never two.
    int checkedFileType(const char *kind) const
    {
        int checked = -1;
        for (int i = 0; i < 4; ++i)
            if (fileType(kind, i)->isChecked())
                checked = checked < 0 ? i : 99;
        return checked;
    }
    // What the save wrote for key in section, exactly as it stands in the file.
    QString saved(const char *section, const char *key) const
    {
        return PrivateProfile::fromBytes(ini()).read(section, key, "<missing>");
    }
};

TEST_F(OptionsTest, StoredOptionsShowAsClicksWouldLeaveThemAndAreWrittenBackAsHeld)
{
    restart("[General]\r\nAutoName=TRUE\r\nAutoCopyFileName=true\r\nGameFullscreen=true\r\n"
            "[Icon]\r\nFileType=JPG\r\nJPGquality=0.8\r\nPrefix=  Icon  \r\nSuffix= small\r\nUseDefaultSavePath=False\r\n"
            "CustomSavePath=shots\\\r\nOffsetLeft=12.5\r\nOffsetTop=abc\r\n"
            "[Panel]\r\nFileType=tif\r\nJPGquality=150%\r\nSaveStatsPanel=maybe\r\nUseDefaultSavePath=perhaps\r\n"
            "CustomSavePath=/panels/\r\n[Live]\r\nFileType=Gif\r\nJPGquality=-5\r\n");
    const struct {
        const char *kind;
        int fileType;
        bool qualityEnabled;
        const char *quality, *prefix;
        Qt::CheckState defaultPath;
        const char *customPath;
    } kindsShown[] = {
        {"Icon", 2, true, "80%", "Icon", Qt::Unchecked, "shots\\"},
        {"Panel", -1, false, "100%", "", Qt::PartiallyChecked, "/panels/"},
        {"Live", 1, false, "-50000%", "", Qt::Checked, nullptr}, // -5 is held as -500%, shown through the rule again
    };
    for (const auto &k : kindsShown) {
        EXPECT_EQ(checkedFileType(k.kind), k.fileType) << k.kind;
        EXPECT_EQ(box(k.kind, "JPGquality")->isEnabled(), k.qualityEnabled) << k.kind;
        EXPECT_EQ(box(k.kind, "JPGquality")->text(), k.quality) << k.kind;
        EXPECT_EQ(box(k.kind, "Prefix")->text(), k.prefix) << k.kind;
        EXPECT_EQ(defaultPath(k.kind)->checkState(), k.defaultPath) << k.kind;
        EXPECT_EQ(box(k.kind, "CustomSavePath")->isEnabled(), k.defaultPath != Qt::Checked) << k.kind;
        EXPECT_EQ(box(k.kind, "CustomSavePath")->text(), k.customPath ? k.customPath : settingsKeys::defaultCustomSavePath());
    }
    EXPECT_EQ(box("Icon", "Suffix")->text(), "small");
    EXPECT_EQ(check("chkSaveStatsPanel")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(check(names::autoCopy)->checkState(), Qt::Checked);
    EXPECT_FALSE(check(names::autoCopy)->isEnabled()); // Autoname disables it
    EXPECT_TRUE(control<QRadioButton>("optIconPosition_1")->isChecked()); // only exactly "True" means full screen
    EXPECT_EQ(box("Icon", "Left")->text(), "12");
    EXPECT_EQ(box("Icon", "Top")->text(), "94");
    window->close();
    const struct {
        const char *section, *key, *value;
    } written[] = {
        {"Icon", "FileType", "jpg"},         {"Panel", "FileType", "tif"},      {"Live", "FileType", "gif"},
        {"Icon", "JPGquality", "80%"},       {"Panel", "JPGquality", "100%"},   {"Live", "JPGquality", "-500%"},
        {"Icon", "Prefix", "Icon"},          {"Icon", "Suffix", "small"},       {"Icon", "UseDefaultSavePath", "False"},
        {"Icon", "CustomSavePath", "shots\\"}, {"Panel", "SaveStatsPanel", "<missing>"}, // saved empty: greyed
        {"Panel", "UseDefaultSavePath", "False"}, {"Icon", "OffsetLeft", "12"}, {"Icon", "OffsetTop", "94"},
        {"General", "GameFullscreen", "true"}, {"General", "AutoName", "True"}, {"General", "AutoCopyFileName", "True"},
    };
    for (const auto &w : written)
        EXPECT_EQ(saved(w.section, w.key), w.value) << w.section << " " << w.key;
    EXPECT_TRUE(ini().contains("Prefix=Icon \r\n")); // the blank that parts it from the name
    EXPECT_TRUE(ini().contains("Suffix= small\r\n"));
}

TEST_F(OptionsTest, WhatTheUserChangesIsSavedAndComesBackAtTheNextStart)
{
    for (const char *kind : kinds) {
        EXPECT_EQ(checkedFileType(kind), 3) << kind; // PNG, its quality off, the default folder
        EXPECT_FALSE(box(kind, "JPGquality")->isEnabled()) << kind;
        EXPECT_FALSE(box(kind, "CustomSavePath")->isEnabled()) << kind;
    }
    QTest::mouseClick(fileType("Icon", 2), Qt::LeftButton);
    EXPECT_TRUE(box("Icon", "JPGquality")->isEnabled());
    QTest::mouseClick(fileType("Icon", 0), Qt::LeftButton);
    EXPECT_FALSE(box("Icon", "JPGquality")->isEnabled());
    QTest::mouseClick(fileType("Icon", 2), Qt::LeftButton);
    QTest::mouseClick(fileType("Panel", 1), Qt::LeftButton);
    EXPECT_EQ(checkedFileType("Icon"), 2); // each frame is its own group
    for (const auto &[typed, shown] : {std::pair{"150%", "100%"}, {"abc", "90%"}, {"0.8", "80%"}}) {
        typeInto(box("Icon", "JPGquality"), typed, true);
        EXPECT_EQ(box("Icon", "JPGquality")->text(), shown) << typed;
    }
    // Prefix and suffix are taken when the box loses the focus, the custom folder as typed.
    typeInto(box("Icon", "Prefix"), "Icon");
    typeInto(box("Icon", "Suffix"), "Big");
    typeInto(box("Live", "Prefix"), "Shot");
    typeInto(box("Live", "Prefix"), "");
    clickBox(defaultPath("Icon"));
    typeInto(box("Icon", "CustomSavePath"), "/icons/");
    clickBox(defaultPath("Live"));
    clickBox(defaultPath("Live"));
    EXPECT_FALSE(box("Live", "CustomSavePath")->isEnabled());
    clickBox(check("chkSaveStatsPanel"));
    // Typed offsets: a whole 16-bit number, else the box is put back; leaving it takes it too.
    typeInto(box("Icon", "Left"), "120", true);
    for (const char *bad : {"12.5", "abc", "", "40000", "1e2"}) {
        typeInto(box("Icon", "Left"), bad, true);
        EXPECT_EQ(box("Icon", "Left")->text(), "120") << bad;
    }
    typeInto(box("Icon", "Top"), " 30 ");
    box("Icon", "Left")->setFocus();
    EXPECT_EQ(box("Icon", "Top")->text(), "30");
    EXPECT_EQ(window->currentTab(), 6); // digits stayed in the boxes
    // Autoname disables Autocopy without changing it.
    clickBox(check(names::autoCopy));
    clickBox(check(names::autoName));
    EXPECT_FALSE(check(names::autoCopy)->isEnabled());
    EXPECT_EQ(check(names::autoCopy)->checkState(), Qt::Checked);
    // Full screen takes the offsets and the training away.
    QTest::mouseClick(control("optIconPosition_0"), Qt::LeftButton);
    for (const char *name : {"txtIconLeft", "txtIconTop", "cmdTrainIconLocation"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;

    restart();
    const struct {
        const char *section, *key, *value;
    } written[] = {{"Icon", "FileType", "jpg"},        {"Panel", "FileType", "gif"},        {"Live", "FileType", "png"},
                   {"Icon", "JPGquality", "80%"},      {"Icon", "Prefix", "Icon"},          {"Icon", "Suffix", "Big"},
                   {"Live", "Prefix", "<missing>"},    {"Icon", "UseDefaultSavePath", "False"}, {"Icon", "CustomSavePath", "/icons/"},
                   {"Live", "UseDefaultSavePath", "True"}, {"Panel", "SaveStatsPanel", "False"}, {"Icon", "OffsetLeft", "120"},
                   {"Icon", "OffsetTop", "30"},        {"General", "GameFullscreen", "True"}, {"General", "AutoName", "True"},
                   {"General", "AutoCopyFileName", "True"}};
    for (const auto &w : written)
        EXPECT_EQ(saved(w.section, w.key), w.value) << w.section << " " << w.key;
    EXPECT_EQ(checkedFileType("Icon"), 2);
    EXPECT_EQ(box("Icon", "JPGquality")->text(), "80%");
    EXPECT_EQ(box("Icon", "Prefix")->text(), "Icon");
    EXPECT_EQ(box("Icon", "CustomSavePath")->text(), "/icons/");
    EXPECT_TRUE(box("Icon", "CustomSavePath")->isEnabled());
    EXPECT_EQ(check("chkSaveStatsPanel")->checkState(), Qt::Unchecked);
    EXPECT_TRUE(control<QRadioButton>("optIconPosition_0")->isChecked());
    EXPECT_FALSE(control("cmdTrainIconLocation")->isEnabled());
    QTest::mouseClick(control("optIconPosition_1"), Qt::LeftButton);
    EXPECT_TRUE(control("cmdTrainIconLocation")->isEnabled());

    // Any other stored position flag means windowed and is written back untouched.
    restart("[General]\r\nGameFullscreen=yes\r\nAutoName=maybe\r\nAutoCopyFileName=True\r\n");
    EXPECT_TRUE(control<QRadioButton>("optIconPosition_1")->isChecked());
    EXPECT_EQ(check(names::autoName)->checkState(), Qt::PartiallyChecked); // greyed leaves Autocopy as it was
    EXPECT_TRUE(check(names::autoCopy)->isEnabled());
    restart();
    EXPECT_EQ(saved("General", "GameFullscreen"), "yes");
}

} // namespace
