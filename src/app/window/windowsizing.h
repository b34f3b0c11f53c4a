#pragma once
// Window sizes as the design gives them, in twips (15 to a pixel), kept within the
// screen the window stands on.

class QWidget;

namespace windowSizing {

// The sizes are those of the pages; the window adds its foot (the status line) below them.
void resizeTwips(QWidget *window, int widthTwips, int heightTwips);
void setFootHeight(QWidget *window, int pixels);
int footHeight(const QWidget *window);

} // namespace windowSizing
