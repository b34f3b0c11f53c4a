#include "app/text/formattextbox.h"

#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "wikitext/formattext.h"

namespace {
constexpr int buttonWidth = 78;
constexpr int buttonHeight = 27;
constexpr int buttonGap = 4;
constexpr int margin = 8;
const char *const captions[4] = {
    QT_TRANSLATE_NOOP("FormatTextBox", "Dialog"),
    QT_TRANSLATE_NOOP("FormatTextBox", "Wiki Link"),
    QT_TRANSLATE_NOOP("FormatTextBox", "Image"),
    QT_TRANSLATE_NOOP("FormatTextBox", "Redirect"),
};
} // namespace

FormatTextBox::FormatTextBox(const QString &programFolder, QWidget *parent)
    : QGroupBox(tr("Format Text"), parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("fraFormat"));
    for (int i = 0; i < 4; ++i) {
        auto *button = new MouseUpButton(QStringLiteral("cmdFormat_%1").arg(i), tr(captions[i]), this);
        button->setToolTip(
            tr("Formats text currently in clipboard (copied text). Right click for alternate format operation."));
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
