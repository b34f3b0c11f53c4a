// Escape and the digits 1 to 6 switch tabs from the window and its listed controls,
// without taking the key from the control; other controls keep their keys.

#include "app/window/keyrouter.h"
#include "window.h"

#include <QRegularExpression>

namespace {

using KeysTest = WindowFixture;

// The controls that pass their keys on: single controls, and arrays by their name.
const QStringList passingSingles = {"cmdFob", "cmdReload", "cmdWikiCodeBuffedArmor", "picComboBoxCover", "picIconMerge",
    "picLiveGrabTray", "picTemplates", "picIconPanelTray", "picLiveGrab", "picSettings", "picSource", "picSpawnMap",
    "picTemp", "chkIcon", "chkSaveFile", "cmbEdgeEffect", "chkAutoCopyName", "chkAutoName", "chkIconDefaultPath",
    "chkLiveDefaultPath", "chkPanelDefaultPath", "cmdCreateSpawnMap", "cmdUpdateTemplates", "cmdCycleCategories",
    "cmdSetWindowAlpha", "chkSaveStatsPanel", "chkAlwaysOnTop", "chkTransparentForm", "chkSaveClipboard"};
const QStringList passingArrays
    = {"cmdFormat", "cmdTemplate", "optIconFileType", "optIconPosition", "optLiveFileType", "optPanelFileType",
        "picBacking", "picChangeLevel", "picStore", "cmdCrop", "cmdExtractPanel", "cmdClipboard", "chkBane"};

// The listed name a control answers to, or none; the drop-down's keys arrive at its line edit.
QString listedName(const QWidget *w)
{
    const auto *combo = qobject_cast<const QComboBox *>(w->parentWidget());
    if (w->objectName() == names::extraTemplates
        || (combo && combo->objectName() == names::extraTemplates && combo->lineEdit() == w))
        return names::extraTemplates;
    static const QRegularExpression element(QStringLiteral("^([A-Za-z]+)_\\d+$"));
    const auto match = element.match(w->objectName());
    if (passingSingles.contains(w->objectName()))
        return w->objectName();
    return match.hasMatch() && passingArrays.contains(match.captured(1)) ? match.captured(1) : QString();
}

TEST_F(KeysTest, ExactlyTheListedControlsPassDigitsAndEscapeOnAndKeepTheKeyToo)
{
    QSet<QString> present;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString listed = listedName(w);
        EXPECT_EQ(window->keyRouter()->passesKeys(w), !listed.isEmpty()) << w->objectName().toStdString();
        if (listed.isEmpty())
            continue;
        present.insert(listed);
        for (const int from : {2, 6}) {
            showTab(from);
            QTest::keyClick(w, '5');
            EXPECT_EQ(window->currentTab(), 5) << w->objectName().toStdString() << " from " << from;
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_EQ(window->currentTab(), 1) << w->objectName().toStdString();
        }
    }
    for (const QString &name : passingSingles + passingArrays + QStringList{names::extraTemplates})
        EXPECT_TRUE(present.contains(name) || name == "picComboBoxCover") << name.toStdString(); // none in this window
    EXPECT_TRUE(window->keyRouter()->passesKeys(window.get()));
    for (const int tab : {3, 6, 2, 5, 4, 1}) {
        QTest::keyClick(window.get(), char('0' + tab));
        EXPECT_EQ(window->currentTab(), tab);
        EXPECT_EQ(QApplication::focusWidget(), control(names::fob)); // so the next key works too
    }
    // The control still gets the key: Space toggles a focused check box.
    auto *box = control<QCheckBox>(names::icon);
    box->setFocus();
    const Qt::CheckState before = box->checkState();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_NE(box->checkState(), before);
}

TEST_F(KeysTest, TextBoxesKeepTheirKeysAndTheClickedDropDownPassesThem)
{
    for (const char *name : {"txtIconLeft", "txtColorBalance_0", "txtLevelXP_0", "txtIconPrefix", "txtLiveSuffix"}) {
        auto *box = control<QLineEdit>(name);
        EXPECT_FALSE(window->keyRouter()->passesKeys(box)) << name;
        showTab(2);
        box->setFocus();
        box->clear();
        QTest::keyClick(box, '5');
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_EQ(box->text(), "5") << name;
        EXPECT_EQ(window->currentTab(), 2) << name;
    }
    for (const char *name : {"cmdFreeCrop", "chkToolTips"}) {
        QTest::keyClick(control(name), '5');
        EXPECT_EQ(window->currentTab(), 2) << name;
    }
    showTab(3);
    QTest::mouseClick(control<QComboBox>(names::extraTemplates)->lineEdit(), Qt::LeftButton);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), '5');
    EXPECT_EQ(window->currentTab(), 5) << QApplication::focusWidget()->metaObject()->className();
}

// Which key asks for which tab: the key code or Escape's text, digits of the main keys and
// the keypad alike, nothing with Shift's symbols or a text of two characters.
TEST(KeyRouter, DigitsOneToSixAndEscapeAskForATabAndNothingElseDoes)
{
    const auto tabFor = [](int key, const QString &text, Qt::KeyboardModifiers mods = {}) {
        return KeyRouter::tabForKey(QKeyEvent(QEvent::KeyPress, key, mods, text));
    };
    for (const auto &[key, text, tab] : {std::tuple{Qt::Key_Escape, "", 1}, {Qt::Key_unknown, "\x1b", 1},
             {Qt::Key_1, "1", 1}, {Qt::Key_6, "6", 6}, {Qt::Key_7, "7", 0}, {Qt::Key_0, "0", 0},
             {Qt::Key_Exclam, "!", 0}, {Qt::Key_F1, "", 0}, {Qt::Key_1, "12", 0}})
        EXPECT_EQ(tabFor(key, text), tab) << text;
    EXPECT_EQ(tabFor(Qt::Key_3, "3", Qt::KeypadModifier), 3);
}

} // namespace
