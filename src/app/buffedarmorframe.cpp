#include "app/buffedarmorframe.h"

BuffedArmorFrame::BuffedArmorFrame(QWidget *parent) : QWidget(parent)
{
    resize(328, 150);
}
