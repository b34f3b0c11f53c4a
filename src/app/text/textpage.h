#pragma once
// Tab "3 Text": the wiki text tools, in three frames one above the other.

#include "app/widgets/picturearea.h"

#include <QList>
#include <functional>

class ExpandedClipboardBox;
class FormatTextBox;
class TemplatesBox;

class TextPage : public PictureArea {
    Q_OBJECT

public:
    TextPage(const QString &programFolder, std::function<void()> focusFob, QWidget *parent = nullptr);

    ExpandedClipboardBox *clipboardBox() const { return fraExpandedClipboard_; }
    TemplatesBox *templatesBox() const { return fraTemplates_; }

    // Stacks the frames by their current heights.
    void layoutFrames();
    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

private:
    ExpandedClipboardBox *fraExpandedClipboard_;
    FormatTextBox *fraFormat_;
    TemplatesBox *fraTemplates_;
};
