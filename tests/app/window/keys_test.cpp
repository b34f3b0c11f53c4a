// Escape and the digits 1 to 6 switch tabs from every control of the window but the places to
// type text, without taking the key from the control.

#include "app/widgets/readingorder.h"
#include "app/widgets/statusline.h"
#include "app/window/keyrouter.h"
#include "window.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QPlainTextEdit>

namespace {

using KeysTest = WindowFixture;

// The places to type text keep their keys; a drop-down's own line edit is part of the
// drop-down, which passes them on like a button.
bool typesText(const QWidget *w)
{
    if (qobject_cast<const QComboBox *>(w->parentWidget()))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

// Every control a user can put the focus on, on every tab, made now or later: the digit of
// another tab and Escape switch tabs, except in a place to type, where they are typed.
TEST_F(KeysTest, EveryControlButThePlacesToTypePassesDigitsAndEscapeAndStillGetsTheKey)
{
    auto *later = new QPushButton(QStringLiteral("Later"), control("picSettings"));
    later->setObjectName(QStringLiteral("Later"));
    later->show();
    QSet<QString> walked;
    int typing = 0;
    for (int tab = 1; tab <= frmVandrel::tabCount; ++tab) {
        showTab(tab);
        QList<QWidget *> controls;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled() && w->window() == window.get())
                controls.append(w);
        for (QWidget *w : controls) {
            const std::string name = w->objectName().toStdString() + " " + w->metaObject()->className();
            const int to = tab % frmVandrel::tabCount + 1;
            const bool types = typesText(w);
            typing += types;
            walked.insert(w->objectName());
            for (const auto &[key, expected] : {std::pair{Qt::Key(Qt::Key_0 + to), to}, {Qt::Key_Escape, 1}}) {
                showTab(tab);
                w->setFocus();
                ASSERT_TRUE(w->hasFocus()) << name;
                auto *box = qobject_cast<QLineEdit *>(w);
                if (box && types)
                    box->clear();
                QTest::keyClick(QApplication::focusWidget(), key);
                EXPECT_EQ(window->currentTab(), types ? tab : expected) << name << " on tab " << tab;
                if (box && types && key != Qt::Key_Escape) {
                    EXPECT_EQ(box->text(), QString::number(to)) << name;
                }
            }
        }
    }
    EXPECT_GE(typing, 30);
    for (const char *name : {"cmdFreeCrop", "cmbMask1", "cmdTrainIconLocation", "chkToolTips", "cmbAutoCopyKind",
             "cmdWiki", "chkHints", "Later", "picTemplates", "txtLevelXP_0", "txtBMPtoJPG"})
        EXPECT_TRUE(walked.contains(name)) << name;
    // The control still gets the key: Space toggles a focused check box.
    auto *box = control<QCheckBox>(names::icon);
    box->setFocus();
    const Qt::CheckState before = box->checkState();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_NE(box->checkState(), before);
}

// Focus a click leaves behind: in the multi-use drop-down's text, and on "Wiki..." once its
// dialog has closed.
TEST_F(KeysTest, TheClickedDropDownAndTheButtonOfAClosedDialogPassDigits)
{
    showTab(3);
    QTest::mouseClick(control<QComboBox>(names::extraTemplates)->lineEdit(), Qt::LeftButton);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), '6');
    EXPECT_EQ(window->currentTab(), 6);
    QTimer::singleShot(0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
    QTest::mouseClick(control("cmdWiki"), Qt::LeftButton);
    window->activateWindow(); // as the desktop does when the dialog goes
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == control("cmdWiki"); }, 1000));
    QTest::keyClick(QApplication::focusWidget(), '3');
    EXPECT_EQ(window->currentTab(), 3);
    for (const int tab : {5, 1}) {
        QTest::keyClick(window.get(), char('0' + tab));
        EXPECT_EQ(window->currentTab(), tab);
        EXPECT_EQ(QApplication::focusWidget(), control(names::fob)); // so the next key works too
    }
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

// Keys in place of the mouse: the menu key on a height button cuts and shows as a right click
// does, Space also saves as a left click does, Ctrl+V takes the clipboard's screenshot as a
// dropped file; the results name their size for assistive technology. Space on the status
// line then opens the folder, as a click does.
TEST_F(KeysTest, HeightButtonsTakeSpaceTheMenuKeyAndAPastedScreenshot)
{
    restart("[General]\r\nAutoName=True\r\nGameFullscreen=True\r\n[Icon]\r\nPrefix=Icon\r\n");
    clipboard()->setImage(testsupport::coordinateShot({1024, 768}));
    QWidget *button = control(names::element("cmdExtractPanel", 4));
    QTest::keyClick(button, Qt::Key_Menu);
    EXPECT_TRUE(saved().isEmpty());
    EXPECT_EQ(control("picIcon")->accessibleName(), "Extracted icon, 32 x 32 pixels");
    EXPECT_EQ(control("picSource")->accessibleName(), "Extracted stats panel, 300 x 300 pixels");
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Space, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier}}) {
        clearSaved();
        QTest::keyClick(button, key, modifiers);
        EXPECT_EQ(saved().size(), 2) << key;
    }
    QString opened;
    StatusLine::setFolderOpener([&](const QString &folder) { opened = folder; });
    QTest::keyClick(control("lblStatus"), Qt::Key_Space);
    EXPECT_TRUE(!opened.isEmpty() && (control("lblStatus")->focusPolicy() & Qt::TabFocus));
    StatusLine::setFolderOpener({});
}

// On tab 4 the keys do what dragging does: Ctrl+C takes a tile's icon, Ctrl+V drops it in a
// store slot; both are Tab stops.
TEST_F(KeysTest, MergeTilesCopyAndStoreSlotsPasteByKeys)
{
    showTab(4);
    QWidget *tile = control(names::element("picBacking", 5));
    QWidget *slot = control(names::element("picStore", 1));
    EXPECT_TRUE((tile->focusPolicy() & Qt::TabFocus) && (slot->focusPolicy() & Qt::TabFocus));
    QTest::keyClick(tile, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(clipboard()->image().convertToFormat(QImage::Format_RGB32), picture(tile->objectName()));
    QTest::keyClick(slot, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picture(slot->objectName()), picture(tile->objectName()));
}

// A column beside a taller neighbour reads after it; a box a little lower than its label
// shares its row.
TEST(ReadingOrder, RowsReadDownwardsEachFromLeftToRight)
{
    const QList<QRect> rects = {{0, 100, 50, 20}, {60, 102, 50, 20}, {0, 0, 40, 90}, {50, 0, 40, 20}, {50, 30, 40, 20}};
    EXPECT_EQ(readingOrder::of(rects), QList<int>({2, 3, 4, 0, 1}));
}

} // namespace
