// What a screen reader finds in the windows, read through QAccessible as the
// desktop's accessibility bus reads it.
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "TableWindowFixture.h"
#include "support/ToldListener.h"
#include "ui/Announcer.h"
#include "windows/SoundsDialog.h"
#include "windows/TableLayout.h"
#include "windows/TableParts.h"
#include "windows/TableSpeech.h"

namespace {

// Every interface under `root`, by the name it reads.
void collect(QAccessibleInterface* root, QMap<QString, QAccessibleInterface*>& byName) {
    if (root == nullptr) return;
    byName.insert(root->text(QAccessible::Name), root);
    for (int i = 0; i < root->childCount(); ++i) collect(root->child(i), byName);
}

class AccessibleTreeTest : public TableWindowFixture {
  protected:
    QMap<QString, QAccessibleInterface*> tree(QWidget& window) {
        QMap<QString, QAccessibleInterface*> byName;
        collect(QAccessible::queryAccessibleInterface(&window), byName);
        return byName;
    }
    static QAccessibleInterface* of(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control);
    }
};

}  // namespace

TEST_F(AccessibleTreeTest, TheTableNamesEveryControlAndTellsWhatItShows) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    keno.show();
    ToldListener listener;
    keno.announcer().setHold([](const QString&) { return 0; });
    Q_EMIT keno.cell(17)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);

    const auto byName = tree(keno);
    for (const char* name : {"17", "80", "PLAY", "CAST", "Ten More Games", "One Game Fewer",
                             "Price Up Five Cents", "Total Price, $1.00", "Number Of Spots, 1 SPOT",
                             "Game 000, OPEN", "$50,000 VELLORO", "Number Of Games"})
        EXPECT_TRUE(byName.contains(QLatin1String(name))) << name << " is not in the tree";

    QAccessibleInterface* seventeen = byName.value(QStringLiteral("17"));
    ASSERT_NE(seventeen, nullptr);
    EXPECT_EQ(seventeen->role(), QAccessible::CheckBox);
    EXPECT_TRUE(seventeen->state().checked);
    EXPECT_TRUE(seventeen->state().focusable);
    EXPECT_EQ(seventeen->text(QAccessible::Description), QString());
    EXPECT_FALSE(byName.value(QStringLiteral("18"))->state().checked);
    EXPECT_EQ(byName.value(QStringLiteral("PLAY"))->role(), QAccessible::Button);
    EXPECT_EQ(of(keno.control(QStringLiteral("ImageTPN")))->text(QAccessible::Value),
              QStringLiteral("$1.00"));
    EXPECT_EQ(keno.control(QStringLiteral("ImageNOGLU"))->toolTip(),
              QStringLiteral("Ten More Games"));

    // A reader's press is a click.
    QAccessibleInterface* twenty = of(keno.cell(20));
    ASSERT_TRUE(twenty->actionInterface() != nullptr);
    twenty->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(state_.SpotsMarked, 2);

    // After a game every drawn number says so, and the caught ones too.
    listener.clear();
    keno.menu().play->trigger();
    for (int n = 1; n <= 80; ++n) {
        const QString said = of(keno.cell(n))->text(QAccessible::Description);
        const bool drawn = std::count(state_.Drawn.begin(), state_.Drawn.end(), n) > 0;
        const bool marked = n == 17 || n == 20;
        EXPECT_EQ(said.contains(QLatin1String("drawn")), drawn) << n << ": " << said.toStdString();
        EXPECT_EQ(said.contains(QLatin1String("caught")), drawn && marked) << n;
        EXPECT_EQ(of(keno.cell(n))->state().checked, marked) << n;
    }
    EXPECT_EQ(of(keno.control(QStringLiteral("ImageOC")))->text(QAccessible::Name),
              QStringLiteral("Game 000, CLOSED"));
    // Each ball was told as its own notice, then the result and the balance:
    // none dropped, none told over by the next.
    QStringList balls;
    for (int i = 0; i < 20; ++i) {
        const int n = state_.Drawn[static_cast<std::size_t>(i)];
        QString said = QString::number(n) + (n == 17 || n == 20 ? ", caught" : "");
        balls << (i == 19 ? QStringLiteral("Last ball, ") + said : said);
    }
    const QStringList told = listener.told();
    const qsizetype first = told.indexOf(balls.front());
    ASSERT_GE(first, 0) << told.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(told.mid(first, 20), balls);
    const QString result = state_.GameWin > 0
                               ? QStringLiteral("You won ") + money::Currency(state_.GameWin)
                               : QStringLiteral("Bust");
    EXPECT_EQ(told.mid(first + 20), (QStringList{result, keno.menu().balance->accessibleName()}));
    EXPECT_TRUE(told.last().startsWith(QLatin1String("You're "))) << told.last().toStdString();
    EXPECT_TRUE(listener.changed().isEmpty());

    // OPEN clears the draw, and what the numbers say with it.
    keno.menu().open->trigger();
    EXPECT_EQ(of(keno.cell(17))->text(QAccessible::Description), QString());
    EXPECT_TRUE(of(keno.cell(17))->state().checked);
}

// A region ticket marks its numbers on the board without a click on them:
// they must read as marked all the same.
TEST_F(AccessibleTreeTest, ARegionTicketReadsItsNumbersAsMarked) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    keno.menu().command(TicketChoice::Top)->trigger();
    EXPECT_TRUE(of(keno.cell(1))->state().checked);
    EXPECT_TRUE(of(keno.cell(40))->state().checked);
    EXPECT_FALSE(of(keno.cell(41))->state().checked);
}

