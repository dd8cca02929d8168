#pragma once

class QWidget;

// The game's version, as the build names it.
inline constexpr const char* kVelloroVersion = "0.1";

// The about box: the game's name and version.
void ShowAboutBox(QWidget* parent);
