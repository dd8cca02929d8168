#include "game/GameCycle.h"

#include "core/state/Draw.h"
#include "core/state/Palette.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/KindTable.h"
#include "game/TicketBuilder.h"

namespace {
constexpr int kMillisecondsPerSecond = 1000;
}  // namespace

QString GamesToGoText(int gamesToGo) {
    if (gamesToGo == 1) return QStringLiteral("1 Game To Go");
    return QString::number(gamesToGo) + QStringLiteral(" Games To Go");
}

GameCycle::GameCycle(TableControls& table, RandomSource& random, Steps steps)
    : table_(table),
      state_(table.state()),
      view_(table.view()),
      waiter_(table.waiter()),
      random_(random),
      steps_(steps) {}

void GameCycle::openNextGame() {
    // A damaged number from the history file restarts the count rather than running off.
    ++state_.GameNumber;
    if (state_.GameNumber >= 1000 || state_.GameNumber < 0) state_.GameNumber = 0;
    view_.showStatus({state_.GameNumber, true});
    view_.updateWindow();
}

void GameCycle::showClosed() {
    view_.showStatus({state_.GameNumber, false});
    view_.updateWindow();
}

GameCycle::RunEnd GameCycle::play() {
    if (phase_ != Phase::Idle) return RunEnd::NotAvailable;
    playSound(sounds::Cue::Play);
    state_.Balance = money::SaturatingSubtract(state_.Balance, state_.TotalPrice);
    view_.showBalance(state_.Balance);

    table_.showBetArrows(false);
    table_.setBoardEnabled(false);
    table_.setEnabled(MenuItem::Play, false);
    table_.setEnabled(MenuItem::Cast, false);
    table_.updateTicketMenus(true);
    view_.setQuickPickArrowsVisible(false);

    // A quick pick draws its numbers at its first PLAY; later runs keep them.
    const std::optional<MenuItem> kind = table_.checkedKind();
    if (kind && kinds::PicksAtPlay(*kind) && state_.Sets[1].count() == 0) quickPick();
    if (state_.Kind == TicketKind::Way) {
        steps_.tickets.handOverWayBets();
    } else {
        state_.SpotsPerSet = state_.SpotsMarked;
    }

    state_.GamesToGo = state_.NumberOfGames;
    gamesSettled_ = 0;
    phase_ = Phase::Drawing;
    try {
        do {
            if (!playOneGame()) {
                phase_ = Phase::Idle;
                return RunEnd::Closing;
            }
        } while (state_.GamesToGo > 0);
    } catch (...) {
        // A failed recording or print abandons the run; without this the table
        // would be left with no Game item to go on with.
        refundUnplayedGames();
        state_.GamesToGo = 0;
        finishRun();
        throw;
    }
    finishRun();
    return RunEnd::Finished;
}

void GameCycle::refundUnplayedGames() {
    // The whole run was paid at PLAY; the games it will not play are not the
    // player's loss.
    const std::int32_t unplayed = state_.NumberOfGames - gamesSettled_;
    if (unplayed <= 0) return;
    state_.Balance =
        money::SaturatingAdd(state_.Balance, money::Times(unplayed, state_.PricePerGame));
    view_.showBalance(state_.Balance);
}

void GameCycle::finishRun() {
    phase_ = Phase::Idle;
    table_.setEnabled(MenuItem::Next, false);
    table_.setEnabled(MenuItem::Open, true);
}

bool GameCycle::playOneGame() {
    --state_.GamesToGo;
    table_.setEnabled(MenuItem::Next, false);
    showClosed();
    view_.updateWindow();

    playSound(sounds::Cue::GameClosed);
    if (table_.isChecked(MenuItem::PrintTicket)) {
        // A run of several games prints its first game only.
        table_.setPrintTicket(false);
        steps_.printer.printTicket(state_);
    }
    playSound(sounds::Cue::DrawStarts);
    if (!waiter_.processPending()) return false;

    if (!drawBalls()) return false;
    const GameResult result = steps_.evaluator.evaluate(state_);
    ++gamesSettled_;
    const auto showResult = [&] {
        view_.showResult(result.gameWin);
        view_.showBalance(state_.Balance);
        view_.updateWindow();
    };
    // Recorded before it is shown, so no stop can lose a game the player saw
    // won; shown even when the recording fails.
    try {
        steps_.recorder.record(state_);
    } catch (...) {
        showResult();
        throw;
    }
    // The result and the balance are on screen before the result is heard.
    showResult();
    if (result.sound) table_.sound(*result.sound);

    if (state_.GamesToGo > 0) {
        table_.setEnabled(MenuItem::Next, true);
        if (!waitBetweenGames()) return false;
        view_.showCentreMessage(GamesToGoText(state_.GamesToGo));
        table_.clearDraw();
        openNextGame();
        playSound(sounds::Cue::GameOpened);
    }
    return true;
}

