#pragma once
// "Create Spawn Map": the screenshot of the map viewer compared with the reference map,
// every difference a red dot on a white 256 x 256 map, shown and saved.

#include <QList>
#include <QPoint>
#include <QWidget>

class PictureArea;
class MouseUpButton;
class SaveRoutine;
struct CaptureState;

class SpawnMapTool : public QWidget {
    Q_OBJECT

public:
    SpawnMapTool(const QString &programFolder, CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent = nullptr);

    // The picture areas that take the focus by a click, so that the window's shortcuts work
    // from them as from a button.
    QList<PictureArea *> focusAreas() const;

private:
    void cmdCreateSpawnMap_Click();
    void createSpawnMap();
    // The reference map into its holder; the user is told when there is none to read.
    bool loadReference();
    // The map, filled strip by strip so the user sees it grow.
    void drawMap();

    QString programFolder_;
    CaptureState &state_;
    SaveRoutine &saveRoutine_;
    MouseUpButton *cmdCreateSpawnMap_ = nullptr;
    PictureArea *picSpawnMap_ = nullptr;
    PictureArea *picSpawnMapBase_ = nullptr;
    PictureArea *picSpawnMapCompare_ = nullptr;
    // Set while a map is being made: the window handles events between strips, and a
    // second click then must not start another run.
    bool running_ = false;
};
