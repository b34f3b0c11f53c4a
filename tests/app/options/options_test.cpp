// The options tab: the save options of the three image kinds, Autoname, the icon position
// and the offsets, as loaded from Quillmark.ini, as the user changes them, and as saved.

#include "app/frmvandrel.h"
#include "settings/settingskeys.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::ProgramFolder;

const QString ini = QStringLiteral("Quillmark.ini");
const char *const kinds[] = {"Icon", "Panel", "Live"};

// A window over the folder, shown on the options tab; closed (and so saved) by close().
class OptionsWindow {
public:
    explicit OptionsWindow(const ProgramFolder &folder) : window_(std::make_unique<frmVandrel>(folder.path()))
    {
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        window_->showTab(6);
    }
    ~OptionsWindow() { close(); }
    void close() { window_->close(); }
    frmVandrel &window() { return *window_; }

    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        T *w = window_->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QRadioButton *fileType(const char *kind, int index) const
    {
        return get<QRadioButton>(QStringLiteral("opt%1FileType_%2").arg(QLatin1String(kind)).arg(index));
    }
    QLineEdit *box(const char *kind, const char *what) const
    {
        return get<QLineEdit>(QStringLiteral("txt%1%2").arg(QLatin1String(kind), QLatin1String(what)));
    }
    QCheckBox *defaultPath(const char *kind) const
    {
        return get<QCheckBox>(QStringLiteral("chk%1DefaultPath").arg(QLatin1String(kind)));
    }
    // The index of the checked file type option, or -1 for none.
    int checkedFileType(const char *kind) const
    {
        int checked = -1;
        for (int i = 0; i < 4; ++i) {
            if (fileType(kind, i)->isChecked()) {
                EXPECT_EQ(checked, -1) << kind << ": two options checked";
                checked = i;
            }
        }
        return checked;
    }

private:
    std::unique_ptr<frmVandrel> window_;
};

// The value written for key in section, exactly as it stands in the file.
std::string savedValue(const ProgramFolder &folder, const char *section, const char *key)
{
    const QList<QByteArray> lines = folder.read(ini).split('\n');
    bool inSection = false;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('['))
            inSection = line == QByteArray("[") + section + "]";
        else if (inSection && line.startsWith(QByteArray(key) + '='))
            return line.mid(int(qstrlen(key)) + 1).toStdString();
    }
    return "<missing>";
}

// Clicks where the box's caption is, whatever width its layout gave it.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Replaces a text box's contents by typing, then ends the edit with Enter.
void typeInto(QLineEdit *box, const QString &text, bool pressEnter = true)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (pressEnter)
        QTest::keyClick(box, Qt::Key_Return);
}

