// Plays a run of two games of a 5-spot ticket on the sound device, for
// listening: the call-out of every ball, the sounds of the wins and the music.
// With SDL's disk driver the game lands in a file:
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/game.raw build/listen_to_a_game
//   sox -t f32 -r 44100 -c 2 /tmp/game.raw /tmp/game.wav
// The window shows off screen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "app/GameStartup.h"
#include "core/records/ScheduleFile.h"
#include "core/sound/KenoTune.h"
#include "core/sound/MidiFile.h"
#include "devices/QtWaiter.h"
#include "devices/SdlSoundPlayer.h"
#include "shell/HelpViewer.h"
#include "ui/PictureControl.h"
#include "windows/TableWindow.h"

namespace {

void press(PictureControl& control) {
    Q_EMIT control.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT control.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}

// A schedule that pays 2 to 5 catches of 5 spots, so a win sounds too.
bool writePlayFolder() {
    PayoffSchedule schedule;
    schedule.AggregateLimit = money::Dollars(50000);
    schedule.Tables.RegularPayoffs[4][2] = money::Dollars(1);
    schedule.Tables.RegularPayoffs[4][3] = money::Dollars(3);
    for (int hits = 4; hits <= 5; ++hits)
        schedule.Tables.RegularPayoffs[4][hits] = money::Dollars(50);
    const std::vector<std::uint8_t> bytes = EncodeSchedule(schedule);
    QFile schedules(QStringLiteral("cpos.vlr"));
    QFile tune(QStringLiteral("Keno.Mid"));
    if (!schedules.open(QIODevice::WriteOnly) || !tune.open(QIODevice::WriteOnly)) return false;
    schedules.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    tune.write(WriteMidiFile(KenoTune()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    if (!writePlayFolder()) {
        std::fprintf(stderr, "listen_to_a_game: cannot write the play folder %s\n",
                     qPrintable(folder.path()));
        return 1;
    }
    QtWaiter waiter;
    SdlSoundPlayer player(waiter);
    if (!player.hasDevice()) {
        std::fprintf(stderr, "listen_to_a_game: no sound device: %s\n",
                     qPrintable(player.deviceError()));
        return 1;
    }
    GameState state;
    HelpViewer help{HelpFile{}};
    const StartedTable started = OpenTable(state, player, help, waiter, QSize(640, 480));
    TableWindow& keno = *started.table;
    keno.show();
    for (int n : {7, 21, 33, 48, 64})
        Q_EMIT keno.cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    press(*keno.control(QStringLiteral("ImageNOGSU")));
    keno.menu().play->trigger();
    keno.menu().cast->trigger();
    // The last sounds and a moment of the music alone.
    waiter.waitUntil([] { return false; }, 1500);
    return 0;
}
