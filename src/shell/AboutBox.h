#pragma once

class QWidget;

// The about box: the game's name and version.
void ShowAboutBox(QWidget* parent);