TEST(Options, WithoutSettingsEveryKindStartsAtItsDefaultsAndIsSavedSo)
{
    ProgramFolder folder;
    {
        OptionsWindow w(folder);
        for (const char *kind : kinds) {
            EXPECT_EQ(w.checkedFileType(kind), 3) << kind;
            EXPECT_FALSE(w.box(kind, "JPGquality")->isEnabled()) << kind;
            EXPECT_EQ(w.box(kind, "JPGquality")->text(), QStringLiteral("90%")) << kind;
            EXPECT_EQ(w.defaultPath(kind)->checkState(), Qt::Checked) << kind;
            EXPECT_FALSE(w.box(kind, "CustomSavePath")->isEnabled()) << kind;
            EXPECT_EQ(w.box(kind, "CustomSavePath")->text(), settingsKeys::defaultCustomSavePath()) << kind;
            EXPECT_TRUE(w.box(kind, "Prefix")->text().isEmpty()) << kind;
        }
        EXPECT_EQ(w.get<QCheckBox>(QStringLiteral("chkSaveStatsPanel"))->checkState(), Qt::Checked);
        EXPECT_EQ(w.get<QCheckBox>(QStringLiteral("chkAutoName"))->checkState(), Qt::Unchecked);
        EXPECT_TRUE(w.get<QCheckBox>(QStringLiteral("chkAutoCopyName"))->isEnabled());
        EXPECT_TRUE(w.get<QRadioButton>(QStringLiteral("optIconPosition_1"))->isChecked());
        EXPECT_EQ(w.get<QLineEdit>(QStringLiteral("txtIconLeft"))->text(), QStringLiteral("59"));
        EXPECT_EQ(w.get<QLineEdit>(QStringLiteral("txtIconTop"))->text(), QStringLiteral("94"));
        EXPECT_TRUE(w.get<QLineEdit>(QStringLiteral("txtIconLeft"))->isEnabled());
        EXPECT_TRUE(w.get(QStringLiteral("cmdTrainIconLocation"))->isEnabled());
        EXPECT_TRUE(w.get(QStringLiteral("picTrainIcon"))->isHidden());

        // Every control of the tab lies inside the panel's 344 x 575 pixels.
        QWidget *panel = w.get(QStringLiteral("picSettings"));
        for (const QWidget *child : panel->findChildren<QWidget *>()) {
            if (child->isVisibleTo(panel)) {
                const QRect at(child->mapTo(panel, QPoint(0, 0)), child->size());
                EXPECT_TRUE(panel->rect().contains(at)) << child->objectName().toStdString();
            }
        }
    }
    for (const char *kind : kinds) {
        EXPECT_EQ(savedValue(folder, kind, "FileType"), "png");
        EXPECT_EQ(savedValue(folder, kind, "JPGquality"), "90%");
        EXPECT_EQ(savedValue(folder, kind, "Prefix"), "");
        EXPECT_EQ(savedValue(folder, kind, "Suffix"), "");
        EXPECT_EQ(savedValue(folder, kind, "UseDefaultSavePath"), "True");
        EXPECT_EQ(savedValue(folder, kind, "CustomSavePath"), settingsKeys::defaultCustomSavePath().toStdString());
    }
    EXPECT_EQ(savedValue(folder, "Panel", "SaveStatsPanel"), "True");
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetLeft"), "59");
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetTop"), "94");
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "False");
    EXPECT_EQ(savedValue(folder, "General", "AutoName"), "False");
    EXPECT_EQ(savedValue(folder, "General", "AutoCopyFileName"), "False");
}

TEST(Options, StoredValuesAreShownAsClicksWouldLeaveThemAndWrittenBackAsHeld)
{
    ProgramFolder folder;
    folder.write(ini, "[General]\r\nAutoName=TRUE\r\nAutoCopyFileName=true\r\nGameFullscreen=true\r\n"
                      "[Icon]\r\nFileType=JPG\r\nJPGquality=0.8\r\nPrefix=  Icon  \r\nSuffix= small\r\n"
                      "UseDefaultSavePath=False\r\nCustomSavePath=shots\\\r\nOffsetLeft=12.5\r\nOffsetTop=abc\r\n"
                      "[Panel]\r\nFileType=tif\r\nJPGquality=150%\r\nSaveStatsPanel=maybe\r\n"
                      "UseDefaultSavePath=perhaps\r\nCustomSavePath=/panels/\r\n"
                      "[Live]\r\nFileType=Gif\r\nJPGquality=-5\r\n");
    {
        OptionsWindow w(folder);
        EXPECT_EQ(w.checkedFileType("Icon"), 2);
        EXPECT_TRUE(w.box("Icon", "JPGquality")->isEnabled());
        EXPECT_EQ(w.box("Icon", "JPGquality")->text(), QStringLiteral("80%"));
        EXPECT_EQ(w.box("Icon", "Prefix")->text(), QStringLiteral("Icon"));
        EXPECT_EQ(w.box("Icon", "Suffix")->text(), QStringLiteral("small"));
        EXPECT_EQ(w.defaultPath("Icon")->checkState(), Qt::Unchecked);
        EXPECT_TRUE(w.box("Icon", "CustomSavePath")->isEnabled());
        EXPECT_EQ(w.box("Icon", "CustomSavePath")->text(), QStringLiteral("shots\\"));

        EXPECT_EQ(w.checkedFileType("Panel"), -1);
        EXPECT_FALSE(w.box("Panel", "JPGquality")->isEnabled());
        EXPECT_EQ(w.box("Panel", "JPGquality")->text(), QStringLiteral("100%"));
        EXPECT_EQ(w.get<QCheckBox>(QStringLiteral("chkSaveStatsPanel"))->checkState(), Qt::PartiallyChecked);
        EXPECT_EQ(w.defaultPath("Panel")->checkState(), Qt::PartiallyChecked);
        EXPECT_TRUE(w.box("Panel", "CustomSavePath")->isEnabled());

        EXPECT_EQ(w.checkedFileType("Live"), 1);
        EXPECT_FALSE(w.box("Live", "JPGquality")->isEnabled());
        // -5 is read as -500%, and the box shows that number through the rule once more.
        EXPECT_EQ(w.box("Live", "JPGquality")->text(), QStringLiteral("-50000%"));

        auto *autoCopy = w.get<QCheckBox>(QStringLiteral("chkAutoCopyName"));
        EXPECT_EQ(autoCopy->checkState(), Qt::Checked);
        EXPECT_FALSE(autoCopy->isEnabled());
        // Only exactly "True" means full screen.
        EXPECT_TRUE(w.get<QRadioButton>(QStringLiteral("optIconPosition_1"))->isChecked());
        EXPECT_EQ(w.get<QLineEdit>(QStringLiteral("txtIconLeft"))->text(), QStringLiteral("12"));
        EXPECT_EQ(w.get<QLineEdit>(QStringLiteral("txtIconTop"))->text(), QStringLiteral("94"));
    }
    EXPECT_EQ(savedValue(folder, "Icon", "FileType"), "jpg");
    EXPECT_EQ(savedValue(folder, "Panel", "FileType"), "tif");
    EXPECT_EQ(savedValue(folder, "Live", "FileType"), "gif");
    EXPECT_EQ(savedValue(folder, "Icon", "JPGquality"), "80%");
    EXPECT_EQ(savedValue(folder, "Panel", "JPGquality"), "100%");
    EXPECT_EQ(savedValue(folder, "Live", "JPGquality"), "-500%");
    EXPECT_EQ(savedValue(folder, "Icon", "Prefix"), "Icon ");
    EXPECT_EQ(savedValue(folder, "Icon", "Suffix"), " small");
    EXPECT_EQ(savedValue(folder, "Icon", "UseDefaultSavePath"), "False");
    EXPECT_EQ(savedValue(folder, "Icon", "CustomSavePath"), "shots\\");
    EXPECT_EQ(savedValue(folder, "Panel", "SaveStatsPanel"), "");
    EXPECT_EQ(savedValue(folder, "Panel", "UseDefaultSavePath"), "False");
    EXPECT_EQ(savedValue(folder, "Panel", "CustomSavePath"), "/panels/");
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetLeft"), "12");
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetTop"), "94");
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "true");
    EXPECT_EQ(savedValue(folder, "General", "AutoName"), "True");
    EXPECT_EQ(savedValue(folder, "General", "AutoCopyFileName"), "True");
}

