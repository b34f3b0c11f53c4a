#pragma once
// Tab "5 Tools": "Update Templates", "Cycle Categories" and room for the tools to come.

#include "app/widgets/picturearea.h"

#include <QList>
#include <functional>

class BuffedArmorBox;
class LevelXpBox;
class MouseUpButton;
class SaveRoutine;
class SpawnMapTool;
struct CaptureState;
class TemplatesBox;

class ToolsPage : public PictureArea {
    Q_OBJECT

public:
    ToolsPage(const QString &programFolder, TemplatesBox &templatesBox, std::function<void()> focusFob,
               CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent = nullptr);

    SpawnMapTool *spawnMap() const { return spawnMap_; }

    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

private:
    void cmdUpdateTemplates_Click();
    void cmdCycleCategories_MouseUp(Qt::MouseButton button);

    QString programFolder_;
    TemplatesBox &templates_;
    std::function<void()> focusFob_;
    MouseUpButton *cmdUpdateTemplates_ = nullptr;
    MouseUpButton *cmdCycleCategories_ = nullptr;
    SpawnMapTool *spawnMap_ = nullptr;
    BuffedArmorBox *buffedArmor_ = nullptr;
    LevelXpBox *levelXp_ = nullptr;
    int categoryPosition_ = 0; // 0 until the first click
};
