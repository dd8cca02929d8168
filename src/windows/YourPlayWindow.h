#pragma once

#include "ui/PlayPictures.h"
#include "windows/GameDialog.h"

class QLabel;
struct ScheduleInForce;

// "Your Play": how the recorded games went against what their tickets were
// worth under the schedule in force, and whether the balls look fair, in
// two pictures and a few words. Hovering a picture tells the game or the
// number under the pointer.
class YourPlayWindow : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 600;
    static constexpr int kDesignHeight = 440;

    // Reads the history once: IoError when it is missing or damaged.
    // The figures use the schedule in force.
    YourPlayWindow(const DialogContext& context, const ScheduleInForce& schedule,
                   const QString& historyPath, QWidget* parent = nullptr);

    QLabel* headingLabel = nullptr;       // the games and the schedule the figures use
    PictureControl* netImage = nullptr;   // the net result against the expected
    PictureControl* ballImage = nullptr;  // the draw counts against the expected
    QLabel* luckLabel = nullptr;          // won back, expected, luck
    QLabel* fairnessLabel = nullptr;      // the fairness test
    QLabel* heatLabel = nullptr;          // the hot and cold numbers

    const NetResultPicture& netPicture() const { return net_; }
    const BallCountPicture& ballPicture() const { return balls_; }
    // The face the pictures' marks and words are painted in, at the window's size.
    QFont pictureFont() const;
    // What the pointer resting there is told.
    QString netTipAt(QPoint at) const;
    QString ballTipAt(QPoint at) const;

  protected:
    void fitTexts() override;

  private:
    QLabel* sentence(const QRect& designRect, int helpNumber);

    NetResultPicture net_;
    BallCountPicture balls_;
};

// Opens "Your Play" modally from the Help menu, with the hourglass while it reads.
void ShowYourPlay(const DialogContext& context, const ScheduleInForce& schedule, QWidget* parent,
                  const QString& historyPath);
