// The window as a user meets it: start-up on tab 1, the tab switch, focus rules.

#include "windowfixture.h"

#include <QUrl>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor highlight(224, 224, 224);

QColor tabColor(const QWidget &window, int i)
{
    auto *label = window.findChild<QLabel *>(QStringLiteral("lblTab_%1").arg(i));
    return label ? label->palette().color(QPalette::Window) : QColor();
}

bool shown(const QWidget &window, const char *name)
{
    auto *w = window.findChild<QWidget *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w && w->isVisible();
}

class WindowTest : public WindowFixture {
protected:
    void clickTab(int i)
    {
        QTest::mouseClick(control(QStringLiteral("lblTab_%1").arg(i)), Qt::LeftButton);
    }

};

TEST_F(WindowTest, StartsOnTabOneWithItsControls)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06"));
    EXPECT_EQ(window->currentTab(), 1);
    EXPECT_EQ(window->size(), QSize(360, 607));
    EXPECT_EQ(tabColor(*window, 1), highlight);
    for (int i = 2; i <= 6; ++i)
        EXPECT_NE(tabColor(*window, i), highlight) << i;

    for (const char *name : {"picIcon", "chkIcon", "picIconPanelTray", "picSource"})
        EXPECT_TRUE(shown(*window, name)) << name;
    for (const char *name : {"picLiveGrabTray", "picIconCover", "cmdFreeCrop", "picTemplates", "picIconMerge",
                             "picTools", "picSettings", "picLiveGrab", "picLiveTemp", "picTemp"})
        EXPECT_FALSE(shown(*window, name)) << name;
    EXPECT_TRUE(control(QStringLiteral("chkIcon"))->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), control(QStringLiteral("cmdFob")));
}

