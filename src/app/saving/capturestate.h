#pragma once
// What the capture actions share while the program runs: the options (the save options of
// the three image kinds, the icon geometry, the check boxes ...) and the last name typed at
// a name prompt.

#include "settings/options.h"

#include <QString>

struct CaptureState : settings::Options {
    QString strLastName;
};
