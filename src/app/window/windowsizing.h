#pragma once
// Window sizes as the design gives them, in twips (15 to a pixel), kept within the
// screen the window stands on.

class QWidget;

namespace windowSizing {

void resizeTwips(QWidget *window, int widthTwips, int heightTwips);

} // namespace windowSizing