TEST(Options, WhatTheUserChangesIsSavedAndComesBackAtTheNextStart)
{
    ProgramFolder folder;
    {
        OptionsWindow w(folder);
        QLineEdit *iconQuality = w.box("Icon", "JPGquality");
        QTest::mouseClick(w.fileType("Icon", 2), Qt::LeftButton);
        EXPECT_TRUE(iconQuality->isEnabled());
        QTest::mouseClick(w.fileType("Icon", 0), Qt::LeftButton);
        EXPECT_FALSE(iconQuality->isEnabled());
        QTest::mouseClick(w.fileType("Icon", 2), Qt::LeftButton);
        // Each frame is its own group: the other kinds keep their choice.
        EXPECT_EQ(w.checkedFileType("Panel"), 3);
        EXPECT_EQ(w.checkedFileType("Live"), 3);
        QTest::mouseClick(w.fileType("Panel", 1), Qt::LeftButton);
        EXPECT_EQ(w.checkedFileType("Icon"), 2);

        const struct {
            const char *typed;
            const char *shown;
        } qualities[] = {{"150%", "100%"}, {"abc", "90%"}, {"0.8", "80%"}};
        for (const auto &q : qualities) {
            typeInto(iconQuality, QString::fromLatin1(q.typed));
            EXPECT_EQ(iconQuality->text(), QString::fromLatin1(q.shown)) << q.typed;
        }

        // Prefix and suffix are taken when the box loses the focus.
        typeInto(w.box("Icon", "Prefix"), QStringLiteral("Icon"), false);
        typeInto(w.box("Icon", "Suffix"), QStringLiteral("Big"), false);
        typeInto(w.box("Live", "Prefix"), QStringLiteral("Shot"), false);
        typeInto(w.box("Live", "Prefix"), QString(), false);
        w.get(QStringLiteral("txtPanelPrefix"))->setFocus();
        EXPECT_EQ(w.window().currentTab(), 6); // digits and letters stayed in the boxes

        // The custom folder is taken as it is typed, without leaving the box.
        clickBox(w.defaultPath("Icon"));
        EXPECT_TRUE(w.box("Icon", "CustomSavePath")->isEnabled());
        typeInto(w.box("Icon", "CustomSavePath"), QStringLiteral("/icons/"), false);
        clickBox(w.defaultPath("Panel"));
        typeInto(w.box("Panel", "CustomSavePath"), QStringLiteral("/panels/"), false);
        clickBox(w.defaultPath("Live"));
        clickBox(w.defaultPath("Live"));
        EXPECT_FALSE(w.box("Live", "CustomSavePath")->isEnabled());
        clickBox(w.get<QCheckBox>(QStringLiteral("chkSaveStatsPanel")));
        w.close();
    }
    EXPECT_EQ(savedValue(folder, "Icon", "FileType"), "jpg");
    EXPECT_EQ(savedValue(folder, "Panel", "FileType"), "gif");
    EXPECT_EQ(savedValue(folder, "Live", "FileType"), "png");
    EXPECT_EQ(savedValue(folder, "Icon", "JPGquality"), "80%");
    EXPECT_EQ(savedValue(folder, "Icon", "Prefix"), "Icon ");
    EXPECT_EQ(savedValue(folder, "Icon", "Suffix"), " Big");
    EXPECT_EQ(savedValue(folder, "Live", "Prefix"), "");
    EXPECT_EQ(savedValue(folder, "Icon", "UseDefaultSavePath"), "False");
    EXPECT_EQ(savedValue(folder, "Icon", "CustomSavePath"), "/icons/");
    EXPECT_EQ(savedValue(folder, "Panel", "UseDefaultSavePath"), "False");
    EXPECT_EQ(savedValue(folder, "Panel", "CustomSavePath"), "/panels/");
    EXPECT_EQ(savedValue(folder, "Live", "UseDefaultSavePath"), "True");
    EXPECT_EQ(savedValue(folder, "Panel", "SaveStatsPanel"), "False");

    OptionsWindow again(folder);
    EXPECT_EQ(again.checkedFileType("Icon"), 2);
    EXPECT_EQ(again.box("Icon", "JPGquality")->text(), QStringLiteral("80%"));
    EXPECT_EQ(again.box("Icon", "Prefix")->text(), QStringLiteral("Icon"));
    EXPECT_EQ(again.box("Icon", "CustomSavePath")->text(), QStringLiteral("/icons/"));
    EXPECT_EQ(again.box("Panel", "CustomSavePath")->text(), QStringLiteral("/panels/"));
    EXPECT_TRUE(again.box("Panel", "CustomSavePath")->isEnabled());
    EXPECT_EQ(again.get<QCheckBox>(QStringLiteral("chkSaveStatsPanel"))->checkState(), Qt::Unchecked);
}