TEST_F(WindowTest, TabLabelsAndPanelsStandWhereDesigned)
{
    const struct {
        const char *caption;
        QRect geometry;
    } tabs[] = {{"1 Panel", {0, 0, 57, 17}},   {"2 Live", {56, 0, 53, 17}},   {"3 Text", {108, 0, 61, 17}},
                {"4 Merge", {168, 0, 61, 17}}, {"5 Tools", {228, 0, 57, 17}}, {"6 Options", {284, 0, 68, 17}}};
    for (int i = 0; i < 6; ++i) {
        QLabel *label = control<QLabel>(QStringLiteral("lblTab_%1").arg(i + 1));
        EXPECT_EQ(label->text(), QString::fromLatin1(tabs[i].caption));
        EXPECT_EQ(label->geometry(), tabs[i].geometry);
    }
    for (const char *name : {"picIconMerge", "picSource", "picLiveTemp", "picTemp"})
        EXPECT_EQ(control(QString::fromLatin1(name))->pos(), QPoint(48, 24)) << name;
    for (const char *name : {"picTemplates", "picTools", "picSettings"})
        EXPECT_EQ(control(QString::fromLatin1(name))->pos(), QPoint(8, 24)) << name;
    EXPECT_EQ(control(QStringLiteral("picIconPanelTray"))->pos(), QPoint(0, 17));
    QPushButton *fob = control<QPushButton>(QStringLiteral("cmdFob"));
    EXPECT_EQ(fob->geometry(), QRect(-100, -100, 17, 17));
    EXPECT_EQ(fob->text(), QStringLiteral("F"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdFreeCrop"))->text(), QStringLiteral(" Free  Crop "));
}

TEST_F(WindowTest, EachTabShowsItsOwnContent)
{
    const char *onlyShown[7] = {nullptr, "picSource", "picLiveGrabTray", "picTemplates", "picIconMerge", "picTools",
                                "picSettings"};
    for (int i = 1; i <= 6; ++i) {
        clickTab(i);
        EXPECT_EQ(window->currentTab(), i);
        EXPECT_TRUE(shown(*window, onlyShown[i])) << i;
        for (int j = 1; j <= 6; ++j) {
            if (j != i) {
                EXPECT_FALSE(shown(*window, onlyShown[j])) << i << " " << j;
            }
            EXPECT_EQ(tabColor(*window, j) == highlight, j == i) << i << " " << j;
        }
        EXPECT_EQ(QApplication::focusWidget(), control(QStringLiteral("cmdFob")));
    }
}

TEST_F(WindowTest, LiveTabShowsTheIconBoxDisabledAndPanelTabEnablesItAgain)
{
    clickTab(2);
    for (const char *name : {"picLiveGrabTray", "picIconCover", "chkIcon", "cmdFreeCrop"})
        EXPECT_TRUE(shown(*window, name)) << name;
    EXPECT_FALSE(shown(*window, "picIconPanelTray"));
    EXPECT_FALSE(shown(*window, "picIcon") && !shown(*window, "picIconCover"));
    EXPECT_FALSE(control(QStringLiteral("chkIcon"))->isEnabled());

    clickTab(1);
    EXPECT_TRUE(control(QStringLiteral("chkIcon"))->isEnabled());
    EXPECT_FALSE(shown(*window, "picIconCover"));
    EXPECT_FALSE(shown(*window, "cmdFreeCrop"));
}

TEST_F(WindowTest, ClickingTheCurrentTabRunsTheWholeSwitchAgain)
{
    clickTab(3);
    window->resize(900, 900);
    window->setWindowTitle(QStringLiteral("something else"));
    clickTab(3);
    EXPECT_EQ(window->size(), QSize(360, 607));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.06"));
    EXPECT_EQ(window->currentTab(), 3);
}

TEST_F(WindowTest, TabOneResetsTheWorkingPicture)
{
    QWidget *temp = control(QStringLiteral("picTemp"));
    temp->resize(640, 480);
    clickTab(1);
    EXPECT_EQ(temp->size(), QSize(100, 100));
    EXPECT_FALSE(temp->isVisible());
    const QImage picture = temp->property("picture").value<QImage>();
    EXPECT_EQ(picture.size(), QSize(100, 100));
}

TEST_F(WindowTest, OnlyALeftClickOnATabLabelSwitches)
{
    QWidget *label = control(QStringLiteral("lblTab_4"));
    QTest::mouseClick(label, Qt::RightButton);
    QTest::mouseClick(label, Qt::MiddleButton);
    EXPECT_EQ(window->currentTab(), 1);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(window->currentTab(), 4);
}

TEST_F(WindowTest, ClicksOnTheBareWindowAndOnTheToolsPanelGiveTheFocusBack)
{
    QWidget *fob = control(QStringLiteral("cmdFob"));
    QWidget *format = control(QStringLiteral("cmdFormat_1"));
    clickTab(3);
    format->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), format);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(355, 600)); // below the panels
    EXPECT_EQ(QApplication::focusWidget(), fob);

    clickTab(5);
    fob->clearFocus();
    ASSERT_NE(QApplication::focusWidget(), fob);
    QTest::mouseClick(control(QStringLiteral("picTools")), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), fob);
}

// A drag brought to widget and dropped there, as the platform delivers it.
void dropOn(QWidget *widget, const QMimeData &data)
{
    const QPoint at = widget->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
}

TEST_F(WindowTest, TextBoxesSurviveRepeatedDropsAndTheConverterLabelsTakeNone)
{
    const QString file = folder.file(QStringLiteral("Images/drop.png"));
    ASSERT_TRUE(testsupport::noise(8, 8).save(file));
    QMimeData files, text, picture;
    files.setUrls({QUrl::fromLocalFile(file)});
    text.setText(QStringLiteral("dropped"));
    picture.setImageData(testsupport::noise(8, 8));

    QList<QWidget *> boxes;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w))
            boxes.append(w);
        else if (auto *scrolling = qobject_cast<QPlainTextEdit *>(w))
            boxes += {scrolling, scrolling->viewport()};
    }
    ASSERT_GE(boxes.size(), 20);
    for (int tab = 1; tab <= 6; ++tab) {
        window->showTab(tab);
        for (QWidget *box : boxes) {
            if (!box->isVisible())
                continue;
            for (const QMimeData *data : {&files, &text, &picture})
                for (int i = 0; i < 3; ++i)
                    dropOn(box, *data);
        }
    }
    for (const char *name : {"txtBMPtoJPG", "txtBMPtoPNG"}) {
        auto *box = control<QPlainTextEdit>(QString::fromLatin1(name));
        EXPECT_FALSE(box->acceptDrops() || box->viewport()->acceptDrops()) << name;
        EXPECT_FALSE(box->toPlainText().contains(QStringLiteral("drop"))) << name;
    }
}

} // namespace
