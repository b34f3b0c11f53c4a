#include "app/levelxpframe.h"

LevelXpFrame::LevelXpFrame(QWidget *parent) : QWidget(parent)
{
    resize(328, 80);
}
