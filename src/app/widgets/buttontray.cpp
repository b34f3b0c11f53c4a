#include "app/widgets/buttontray.h"

#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"

namespace buttonTray {
namespace {
constexpr int buttonWidth = 46;
constexpr int buttonHeight = 34;
constexpr int buttonPitch = 36;
} // namespace

PictureArea *make(const QString &trayName, const QString &buttonStem, const QList<const char *> &captions,
                  const QString &tooltip, QWidget *parent, QList<MouseUpButton *> &buttons)
{
    auto *tray = new PictureArea(trayName, parent);
    tray->resize(width, height);
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new MouseUpButton(buttonStem + u'_' + QString::number(i + 1),
                                         QString::fromLatin1(captions[i]), tray);
        button->setGeometry(1, 2 + i * buttonPitch, buttonWidth, buttonHeight);
        button->setWordWrap(true);
        button->setToolTip(tooltip);
        button->setAcceptsFiles(true);
        buttons.append(button);
    }
    return tray;
}

} // namespace buttonTray
