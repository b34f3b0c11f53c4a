#pragma once
// Window options: tooltips, always on top, translucency and its alpha, and the helps. The
// top-most and translucent states live only in their check boxes and start unchecked every
// run; the alpha, the tooltips and the helps are options of the settings.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace settings {
struct Options;
}
class QCheckBox;
class QPushButton;

class WindowOptions : public QWidget {
    Q_OBJECT

public:
    // focusFob gives the keyboard focus back to the window's focus holder.
    WindowOptions(settings::Options &options, std::function<void()> focusFob, QWidget *parent = nullptr);

    // The helps of tabs 1 and 2: the magnified view of a fixed crop and the hints shown
    // where no picture is yet.
    QCheckBox *chkMagnifier() const { return chkMagnifier_; }
    QCheckBox *chkHints() const { return chkHints_; }

    // The window's alpha while "Transparent Window" is on, 1 (clear) to 255 (opaque).
    int opacity() const;

    // Records the tooltip of every widget of the window, so that clearing them loses none.
    void captureToolTips();
    // The start-up shows the tooltip option after the capture.
    void showToolTips();
    void showOpacity();
    void showHelps();
    // Tooltips set again while they are switched off (a template reload) go to the table
    // and off the controls.
    void tooltipsReapplied();

private:
    void chkToolTips_Click(bool checked);
    void chkAlwaysOnTop_Click(bool checked);
    void chkTransparentForm_Click(bool checked);
    void cmdSetWindowAlpha_Click();
    void applyOpacity();
    QList<QWidget *> everyWidget() const;

    settings::Options &options_;
    std::function<void()> focusFob_;
    std::vector<std::pair<QPointer<QWidget>, QString>> tooltips_;
    QCheckBox *chkToolTips_ = nullptr;
    QCheckBox *chkAlwaysOnTop_ = nullptr;
    QCheckBox *chkTransparentForm_ = nullptr;
    QCheckBox *chkMagnifier_ = nullptr;
    QCheckBox *chkHints_ = nullptr;
    QCheckBox *chkForceEnglish_ = nullptr;
    QPushButton *cmdSetWindowAlpha_ = nullptr;
};
