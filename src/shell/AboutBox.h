#pragma once

class QWidget;

// The game's version, as the build names it (the CMake project version).
extern const char* const kVelloroVersion;

// The about box: the game's name and version.
void ShowAboutBox(QWidget* parent);
