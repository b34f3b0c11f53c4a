// Escape and the digits 1 to 6 switch tabs from the window and its listed controls,
// without taking the key away from the control; other controls keep their keys.

#include "app/window/keyrouter.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using KeysTest = WindowFixture;

TEST_F(KeysTest, DigitsAndEscapeSwitchTabsFromTheWindowAndTheFocusButton)
{
    QWidget *fob = control(QStringLiteral("cmdFob"));
    for (int tab : {3, 6, 2, 5, 4, 1, 3}) {
        QTest::keyClick(fob, char('0' + tab));
        EXPECT_EQ(window->currentTab(), tab);
        EXPECT_EQ(QApplication::focusWidget(), fob); // so the next key works too
    }
    QTest::keyClick(fob, Qt::Key_Escape);
    EXPECT_EQ(window->currentTab(), 1);

    QTest::keyClick(window.get(), '5');
    EXPECT_EQ(window->currentTab(), 5);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->currentTab(), 1);

    for (char other : {'0', '7', '9', 'a', ' '}) {
        QTest::keyClick(fob, other);
        EXPECT_EQ(window->currentTab(), 1) << other;
    }
}

TEST_F(KeysTest, EveryListedControlOfTheWindowPassesItsKeys)
{
    const char *listed[] = {"cmdFormat_0", "cmdFormat_3", "picIconMerge", "picLiveGrabTray", "picTemplates",
                            "picIconPanelTray", "picLiveGrab", "picSettings", "picSource", "picTemp", "chkIcon"};
    for (const char *name : listed) {
        QWidget *w = control(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        window->showTab(2);
        QTest::keyClick(w, '6');
        EXPECT_EQ(window->currentTab(), 6) << name;
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_EQ(window->currentTab(), 1) << name;
    }
}

// The controls that pass their keys on: single controls by name, arrays by name and index.
const QStringList passingSingles = {
    "cmdFob", "cmdReload", "cmdWikiCodeBuffedArmor", "picComboBoxCover", "picIconMerge", "picLiveGrabTray",
    "picTemplates", "picIconPanelTray", "picLiveGrab", "picSettings", "picSource", "picSpawnMap", "picTemp",
    "chkIcon", "chkSaveFile", "cmbEdgeEffect", "chkAutoCopyName", "chkAutoName", "chkIconDefaultPath",
    "chkLiveDefaultPath", "chkPanelDefaultPath", "cmdCreateSpawnMap", "cmdUpdateTemplates", "cmdCycleCategories",
    "cmdSetWindowAlpha", "chkSaveStatsPanel", "chkAlwaysOnTop", "chkTransparentForm", "chkSaveClipboard"};
const QStringList passingArrays = {"cmdFormat", "cmdTemplate", "optIconFileType", "optIconPosition",
                                   "optLiveFileType", "optPanelFileType", "picBacking", "picChangeLevel",
                                   "picStore", "cmdCrop", "cmdExtractPanel", "cmdClipboard", "chkBane"};

// The listed name a control answers to, or an empty text; the drop-down's keys arrive at
// the drop-down or at its line edit.
QString listedName(const QWidget *w)
{
    if (w->objectName() == QLatin1String("cmbExtraTemplates"))
        return w->objectName();
    if (auto *combo = qobject_cast<const QComboBox *>(w->parentWidget());
        combo && combo->objectName() == QLatin1String("cmbExtraTemplates") && combo->lineEdit() == w)
        return combo->objectName();
    const QString name = w->objectName();
    if (passingSingles.contains(name))
        return name;
    static const QRegularExpression element(QStringLiteral("^([A-Za-z]+)_\\d+$"));
    const auto match = element.match(name);
    if (match.hasMatch() && passingArrays.contains(match.captured(1)))
        return match.captured(1);
    return {};
}

TEST_F(KeysTest, ExactlyTheListedControlsPassTheirKeys)
{
    // 44 in all, arrays counting once: the lists, the drop-down and the window.
    EXPECT_EQ(passingSingles.size() + passingArrays.size() + 2, 44);
    ASSERT_NE(window->keyRouter(), nullptr);
    EXPECT_TRUE(window->keyRouter()->passesKeys(window.get()));

    QSet<QString> present;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString listed = listedName(w);
        EXPECT_EQ(window->keyRouter()->passesKeys(w), !listed.isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString() << " as "
            << listed.toStdString();
        if (listed.isEmpty())
            continue;
        present.insert(listed);
        for (int from : {2, 6}) {
            window->showTab(from);
            QTest::keyClick(w, '5');
            EXPECT_EQ(window->currentTab(), 5) << w->objectName().toStdString() << " from " << from;
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_EQ(window->currentTab(), 1) << w->objectName().toStdString();
        }
    }
    // Those of this window's own making are all there; the rest arrive with their panels.
    for (const char *name : {"cmdFob", "cmdReload", "cmbExtraTemplates", "cmdFormat", "cmdTemplate",
                             "optIconFileType", "optIconPosition", "optLiveFileType", "optPanelFileType",
                             "picBacking", "picIconMerge", "picLiveGrabTray", "picTemplates", "picIconPanelTray",
                             "picLiveGrab", "picSettings", "picSource", "picStore", "picTemp", "cmdCrop",
                             "cmdExtractPanel", "chkIcon", "chkSaveFile", "cmbEdgeEffect", "cmdClipboard",
                             "chkAutoCopyName", "chkAutoName", "chkIconDefaultPath", "chkLiveDefaultPath",
                             "chkPanelDefaultPath", "cmdUpdateTemplates", "cmdCycleCategories",
                             "cmdSetWindowAlpha", "chkSaveStatsPanel", "chkAlwaysOnTop", "chkTransparentForm",
                             "chkSaveClipboard"})
        EXPECT_TRUE(present.contains(QString::fromLatin1(name))) << name;
}

TEST_F(KeysTest, DigitsReachTheShortcutsFromTheClickedDropDown)
{
    window->showTab(3);
    auto *combo = control<QComboBox>(QStringLiteral("cmbExtraTemplates"));
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QWidget *focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, '5');
    EXPECT_EQ(window->currentTab(), 5) << focused->metaObject()->className();
}

