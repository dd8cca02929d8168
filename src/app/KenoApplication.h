#pragma once

#include <QApplication>

class IoError;
class QWidget;

// The application object. A file error thrown out of any event handler ends
// here: the player is told which file failed and why, and the operation that
// ran into it is abandoned while the game goes on.
class KenoApplication : public QApplication {
  public:
    KenoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The one message box of file errors: the file and the system's reason.
void ShowIoError(QWidget* parent, const IoError& error);
QString IoErrorText(const IoError& error);
// The box of a start that cannot go on for want of the payoff schedules: the
// file error, the folder the game was started in and how to give it schedules.
QString StartFailureText(const IoError& error, const QString& folder);

// Ends the event loop when the table window closes. Qt alone quits only when
// no window is left open at that moment; a window opened by input queued
// behind Exit would keep the game running, with no table and its folder locked.
void EndWithTable(QWidget& table);
