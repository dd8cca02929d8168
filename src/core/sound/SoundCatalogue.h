#pragma once

#include <QString>
#include <QStringList>

// The one catalogue of the game's sounds: for every moment that makes a
// sound, which recordings it may play and whether the game waits for the end.
namespace sounds {

enum class Cue {
    CallOut,        // the drawn ball n: "WAVE_1" .. "WAVE_80" (variant = n)
    LastBall,       // before the call of the 20th ball
    Play,           // PLAY pressed, before the price is taken
    GameClosed,     // "CLOSED" shown, before each game of a run
    DrawStarts,     // just before the draw of each game
    GameOpened,     // "OPEN" between games and by "&Open Game"
    Bust,           // one of five (variant 0..4)
    SmallWin,       // a win above 0 and not above the price per game
    BigWin,         // a win above the price per game, one of six (variant 0..5)
    Mark,           // a number marked, a way row bet, the aggregate notice closes
    Unmark,         // a number unmarked, a way row unbet, the aggregate notice painted
    Cast,           // "&Cast Ticket"
    PlaceNumber,    // each number of a quick pick or of a restored ticket
    PrintTicketOn,  // "Print &Ticket" becomes checked
    Click,          // a painted button, arrow or spinner, pressed and released
    DemoSoundsOn,   // the Sounds window: keno sounds switched on
    DemoSoundsOff,  // the Sounds window: keno sounds switched off
};

// One sound to play: the moment and, where it has several, which recording.
struct Request {
    Cue cue = Cue::Click;
    int variant = 0;

    QString name() const;
    bool operator==(const Request&) const = default;
};

// How many recordings a cue chooses from (80 for the call-out, variants 1..80).
int Variants(Cue cue);
// The resource name, "WAVE_" followed by a number; the variant is clamped
// (for the call-out it is the ball's number).
QString ResourceName(Cue cue, int variant = 0);
// True when the game waits for the end (and the sound cuts off what plays).
bool Blocks(Cue cue);
// The demonstrations of the Sounds window play even when the game sounds are off.
bool PlaysWhenSoundsOff(Cue cue);

// Every recording built into the program: "WAVE_0" .. "WAVE_99", "WAVE_200" .. "WAVE_202".
QStringList RecordingNames();

}  // namespace sounds