bool GameCycle::waitBetweenGames() {
    phase_ = Phase::BetweenGames;
    // Read now, so a setting changed during the run applies from this wait on.
    const std::int32_t pause = state_.PauseBetweenGames;
    const bool pauses = state_.GameWin >= state_.PauseWinThreshold && pause > 0;
    bool open = true;
    view_.updateWindow();
    if (pauses) {
        const int limit = pause >= kPauseUntilNext ? -1 : pause * kMillisecondsPerSecond;
        open = waiter_.waitUntil([this] { return !table_.isEnabled(MenuItem::Next); }, limit);
    } else {
        open = waiter_.processPending();
    }
    phase_ = Phase::Drawing;
    return open;
}

bool GameCycle::drawBalls() {
    const draw::Balls balls = draw::DrawBalls(random_);
    std::array<std::uint8_t, board::kBallsPerGame>& drawn = state_.Drawn;
    drawn.fill(0);
    for (int i = 0; i < board::kBallsPerGame; ++i) {
        const int n = balls[static_cast<std::size_t>(i)];
        drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);

        const BallCatch ball = CatchBall(state_, n);
        view_.showBall(
            {i, n, ball.caught, ball.caught ? SetColour(ball.colourSet) : palette::kSilver});
        view_.updateWindow();

        if (i == board::kBallsPerGame - 1) playSound(sounds::Cue::LastBall);
        playSound(sounds::Cue::CallOut, n);

        const std::int32_t pause = state_.PauseBetweenNumbers;
        const bool open =
            pause > 0 ? waiter_.waitUntil([] { return false; }, pause * kMillisecondsPerSecond)
                      : waiter_.processPending();
        if (!open) return false;
    }
    return true;
}

void GameCycle::quickPick() {
    TicketSet& set = state_.Sets[1];
    int slot = set.count();
    for (const int n : draw::QuickPickNumbers(set, state_.SpotsMarked, random_)) {
        set.Numbers[static_cast<std::size_t>(slot++)] = static_cast<std::uint8_t>(n);
        view_.paintCell(n, CellLook::Marked, SetColour(1));
        view_.updateWindow();
        playSound(sounds::Cue::PlaceNumber);
    }
}

void GameCycle::open() {
    if (phase_ != Phase::Idle) return;
    table_.clearDraw();
    openNextGame();
    playSound(sounds::Cue::GameOpened);
    table_.setEnabled(MenuItem::Open, false);
    table_.setEnabled(MenuItem::Play, true);
    table_.setEnabled(MenuItem::Cast, true);
}

void GameCycle::cast() {
    if (phase_ != Phase::Idle) return;
    playSound(sounds::Cue::Cast);
    if (state_.Kind == TicketKind::Way) {
        // The way rows go empty and hide with the ticket.
        steps_.tickets.clearWayTicket();
        view_.updateWindow();
    }
    table_.resetTicket();
    table_.setBoardEnabled(true);
    table_.updateMenus();
    table_.updateTicketMenus(false);
    table_.showBetArrows(true);
    view_.setSpotVisible(true);
    view_.clearSpecialBox();
    table_.cells().resetAll();
}

void GameCycle::next() { table_.setEnabled(MenuItem::Next, false); }

void GameCycle::onButtonPressed(TableButton button) {
    view_.paintButton(button, true);
    view_.updateWindow();
    waiter_.waitForInput();
    view_.paintButton(button, false);
    view_.updateWindow();
    switch (button) {
        case TableButton::Play:
            if (table_.isEnabled(MenuItem::Play)) play();
            break;
        case TableButton::Open:
            if (table_.isEnabled(MenuItem::Open)) open();
            break;
        case TableButton::Cast:
            if (table_.isEnabled(MenuItem::Cast)) cast();
            break;
        case TableButton::Next:
            if (table_.isEnabled(MenuItem::Next)) next();
            break;
    }
}
