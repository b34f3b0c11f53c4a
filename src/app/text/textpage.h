#pragma once
// Tab "3 Text": the wiki text tools, in three frames one above the other.

#include "app/widgets/picturearea.h"

#include <functional>

class ExpandedClipboardBox;
class FormatTextBox;
class TemplatesBox;

class TextPage : public PictureArea {
    Q_OBJECT

public:
    TextPage(const QString &programFolder, std::function<void()> focusFob, QWidget *parent = nullptr);

    ExpandedClipboardBox *clipboardFrame() const { return fraExpandedClipboard_; }
    FormatTextBox *formatFrame() const { return fraFormat_; }
    TemplatesBox *templatesFrame() const { return fraTemplates_; }

    // Stacks the frames by their current heights.
    void layoutFrames();

private:
    ExpandedClipboardBox *fraExpandedClipboard_;
    FormatTextBox *fraFormat_;
    TemplatesBox *fraTemplates_;
};
