#include "app/window/frmvandrel.h"

#include "app/live/livepage.h"
#include "app/merge/mergepage.h"
#include "app/options/optionspage.h"
#include "app/options/windowoptions.h"
#include "app/panel/iconcorner.h"
#include "app/panel/panelpage.h"
#include "app/saving/saveroutine.h"
#include "app/text/templatesbox.h"
#include "app/text/textpage.h"
#include "app/tools/toolspage.h"
#include "app/uploads/accountdialog.h"
#include "app/uploads/pagedrafts.h"
#include "app/uploads/uploadcenter.h"
#include "app/uploads/uploadswindow.h"
#include "app/widgets/captionfit.h"
#include "app/widgets/checkboxes.h"
#include "app/widgets/dropdownlist.h"
#include "app/widgets/picturearea.h"
#include "app/widgets/readingorder.h"
#include "app/widgets/statusline.h"
#include "app/window/keyrouter.h"
#include "app/window/tablabel.h"
#include "app/window/windowsizing.h"
#include "common/programinfo.h"
#include "settings/settingvalues.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

struct TabDesign {
    const char *caption;
    int left;
    int width;
};
constexpr TabDesign tabDesign[frmVandrel::tabCount] = {
    {QT_TRANSLATE_NOOP("frmVandrel", "1 Panel"), 0, 57},   {QT_TRANSLATE_NOOP("frmVandrel", "2 Live"), 56, 53},
    {QT_TRANSLATE_NOOP("frmVandrel", "3 Text"), 108, 61},  {QT_TRANSLATE_NOOP("frmVandrel", "4 Merge"), 168, 61},
    {QT_TRANSLATE_NOOP("frmVandrel", "5 Tools"), 228, 57}, {QT_TRANSLATE_NOOP("frmVandrel", "6 Options"), 284, 68},
};
constexpr int tabHeight = 17;
// The feedback line below the pages: the window is that much taller than its pages.
constexpr int statusLineHeight = 18;

// Where the pages' panels go at start-up.
constexpr QPoint anchor(48, 24);
constexpr int wideLeftShift = 40; // the wide panels stand 40 pixels left of the anchor
constexpr QSize widePanelSize(344, 575);

} // namespace

frmVandrel::frmVandrel(const QString &programFolder, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("frmVandrel"));
    setWindowTitle(programInfo::windowCaption);
    setMouseTracking(true);
    buildPages();
    buildTabs();
    buildUploads();
    hookKeys();
    dropDownList::fitAllToEntries(this);

    placePagesAtAnchor();
    currentTab_ = 1;
    showTab(1);
    LoadSettings();
    // After the load, which gives the size buttons their captions.
    captionFit::fitAll(this);
    captionFit::fitPagesToWidth(this);
}

frmVandrel::~frmVandrel() = default;

int frmVandrel::windowOpacityValue() const
{
    return options_->windowOptions()->opacity();
}

void frmVandrel::buildPages()
{
    const auto fob = [this] { focusFob(); };
    options_ = new OptionsPage(capture_, fob, this);
    options_->resize(widePanelSize);
    saveRoutine_ = std::make_unique<SaveRoutine>(this, programFolder_, capture_);
    iconCorner_ = new IconCorner(this);
    checkBoxes::bind(iconCorner_->chkIcon(), capture_, settings::Check::SaveIcon);
    panel_ = new PanelPage(capture_, *saveRoutine_, *iconCorner_, this);
    live_ = new LivePage(capture_, *saveRoutine_, this);
    text_ = new TextPage(programFolder_, fob, this);
    text_->resize(widePanelSize);
    merge_ = new MergePage(*saveRoutine_, this);
    merge_->resize(widePanelSize - QSize(wideLeftShift, 0));
    tools_ = new ToolsPage(programFolder_, *text_->templatesBox(), fob, capture_, *saveRoutine_, this);
    tools_->resize(widePanelSize);
    // The icon corner stands over the pages that span the window.
    iconCorner_->raise();

    connect(options_, &OptionsPage::trainingScreenshot, panel_, &PanelPage::takeScreenshot);
    // The helps a user may switch off; the settings load sets the boxes, and so these too.
    WindowOptions *helps = options_->windowOptions();
    connect(helps->chkMagnifier(), &QCheckBox::toggled, live_, &LivePage::setMagnifierOn);
    connect(helps->chkHints(), &QCheckBox::toggled, live_, &LivePage::setHintShown);
    connect(helps->chkHints(), &QCheckBox::toggled, panel_, &PanelPage::setHintShown);
    // A template reload sets the template tooltips again; switched off, they stay off.
    connect(text_->templatesBox(), &TemplatesBox::templatesReloaded, options_->windowOptions(),
            &WindowOptions::tooltipsReapplied);
}

