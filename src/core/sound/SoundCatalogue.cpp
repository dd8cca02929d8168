#include "core/sound/SoundCatalogue.h"

#include <algorithm>
#include <array>
#include <span>

namespace sounds {
namespace {

struct Entry {
    Cue cue;
    std::span<const int> numbers;  // the WAVE_ numbers it chooses from
    bool blocking;
    bool whenSoundsOff = false;
};

constexpr std::array<int, 80> kCallOuts = [] {
    std::array<int, 80> numbers{};
    for (int n = 1; n <= 80; ++n) numbers[static_cast<std::size_t>(n - 1)] = n;
    return numbers;
}();
constexpr int kLastBall[] = {0};
constexpr int kPlay[] = {200};
constexpr int kClosed[] = {202};
constexpr int kDrawStarts[] = {84};
constexpr int kOpened[] = {201};
constexpr int kBusts[] = {85, 96, 97, 98, 99};
constexpr int kSmallWin[] = {81};
constexpr int kBigWins[] = {90, 91, 92, 93, 94, 95};
constexpr int kMark[] = {83};
constexpr int kUnmark[] = {86};
constexpr int kCast[] = {82};
constexpr int kPlace[] = {87};
constexpr int kPrint[] = {88};
constexpr int kClick[] = {89};

const Entry kCatalogue[] = {
    {Cue::CallOut, kCallOuts, true},
    {Cue::LastBall, kLastBall, true},
    {Cue::Play, kPlay, true},
    {Cue::GameClosed, kClosed, true},
    {Cue::DrawStarts, kDrawStarts, true},
    {Cue::GameOpened, kOpened, true},
    {Cue::Bust, kBusts, true},
    {Cue::SmallWin, kSmallWin, true},
    {Cue::BigWin, kBigWins, true},
    {Cue::Mark, kMark, false},
    {Cue::Unmark, kUnmark, false},
    {Cue::Cast, kCast, false},
    {Cue::PlaceNumber, kPlace, true},
    {Cue::PrintTicketOn, kPrint, true},
    {Cue::Click, kClick, true},
    {Cue::DemoSoundsOn, kPlace, false, true},
    {Cue::DemoSoundsOff, kUnmark, false, true},
};

const Entry& entry(Cue cue) {
    for (const Entry& e : kCatalogue)
        if (e.cue == cue) return e;
    return kCatalogue[0];
}

}  // namespace

QString Request::name() const { return ResourceName(cue, variant); }

int Variants(Cue cue) { return static_cast<int>(entry(cue).numbers.size()); }

QString ResourceName(Cue cue, int variant) {
    const std::span<const int> numbers = entry(cue).numbers;
    // The call-out's variant is the ball's number, 1..80.
    if (cue == Cue::CallOut) --variant;
    const auto index = static_cast<std::size_t>(std::clamp(variant, 0, Variants(cue) - 1));
    return QStringLiteral("WAVE_") + QString::number(numbers[index]);
}

bool Blocks(Cue cue) { return entry(cue).blocking; }

bool PlaysWhenSoundsOff(Cue cue) { return entry(cue).whenSoundsOff; }

QStringList RecordingNames() {
    QStringList names;
    for (int n = 0; n <= 99; ++n) names.append(QStringLiteral("WAVE_") + QString::number(n));
    for (int n = 200; n <= 202; ++n) names.append(QStringLiteral("WAVE_") + QString::number(n));
    return names;
}

}  // namespace sounds
