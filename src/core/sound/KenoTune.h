#pragma once

#include "core/sound/MidiFile.h"

// The game's background music, "Keno.Mid": an easy lounge tune in F for
// vibraphone, electric piano, walking bass and brushes, 24 bars at 96 beats
// a minute (one minute), whose last bar leads back into its first.
MidiSong KenoTune();