void frmVandrel::buildTabs()
{
    for (int i = 0; i < tabCount; ++i) {
        const TabDesign &d = tabDesign[i];
        auto *label = new TabLabel(QStringLiteral("lblTab_%1").arg(i + 1), tr(d.caption), this);
        label->setGeometry(d.left, 0, d.width, tabHeight);
        connect(label, &TabLabel::clicked, this, [this, i] { showTab(i + 1); });
        lblTab_.append(label);
        page(i + 1)->setAccessibleName(label->text());
    }

    lblAnchor_ = new QLabel(this);
    lblAnchor_->setObjectName(QStringLiteral("lblAnchor"));
    lblAnchor_->setGeometry(anchor.x(), anchor.y(), 9, 9);
    lblAnchor_->hide();

    // Off screen: after a tab switch it holds the focus, so that Escape and the digits choose
    // a tab whatever control the page begins with (a text box keeps the digits typed into
    // it), and no control shows a focus frame before the user reaches for the keyboard. It is
    // no Tab stop itself: Tab goes on from it to the page's first control, whose focus shows.
    cmdFob_ = new QPushButton(QStringLiteral("F"), this);
    cmdFob_->setObjectName(QStringLiteral("cmdFob"));
    cmdFob_->setGeometry(-100, -100, 17, 17);
    cmdFob_->setFocusPolicy(Qt::ClickFocus);
    cmdFob_->setAccessibleDescription(tr("Tab leads into the page; Escape and the keys 1 to 6 choose a tab."));
}

void frmVandrel::hookKeys()
{
    keys_ = new KeyRouter(this, [this](int tab) { showTab(tab); });
    keys_->setPageKeys([this](const QKeyEvent &key) { return currentTab_ == 2 && live_->cropKey(key); });
    // Picture areas that pass keys on must be able to hold the focus.
    const QList<PictureArea *> areas = panel_->focusAreas() + live_->focusAreas() + text_->focusAreas()
                                       + merge_->focusAreas() + tools_->focusAreas() + options_->focusAreas();
    for (PictureArea *area : areas) {
        if (area->focusPolicy() == Qt::NoFocus) // those that act on keys are Tab stops already
            area->setFocusPolicy(Qt::ClickFocus);
    }
}

void frmVandrel::placePagesAtAnchor()
{
    const QPoint at = lblAnchor_->pos();
    merge_->move(at);
    panel_->placeAt(at);
    live_->placeAt(at);
    for (QWidget *wide : {static_cast<QWidget *>(text_), static_cast<QWidget *>(tools_),
                          static_cast<QWidget *>(options_)})
        wide->move(at.x() - wideLeftShift, at.y());
}

QWidget *frmVandrel::page(int tab) const
{
    const QList<QWidget *> pages = {panel_, live_, text_, merge_, tools_, options_};
    return pages.at(tab - 1);
}