TEST_F(KeysTest, UnlistedControlsKeepTheirKeys)
{
    QStringList names = {"txtIconLeft", "txtColorBalance_0", "txtLevelXP_0", "cmdFreeCrop", "chkToolTips"};
    int tried = 0;
    for (const QString &name : names) {
        QWidget *w = window->findChild<QWidget *>(name);
        if (!w)
            continue; // a panel still to come
        ++tried;
        EXPECT_FALSE(window->keyRouter()->passesKeys(w)) << name.toStdString();
        window->showTab(2);
        if (auto *box = qobject_cast<QLineEdit *>(w)) {
            box->setFocus();
            box->clear();
            QTest::keyClick(box, '5');
            EXPECT_EQ(box->text(), QStringLiteral("5")) << name.toStdString();
        } else {
            QTest::keyClick(w, '5');
        }
        EXPECT_EQ(window->currentTab(), 2) << name.toStdString();
        window->showTab(3);
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_EQ(window->currentTab(), 3) << name.toStdString();
    }
    EXPECT_GE(tried, 4);
}

TEST_F(KeysTest, TheControlStillReceivesTheKey)
{
    // Space toggles a focused check box: the key handler must not have eaten the press.
    auto *box = window->findChild<QCheckBox *>(QStringLiteral("chkIcon"));
    box->setFocus();
    const Qt::CheckState before = box->checkState();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_NE(box->checkState(), before);
    EXPECT_EQ(window->currentTab(), 1);
}

// The mechanism on its own: a text box inside a panel that passes keys keeps its keys,
// Escape included, and a key passed on is handled once.
TEST(KeyRouter, TextBoxesKeepTheirKeysAndEachKeyIsHandledOnce)
{
    QWidget window;
    QWidget panel(&window);
    QLineEdit box(&panel);
    QPushButton listed(QStringLiteral("listed"), &panel);
    QPushButton unlisted(QStringLiteral("unlisted"), &panel);
    QList<int> requested;
    KeyRouter router(&window, [&](int tab) { requested.append(tab); });
    router.hook(&panel);
    router.hook(&listed);
    router.keepTheRest(&window);
    window.show();

    QTest::keyClicks(&box, QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    EXPECT_TRUE(requested.isEmpty());

    QTest::keyClick(&unlisted, '4');
    EXPECT_TRUE(requested.isEmpty());

    QTest::keyClick(&listed, '4');
    QTest::keyClick(&panel, '2');
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(requested, (QList<int>{4, 2, 1}));
}

TEST(KeyRouter, WhichKeysAskForATab)
{
    const auto tabFor = [](int key, const QString &text, Qt::KeyboardModifiers mods = {}) {
        return KeyRouter::tabForKey(QKeyEvent(QEvent::KeyPress, key, mods, text));
    };
    EXPECT_EQ(tabFor(Qt::Key_Escape, QString()), 1);
    EXPECT_EQ(tabFor(Qt::Key_1, QStringLiteral("1")), 1);
    EXPECT_EQ(tabFor(Qt::Key_6, QStringLiteral("6")), 6);
    EXPECT_EQ(tabFor(Qt::Key_3, QStringLiteral("3"), Qt::KeypadModifier), 3);
    EXPECT_EQ(tabFor(Qt::Key_7, QStringLiteral("7")), 0);
    EXPECT_EQ(tabFor(Qt::Key_0, QStringLiteral("0")), 0);
    EXPECT_EQ(tabFor(Qt::Key_Exclam, QStringLiteral("!"), Qt::ShiftModifier), 0);
    EXPECT_EQ(tabFor(Qt::Key_F1, QString()), 0);
}

} // namespace
