#pragma once
// Tab "1 Panel": the twelve stats panel buttons cut the item icon and the stats panel out
// of the screenshot on the clipboard (or a dropped file), show them and save them.

#include <QImage>
#include <QList>
#include <QObject>

struct CaptureState;
class GreyableCheckBox;
class MouseUpButton;
class PictureArea;
class QCheckBox;
class QWidget;
class SaveRoutine;

class PanelPage : public QObject {
    Q_OBJECT

public:
    static constexpr int buttonCount = 12;

    PanelPage(QWidget *window, CaptureState &state, SaveRoutine &saveRoutine);

    PictureArea *picIconPanelTray() const { return picIconPanelTray_; }
    PictureArea *picIcon() const { return picIcon_; }
    QCheckBox *chkIcon() const;
    PictureArea *picSource() const { return picSource_; }
    // The whole screenshot, never shown.
    PictureArea *picTemp() const { return picTemp_; }

    // Caption of height button index (1 to 12), from the settings.
    void setPanelCaption(int index, const QString &caption);
    // The controls whose keys go to the window's shortcuts.
    QList<QWidget *> keyControls() const;

private:
    void heightButtonUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint);
    void askHeight(int index);
    void takeScreenshot(const QImage &screenshot);
    // Cuts the icon and the panel of button index's height out of the screenshot, shows
    // them and, when save, names and writes them.
    void cutShowSave(int index, bool save);
    bool panelToBeSaved() const;

    QWidget *window_;
    CaptureState &state_;
    SaveRoutine &saveRoutine_;
    PictureArea *picIconPanelTray_ = nullptr;
    QList<MouseUpButton *> cmdExtractPanel_; // index 0 is button 1
    PictureArea *picIcon_ = nullptr;
    GreyableCheckBox *chkIcon_ = nullptr;
    PictureArea *picSource_ = nullptr;
    PictureArea *picTemp_ = nullptr;
};