void frmVandrel::showTab(int index)
{
    if (index < 1 || index > tabCount)
        return;
    for (int tab = 1; tab <= tabCount; ++tab)
        page(tab)->hide();
    iconCorner_->showFor(index);
    live_->endCrop();

    setWindowTitle(programInfo::windowCaption);
    lblTab_[currentTab_ - 1]->setHighlighted(false);
    currentTab_ = index;
    lblTab_[currentTab_ - 1]->setHighlighted(true);
    options_->hideTraining();

    windowSizing::resizeTwips(this, settings::values::designedWindowWidthTwips,
                              settings::values::designedWindowHeightTwips);
    if (index == 1)
        panel_->clearWorkingPicture();
    page(index)->show();
    // Assistive technology names the page that the focus is now on.
    cmdFob_->setAccessibleName(lblTab_[index - 1]->text());
    orderTabStops();
    focusFob();
}

void frmVandrel::orderTabStops()
{
    // The frames of a page place their controls only once it is shown.
    if (isVisible())
        readingOrder::apply(cmdFob_, this);
}

void frmVandrel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    orderTabStops();
}

void frmVandrel::buildUploads()
{
    uploads_ = new UploadCenter(programFolder_, this);
    lblStatus_ = new StatusLine(this);
    windowSizing::setFootHeight(this, statusLineHeight);
    connect(lblStatus_, &StatusLine::clicked, this, [this] { showUploads(); });
    connect(uploads_, &UploadCenter::changed, this, &frmVandrel::showUploadStatus);
    // A question of the wiki's waits in the list, which comes up to ask it.
    connect(uploads_, &UploadCenter::asking, this, [this](int id) { showUploads(id); });
    connect(options_, &OptionsPage::uploadsWanted, this, [this] { showUploads(); });
    connect(options_, &OptionsPage::wikiAccountWanted, this, [this] {
        AccountDialog account(*uploads_, this);
        account.exec();
    });
    pageDrafts_ = new PageDrafts(*uploads_, programFolder_, this);
    saveRoutine_->setWrittenHandler([this](const QString &path, const QString &kind, const QString &item) {
        if (!capture_.on(settings::Check::UploadAfterSave))
            return;
        // The item's page is drafted once its pictures are up, when pages are wanted.
        uploads_->enqueue(path, kind, QString(), capture_.on(settings::Check::CreatePages) ? item : QString());
    });
}

void frmVandrel::showUploads(int id)
{
    if (!uploadsWindow_)
        uploadsWindow_ = new UploadsWindow(*uploads_, this);
    uploadsWindow_->showEntry(id);
}

void frmVandrel::showUploadStatus()
{
    // Only news of the uploads: a later message of a save stays until the uploads have some.
    const QString text = uploads_->statusText();
    if (text.isEmpty() || text == lastUploadStatus_)
        return;
    lastUploadStatus_ = text;
    lblStatus_->say(text);
}

void frmVandrel::focusFob()
{
    cmdFob_->setFocus(Qt::OtherFocusReason);
}

void frmVandrel::resizeEvent(QResizeEvent *event)
{
    // Tabs 1 and 2 place their controls over the whole window above the status line.
    const QRect pages(0, 0, width(), std::max(height() - statusLineHeight, 1));
    panel_->setGeometry(pages);
    live_->setGeometry(pages);
    lblStatus_->setGeometry(0, height() - statusLineHeight, width(), statusLineHeight);
    QWidget::resizeEvent(event);
}

bool frmVandrel::bareAt(QPoint point) const
{
    const QWidget *under = childAt(point);
    return !under || under == panel_ || under == live_;
}

void frmVandrel::mousePressEvent(QMouseEvent *event)
{
    if (bareAt(event->position().toPoint()))
        bareClick_.press(event);
    QWidget::mousePressEvent(event);
}

void frmVandrel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on the bare window takes the focus away from every visible control.
    if (bareClick_.release(event, this))
        focusFob();
    QWidget::mouseReleaseEvent(event);
}

void frmVandrel::mouseMoveEvent(QMouseEvent *event)
{
    if (bareAt(event->position().toPoint()))
        live_->hideCropOutline();
    QWidget::mouseMoveEvent(event);
}

void frmVandrel::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept(); // closing is never refused
}

void frmVandrel::shutDown()
{
    if (shutDownDone_)
        return;
    shutDownDone_ = true;
    SaveSettings();
}
