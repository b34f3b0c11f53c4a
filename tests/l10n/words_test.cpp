// The window's words: under the test language every text a user sees or hears is bracketed
// (a text without brackets escaped translation) and every caption fits its control; the
// languages a user's system asks for pick the translation.

#include "app/text/multiusemessages.h"
#include "app/uploads/pagedraftwindow.h"
#include "app/widgets/captionfit.h"
#include "app/window/languages.h"
#include "window.h"
#include "wikitext/multiuse.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>

namespace {

bool isWords(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool bracketed(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

// What a user reads or hears of a control: caption, title, tooltip, entries, accessible texts.
QStringList textsOf(const QWidget *widget)
{
    QStringList texts{captionFit::captionOf(widget), widget->toolTip(), widget->accessibleName(),
                      widget->accessibleDescription()};
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        texts << box->title();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    return texts;
}

// Controls whose texts are names, not words: the templates' (the settings and the template
// files know them by these names), the file types, and the key catcher kept off screen.
const QRegularExpression namesNotWords(
    QStringLiteral("^(cmdTemplate_\\d+|opt\\w+FileType_\\d|txtBMPto\\w+|cmdFob)$"));

// The window is laid out for the type of Linux desktops. Under Wine, where these tests run
// for Windows, the type found keeps its width at every size (a caption in 5.6 points is as
// wide as in 9), so nothing can be fitted there: the words are checked, not their room.
#ifdef Q_OS_WIN
constexpr bool typeNarrows = false;
#define SKIP_ON_WINDOWS() GTEST_SKIP() << "Wine's type does not narrow when made smaller"
#else
constexpr bool typeNarrows = true;
#define SKIP_ON_WINDOWS() (void)0
#endif

// Every word of top and its children that escaped translation, and every caption cut off.
QStringList faultsIn(QWidget *top)
{
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    QStringList faults;
    for (const QWidget *widget : widgets) {
        // Qt's own buttons take Qt's translation, which the test language does not have.
        if (!widget->isVisibleTo(top) || qobject_cast<const QDialogButtonBox *>(widget->parentWidget()))
            continue;
        const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
        for (const QString &text : textsOf(widget))
            if (isWords(text) && !bracketed(text) && !namesNotWords.match(widget->objectName()).hasMatch())
                faults << name + QStringLiteral(" shows \"") + text + u'"';
        if (!typeNarrows)
            continue;
        if (!captionFit::fits(widget))
            faults << name + QStringLiteral(" cuts off \"") + captionFit::captionOf(widget) + u'"';
        if (const auto *area = qobject_cast<const QScrollArea *>(widget);
            area && area->widgetResizable() && area->horizontalScrollBar()->maximum() > 0)
            faults << name + QStringLiteral(" is too narrow for its controls");
    }
    return faults;
}

class Words : public WindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(translator_.load(QStringLiteral(QUILLMARK_PSEUDO_QM)));
        QCoreApplication::installTranslator(&translator_);
        WindowFixture::SetUp();
    }
    QTranslator translator_;
};

} // namespace

TEST_F(Words, EveryTabShowsOnlyTranslatedCaptionsThatFit)
{
    for (int tab = 1; tab <= 6; ++tab) {
        showTab(tab);
        const QStringList faults = faultsIn(window.get());
        EXPECT_TRUE(faults.isEmpty()) << "tab " << tab << ":\n" << faults.join(u'\n').toStdString();
    }
}

