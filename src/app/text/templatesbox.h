#pragma once
// The "Templates" frame: twenty page-template buttons backed by text files, and the
// multi-use button with its drop-down.

#include "wikitext/templates.h"

#include <QGroupBox>
#include <QList>
#include <functional>

class MouseUpButton;
class MultiUseControl;
class PrivateProfile;

class TemplatesBox : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int buttonCount = templates::slotCount;

    // focusFob gives the keyboard focus back to the window's focus holder.
    TemplatesBox(const QString &programFolder, std::function<void()> focusFob, QWidget *parent = nullptr);

    // Load template buttons: the twenty slots, then the expanded templates, from ini.
    void loadTemplates(const PrivateProfile &ini);
    // The same from the settings file as it is now on disk (Reload, after an update).
    void reloadTemplates();
    // The configured template paths: Path of slots 1-20, then AlternatePath of slots 1-20.
    QStringList configuredPaths() const;

    MultiUseControl *multiUse() const { return multiUse_; }

signals:
    // A reload has set the template buttons' captions and tooltips again.
    void templatesReloaded();

private:
    void cmdTemplate_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void showButton(int index, const QString &caption, const QColor &colour);
    // Names the alternate template a right click gives.
    static QString tooltip(const QString &alternatePath);

    QString programFolder_;
    std::function<void()> focusFob_;
    QList<MouseUpButton *> cmdTemplate_; // index 0 is button 1
    QList<templates::Slot> slots_;       // the same
    MultiUseControl *multiUse_ = nullptr;
};
