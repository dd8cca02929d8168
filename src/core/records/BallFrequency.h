#pragma once

#include <QString>
#include <array>

#include "core/records/HistoryFile.h"

// How often each number was drawn during the last N recorded games.
namespace frequency {

// Counter 0 takes every byte that is not a ball (the zeros of unplayed slots,
// damaged bytes above 80) and is never shown.
using BallCounts = std::array<int, 81>;

// The record read at opening to see whether the file has wrapped: the slot
// after the last game, or record 2 when the last game is 999.
int ProbeRecord(int lastGame);

// N at opening: 1000 once the probe slot holds a played game, else the last
// game's number (game 0 stays outside until the file wraps; a file never
// played, whose header says 999, offers 999), but at least 1: after game 0
// alone, that game.
int GamesAtOpening(int lastGame, const GameRecord& probe);

// The last n game numbers ending at lastGame, taken cyclically over 0..999:
// lastGame 5, n 10 counts games 0-5 and 996-999.
BallCounts CountBalls(const std::vector<GameRecord>& games, int lastGame, int n);

// "GAME" below 2, otherwise "N GAMES".
QString GamesLabel(int n);
// "   7 Drawn 3 Times", "42 Drawn 1 Times".
QString CountLabel(int number, int count);

// N as the arrows step it: cyclically over 1..Max, up from Max to 1 and down
// from 1 to Max.
class GamesCounted {
  public:
    GamesCounted(int n, int max) : n_(n), max_(max) {}
    int n() const { return n_; }
    int max() const { return max_; }
    void stepUp();
    void stepDown();

  private:
    int n_ = 0;
    int max_ = 0;
};

// What the window shows when it opens: N, Max and the counts for N.
struct FrequencyChart {
    int lastGame = 0;
    GamesCounted games{0, 0};
    BallCounts counts{};
};

// Opening: reads the header, the probe and the counts. Throws IoError on a
// missing or damaged file.
FrequencyChart OpenFrequencyChart(const QString& path);

// Counting for N: all zeros when the file is missing; IoError when damaged.
BallCounts CountBallsInFile(const QString& path, int n);

}  // namespace frequency
