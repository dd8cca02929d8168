#pragma once

#include <QSize>
#include <memory>

#include "core/records/HistoryFile.h"

class HelpViewer;
class SoundPlayer;
class TableWindow;
class Waiter;
struct GameState;

// Start-up of a game in the working directory: the history gives the balance
// and the game number, the payoff schedule in force is read, the music starts
// and the session's settings are set. Throws IoError when the schedules cannot
// be read: the game cannot be played then.
HistoryStartup StartGame(GameState& state, SoundPlayer& sound);

// The table after start-up, and what start-up found in the history (its
// warning is shown once the table is on screen).
struct StartedTable {
    std::unique_ptr<TableWindow> table;
    HistoryStartup history;
};

// Start-up, then the table built on what it found: it records to the history
// unless start-up found that damaged. Throws IoError as StartGame does; no
// window is built then.
StartedTable OpenTable(GameState& state, SoundPlayer& sound, HelpViewer& help, Waiter& waiter,
                       QSize screen);