TEST(Options, AutonameDisablesAutocopyWithoutChangingIt)
{
    ProgramFolder folder;
    {
        OptionsWindow w(folder);
        auto *autoName = w.get<QCheckBox>(QStringLiteral("chkAutoName"));
        auto *autoCopy = w.get<QCheckBox>(QStringLiteral("chkAutoCopyName"));
        clickBox(autoCopy);
        clickBox(autoName);
        EXPECT_FALSE(autoCopy->isEnabled());
        EXPECT_EQ(autoCopy->checkState(), Qt::Checked);
        clickBox(autoName);
        EXPECT_TRUE(autoCopy->isEnabled());
        EXPECT_EQ(autoCopy->checkState(), Qt::Checked);
        clickBox(autoName);
        w.close();
    }
    EXPECT_EQ(savedValue(folder, "General", "AutoName"), "True");
    EXPECT_EQ(savedValue(folder, "General", "AutoCopyFileName"), "True");

    // A greyed Autoname leaves Autocopy as it was; the first click checks it.
    folder.write(ini, "[General]\r\nAutoName=maybe\r\nAutoCopyFileName=True\r\n");
    OptionsWindow w(folder);
    auto *autoName = w.get<QCheckBox>(QStringLiteral("chkAutoName"));
    auto *autoCopy = w.get<QCheckBox>(QStringLiteral("chkAutoCopyName"));
    EXPECT_EQ(autoName->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(autoCopy->isEnabled());
    clickBox(autoName);
    EXPECT_EQ(autoName->checkState(), Qt::Checked);
    EXPECT_FALSE(autoCopy->isEnabled());
}

TEST(Options, IconPositionAndTypedOffsets)
{
    ProgramFolder folder;
    {
        OptionsWindow w(folder);
        auto *left = w.get<QLineEdit>(QStringLiteral("txtIconLeft"));
        auto *top = w.get<QLineEdit>(QStringLiteral("txtIconTop"));
        typeInto(left, QStringLiteral("120"));
        EXPECT_EQ(left->text(), QStringLiteral("120"));
        // Anything but a whole 16-bit number puts the offset back in the box.
        for (const char *bad : {"12.5", "abc", "", "40000", "1e2"}) {
            typeInto(left, QString::fromLatin1(bad));
            EXPECT_EQ(left->text(), QStringLiteral("120")) << bad;
        }
        // Leaving the box takes it as Enter does.
        typeInto(top, QStringLiteral(" 30 "), false);
        left->setFocus();
        EXPECT_EQ(top->text(), QStringLiteral("30"));
        EXPECT_EQ(w.window().currentTab(), 6);

        QTest::mouseClick(w.get(QStringLiteral("optIconPosition_0")), Qt::LeftButton);
        EXPECT_FALSE(left->isEnabled());
        EXPECT_FALSE(top->isEnabled());
        EXPECT_FALSE(w.get(QStringLiteral("cmdTrainIconLocation"))->isEnabled());
        w.close();
    }
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetLeft"), "120");
    EXPECT_EQ(savedValue(folder, "Icon", "OffsetTop"), "30");
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "True");

    {
        OptionsWindow w(folder);
        EXPECT_TRUE(w.get<QRadioButton>(QStringLiteral("optIconPosition_0"))->isChecked());
        EXPECT_FALSE(w.get(QStringLiteral("txtIconLeft"))->isEnabled());
        EXPECT_FALSE(w.get(QStringLiteral("cmdTrainIconLocation"))->isEnabled());
        QTest::mouseClick(w.get(QStringLiteral("optIconPosition_1")), Qt::LeftButton);
        EXPECT_TRUE(w.get(QStringLiteral("txtIconLeft"))->isEnabled());
        EXPECT_TRUE(w.get(QStringLiteral("cmdTrainIconLocation"))->isEnabled());
        w.close();
    }
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "False");

    // Any other stored flag means windowed and is written back untouched, until the user
    // picks a position.
    folder.write(ini, "[General]\r\nGameFullscreen=yes\r\n");
    {
        OptionsWindow w(folder);
        EXPECT_TRUE(w.get<QRadioButton>(QStringLiteral("optIconPosition_1"))->isChecked());
    }
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "yes");
    {
        OptionsWindow w(folder);
        QTest::mouseClick(w.get(QStringLiteral("optIconPosition_0")), Qt::LeftButton);
        QTest::mouseClick(w.get(QStringLiteral("optIconPosition_1")), Qt::LeftButton);
    }
    EXPECT_EQ(savedValue(folder, "General", "GameFullscreen"), "False");
}

