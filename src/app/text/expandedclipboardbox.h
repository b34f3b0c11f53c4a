#pragma once
// The "Expanded Clipboard" frame: eight slots that keep a text or a picture from the
// clipboard, kept across a restart when asked to.

#include "wikitext/clipboardslots.h"

#include <QGroupBox>
#include <QList>
#include <array>

class MouseUpButton;
class PictureArea;
namespace settings {
struct Options;
}
class QCheckBox;

class ExpandedClipboardBox : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int slotCount = clipboardSlots::slotCount;

    ExpandedClipboardBox(const QString &programFolder, QWidget *parent = nullptr);

    QCheckBox *chkSaveClipboard() const { return chkSaveClipboard_; }
    // The start-up: the check box, then the slots from their files when it is checked.
    void restoreSlots(const settings::Options &options);
    // The shut-down: the check box and the slots (files in Templates, their keys' texts held).
    void saveSlots(settings::Options &options) const;

    // Left gets the slot onto the clipboard, right sets it from the clipboard.
    void cmdClipboard_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

private:
    // The frame's title, also the title of its questions.
    static QString title();
    // The slot's kind ("Text", "Bitmap" or anything else for empty) is the button's tag.
    QString kind(int index) const;
    void setKind(int index, const QString &kind);

    void getSlot(int index) const;
    void setSlot(int index);
    void showText(int index, const QString &text);
    void showPicture(int index, const QImage &picture);
    bool confirm(const QString &question);

    void restoreSlot(int index, const QString &keyValue);
    // The slot's file, written; its key value, or "" when it was not.
    QString saveSlot(int index) const;
    QString templatesFolder() const;

    QString programFolder_;
    QCheckBox *chkSaveClipboard_ = nullptr;
    QList<MouseUpButton *> cmdClipboard_;         // index n - 1 is slot n
    QList<PictureArea *> picExpandedClipboard_;   // the pictures of "Bitmap" slots
    std::array<QString, slotCount> slotTexts_{};  // the texts of "Text" slots
};
