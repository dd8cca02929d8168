#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>

#include "core/records/BallFrequency.h"
#include "core/state/GameState.h"
#include "ui/ControlPainter.h"

class HeldArrow;
class QLabel;
class SoundPlayer;
class WindowScaler;

// "Ball Frequency Chart": how often each number was drawn during the last N
// recorded games; two arrows step N round 1..Max and the counts follow at
// their release.
class TFormBalls : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 535;
    static constexpr int kDesignHeight = 373;
    static constexpr int kUpTag = 101;
    static constexpr int kDownTag = 103;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;

    // Opening reads the file: IoError when it is missing or damaged.
    TFormBalls(GameState& state, SoundPlayer& sound, QString historyPath, ShowHelp showHelp = {},
               QWidget* parent = nullptr);

    // N and Max as they stand.
    const frequency::GamesCounted& games() const { return games_; }
    QLabel* LabelDuring = nullptr;
    QLabel* LabelGames = nullptr;
    std::array<QLabel*, 80> LabelCount{};  // numbers 1..80
    HeldArrow* ImageUp = nullptr;
    HeldArrow* ImageDown = nullptr;

    // Counts the last N games again and shows them.
    void Count();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* makeLabel(const QRect& designRect, Qt::Alignment alignment);
    HeldArrow* makeArrow(const QRect& designRect, int tag, int helpNumber);
    void showCounts(const frequency::BallCounts& counts);
    void applyFont();

    GameState& state_;
    SoundPlayer& sound_;
    QString historyPath_;
    ShowHelp showHelp_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
    frequency::GamesCounted games_{0, 0};
};

// Opens "Ball Frequency Chart" modally from the main menu, with the hourglass
// while it counts.
void ShowBallFrequency(GameState& state, SoundPlayer& sound, QWidget* parent,
                       TFormBalls::ShowHelp showHelp, const QString& historyPath);
