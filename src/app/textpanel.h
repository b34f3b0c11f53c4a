#pragma once
// Tab "3 Text": the wiki text tools, in three frames one above the other.

#include "app/picturearea.h"

#include <functional>

class ExpandedClipboardFrame;
class FormatTextFrame;
class TemplatesFrame;

class TextPanel : public PictureArea {
    Q_OBJECT

public:
    TextPanel(const QString &programFolder, std::function<void()> focusFob, QWidget *parent = nullptr);

    ExpandedClipboardFrame *clipboardFrame() const { return fraExpandedClipboard_; }
    FormatTextFrame *formatFrame() const { return fraFormat_; }
    TemplatesFrame *templatesFrame() const { return fraTemplates_; }

    // Stacks the frames by their current heights.
    void layoutFrames();

private:
    ExpandedClipboardFrame *fraExpandedClipboard_;
    FormatTextFrame *fraFormat_;
    TemplatesFrame *fraTemplates_;
};
