#pragma once
// The one window of Quillmark: six tab labels along the top edge choose which panel is
// shown. The constructor runs the start-up up to, not including, showing the window;
// closing it runs the shut-down once.

#include "app/leftclick.h"

#include <QList>
#include <QString>
#include <QWidget>

class KeyRouter;
class MouseUpButton;
class PictureArea;
class QCheckBox;
class QLabel;
class QPushButton;
class TabLabel;
class TextPanel;

class frmVandrel : public QWidget {
    Q_OBJECT

public:
    static constexpr int tabCount = 6;

    explicit frmVandrel(const QString &programFolder, QWidget *parent = nullptr);
    ~frmVandrel() override;

    QString programFolder() const { return programFolder_; }
    int currentTab() const { return currentTab_; }
    int windowOpacityValue() const { return opacity_; }

    // The tab switch: hides every tab's content and shows tab index (1 to 6).
    void showTab(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildTabs();
    void buildPanels();
    void hookKeys();
    void placePanelsAtAnchor();
    void focusFob();
    void shutDown();

    void LoadSettings();
    void SaveSettings();
    QString iniPath() const;

    QString programFolder_;
    int currentTab_ = 1;
    bool shutDownDone_ = false;
    LeftClick bareClick_;

    // Settings held by the window itself.
    int opacity_ = 128;
    qint16 spawnMapX_ = 0;
    qint16 spawnMapY_ = 0;
    QString fullScreenFlag_;
    // The window's edges as loaded, in twips: written back unchanged where the platform
    // does not tell a window where it is.
    int leftTwips_ = 0;
    int topTwips_ = 0;

    QList<TabLabel *> lblTab_; // index 0 is tab 1
    QLabel *lblAnchor_ = nullptr;
    QPushButton *cmdFob_ = nullptr;

    // Tab 1 "1 Panel"
    PictureArea *picIcon_ = nullptr;
    QCheckBox *chkIcon_ = nullptr;
    PictureArea *picIconPanelTray_ = nullptr;
    PictureArea *picSource_ = nullptr;
    // Tab 2 "2 Live"
    PictureArea *picLiveGrabTray_ = nullptr;
    PictureArea *picIconCover_ = nullptr;
    QPushButton *cmdFreeCrop_ = nullptr;
    // Tabs 3 to 6
    TextPanel *picTemplates_ = nullptr;
    PictureArea *picIconMerge_ = nullptr;
    PictureArea *picTools_ = nullptr;
    PictureArea *picSettings_ = nullptr;
    // Working areas, never shown by a tab
    PictureArea *picLiveGrab_ = nullptr;
    PictureArea *picLiveTemp_ = nullptr;
    PictureArea *picTemp_ = nullptr;

    KeyRouter *keys_ = nullptr;
};
