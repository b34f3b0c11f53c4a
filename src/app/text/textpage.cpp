#include "app/text/textpage.h"

#include "app/text/expandedclipboardbox.h"
#include "app/text/formattextbox.h"
#include "app/text/templatesbox.h"

namespace {
constexpr int margin = 2;
constexpr int gap = 4;
} // namespace

TextPage::TextPage(const QString &programFolder, std::function<void()> focusFob, QWidget *parent)
    : PictureArea(QStringLiteral("picTemplates"), parent),
      fraExpandedClipboard_(new ExpandedClipboardBox(programFolder, this)),
      fraFormat_(new FormatTextBox(programFolder, this)),
      fraTemplates_(new TemplatesBox(programFolder, std::move(focusFob), this))
{
    layoutFrames();
}

void TextPage::layoutFrames()
{
    int y = 0;
    for (QWidget *frame : {static_cast<QWidget *>(fraExpandedClipboard_), static_cast<QWidget *>(fraFormat_),
                           static_cast<QWidget *>(fraTemplates_)}) {
        frame->move(margin, y);
        y += frame->height() + gap;
    }
}

QList<PictureArea *> TextPage::focusAreas() const
{
    return {const_cast<TextPage *>(this)};
}
