#include "app/text/formattextbox.h"

#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "wikitext/formattext.h"

namespace {
constexpr int buttonWidth = 78;
constexpr int buttonHeight = 27;
constexpr int buttonGap = 4;
constexpr int margin = 8;
} // namespace

FormatTextBox::FormatTextBox(const QString &programFolder, QWidget *parent)
    : QGroupBox(QStringLiteral("Format Text"), parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("fraFormat"));
    for (int i = 0; i < 4; ++i) {
        auto *button = new MouseUpButton(QStringLiteral("cmdFormat_%1").arg(i), formatText::captions[i], this);
        button->setToolTip(formatText::tooltip);
        button->setGeometry(margin + i * (buttonWidth + buttonGap), 20, buttonWidth, buttonHeight);
        cmdFormat_.append(button);
    }
    connectMouseUp(cmdFormat_, this, &FormatTextBox::cmdFormat_MouseUp);
    resize(2 * margin + 4 * buttonWidth + 3 * buttonGap, 20 + buttonHeight + margin);
}

void FormatTextBox::cmdFormat_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        const auto click = button == Qt::LeftButton ? formatText::Click::Left : formatText::Click::Right;
        const QString text = clipboardGlue::text();
        clipboardGlue::replaceWithText(formatText::transform(index, click, text, programFolder_));
    }
    cmdFormat_[index]->setFocus();
}
