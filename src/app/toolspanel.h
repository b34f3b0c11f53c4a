#pragma once
// Tab "5 Tools": "Update Templates", "Cycle Categories" and room for the tools to come.

#include "app/picturearea.h"

#include <QList>
#include <functional>

class BuffedArmorFrame;
class LevelXpFrame;
class MouseUpButton;
class SaveRoutine;
class SpawnMapBox;
struct CaptureState;
class TemplatesFrame;

class ToolsPanel : public PictureArea {
    Q_OBJECT

public:
    ToolsPanel(const QString &programFolder, TemplatesFrame *templates, std::function<void()> focusFob,
               CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent = nullptr);

    SpawnMapBox *spawnMap() const { return spawnMap_; }

    QList<QWidget *> keyControls() const;

private:
    void cmdUpdateTemplates_Click();
    void cmdCycleCategories_MouseUp(Qt::MouseButton button);

    QString programFolder_;
    TemplatesFrame *templates_;
    std::function<void()> focusFob_;
    MouseUpButton *cmdUpdateTemplates_ = nullptr;
    MouseUpButton *cmdCycleCategories_ = nullptr;
    SpawnMapBox *spawnMap_ = nullptr;
    BuffedArmorFrame *buffedArmor_ = nullptr;
    LevelXpFrame *levelXp_ = nullptr;
    int categoryPosition_ = 0; // 0 until the first click
};
