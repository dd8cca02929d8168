#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "TableWindowFixture.h"
#include "windows/PauseDialog.h"

namespace {

// Remembers what every picture control and menu bar showed when it was last
// painted, so a blocking sound can check that the screen is up to date.
class PaintedState : public QObject {
  public:
    PaintedState() { qApp->installEventFilter(this); }
    ~PaintedState() override { qApp->removeEventFilter(this); }

    // The visible controls of `window` whose picture changed after they were painted.
    QStringList stale(const QWidget& window) const {
        QStringList names;
        for (const PictureControl* control : window.findChildren<PictureControl*>())
            if (control->isVisible() && pictures_.value(control) != control->image().cacheKey())
                names.append(control->objectName());
        for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
            if (menus_.value(bar) != titles(*bar)) names.append(QStringLiteral("menu bar"));
        return names;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (const auto* control = qobject_cast<const PictureControl*>(watched))
                pictures_[control] = control->image().cacheKey();
            else if (const auto* bar = qobject_cast<const QMenuBar*>(watched))
                menus_[bar] = titles(*bar);
        }
        return false;
    }

  private:
    static QStringList titles(const QMenuBar& bar) {
        QStringList texts;
        for (const QAction* action : bar.actions()) texts.append(action->text());
        return texts;
    }
    QHash<const QObject*, qint64> pictures_;
    QHash<const QObject*, QStringList> menus_;
};

// At every blocking sound, notes what the player could not yet see.
class ScreenCheckingPlayer : public RecordingSoundPlayer {
  public:
    void play(const QString& name, Wait wait) override {
        RecordingSoundPlayer::play(name, wait);
        if (wait != Wait::Yes || window == nullptr) return;
        const QStringList stale = painted.stale(*window);
        if (!stale.isEmpty())
            late.append(name + QStringLiteral(": ") + stale.join(QLatin1Char(' ')));
    }
    const QWidget* window = nullptr;
    PaintedState painted;
    QStringList late;
};

class ScreenBeforeSoundTest : public TableWindowFixture {};

TEST_F(ScreenBeforeSoundTest, EveryBlockingSoundOfARunFindsTheTableOnScreen) {
    PayoffSchedule schedule;
    schedule.AggregateLimit = money::Dollars(50000);
    schedule.Tables.RegularPayoffs[0][0] = money::Dollars(1);  // catch none: the price back
    schedule.Tables.RegularPayoffs[0][1] = money::Dollars(5);
    writeSchedules(std::vector<PayoffSchedule>{schedule});
    ScreenCheckingPlayer player;
    keno_ = OpenTable(state_, player, help_, waiter_, QSize(640, 480)).table;
    TableWindow& keno = *keno_;
    keno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keno));
    player.window = &keno;

    Q_EMIT keno.cell(7)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    PictureControl& gamesUp = *keno.control(QStringLiteral("ImageNOGSU"));
    Q_EMIT gamesUp.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT gamesUp.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    keno.menu().play->trigger();

    // Both games were paid, each result heard after it was shown.
    const QStringList results =
        player.requests.filter(QRegularExpression(QStringLiteral("^WAVE_(81|9[0-5]) wait$")));
    EXPECT_EQ(results.size(), 2);
    EXPECT_GE(player.requests.size(), 2 + 1 + 2 * 23);
    EXPECT_TRUE(player.late.isEmpty()) << player.late.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ScreenBeforeSoundTest, APauseArrowLooksPressedBeforeItsClick) {
    ScreenCheckingPlayer player;
    PauseSettings settings;
    PauseDialog pause({state_, player}, settings, state_.PricePerGame);
    pause.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pause));
    player.window = &pause;
    PictureControl& up = *pause.imageByTag(105);  // games up
    Q_EMIT up.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT up.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    pause.onGamesLabelClicked();
    pause.onWinningLabelClicked();
    EXPECT_EQ(player.requests.size(), 4);
    EXPECT_TRUE(player.late.isEmpty()) << player.late.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
