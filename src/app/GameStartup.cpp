#include "app/GameStartup.h"

#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"
#include "game/RunSeams.h"
#include "game/SoundPlayer.h"
#include "windows/TableWindow.h"

HistoryStartup StartGame(GameState& state, SoundPlayer& sound) {
    // The schedules first: a start they stop leaves no new history behind.
    LoadStartupSchedule(state, kSchedulesFile);
    HistoryStartup history = OpenHistoryAtStartup(state, kGamesFile);
    sound.startMusic();
    ResetSessionSettings(state);
    state.GameWin = 0;
    return history;
}

StartedTable OpenTable(GameState& state, SoundPlayer& sound, HelpViewer& help, Waiter& waiter,
                       QSize screen) {
    StartedTable started;
    started.history = StartGame(state, sound);
    started.table = std::make_unique<TableWindow>(
        state, sound, help, waiter,
        std::make_unique<HistoryRecorder>(kGamesFile, started.history.recordingEnabled), screen);
    return started;
}
