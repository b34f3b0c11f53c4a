#include "app/textpanel.h"

#include "app/expandedclipboardframe.h"
#include "app/formattextframe.h"
#include "app/templatesframe.h"

namespace {
constexpr int margin = 2;
constexpr int gap = 4;
} // namespace

TextPanel::TextPanel(const QString &programFolder, std::function<void()> focusFob, QWidget *parent)
    : PictureArea(QStringLiteral("picTemplates"), parent),
      fraExpandedClipboard_(new ExpandedClipboardFrame(programFolder, this)),
      fraFormat_(new FormatTextFrame(programFolder, this)),
      fraTemplates_(new TemplatesFrame(programFolder, std::move(focusFob), this))
{
    layoutFrames();
}

void TextPanel::layoutFrames()
{
    int y = 0;
    for (QWidget *frame : {static_cast<QWidget *>(fraExpandedClipboard_), static_cast<QWidget *>(fraFormat_),
                           static_cast<QWidget *>(fraTemplates_)}) {
        frame->move(margin, y);
        y += frame->height() + gap;
    }
}
