// Cells of the lesson shell (menus, number entry, key waits) that no other
// area uses.
#pragma once

#include "platform/text.h"

struct ShellVars {
    // Top-left corner of the entry-field cell where the next typed character
    // goes (the blinking cursor stands in its middle).
    float EntryCursorX = 0, EntryCursorY = 0;
};
