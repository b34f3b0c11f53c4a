#pragma once
// The "Expanded Clipboard" frame: eight slots that keep a text or a picture from the
// clipboard, kept across a restart when asked to.

#include <QGroupBox>
#include <QList>

class MouseUpButton;
class PrivateProfile;
class QCheckBox;

class ExpandedClipboardFrame : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int slotCount = 8;

    ExpandedClipboardFrame(const QString &programFolder, QWidget *parent = nullptr);

    QCheckBox *chkSaveClipboard() const { return chkSaveClipboard_; }
    // The settings load: the check box, then the slots from their files when it is checked.
    void restoreSlots(const PrivateProfile &ini);
    // The settings save: the check box and the slots (files in Templates and their keys).
    void saveSlots(PrivateProfile &ini) const;

    QList<QWidget *> keyControls() const;

private:
    QString programFolder_;
    QCheckBox *chkSaveClipboard_ = nullptr;
    QList<MouseUpButton *> cmdClipboard_; // index n - 1 is slot n
};
