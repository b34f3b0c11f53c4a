#include "app/widgets/captionfit.h"

#include "app/widgets/mouseupbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace captionFit {
namespace {

// Where the caption is drawn and how: the room inside the control's frame, indicator or
// margins, and the flags the control draws it with.
struct TextRoom {
    QRect rect;
    int flags = 0;
};

TextRoom buttonRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    TextRoom room{button->style()->subElementRect(element, &option, button), Qt::TextShowMnemonic};
    if (const auto *mouseUp = qobject_cast<const MouseUpButton *>(button); mouseUp && mouseUp->wordWrap())
        room.flags |= Qt::TextWordWrap;
    return room;
}

TextRoom labelRoom(const QLabel *label)
{
    const int inset = label->margin() + std::max(label->indent(), 0);
    TextRoom room{label->contentsRect().adjusted(inset, inset, -inset, -inset), int(label->alignment())};
    if (label->wordWrap())
        room.flags |= Qt::TextWordWrap;
    return room;
}

bool isRichLabel(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

} // namespace

QString captionOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && !isRichLabel(label))
        return label->text();
    return {};
}

bool fits(const QWidget *widget)
{
    const QString caption = captionOf(widget);
    if (caption.isEmpty())
        return true;
    widget->ensurePolished(); // the style may set the font
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const TextRoom room = button ? buttonRoom(button) : labelRoom(static_cast<const QLabel *>(widget));
    // A wrapped caption may take every line of its room, but no word may be wider than it.
    const QSize needed = widget->fontMetrics().boundingRect(room.rect, room.flags, caption).size();
    return needed.width() <= room.rect.width() && needed.height() <= room.rect.height();
}

// The font of widget made smaller, by steps, until fitted says so or smallest is reached.
template <typename Fitted> void shrinkUntil(QWidget *widget, Fitted fitted, qreal smallest = minimumScale)
{
    QFont font = widget->font();
    const bool inPoints = font.pointSizeF() > 0;
    const qreal designed = inPoints ? font.pointSizeF() : font.pixelSize();
    for (qreal scale = 0.92; scale >= smallest - 0.001 && !fitted(); scale -= 0.06) {
        if (inPoints)
            font.setPointSizeF(designed * scale);
        else
            font.setPixelSize(std::max(1, qRound(designed * scale)));
        widget->setFont(font);
    }
}

void fitAll(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        // A layout gives its controls the room their captions ask for (and has not yet
        // given any while the window is being built): only placed controls are fitted.
        const QWidget *parent = widget->parentWidget();
        if (!(parent && parent->layout()))
            shrinkUntil(widget, [widget] { return fits(widget); });
    }
}

void fitPagesToWidth(QWidget *root)
{
    for (QScrollArea *area : root->findChildren<QScrollArea *>()) {
        QWidget *page = area->widget();
        if (!page || !area->widgetResizable())
            continue;
        // The area's own size comes from the layout it stands in, which has not run yet.
        if (QWidget *holder = area->parentWidget(); holder && holder->layout())
            holder->layout()->activate();
        const auto fitted = [area, page] {
            // The boxes on the page keep the sizes they worked out for the font before.
            for (QLayout *layout : page->findChildren<QLayout *>())
                layout->invalidate();
            const QSize needed = page->minimumSizeHint();
            int room = area->width() - 2 * area->frameWidth();
            if (needed.height() > area->height() - 2 * area->frameWidth())
                room -= area->verticalScrollBar()->sizeHint().width();
            return needed.width() <= room;
        };
        shrinkUntil(page, fitted, minimumPageScale);
    }
}

} // namespace captionFit
