// Not run by default: plays one whole game on the real sound device, for
// listening. With SDL's disk driver the game lands in a file:
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/game.raw build/velloro_tests
//     --gtest_also_run_disabled_tests --gtest_filter='*ListenToAWholeGame*'
// and then: sox -t f32 -r 44100 -c 2 /tmp/game.raw /tmp/game.wav
#include <QFile>

#include "TableWindowFixture.h"
#include "core/sound/KenoTune.h"
#include "devices/QtWaiter.h"
#include "devices/SdlSoundPlayer.h"

namespace {

class ListenTest : public TableWindowFixture {};

TEST_F(ListenTest, DISABLED_ListenToAWholeGame) {
    PayoffSchedule schedule;
    schedule.AggregateLimit = money::dollars(50000);
    schedule.Tables.RegularPayoffs[4][2] = money::dollars(1);
    schedule.Tables.RegularPayoffs[4][3] = money::dollars(3);
    for (int hits = 4; hits <= 5; ++hits)
        schedule.Tables.RegularPayoffs[4][hits] = money::dollars(50);
    writeSchedules(std::vector<PayoffSchedule>{schedule});
    QFile tune(QStringLiteral("Keno.Mid"));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write(WriteMidiFile(KenoTune()));
    tune.close();

    QtWaiter waiter;
    SdlSoundPlayer player(waiter);
    ASSERT_TRUE(player.hasDevice());
    keno_ = std::make_unique<TableWindow>(state_, player, help_, waiter, QSize(640, 480));
    keno_->show();
    for (int n : {7, 21, 33, 48, 64})
        Q_EMIT keno_->cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    ImageButton& gamesUp = *keno_->control(QStringLiteral("ImageNOGSU"));
    Q_EMIT gamesUp.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT gamesUp.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    keno_->menu().play->trigger();
    keno_->menu().cast->trigger();
    waiter.waitUntil([] { return false; }, 1500);
}

}  // namespace
