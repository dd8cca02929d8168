#pragma once

#include <array>

#include "core/records/HistoryList.h"
#include "windows/GameDialog.h"

class HeldArrow;
struct PayoffTables;
class HistoryListBox;
class PressButton;

// "Games History": one line per recorded game with what it paid, sorted four
// ways; SHOW or a double click replays the chosen game.
class HistoryWindow : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 170;
    static constexpr int kDesignHeight = 400;
    // Opens the replay of a game (a window of its own).
    using OpenReplay = std::function<void(int gameNumber)>;

    // Fills itself from the file (a missing file leaves the list empty).
    // Throws IoError when the file is damaged.
    HistoryWindow(const DialogContext& context, QString historyPath, OpenReplay openReplay,
                  QWidget* parent = nullptr);

    HistoryListBox* gameList = nullptr;
    QLabel* header = nullptr;  // "GAME  WINNINGS"
    HeldArrow* scrollUp = nullptr;
    HeldArrow* scrollDown = nullptr;
    // The sort buttons in the order of HistoryOrder: game ascending,
    // game descending, winnings ascending, winnings descending.
    std::array<PictureControl*, 4> sortButtons{};
    PressButton* showButton = nullptr;
    PressButton* cancelButton = nullptr;

    // A sort button went down: its order, unless it is the one in force.
    void onSortPressed(history::HistoryOrder order);
    // SHOW or a double click: the replay of the selected line's game, or of
    // game 0 when no line is selected (no history yet).
    void replaySelectedGame();

  protected:
    void fitTexts() override;

  private:
    void fillList();
    HeldArrow* makeScrollButton(const QRect& designRect, int tag, int helpNumber);
    PressButton* makePushButton(const QRect& designRect, const QString& caption, int helpNumber,
                                std::function<void()> action);
    void paintSortButton(history::HistoryOrder order, bool pressed);

    QString historyPath_;
    OpenReplay openReplay_;
    // The order in force: its sort button is the one shown pressed.
    history::HistoryOrder sortedBy_ = history::HistoryOrder::GameAscending;
};

// Opens "Games History" modally from the main menu, with the hourglass while
// it fills; SHOW opens "Game #NNN" over it, paid from these payoffs.
void ShowGamesHistory(const DialogContext& context, const PayoffTables& payoffs, QWidget* parent,
                      const QString& historyPath);