TEST_F(Words, EveryBoxAndDialogShowsOnlyTranslatedWords)
{
    // Each action opens a box, a dialog or a window of its own.
    const struct {
        int tab;
        const char *button;
        bool screenshot; // on the clipboard first
    } openers[] = {
        {1, "cmdExtractPanel_1", true}, {5, "cmdCreateSpawnMap", false}, {5, "cmdUpdateTemplates", false},
        {6, "cmdSetWindowAlpha", false}, {6, "cmdWiki", false},           {6, "cmdUploads", false},
    };
    for (const auto &opener : openers) {
        showTab(opener.tab);
        opener.screenshot ? clipboard()->setImage(testsupport::coordinateShot(QSize(1024, 768))) : clipboard()->clear();
        QStringList faults;
        int opened = 0;
        const auto inspect = [&](QWidget *top) {
            ++opened;
            faults << faultsIn(top);
            top->close();
        };
        QTimer modal; // a modal dialog holds the click until it closes
        QObject::connect(&modal, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible())
                inspect(dialog);
        });
        modal.start(10);
        QTest::mouseClick(control<QAbstractButton>(QString::fromLatin1(opener.button)), Qt::LeftButton);
        QTest::qWait(50);
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != window.get() && top->isVisible() && !qobject_cast<QMenu *>(top))
                inspect(top);
        EXPECT_GT(opened, 0) << opener.button;
        EXPECT_TRUE(faults.isEmpty()) << opener.button << ":\n" << faults.join(u'\n').toStdString();
    }
    // A page's draft, as the uploads open it (here without a wiki to preview it).
    wiki::Client client;
    auto *draft = new PageDraftWindow(client, "Sword", "{{Item}}", window.get());
    draft->show();
    QTest::qWait(50);
    EXPECT_EQ(faultsIn(draft), QStringList());
    draft->close();
}

TEST_F(Words, EveryMultiUseFunctionIsShownInTheUsersWordsAndStillKnownByItsName)
{
    for (const multiUse::Entry &entry : multiUse::entries())
        for (const QString &name : {entry.text, entry.caption}) {
            EXPECT_TRUE(bracketed(MultiUseMessages::shown(name))) << name.toStdString();
            EXPECT_EQ(MultiUseMessages::nameOf(MultiUseMessages::shown(name)), name);
        }
    EXPECT_EQ(MultiUseMessages::shown("My Template"), "My Template");
}

class EnglishWindow : public WindowFixture {};

TEST_F(EnglishWindow, KeepsTheTypeItWasDesignedWith)
{
    SKIP_ON_WINDOWS();
    for (const QWidget *widget : window->findChildren<QWidget *>())
        EXPECT_FALSE(widget->testAttribute(Qt::WA_SetFont)) << widget->objectName().toStdString();
}

TEST(Languages, TheFirstLanguageQuillmarkSpeaksIsInstalledUnlessEnglishIsForced)
{
    const struct {
        const char *locale;
        bool forceEnglish;
        const char *installed;
    } cases[] = {{"de_DE", false, "de"}, {"de_AT", false, "de"}, {"de_DE", true, ""},
                 {"en_GB", false, ""},  {"fr_FR", false, ""}};
    for (const auto &c : cases) {
        EXPECT_EQ(languages::install(QLocale(QString::fromLatin1(c.locale)), c.forceEnglish), c.installed)
            << c.locale;
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    }
}

TEST(CaptionFit, ACaptionTooWideIsDrawnSmallerAndOneThatFitsIsLeftAlone)
{
    QWidget page;
    auto *fitting = new QPushButton(QStringLiteral("Save"), &page);
    auto *tooWide = new QCheckBox(QStringLiteral("Check names for the wiki, every one of them"), &page);
    fitting->setGeometry(QRect(QPoint(0, 0), fitting->sizeHint() + QSize(20, 10)));
    tooWide->setGeometry(QRect(QPoint(0, 40), tooWide->sizeHint() - QSize(tooWide->sizeHint().width() / 5, 0)));
    const QFont designed = page.font();
    ASSERT_FALSE(captionFit::fits(tooWide));
    captionFit::fitAll(&page);
    EXPECT_TRUE(captionFit::fits(tooWide));
    EXPECT_LT(tooWide->font().pointSizeF(), designed.pointSizeF());
    EXPECT_EQ(fitting->font(), designed);
}
