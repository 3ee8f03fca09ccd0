#pragma once

#include "main/ScreenRegistry.h"

#include <QString>

#include <array>
#include <optional>

class SelectionHost;

// One selection of the main screen: its caption, its place, and what it runs - a report
// selection that works on the main screen, or a screen that opens in place of it.
struct Selection {
    QString caption;
    int column = 0;  // 0 left, 1 right
    int row = 0;     // from the top
    void (*procedure)(SelectionHost&) = nullptr;
    std::optional<ScreenId> screen;
    bool questionCue = false;  // the question cue sounds when the selection is chosen
};

// The six selections by the index of optSelection, 1..6 (element 0 unused). The index, not the
// place on the screen, says what runs.
const std::array<Selection, 7>& selections();

// How the main screen names the data files screen, which its DATA FILES button opens.
QString dataFilesCaption();
