#include "app/spawnmapbox.h"

SpawnMapBox::SpawnMapBox(const QString &programFolder, CaptureState &state, SaveRoutine &saveRoutine, QWidget *parent)
    : QWidget(parent), programFolder_(programFolder), state_(state), saveRoutine_(saveRoutine)
{
    resize(328, 290);
}
