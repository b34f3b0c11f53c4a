#include "app/windowoptionsbox.h"

WindowOptionsBox::WindowOptionsBox(QWidget *parent) : QWidget(parent) {}
