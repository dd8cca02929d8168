#pragma once

#include <QString>

class QDialog;
class WindowScaler;

// Makes `dialog` one of the game's modal side windows: the title, a title bar
// with only the close box, and the green table as its background.
void SetUpGreenDialog(QDialog& dialog, const QString& title);

// Sizes the dialog's client area for the screen it opens on (its parent's, or
// the primary one) and centres it there.
void FitAndCentre(QDialog& dialog, WindowScaler& scaler);

// The hourglass cursor while it lives.
class Hourglass {
  public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
