#include "app/text/templatesbox.h"

#include "app/text/multiusecontrol.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/mouseupbutton.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "settings/privateprofile.h"

namespace {

constexpr int columns = 3;
constexpr int margin = 8;
constexpr int top = 20;
constexpr int gap = 4;
constexpr int frameWidth = 340;
constexpr int buttonWidth = (frameWidth - 2 * margin - (columns - 1) * gap) / columns;
constexpr int buttonHeight = 30;
// The multi-use button and its drop-down share the cell after the last template button,
// one above the other, so that cell is two rows high.
constexpr int multiUseHeight = 2 * buttonHeight + gap;

// What the window shows before the settings load replaces it (index 0 is button 1).
const char *const designedCaptions[TemplatesBox::buttonCount] = {
    QT_TRANSLATE_NOOP("TemplatesBox", "Armor"),      QT_TRANSLATE_NOOP("TemplatesBox", "Shield"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Clothing"),   QT_TRANSLATE_NOOP("TemplatesBox", "Melee"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Missle"),     QT_TRANSLATE_NOOP("TemplatesBox", "Caster"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Creature"),   QT_TRANSLATE_NOOP("TemplatesBox", "NPC"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Open"),       QT_TRANSLATE_NOOP("TemplatesBox", "Magic Item"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Non Magic"),  QT_TRANSLATE_NOOP("TemplatesBox", "Trophy"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Food"),       QT_TRANSLATE_NOOP("TemplatesBox", "Cooking"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Jewelry"),    QT_TRANSLATE_NOOP("TemplatesBox", "Quest"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Text"),       QT_TRANSLATE_NOOP("TemplatesBox", "Translation"),
    QT_TRANSLATE_NOOP("TemplatesBox", "Dungeon"),    QT_TRANSLATE_NOOP("TemplatesBox", "Open"),
};

QRect cell(int position)
{
    return {margin + (position % columns) * (buttonWidth + gap), top + (position / columns) * (buttonHeight + gap),
            buttonWidth, buttonHeight};
}

// A style sheet, not the palette: most styles paint push buttons in their own colours
// and ignore a palette's button colour. Black text keeps light colours readable on dark
// desktops.
QString buttonStyle(const QColor &colour)
{
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #808080;"
                          " border-radius: 3px; padding: 2px; }"
                          "QPushButton:focus { border: 1px solid #202060; }"
                          "QPushButton:pressed { background-color: %2; }")
        .arg(colour.name(), colour.darker(115).name());
}

} // namespace

TemplatesBox::TemplatesBox(const QString &programFolder, std::function<void()> focusFob, QWidget *parent)
    : QGroupBox(tr("Templates"), parent), programFolder_(programFolder), focusFob_(std::move(focusFob)),
      slots_(buttonCount)
{
    setObjectName(QStringLiteral("fraTemplates"));
    for (int i = 0; i < buttonCount; ++i) {
        auto *button = new MouseUpButton(QStringLiteral("cmdTemplate_%1").arg(i + 1), QString(), this);
        button->setGeometry(cell(i));
        cmdTemplate_.append(button);
        showButton(i, tr(designedCaptions[i]),
                   templates::buttonColour(QString::fromLatin1(templates::designedColours[i])));
    }
    connectMouseUp(cmdTemplate_, this, &TemplatesBox::cmdTemplate_MouseUp, 1);

    multiUse_ = new MultiUseControl(programFolder_, this);
    const QRect last = cell(buttonCount);
    multiUse_->setGeometry(last.x(), last.y(), last.width(), multiUseHeight);
    multiUse_->setReloadTemplates([this] { reloadTemplates(); });
    resize(frameWidth, last.y() + multiUseHeight + margin);
}

void TemplatesBox::showButton(int index, const QString &caption, const QColor &colour)
{
    MouseUpButton *button = cmdTemplate_[index];
    button->setText(caption);
    button->setStyleSheet(buttonStyle(colour));
}

void TemplatesBox::loadTemplates(const PrivateProfile &ini)
{
    for (int i = 0; i < buttonCount; ++i) {
        templates::Slot slot = templates::loadSlot(ini, i + 1, programFolder_);
        cmdTemplate_[i]->setToolTip(tooltip(slot.alternatePath));
        showButton(i, slot.name, templates::buttonColour(slot.backgroundColor));
        slots_[i] = std::move(slot);
    }
    multiUse_->loadExpandedTemplates(ini);
}

QString TemplatesBox::tooltip(const QString &alternatePath)
{
    if (alternatePath.isEmpty())
        return tr("Alt template open");
    return tr(" Right click for:   %1").arg(templates::alternateName(alternatePath));
}

void TemplatesBox::reloadTemplates()
{
    loadTemplates(PrivateProfile::fromFile(paths::joinPath(programFolder_, programInfo::settingsFileName)));
    emit templatesReloaded();
}

QStringList TemplatesBox::configuredPaths() const
{
    QStringList paths;
    for (const templates::Slot &slot : slots_)
        paths.append(slot.path);
    for (const templates::Slot &slot : slots_)
        paths.append(slot.alternatePath);
    return paths;
}

void TemplatesBox::cmdTemplate_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    const templates::Slot &slot = slots_[index - 1];
    if (button == Qt::LeftButton) {
        clipboardGlue::replaceWithText(slot.text);
    } else if (button == Qt::RightButton) {
        clipboardGlue::replaceWithText(slot.alternateText);
        cmdTemplate_[index - 1]->setFocus();
    }
}
