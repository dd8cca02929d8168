#pragma once

#include <QDialog>

#include "ui/ControlPainter.h"
#include "ui/WhatsThis.h"

class PictureControl;
class QLabel;
class SoundPlayer;
class WindowScaler;
struct SessionSettings;

// What a side window of the game opens with: the session's settings (whether
// its controls click; the pause and sound windows change them), its sounds,
// the help behind "What's this?" (none: the controls offer no help) and the
// bevel thickness all the windows share. A window that shows or changes more
// of the game takes that part of it itself.
struct DialogContext {
    SessionSettings& session;
    SoundPlayer& sound;
    ShowHelp showHelp = {};
    int bevelWidth = 5;  // the thickness on the 640 x 480 screen the windows were laid out on
};

// One of the game's modal side windows: the green client area under a title
// bar with only the close box, the painter of its picture controls, the
// scaler that keeps it in proportion to the screen it opens on (centred
// there), the texts that follow its size and the click of its controls.
// From the keyboard: it opens with the focus on its main control, Escape
// closes it as its CANCEL or close box would (QDialog's reject), and
// Shift+F1 shows "What's this?" of the focused control.
class GameDialog : public QDialog {
    Q_OBJECT
  public:
    // Its size in design units, the client size it was laid out at.
    QSize designSize() const;

  protected:
    GameDialog(const DialogContext& context, const WindowStyle& style, QSize designSize,
               const QString& title, QWidget* parent);

    // A picture control at a design rectangle, with its tag and its help (0: none).
    PictureControl* placeImage(const QRect& designRect, int tag = 0, int helpNumber = 0);
    // A text on the green at a design rectangle, with its help (0: none).
    QLabel* placeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber = 0);
    // Gives a control its "What's this?" help when the window has help.
    void attachHelp(QWidget* control, int helpNumber);
    // The click of a button or an arrow, when the game sounds are on.
    void click();
    // Sets the texts' fonts for the window's height; runs at every resize.
    virtual void fitTexts() {}
    // The control the keyboard focus is on when the window opens.
    void setMainControl(QWidget* control);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    SessionSettings& session_;
    SoundPlayer& sound_;
    ShowHelp showHelp_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;

  private:
    QWidget* mainControl_ = nullptr;
};
