#pragma once
// The window's header where programs and tests outside this tree look for it.
#include "app/window/frmvandrel.h"
