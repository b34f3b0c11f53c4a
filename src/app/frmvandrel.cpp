#include "app/frmvandrel.h"

#include "app/formattextframe.h"
#include "app/greyablecheckbox.h"
#include "app/keyrouter.h"
#include "app/mouseupbutton.h"
#include "app/picturearea.h"
#include "app/tablabel.h"
#include "app/textpanel.h"
#include "settings/settingvalues.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString windowCaption = QStringLiteral("Quillmark 1.06");

// The window's size after every tab switch, held in twips like the rest of its design.
constexpr int windowWidthTwips = 5400;
constexpr int windowHeightTwips = 9100;

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
constexpr QSize traySize(48, 440);
constexpr QPoint iconPosition(8, 466);
constexpr QSize iconSize(32, 32);
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
    buildTabs();
    buildPanels();
    hookKeys();

    placePanelsAtAnchor();
    picIconPanelTray_->move(trayPosition);
    currentTab_ = 1;
    showTab(1);
    LoadSettings();
}

frmVandrel::~frmVandrel() = default;

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
    // Tab 1
    picIconPanelTray_ = makeArea(QStringLiteral("picIconPanelTray"), traySize, this);
    picIcon_ = makeArea(QStringLiteral("picIcon"), iconSize, this);
    picIcon_->move(iconPosition);
    chkIcon_ = new GreyableCheckBox(QStringLiteral("chkIcon"), QStringLiteral("Icon"), this);
    chkIcon_->setGeometry(iconPosition.x() - 4, iconPosition.y() + iconSize.height() + 4, 46, 20);
    picSource_ = makeArea(QStringLiteral("picSource"), QSize(300, 100), this);

    // Tab 2
    picLiveGrabTray_ = makeArea(QStringLiteral("picLiveGrabTray"), traySize, this);
    picLiveGrabTray_->move(trayPosition);
    picIconCover_ = makeArea(QStringLiteral("picIconCover"), iconSize, this);
    picIconCover_->setBackColor(iconCoverColor);
    picIconCover_->move(iconPosition);
    auto *freeCrop = new MouseUpButton(QStringLiteral("cmdFreeCrop"), QStringLiteral(" Free  Crop "), this);
    freeCrop->setWordWrap(true);
    cmdFreeCrop_ = freeCrop;
    cmdFreeCrop_->setGeometry(0, iconPosition.y() + 60, traySize.width(), 40);

    // Tabs 3 to 6
    picTemplates_ = new TextPanel(programFolder_, this);
    picTemplates_->resize(widePanelSize);
    picIconMerge_ = makeArea(QStringLiteral("picIconMerge"), widePanelSize - QSize(wideLeftShift, 0), this);
    picTools_ = makeArea(QStringLiteral("picTools"), widePanelSize, this);
    connect(picTools_, &PictureArea::clicked, this, &frmVandrel::focusFob);
    picSettings_ = makeArea(QStringLiteral("picSettings"), widePanelSize, this);

    // Working pictures
    picLiveGrab_ = makeArea(QStringLiteral("picLiveGrab"), QSize(300, 300), this);
    picLiveTemp_ = makeArea(QStringLiteral("picLiveTemp"), QSize(100, 100), this);
    picTemp_ = makeArea(QStringLiteral("picTemp"), QSize(100, 100), this);

    for (QWidget *hidden : {static_cast<QWidget *>(picLiveGrab_), static_cast<QWidget *>(picLiveTemp_),
                            static_cast<QWidget *>(picTemp_)})
        hidden->hide();
    picIconCover_->raise();
}

void frmVandrel::hookKeys()
{
    keys_ = new KeyRouter(this, [this](int tab) { showTab(tab); });
    const QList<QWidget *> hooked = {cmdFob_,          picIconMerge_, picLiveGrabTray_, picTemplates_,
                                     picIconPanelTray_, picLiveGrab_, picSettings_,     picSource_,
                                     picTemp_,          chkIcon_};
    for (QWidget *w : hooked) {
        if (qobject_cast<PictureArea *>(w))
            w->setFocusPolicy(Qt::ClickFocus);
        keys_->hook(w);
    }
    for (MouseUpButton *button : picTemplates_->formatFrame()->buttons())
        keys_->hook(button);
    keys_->keepTheRest(this);
}

void frmVandrel::placePanelsAtAnchor()
{
    const QPoint at = lblAnchor_->pos();
    for (QWidget *panel : {static_cast<QWidget *>(picIconMerge_), static_cast<QWidget *>(picSource_),
                           static_cast<QWidget *>(picLiveTemp_), static_cast<QWidget *>(picLiveGrab_),
                           static_cast<QWidget *>(picTemp_)})
        panel->move(at);
    for (QWidget *panel : {static_cast<QWidget *>(picTemplates_), static_cast<QWidget *>(picTools_),
                           static_cast<QWidget *>(picSettings_)})
        panel->move(at.x() - wideLeftShift, at.y());
}

void frmVandrel::showTab(int index)
{
    if (index < 1 || index > tabCount)
        return;

    const QList<QWidget *> everyContent = {picIconMerge_, picIconPanelTray_, picIcon_,        chkIcon_,
                                           picTemp_,      picSource_,        picLiveGrabTray_, picLiveGrab_,
                                           picSettings_,  picTemplates_,     picTools_,        picIconCover_,
                                           cmdFreeCrop_};
    for (QWidget *w : everyContent)
        w->hide();

    setWindowTitle(windowCaption);
    lblTab_[currentTab_ - 1]->setHighlighted(false);
    currentTab_ = index;
    lblTab_[currentTab_ - 1]->setHighlighted(true);

    resize(settingValues::twipsToPixels(windowWidthTwips), settingValues::twipsToPixels(windowHeightTwips));

    switch (index) {
    case 1:
        picIcon_->show();
        chkIcon_->setEnabled(true);
        chkIcon_->show();
        picIconPanelTray_->show();
        picTemp_->resize(100, 100);
        picTemp_->clearPicture();
        picSource_->show();
        break;
    case 2:
        picLiveGrabTray_->show();
        picIconCover_->show();
        chkIcon_->setEnabled(false);
        chkIcon_->show();
        cmdFreeCrop_->show();
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
        picSettings_->show();
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
