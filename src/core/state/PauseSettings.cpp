#include "core/state/PauseSettings.h"

void PauseSettings::open(const SessionSettings& settings, Money pricePerGame) {
    numbersEdit_ = settings.PauseBetweenNumbers;
    gamesEdit_ = settings.PauseBetweenGames;
    if (settings.PauseBetweenGames == 0) winEdit_ = pricePerGame;
    winStep_ = kFirstWinStep;
}

namespace {
std::int32_t wrapped(std::int32_t value, std::int32_t most) {
    if (value > most) return 0;
    if (value < 0) return most;
    return value;
}
}  // namespace

void PauseSettings::step(PauseArrow arrow) {
    switch (arrow) {
        case PauseArrow::NumbersUp:
            numbersEdit_ = wrapped(numbersEdit_ + 1, kMostNumbersPause);
            break;
        case PauseArrow::NumbersDown:
            numbersEdit_ = wrapped(numbersEdit_ - 1, kMostNumbersPause);
            break;
        case PauseArrow::GamesUp:
            gamesEdit_ = wrapped(gamesEdit_ + 1, kPauseUntilNext);
            break;
        case PauseArrow::GamesDown:
            gamesEdit_ = wrapped(gamesEdit_ - 1, kPauseUntilNext);
            break;
        case PauseArrow::WinningUp:
            winEdit_ += winStep_;
            if (winEdit_ > kMostThreshold) {
                winEdit_ = 0;
                winStep_ = kFirstWinStep;
            }
            break;
        case PauseArrow::WinningDown:
            winEdit_ -= winStep_;
            if (winEdit_ < 0) {
                winEdit_ = kMostThreshold;
                winStep_ = kFirstWinStep;
            }
            break;
    }
}

void PauseSettings::heldStep(PauseArrow arrow) {
    step(arrow);
    winStep_ += kWinStepGrowth;
    if (winStep_ > kLargestWinStep) winStep_ = kFirstWinStep;
}

bool PauseSettings::clickNumbersLabel() {
    if (numbersEdit_ <= 0) return false;
    numbersEdit_ = 0;
    return true;
}

void PauseSettings::clickGamesLabel() {
    // The lower half of the range jumps to "until NEXT", the upper half to none.
    gamesEdit_ = gamesEdit_ < 151 ? kPauseUntilNext : 0;
}

void PauseSettings::clickWinningLabel(Money pricePerGame) {
    winEdit_ = winEdit_ != 0 ? 0 : pricePerGame;
}

void PauseSettings::commit(SessionSettings& settings) const {
    settings.PauseBetweenNumbers = numbersEdit_;
    settings.PauseBetweenGames = gamesEdit_;
    settings.PauseWinThreshold = winEdit_;
}

PauseSettings::RowTexts PauseSettings::numbersTexts() const {
    if (numbersEdit_ == 0) return {QString(), QStringLiteral("Don't Pause Between Numbers")};
    return {QString::number(numbersEdit_), QStringLiteral("Second Pause Between Numbers")};
}

PauseSettings::RowTexts PauseSettings::gamesTexts() const {
    if (gamesEdit_ == 0) return {QString(), QStringLiteral("Don't Pause Between Games")};
    if (gamesEdit_ >= kPauseUntilNext) return {QString(), QStringLiteral("Pause Between Games")};
    return {QString::number(gamesEdit_), QStringLiteral("Second Pause Between Games")};
}
