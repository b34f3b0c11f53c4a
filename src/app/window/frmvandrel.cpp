#include "app/window/frmvandrel.h"

#include "app/text/expandedclipboardbox.h"
#include "app/panel/panelpage.h"
#include "app/text/formattextbox.h"
#include "app/window/keyrouter.h"
#include "app/live/livepage.h"
#include "app/merge/mergepage.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"
#include "app/saving/saveroutine.h"
#include "app/options/optionspage.h"
#include "app/window/tablabel.h"
#include "app/text/templatesbox.h"
#include "app/text/textpage.h"
#include "app/tools/toolspage.h"
#include "app/options/windowoptions.h"
#include "app/window/windowsizing.h"
#include "settings/settingvalues.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString windowCaption = QStringLiteral("Quillmark 1.06");


struct TabDesign {
    const char *caption;
    int left;
    int width;
};
constexpr TabDesign tabDesign[frmVandrel::tabCount] = {
    {"1 Panel", 0, 57},  {"2 Live", 56, 53},  {"3 Text", 108, 61},
    {"4 Merge", 168, 61}, {"5 Tools", 228, 57}, {"6 Options", 284, 68},
};
constexpr int tabHeight = 17;

// Where the panels go at start-up.
constexpr QPoint anchor(48, 24);
constexpr int wideLeftShift = 40;   // the wide panels stand 40 pixels left of the anchor
constexpr QSize widePanelSize(344, 575);
constexpr QPoint trayPosition(0, 17);
const QColor iconCoverColor(128, 128, 128);

PictureArea *makeArea(const QString &name, QSize size, QWidget *parent)
{
    auto *area = new PictureArea(name, parent);
    area->resize(size);
    return area;
}

} // namespace

frmVandrel::frmVandrel(const QString &programFolder, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("frmVandrel"));
    setWindowTitle(windowCaption);
    setMouseTracking(true);
    buildTabs();
    buildPanels();
    hookKeys();

    placePanelsAtAnchor();
    extraction_->picIconPanelTray()->move(trayPosition);
    currentTab_ = 1;
    showTab(1);
    LoadSettings();
}

frmVandrel::~frmVandrel() = default;

int frmVandrel::windowOpacityValue() const
{
    return settings_->windowOptions()->opacity();
}

void frmVandrel::buildTabs()
{
    for (int i = 0; i < tabCount; ++i) {
        const TabDesign &d = tabDesign[i];
        auto *label = new TabLabel(QStringLiteral("lblTab_%1").arg(i + 1), QString::fromLatin1(d.caption), this);
        label->setGeometry(d.left, 0, d.width, tabHeight);
        connect(label, &TabLabel::clicked, this, [this, i] { showTab(i + 1); });
        lblTab_.append(label);
    }

    lblAnchor_ = new QLabel(this);
    lblAnchor_->setObjectName(QStringLiteral("lblAnchor"));
    lblAnchor_->setGeometry(anchor.x(), anchor.y(), 9, 9);
    lblAnchor_->hide();

    // Off screen: it holds the focus so that no visible control shows a focus frame and
    // key presses reach the shortcuts.
    cmdFob_ = new QPushButton(QStringLiteral("F"), this);
    cmdFob_->setObjectName(QStringLiteral("cmdFob"));
    cmdFob_->setGeometry(-100, -100, 17, 17);
}

void frmVandrel::buildPanels()
{
    saveRoutine_ = std::make_unique<SaveRoutine>(this, programFolder_, capture_);
    extraction_ = new PanelPage(this, capture_, *saveRoutine_);
    live_ = new LivePage(this, capture_, *saveRoutine_);

    picIconCover_ = makeArea(QStringLiteral("picIconCover"), extraction_->picIcon()->size(), this);
    picIconCover_->setBackColor(iconCoverColor);
    picIconCover_->move(extraction_->picIcon()->pos());
    picIconCover_->raise();

    const auto fob = [this] { focusFob(); };
    picTemplates_ = new TextPage(programFolder_, fob, this);
    picTemplates_->resize(widePanelSize);
    picIconMerge_ = new MergePage(*saveRoutine_, this);
    picIconMerge_->resize(widePanelSize - QSize(wideLeftShift, 0));
    picTools_ = new ToolsPage(programFolder_, picTemplates_->templatesFrame(), fob, capture_, *saveRoutine_, this);
    picTools_->resize(widePanelSize);
    settings_ = new OptionsPage(programFolder_, capture_, extraction_->picTemp(), fob, this);
    settings_->resize(widePanelSize);
    saveRoutine_->setNameBoxes(settings_->chkAutoName(), settings_->chkAutoCopyName());
    // A template reload sets the template tooltips again; switched off, they stay off.
    connect(picTemplates_->templatesFrame(), &TemplatesBox::templatesReloaded, settings_->windowOptions(),
            &WindowOptions::tooltipsReapplied);
}

