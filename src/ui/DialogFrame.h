#pragma once

#include <QString>

class QDialog;

// Makes `dialog` one of the game's modal side windows: the title, a title bar
// with only the close box, and the green table as its background.
void SetUpGreenDialog(QDialog& dialog, const QString& title);