TEST(Options, OptionsAndCheckBoxesPassTabKeysButTextBoxesKeepThem)
{
    ProgramFolder folder;
    OptionsWindow w(folder);
    QStringList passing = {QStringLiteral("optIconPosition_0"), QStringLiteral("optIconPosition_1"),
                           QStringLiteral("chkAutoCopyName"),   QStringLiteral("chkAutoName"),
                           QStringLiteral("chkSaveStatsPanel")};
    for (const char *kind : kinds) {
        for (int i = 0; i < 4; ++i)
            passing << QStringLiteral("opt%1FileType_%2").arg(QLatin1String(kind)).arg(i);
        passing << QStringLiteral("chk%1DefaultPath").arg(QLatin1String(kind));
    }
    for (const QString &name : passing) {
        w.window().showTab(6);
        QTest::keyClick(w.get(name), '2');
        EXPECT_EQ(w.window().currentTab(), 2) << name.toStdString();
    }
    w.window().showTab(6);
    for (const char *name : {"txtIconPrefix", "txtPanelJPGquality", "txtLiveCustomSavePath", "txtIconLeft"}) {
        auto *box = w.get<QLineEdit>(QString::fromLatin1(name));
        QTest::keyClick(box, '3');
        EXPECT_EQ(w.window().currentTab(), 6) << name;
    }
}

} // namespace
