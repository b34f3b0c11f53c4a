// The window's frame: the tab switch, where the focus goes, and drops on every text box.

#include "common/programinfo.h"
#include "window.h"

#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QUrl>

namespace {

using WindowTest = WindowFixture;

TEST_F(WindowTest, EachTabLabelShowsItsPageAloneHighlightedWithTheFocusOnTheFob)
{
    const QString pages[] = {"picSource", "picLiveGrabTray", "picTemplates", "picIconMerge", "picTools", "picSettings"};
    const auto label = [this](int tab) { return control<QLabel>(names::element("lblTab", tab)); };
    for (const int tab : {1, 4, 2, 6, 3, 5, 5, 1}) { // the current tab once more runs the whole switch again
        window->resize(900, 900);
        window->setWindowTitle("something else");
        control(names::workingPicture)->resize(640, 480);
        QTest::mouseClick(label(tab), Qt::RightButton);
        EXPECT_EQ(window->size(), QSize(900, 900)); // only the left button switches
        QTest::mouseClick(label(tab), Qt::LeftButton);
        EXPECT_EQ(std::tuple(window->currentTab(), window->size(), window->windowTitle()),
            std::tuple(tab, QSize(360, 607 + 18), programInfo::windowCaption));
        EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
        for (int other = 1; other <= 6; ++other) {
            EXPECT_EQ(control(pages[other - 1])->isVisible(), other == tab) << tab << " shows " << other;
            EXPECT_EQ(label(other)->palette().color(QPalette::Window) == QColor(224, 224, 224), other == tab);
        }
        // Tab 1 shows the cut icon and its box; tab 2 covers the icon and disables the box.
        EXPECT_EQ(QList<bool>({control(names::icon)->isVisible(), control("picIconCover")->isVisible(),
                      control(names::freeCrop)->isVisible()}),
            QList<bool>({tab <= 2, tab == 2, tab == 2}));
        EXPECT_TRUE(tab > 2 || control(names::icon)->isEnabled() == (tab == 1));
        EXPECT_EQ(control(names::workingPicture)->size(), tab == 1 ? QSize(100, 100) : QSize(640, 480));
    }
    // A click on the bare window, or on the tools panel, gives the focus back.
    control(names::element("cmdFormat", 1))->setFocus();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(355, 600)); // below the pages
    EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
    showTab(5);
    control(names::element("txtLevelXP", 1))->setFocus();
    QTest::mouseClick(control("picTools"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control(names::fob));
}

// No drop-down cuts an entry short, before or after its entries change.
TEST_F(WindowTest, EveryDropDownListIsAsWideAsItsWidestEntry)
{
    QStringList checked;
    for (int tab = 1; tab <= 6; ++tab) {
        showTab(tab);
        for (QComboBox *combo : window->findChildren<QComboBox *>()) {
            if (!combo->isVisible())
                continue;
            checked += combo->objectName();
            for (const bool added : {false, true}) {
                if (added)
                    combo->addItem(QStringLiteral("An entry far longer than any the window gives its lists"));
                combo->showPopup();
                QAbstractItemView *list = combo->view();
                int widest = 0;
                for (int row = 0; row < combo->count(); ++row)
                    widest = std::max(widest, list->sizeHintForIndex(combo->model()->index(row, 0)).width());
                EXPECT_GE(list->viewport()->width(), widest) << combo->objectName().toStdString() << added;
                combo->hidePopup();
            }
        }
    }
    EXPECT_EQ(checked, QStringList({"cmbExtraTemplates", "cmbEdgeEffect", "cmbMask1", "cmbAutoCopyKind"}));
}

TEST_F(WindowTest, TextBoxesSurviveRepeatedDropsOfAnyKindAndTheConverterBoxesTakeNone)
{
    ASSERT_TRUE(testsupport::noise(8, 8).save(folder.file("Images/drop.png")));
    QMimeData files, text, picture;
    files.setUrls({QUrl::fromLocalFile(folder.file("Images/drop.png"))});
    text.setText("dropped");
    picture.setImageData(testsupport::noise(8, 8));
    QList<QWidget *> boxes;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
            || qobject_cast<QPlainTextEdit *>(w->parentWidget()))
            boxes += {w, qobject_cast<QPlainTextEdit *>(w->parentWidget())};
    ASSERT_GE(boxes.size(), 40);
    for (int tab = 1; tab <= 6; ++tab) {
        showTab(tab);
        for (QWidget *box : boxes)
            for (const QMimeData *data : {&files, &text, &picture})
                for (int i = 0; box && box->isVisible() && i < 3; ++i)
                    drop(box, *data);
    }
    for (const char *name : {"txtBMPtoJPG", "txtBMPtoPNG"}) {
        auto *box = control<QPlainTextEdit>(name);
        EXPECT_FALSE(box->acceptDrops() || box->viewport()->acceptDrops() || box->toPlainText().contains("drop"))
            << name;
    }
}

} // namespace
