#include "app/window/windowsizing.h"

#include "settings/settingvalues.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace windowSizing {

void resizeTwips(QWidget *window, int widthTwips, int heightTwips)
{
    int width = settings::values::twipsToPixels(widthTwips);
    int height = settings::values::twipsToPixels(heightTwips) + footHeight(window);
    // A screenshot larger than the screen would push the window's edges out of reach;
    // the picture areas scroll instead.
    if (const QScreen *screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        width = std::min(width, available.width() - frame.width());
        height = std::min(height, available.height() - frame.height());
    }
    window->resize(std::max(width, 1), std::max(height, 1));
}

namespace {
const char footProperty[] = "footHeight";
}

void setFootHeight(QWidget *window, int pixels)
{
    window->setProperty(footProperty, pixels);
}

int footHeight(const QWidget *window)
{
    return window->property(footProperty).toInt();
}

} // namespace windowSizing
