#pragma once

#include <array>

#include "core/records/BallFrequency.h"
#include "windows/GameDialog.h"

class HeldArrow;

// "Ball Frequency Chart": how often each number was drawn during the last N
// recorded games; two arrows step N round 1..Max and the counts follow at
// their release.
class FrequencyWindow : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 535;
    static constexpr int kDesignHeight = 373;
    static constexpr int kUpTag = 101;
    static constexpr int kDownTag = 103;

    // Opening reads the file: IoError when it is missing or damaged.
    FrequencyWindow(const DialogContext& context, QString historyPath, QWidget* parent = nullptr);

    // N and Max as they stand.
    const frequency::GamesCounted& games() const { return games_; }
    QLabel* duringLabel = nullptr;          // "DURING THE LAST"
    QLabel* gamesLabel = nullptr;           // "12 GAMES"
    std::array<QLabel*, 80> countLabels{};  // numbers 1..80
    HeldArrow* upArrow = nullptr;
    HeldArrow* downArrow = nullptr;

    // Counts the last N games again and shows them.
    void recount();

  protected:
    void fitTexts() override;

  private:
    HeldArrow* makeArrow(const QRect& designRect, int tag, int helpNumber);
    void showCounts(const frequency::BallCounts& counts);

    QString historyPath_;
    frequency::GamesCounted games_{0, 0};
};

// Opens "Ball Frequency Chart" modally from the main menu, with the hourglass
// while it counts.
void ShowBallFrequency(const DialogContext& context, QWidget* parent, const QString& historyPath);
