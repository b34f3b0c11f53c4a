// The window's frame: the tab switch, where the focus goes, and drops on every text box.

#include "window.h"

#include <QPlainTextEdit>
#include <QUrl>

namespace {

using WindowTest = WindowFixture;

TEST_F(WindowTest, EachTabLabelShowsItsPageAloneHighlightedWithTheFocusOnTheFob)
{
    const QString pages[]
        = {"picSource", "picLiveGrabTray", "picTemplates", "picIconMerge", "picTools", names::settingsPanel};
    const auto label = [this](int tab) { return control<QLabel>(names::element("lblTab", tab)); };
    for (const int tab : {1, 4, 2, 6, 3, 5, 5, 1}) { // the current tab once more runs the whole switch again
        window->resize(900, 900);
        window->setWindowTitle("something else");
        control(names::workingPicture)->resize(640, 480);
        QTest::mouseClick(label(tab), Qt::RightButton);
        QTest::mouseClick(label(tab), Qt::MiddleButton);
        EXPECT_EQ(window->size(), QSize(900, 900)); // only the left button switches
        QTest::mouseClick(label(tab), Qt::LeftButton);
        EXPECT_EQ(window->currentTab(), tab);
        EXPECT_EQ(window->size(), QSize(360, 607));
        EXPECT_EQ(window->windowTitle(), "Quillmark 1.06");
        EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
        for (int other = 1; other <= 6; ++other) {
            EXPECT_EQ(control(pages[other - 1])->isVisible(), other == tab) << tab << " shows " << other;
            EXPECT_EQ(label(other)->palette().color(QPalette::Window) == QColor(224, 224, 224), other == tab);
        }
        // The icon corner: tab 1 shows the cut icon and its box, tab 2 covers them and
        // disables the box; both keep the box visible.
        EXPECT_EQ(control(names::icon)->isVisible(), tab <= 2);
        EXPECT_EQ(control("picIconCover")->isVisible(), tab == 2);
        EXPECT_EQ(control(names::freeCrop)->isVisible(), tab == 2);
        if (tab <= 2) {
            EXPECT_EQ(control(names::icon)->isEnabled(), tab == 1);
            EXPECT_EQ(control("picIcon")->isVisible() && !control("picIconCover")->isVisible(), tab == 1);
        }
        EXPECT_EQ(control(names::workingPicture)->size(), tab == 1 ? QSize(100, 100) : QSize(640, 480));
    }
    EXPECT_TRUE(control(names::workingPicture)->isHidden());
    EXPECT_EQ(pictureOf(control(names::workingPicture)).size(), QSize(100, 100));
}

TEST_F(WindowTest, ClicksOnTheBareWindowAndTheToolsPanelGiveTheFocusBack)
{
    showTab(3);
    QWidget *format = control(names::element("cmdFormat", 1));
    format->setFocus();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(355, 600)); // below the pages
    EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
    showTab(5);
    format->setFocus();
    QTest::mouseClick(control("picTools"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
}

TEST_F(WindowTest, TextBoxesSurviveRepeatedDropsOfAnyKindAndTheConverterBoxesTakeNone)
{
    const QString file = folder.file("Images/drop.png");
    ASSERT_TRUE(testsupport::noise(8, 8).save(file));
    QMimeData files, text, picture;
    files.setUrls({QUrl::fromLocalFile(file)});
    text.setText("dropped");
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
        showTab(tab);
        for (QWidget *box : boxes)
            for (const QMimeData *data : {&files, &text, &picture})
                for (int i = 0; i < (box->isVisible() ? 3 : 0); ++i)
                    drop(box, *data);
    }
    for (const char *name : {"txtBMPtoJPG", "txtBMPtoPNG"}) {
        auto *box = control<QPlainTextEdit>(name);
        EXPECT_FALSE(box->acceptDrops() || box->viewport()->acceptDrops()) << name;
        EXPECT_FALSE(box->toPlainText().contains("drop")) << name;
    }
}

} // namespace
