#pragma once
// The one window of Quillmark: six tab labels along the top edge choose which page is
// shown. The constructor runs the start-up up to, not including, showing the window;
// closing it runs the shut-down once.

#include "app/saving/capturestate.h"
#include "app/widgets/leftclick.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class IconCorner;
class KeyRouter;
class LivePage;
class MergePage;
class OptionsPage;
class PanelPage;
class PrivateProfile;
class QLabel;
class QPushButton;
class SaveRoutine;
class StatusLine;
class TabLabel;
class TextPage;
class ToolsPage;
class PageDrafts;
class UploadCenter;
class UploadsWindow;

class frmVandrel : public QWidget {
    Q_OBJECT

public:
    static constexpr int tabCount = 6;

    explicit frmVandrel(const QString &programFolder, QWidget *parent = nullptr);
    ~frmVandrel() override;

    QString programFolder() const { return programFolder_; }
    int currentTab() const { return currentTab_; }
    int windowOpacityValue() const;
    // The shortcuts' router, so that tests can see which controls pass their keys on.
    const KeyRouter *keyRouter() const { return keys_; }

    // The tab switch: hides every page and shows tab index (1 to 6).
    void showTab(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildPages();
    void buildTabs();
    void hookKeys();
    void placePagesAtAnchor();
    QWidget *page(int tab) const;
    // No control under the point: the window itself, or a page that spans it.
    bool bareAt(QPoint point) const;
    void focusFob();
    // The Tab key walks the shown page as the eye reads it, from cmdFob on.
    void orderTabStops();
    void shutDown();
    void buildUploads();
    void showUploads(int id = 0);
    // The uploads' progress and last result, on the status line.
    void showUploadStatus();

    void LoadSettings();
    void SaveSettings();
    QString iniPath() const;
    // The pages show the options held, in the order the start-up has always set them.
    void showOptions(const PrivateProfile &ini);
    // What only the window and its pages hold goes to the options.
    void commitOptions();

    QString programFolder_;
    int currentTab_ = 1;
    bool shutDownDone_ = false;
    LeftClick bareClick_;

    // The options, and what the capture actions share.
    CaptureState capture_;

    QList<TabLabel *> lblTab_; // index 0 is tab 1
    QLabel *lblAnchor_ = nullptr;
    QPushButton *cmdFob_ = nullptr;

    std::unique_ptr<SaveRoutine> saveRoutine_;
    OptionsPage *options_ = nullptr; // tab 6, made first: the others use its options
    PanelPage *panel_ = nullptr;     // tab 1
    LivePage *live_ = nullptr;       // tab 2
    TextPage *text_ = nullptr;       // tab 3
    MergePage *merge_ = nullptr;     // tab 4
    ToolsPage *tools_ = nullptr;     // tab 5
    IconCorner *iconCorner_ = nullptr; // shared by tabs 1 and 2
    UploadCenter *uploads_ = nullptr;
    PageDrafts *pageDrafts_ = nullptr;
    UploadsWindow *uploadsWindow_ = nullptr; // made when first shown
    StatusLine *lblStatus_ = nullptr; // the feedback line at the foot
    QString lastUploadStatus_;

    KeyRouter *keys_ = nullptr;
};
