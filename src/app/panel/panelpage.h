#pragma once
// Tab "1 Panel": the twelve stats panel buttons cut the item icon and the stats panel out
// of the screenshot on the clipboard (or a dropped file), show them and save them. The
// page spans the window, so its controls stand where the window's design puts them.

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <optional>

struct CaptureState;
class IconCorner;
class MouseUpButton;
class PictureArea;
class SaveRoutine;

class PanelPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int buttonCount = 12;

    PanelPage(CaptureState &state, SaveRoutine &saveRoutine, IconCorner &icon, QWidget *parent);

    PictureArea *picIconPanelTray() const { return picIconPanelTray_; }
    PictureArea *picSource() const { return picSource_; }
    // The whole screenshot, never shown.
    PictureArea *picTemp() const { return picTemp_; }

    // Start-up: the stats panel and the working picture go to the anchor.
    void placeAt(QPoint anchor);
    // The tab switch to this tab empties the working picture.
    void clearWorkingPicture();
    // The screenshot the buttons cut from (and the icon training works on).
    void takeScreenshot(const QImage &screenshot);
    // The hint in the empty stats panel area.
    void setHintShown(bool on);
    // The height buttons show the captions held; a caption the user changes (Shift + right
    // click) is held at once.
    void showCaptions();
    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

private:
    void heightButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint);
    void askHeight(int index);
    // The clipboard's picture; without one, the screenshot held since the tab was opened
    // (autocopy's name replaces it on the clipboard); else the user is told to copy one.
    std::optional<QImage> screenshotToCut();
    // Cuts the icon and the panel of button index's height out of the screenshot, shows
    // them and, when save, names and writes them.
    void cutShowSave(int index, bool save);
    void save(bool iconWanted);

    CaptureState &state_;
    SaveRoutine &saveRoutine_;
    IconCorner &icon_;
    PictureArea *picIconPanelTray_ = nullptr;
    QList<MouseUpButton *> cmdExtractPanel_; // index 0 is button 1
    PictureArea *picSource_ = nullptr;
    PictureArea *picTemp_ = nullptr;
    bool screenshotHeld_ = false; // picTemp_ holds a screenshot, not the blank of a tab switch
};
