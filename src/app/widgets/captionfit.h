#pragma once
// Captions that fit their controls. The window is laid out for its English captions; a
// translation is often longer. A caption wider than its control is drawn in a smaller font
// (never below minimumScale of the font it had), so it is read whole instead of cut off.
// A caption that fits is left alone: the English window does not change.

#include <QString>

class QWidget;

namespace captionFit {

inline constexpr double minimumScale = 0.6;
// A whole page of controls, whose rows hold several captions each, may go further.
inline constexpr double minimumPageScale = 0.5;

// The caption of a button, check box, option button or label; empty for other widgets
// and for a label that shows a picture or rich text.
QString captionOf(const QWidget *widget);

// Whether widget's caption is shown whole in its font and size (true without a caption).
bool fits(const QWidget *widget);

// Shrinks the font of every control under root (root too) whose caption does not fit,
// but for controls a layout places: it gives them the room their captions need.
void fitAll(QWidget *root);

// A page in a scroll area may grow downwards, not sideways: when its controls need more
// width than the area shows, the page's font shrinks (never below minimumPageScale) until
// they fit.
void fitPagesToWidth(QWidget *root);

} // namespace captionFit
