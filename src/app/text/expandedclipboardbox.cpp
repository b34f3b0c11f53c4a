#include "app/text/expandedclipboardbox.h"

#include "app/widgets/checkboxes.h"
#include "app/widgets/clipboardglue.h"
#include "app/widgets/greyablecheckbox.h"
#include "app/widgets/mouseupbutton.h"
#include "app/widgets/picturearea.h"
#include "common/modvandrel.h"
#include "common/paths.h"
#include "image/imagefiles.h"
#include "settings/options.h"
#include "wikitext/clipboardslots.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>

namespace {

using clipboardSlots::SlotFile;

constexpr int margin = 8;
constexpr int checkTop = 18;
constexpr int buttonTop = 42;
constexpr int buttonWidth = 78;
constexpr int buttonHeight = 40;
constexpr int buttonGap = 4;
constexpr int perRow = 4;
constexpr int iconMargin = 8;
constexpr int storeSize = 32;

const char *const tagProperty = "tag";

} // namespace

ExpandedClipboardBox::ExpandedClipboardBox(const QString &programFolder, QWidget *parent)
    : QGroupBox(title(), parent), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("fraExpandedClipboard"));
    chkSaveClipboard_ =
        new GreyableCheckBox(QStringLiteral("chkSaveClipboard"), tr("Save Clipboard Items on Exit"), this);
    chkSaveClipboard_->setGeometry(margin, checkTop, perRow * (buttonWidth + buttonGap), 20);

    for (int i = 0; i < slotCount; ++i) {
        const int x = margin + (i % perRow) * (buttonWidth + buttonGap);
        const int y = buttonTop + (i / perRow) * (buttonHeight + buttonGap);
        // The stores only hold the pictures; the buttons show them.
        auto *store = new PictureArea(QStringLiteral("picExpandedClipboard_%1").arg(i), this);
        store->setGeometry(x, y, storeSize, storeSize);
        store->hide();
        picExpandedClipboard_.append(store);

        auto *button = new MouseUpButton(QStringLiteral("cmdClipboard_%1").arg(i), QString::number(i + 1), this);
        button->setToolTip(tr("Left click to get text, right click to set text."));
        button->setGeometry(x, y, buttonWidth, buttonHeight);
        button->setIconSize(QSize(buttonWidth - iconMargin, buttonHeight - iconMargin));
        button->setProperty(tagProperty, QString());
        cmdClipboard_.append(button);
    }
    connectMouseUp(cmdClipboard_, this, &ExpandedClipboardBox::cmdClipboard_MouseUp);
    resize(2 * margin + perRow * buttonWidth + (perRow - 1) * buttonGap,
           buttonTop + 2 * buttonHeight + buttonGap + margin);
}

QString ExpandedClipboardBox::title()
{
    return tr("Expanded Clipboard");
}

QString ExpandedClipboardBox::kind(int index) const
{
    return cmdClipboard_[index]->property(tagProperty).toString();
}

void ExpandedClipboardBox::setKind(int index, const QString &kind)
{
    cmdClipboard_[index]->setProperty(tagProperty, kind);
}

void ExpandedClipboardBox::cmdClipboard_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers,
                                                  QPoint)
{
    if (button == Qt::LeftButton)
        getSlot(index);
    else if (button == Qt::RightButton)
        setSlot(index);
    cmdClipboard_[index]->setFocus();
}

void ExpandedClipboardBox::getSlot(int index) const
{
    const QString slotKind = kind(index);
    if (slotKind == clipboardSlots::bitmapKind) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->clear(QClipboard::Clipboard);
        clipboard->setImage(picExpandedClipboard_[index]->picture(), QClipboard::Clipboard);
    } else if (slotKind == clipboardSlots::textKind) {
        clipboardGlue::replaceWithText(slotTexts_[index]);
    }
}

