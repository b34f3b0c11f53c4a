#include "settings/checktext.h"
#include "settings/privateprofile.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(SettingsKeys, CustomFolderDefaultsToTheTemporaryFolderAndKindsDoNotCollide)
{
    using namespace settingsKeys;
    for (const QString &kind : {iconSection, panelSection, liveSection}) {
        const SettingKey path = customSavePath(kind);
        EXPECT_EQ(path.section, kind);
        EXPECT_TRUE(path.defaultValue.endsWith(QDir::separator()));
        EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(path.defaultValue)), QDir::cleanPath(QDir::tempPath()));
    }

    // Keys of different kinds must not collide in the file.
    PrivateProfile p;
    p.write(customSavePath(iconSection), "/icons/");
    p.write(customSavePath(panelSection), "/panels/");
    EXPECT_EQ(p.read(customSavePath(iconSection)), "/icons/");
    EXPECT_EQ(p.read(customSavePath(panelSection)), "/panels/");
    EXPECT_EQ(p.read(customSavePath(liveSection)), customSavePath(liveSection).defaultValue);
}

TEST(CheckText, TextToCheckStateAndBack)
{
    using modVandrel::CheckToText;
    using modVandrel::SetCheckFromText;
    EXPECT_EQ(SetCheckFromText(Qt::Checked, "FALSE"), Qt::Unchecked);
    EXPECT_EQ(SetCheckFromText(Qt::PartiallyChecked, "false"), Qt::Unchecked);
    EXPECT_EQ(SetCheckFromText(Qt::Unchecked, "tRuE"), Qt::Checked);
    EXPECT_EQ(SetCheckFromText(Qt::PartiallyChecked, "True"), Qt::Checked);
    // Anything else keeps the state, the greyed one included.
    EXPECT_EQ(SetCheckFromText(Qt::PartiallyChecked, ""), Qt::PartiallyChecked);
    EXPECT_EQ(SetCheckFromText(Qt::Checked, "yes"), Qt::Checked);
    EXPECT_EQ(SetCheckFromText(Qt::Unchecked, "1"), Qt::Unchecked);
    EXPECT_EQ(SetCheckFromText(Qt::Unchecked, "truex"), Qt::Unchecked);

    EXPECT_EQ(CheckToText(Qt::Checked), "True");
    EXPECT_EQ(CheckToText(Qt::Unchecked), "False");
    EXPECT_EQ(CheckToText(Qt::PartiallyChecked), "");
    for (const auto state : {Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked})
        EXPECT_EQ(SetCheckFromText(Qt::PartiallyChecked, CheckToText(state)), state);
}
