// Escape and the digits 1 to 6 switch tabs from the window and its listed controls,
// without taking the key away from the control; other controls keep their keys.

#include "app/keyrouter.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
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