void frmVandrel::hookKeys()
{
    keys_ = new KeyRouter(this, [this](int tab) { showTab(tab); });
    QList<QWidget *> hooked = {cmdFob_, picTemplates_};
    hooked += picIconMerge_->keyControls();
    hooked += extraction_->keyControls();
    hooked += live_->keyControls();
    hooked += settings_->keyControls();
    hooked += picTemplates_->clipboardFrame()->keyControls();
    hooked += picTemplates_->templatesFrame()->keyControls();
    hooked += picTools_->keyControls();
    for (MouseUpButton *button : picTemplates_->formatFrame()->buttons())
        hooked.append(button);
    for (QWidget *w : hooked) {
        // Picture areas that pass keys on must be able to hold the focus.
        if (qobject_cast<PictureArea *>(w))
            w->setFocusPolicy(Qt::ClickFocus);
        keys_->hook(w);
    }
    keys_->keepTheRest(this);
}

void frmVandrel::placePanelsAtAnchor()
{
    const QPoint at = lblAnchor_->pos();
    const QList<QWidget *> atAnchor = {picIconMerge_, extraction_->picSource(), live_->picLiveTemp(),
                                       live_->grabHolder(), extraction_->picTemp()};
    for (QWidget *panel : atAnchor)
        panel->move(at);
    for (QWidget *panel : {static_cast<QWidget *>(picTemplates_), static_cast<QWidget *>(picTools_),
                           static_cast<QWidget *>(settings_)})
        panel->move(at.x() - wideLeftShift, at.y());
}

void frmVandrel::showTab(int index)
{
    if (index < 1 || index > tabCount)
        return;

    const QList<QWidget *> everyContent = {picIconMerge_,
                                           extraction_->picIconPanelTray(),
                                           extraction_->picIcon(),
                                           extraction_->chkIcon(),
                                           extraction_->picTemp(),
                                           extraction_->picSource(),
                                           live_->picLiveGrabTray(),
                                           live_->grabHolder(),
                                           settings_,
                                           picTemplates_,
                                           picTools_,
                                           picIconCover_,
                                           live_->cmdFreeCrop()};
    for (QWidget *w : everyContent)
        w->hide();
    live_->resetModes();

    setWindowTitle(windowCaption);
    lblTab_[currentTab_ - 1]->setHighlighted(false);
    currentTab_ = index;
    lblTab_[currentTab_ - 1]->setHighlighted(true);
    settings_->hideTraining();

    windowSizing::resizeTwips(this, settingValues::designedWindowWidthTwips, settingValues::designedWindowHeightTwips);

    switch (index) {
    case 1:
        extraction_->picIcon()->show();
        extraction_->chkIcon()->setEnabled(true);
        extraction_->chkIcon()->show();
        extraction_->picIconPanelTray()->show();
        extraction_->picTemp()->resize(100, 100);
        extraction_->picTemp()->clearPicture();
        extraction_->picSource()->show();
        break;
    case 2:
        live_->picLiveGrabTray()->show();
        picIconCover_->show();
        extraction_->chkIcon()->setEnabled(false);
        extraction_->chkIcon()->show();
        live_->cmdFreeCrop()->show();
        break;
    case 3:
        picTemplates_->show();
        break;
    case 4:
        picIconMerge_->show();
        break;
    case 5:
        picTools_->show();
        break;
    case 6:
        settings_->show();
        break;
    }
    focusFob();
}

void frmVandrel::focusFob()
{
    cmdFob_->setFocus(Qt::OtherFocusReason);
}

void frmVandrel::mousePressEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
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
    if (!childAt(event->position().toPoint()))
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