void ExpandedClipboardBox::setSlot(int index)
{
    // What the question is about is what gets stored, whatever happens meanwhile.
    switch (clipboardGlue::format()) {
    case clipboardGlue::Format::Bitmap: {
        const QImage picture = clipboardGlue::picture();
        if (!picture.isNull() && confirm(tr("Set new picture?")))
            showPicture(index, picture);
        break;
    }
    case clipboardGlue::Format::Text: {
        const QString text = clipboardGlue::text();
        if (confirm(tr("Set new text?")))
            showText(index, text);
        break;
    }
    case clipboardGlue::Format::Nothing:
        break;
    }
}

bool ExpandedClipboardBox::confirm(const QString &question)
{
    QMessageBox box(QMessageBox::Question, title(), question,
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void ExpandedClipboardBox::showText(int index, const QString &text)
{
    slotTexts_[index] = text;
    MouseUpButton *button = cmdClipboard_[index];
    button->setText(clipboardSlots::caption(text));
    setKind(index, clipboardSlots::textKind);
    picExpandedClipboard_[index]->setPicture(QImage());
    button->setIcon(QIcon());
}

void ExpandedClipboardBox::showPicture(int index, const QImage &picture)
{
    picExpandedClipboard_[index]->setPicture(picture);
    MouseUpButton *button = cmdClipboard_[index];
    // Scaled once here, so a screenshot is not kept twice at full size.
    button->setIcon(QIcon(QPixmap::fromImage(
        picture.scaled(button->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    setKind(index, clipboardSlots::bitmapKind);
    slotTexts_[index].clear();
    button->setText(QString());
}

QString ExpandedClipboardBox::templatesFolder() const
{
    return paths::joinPath(programFolder_, QStringLiteral("Templates"));
}

static_assert(ExpandedClipboardBox::slotCount == settings::clipboardSlotCount);

void ExpandedClipboardBox::restoreSlots(const settings::Options &options)
{
    checkBoxes::show(chkSaveClipboard_, options, settings::Check::SaveClipboard);
    if (chkSaveClipboard_->checkState() != Qt::Checked)
        return;
    for (int i = 0; i < slotCount; ++i)
        restoreSlot(i, options.clipboardSlots[size_t(i)]);
}

void ExpandedClipboardBox::restoreSlot(int index, const QString &keyValue)
{
    const SlotFile file = clipboardSlots::restoreFrom(keyValue);
    if (file == SlotFile::None)
        return;
    const QString path = paths::findFileNoCase(templatesFolder(), clipboardSlots::fileName(index + 1, file));
    if (!modVandrel::fileExists(path))
        return;
    // A file that cannot be read or decoded leaves the slot empty, as a missing one does.
    if (file == SlotFile::Text) {
        if (const auto text = clipboardSlots::readText(path))
            showText(index, *text);
    } else if (const PictureRead read = imageFiles::loadPicture(path); read.ok()) {
        showPicture(index, read.picture);
    }
}

void ExpandedClipboardBox::saveSlots(settings::Options &options) const
{
    options.set(settings::Check::SaveClipboard, chkSaveClipboard_->checkState());
    const bool keep = chkSaveClipboard_->checkState() == Qt::Checked;
    for (int i = 0; i < slotCount; ++i)
        options.clipboardSlots[size_t(i)] = keep ? saveSlot(i) : QString();
}

QString ExpandedClipboardBox::saveSlot(int index) const
{
    const QString slotKind = kind(index);
    SlotFile file = SlotFile::None;
    if (slotKind == clipboardSlots::bitmapKind)
        file = SlotFile::Bitmap;
    else if (slotKind == clipboardSlots::textKind)
        file = SlotFile::Text;
    else
        return QString();

    const QString name = clipboardSlots::fileName(index + 1, file);
    const QString path = paths::joinPath(templatesFolder(), name);
    const bool written = file == SlotFile::Bitmap
                             ? imageFiles::saveBmp(picExpandedClipboard_[index]->picture(), path).ok()
                             : clipboardSlots::writeText(path, slotTexts_[index]);
    // A key never names a file that does not hold this slot: an old one would come back.
    return written ? name : QString();
}