TEST_F(AccessibleTreeTest, EachBallIsToldAsItIsCalled) {
    GameState state;
    std::map<QString, std::unique_ptr<PictureControl>> controls;
    const TableParts parts = TableParts::pick([&controls](const QString& name) {
        auto& made = controls[name];
        if (!made) {
            made = std::make_unique<PictureControl>();
            made->setObjectName(name);
        }
        return made.get();
    });
    QStringList told;
    TableSpeech speech(state, parts, [&told](const QString& text) { told << text; });
    speech.ballCalled({0, 5, false, palette::kSilver});
    speech.ballCalled({1, 43, true, palette::kYellow});
    speech.ballCalled({19, 80, false, palette::kSilver});
    speech.cellPainted(43, CellLook::Marked);  // the draw cleared: nothing to tell
    speech.resultShown(125000);
    speech.resultShown(0);
    speech.statusShown({12, false});
    speech.balanceShown(money::Dollars(-3));
    // A bet is told as it changes, not as it is first shown.
    speech.spotsShown(1);
    speech.spotsShown(5);
    speech.spotsShown(1);
    speech.valueShown(ValueField::TotalPrice, QStringLiteral("$1.00"));
    speech.valueShown(ValueField::TotalPrice, QStringLiteral("$2.00"));
    speech.valueShown(ValueField::TotalPrice, QStringLiteral("$2.00"));
    EXPECT_EQ(told, (QStringList{"5", "43, caught", "Last ball, 80", "You won $12.50", "Bust",
                                 "Game 012, CLOSED", "You're Down $3.00", "5 spots", "1 spot",
                                 "Total Price, $2.00"}));
    // A way ticket's numbers tell their group.
    state.Kind = TicketKind::Way;
    state.CurrentSet = 2;
    state.SpotsPerSet = 2;
    state.Sets[1].Numbers[0] = 7;
    state.Sets[1].Numbers[1] = 8;
    speech.cellPainted(8, CellLook::Marked);
    speech.cellPainted(9, CellLook::Marked);  // in the group being filled
    EXPECT_EQ(parts.cell(8)->spoken().description, QStringLiteral("group 1"));
    EXPECT_EQ(parts.cell(9)->spoken().description, QStringLiteral("group 2"));
}

TEST_F(AccessibleTreeTest, TheSoundsWindowNamesItsSwitchesAndButtons) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<SoundsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        opened = true;
        const auto byName = tree(*form);
        QAccessibleInterface* music = byName.value(QStringLiteral("Background Music"));
        ASSERT_NE(music, nullptr);
        EXPECT_EQ(music->role(), QAccessible::CheckBox);
        EXPECT_TRUE(music->state().checked);
        EXPECT_EQ(byName.value(QStringLiteral("OK"))->role(), QAccessible::Button);
        EXPECT_NE(byName.value(QStringLiteral("CANCEL")), nullptr);
        // Switched off by the keyboard, from the control the window opens on.
        EXPECT_EQ(form->focusWidget(), form->musicToggle);
        QTest::keyClick(form->musicToggle, Qt::Key_Space);
        EXPECT_FALSE(music->state().checked);
        QTest::keyClick(form, Qt::Key_Escape);
    });
    keno.menu().kenoSounds->trigger();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(state_.MusicOn);  // Escape undid the switch as CANCEL does
}

// Messages that come faster than they can be said wait their turn, in order;
// each is a notice of its own that keeps its message; a window that does not
// show tells nothing.
TEST(AnnouncerTest, EachMessageIsANoticeOfItsOwnInItsTurn) {
    ToldListener listener;
    QWidget window;
    Announcer announcer(&window, [](const QString&) { return 5; });
    announcer.announce(QStringLiteral("unseen"));
    window.show();
    for (const char* message : {"Bust", "You're Down $1.00", "Game 002, OPEN"})
        announcer.announce(QLatin1String(message));
    EXPECT_EQ(listener.told(), QStringList{"Bust"});
    EXPECT_EQ(announcer.waiting(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listener.told().size() == 3; }, 5000));
    EXPECT_EQ(listener.told(), (QStringList{"Bust", "You're Down $1.00", "Game 002, OPEN"}));
    EXPECT_TRUE(listener.changed().isEmpty());
    // Only the newest shows; the ones before stay for a late reader, the oldest go.
    announcer.setHold([](const QString&) { return 0; });
    for (int i = 0; i < Announcer::kKept + 3; ++i) announcer.announce(QString::number(i));
    EXPECT_TRUE(QTest::qWaitFor([&] { return announcer.waiting() == 0; }, 5000));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> notices = window.findChildren<QWidget*>(QStringLiteral("Notice"));
    EXPECT_EQ(notices.size(), Announcer::kKept);
    EXPECT_EQ(
        std::count_if(notices.begin(), notices.end(), [](QWidget* n) { return n->isVisible(); }),
        1);
    // Games faster than their speech: the reader falls at most the newest
    // messages behind, and the last ones are all told, in order.
    listener.clear();
    announcer.setHold([](const QString&) { return 2; });
    for (int i = 0; i < 1000; ++i) announcer.announce(QStringLiteral("m%1").arg(i));
    EXPECT_EQ(announcer.waiting(), Announcer::kMostWaiting);
    EXPECT_TRUE(QTest::qWaitFor([&] { return announcer.waiting() == 0; }, 5000));
    QStringList last;
    for (int i = 1000 - Announcer::kMostWaiting; i < 1000; ++i)
        last << QStringLiteral("m%1").arg(i);
    EXPECT_EQ(listener.told(), QStringList{QStringLiteral("m0")} + last);
    // A hold long enough for a ball to be heard before the next one is called.
    EXPECT_LT(Announcer::speakingTime(QStringLiteral("43, caught")), 900);
}
