// The game played from the keyboard alone, on the real windows: every key
// goes to the widget that has the keyboard focus, as the desktop sends it.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "TableWindowFixture.h"
#include "support/ModalWait.h"
#include "support/ToldListener.h"
#include "ui/HeldArrow.h"
#include "windows/HistoryListBox.h"
#include "windows/HistoryWindow.h"
#include "windows/ReplayWindow.h"
#include "windows/TableKeyboard.h"

namespace {

class KeyboardTest : public TableWindowFixture {
  protected:
    TableWindow& openTable() {
        writeSchedules(money::Dollars(50000));
        TableWindow& keno = build();
        keno.show();
        keno.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&keno, 5000));
        return keno;
    }

    // The window the desktop gives the keys to: the modal one while it is up.
    static QWidget* keyWindow() {
        QWidget* modal = QApplication::activeModalWidget();
        return modal ? modal : QApplication::activeWindow();
    }
    // A key pressed and released where the desktop sends it: to that window's
    // focus; an open menu holds the keyboard, as its grab does.
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        QWidget* window = keyWindow();
        if (target == nullptr && window != nullptr)
            target = window->focusWidget() ? window->focusWidget() : window;
        ASSERT_NE(target, nullptr) << "no window has the keyboard";
        QTest::keyClick(target, key, modifiers);
    }
    static void keys(std::initializer_list<Qt::Key> list) {
        for (Qt::Key each : list) key(each);
    }
    static QString focused() {
        QWidget* window = keyWindow();
        QWidget* widget = window ? window->focusWidget() : nullptr;
        return widget ? widget->objectName() : QStringLiteral("(none)");
    }
};

}  // namespace

TEST_F(KeyboardTest, AGameFromStartToItsReplayWithoutTheMouse) {
    TableWindow& keno = openTable();
    EXPECT_EQ(focused(), QStringLiteral("Image1"));

    // Five numbers by the arrows, Home, End, typed digits and Space.
    keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space,
          Qt::Key_End, Qt::Key_Space, Qt::Key_4, Qt::Key_5, Qt::Key_Space});
    const std::vector<int> marked(state_.Sets[1].Numbers.begin(),
                                  state_.Sets[1].Numbers.begin() + state_.SpotsMarked);
    EXPECT_EQ(marked, (std::vector<int>{1, 3, 13, 80, 45}));

    // Tab goes round the arrows to PLAY; OPEN and NEXT are not shown yet.
    QStringList round;
    for (int i = 0; i < 11; ++i) {
        key(Qt::Key_Tab);
        round << focused();
    }
    EXPECT_EQ(round, (QStringList{"ImageNOGLU", "ImageNOGLD", "ImageNOGSU", "ImageNOGSD",
                                  "ImagePPWLU", "ImagePPWLD", "ImagePPWSU", "ImagePPWSD",
                                  "ImagePlay", "ImageCast", "Image45"}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), QStringLiteral("ImageCast"));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), QStringLiteral("ImagePlay"));
    // The focus goes to no control that PLAY hides with it (a reader would read it out).
    QStringList focusedDuringRun;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
            if (now != nullptr) focusedDuringRun << now->objectName();
        });
    key(Qt::Key_Space);
    QObject::disconnect(watch);
    EXPECT_EQ(focusedDuringRun, QStringList{"ImageOpen"});
    EXPECT_TRUE(keno.menu().open->isEnabled());         // the run has ended
    EXPECT_EQ(focused(), QStringLiteral("ImageOpen"));  // not lost with PLAY and the board
    const int game = state_.GameNumber;
    EXPECT_NE(state_.Drawn[19], 0);

    // Games History from its menu letters, opening on the game just played;
    // Enter shows it, Escape closes the replay and then the history.
    // A reader hears the row the list opens on and every row the arrows go to.
    int replayed = -1;
    bool historyClosed = false;
    ToldListener listener;
    modal_wait::whenShown<HistoryWindow>(&keno, [&](HistoryWindow& history) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&history, 5000));
        EXPECT_EQ(history.focusWidget(), history.gameList);
        const int row = history.gameList->currentRow();
        const QString of = QStringLiteral(" of %1").arg(history.gameList->count());
        const QString game = QStringLiteral("Game ") + GameNumberText(state_.GameNumber);
        key(Qt::Key_Down);
        key(Qt::Key_Up);
        EXPECT_TRUE(QTest::qWaitFor([&] { return listener.told(&history).size() >= 3; }, 5000));
        const QStringList told = listener.told(&history);
        ASSERT_GE(told.size(), 3);
        EXPECT_TRUE(told[0].startsWith(game + QStringLiteral(", $"))) << told[0].toStdString();
        EXPECT_TRUE(told[0].endsWith(QStringLiteral(", row %1").arg(row + 1) + of));
        EXPECT_TRUE(told[1].endsWith(QStringLiteral(", row %1").arg(row + 2) + of));
        EXPECT_EQ(told[2], told[0]);
        modal_wait::whenShown<ReplayWindow>(&keno, [&](ReplayWindow& replay) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&replay, 5000));
            replayed = replay.gameNumber();
            EXPECT_EQ(replay.sentences->accessibleName(),
                      QStringLiteral("Replay Of Game ") + GameNumberText(replayed));
            key(Qt::Key_Escape);
        });
        key(Qt::Key_Return);
        EXPECT_TRUE(history.isVisible());
        key(Qt::Key_Escape);
        historyClosed = !history.isVisible();
    });
    key(Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "the Help menu did not open";
    key(Qt::Key_G);
    EXPECT_EQ(replayed, game);
    EXPECT_TRUE(historyClosed);
}

TEST_F(KeyboardTest, SpaceHeldOnAnArrowRepeatsLikeTheMouseAndLetsGoWithTheFocus) {
    TableWindow& keno = openTable();
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(focused(), QStringLiteral("ImageNOGSU"));
    HeldArrow& oneMore = *keno.arrow(107);
    QWidget* arrow = QApplication::focusWidget();

    QTest::keyPress(arrow, Qt::Key_Space);
    EXPECT_EQ(state_.NumberOfGames, 2);
    EXPECT_TRUE(oneMore.isRepeating());
    // The desktop's own repeat of a held key steps nothing: the arrow's timer does.
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                       true);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
    QApplication::sendEvent(arrow, &repeatUp);
    QApplication::sendEvent(arrow, &repeatDown);
    EXPECT_EQ(state_.NumberOfGames, 2);
    EXPECT_TRUE(oneMore.isHeld());
    oneMore.tick();
    EXPECT_EQ(state_.NumberOfGames, 3);
    QTest::keyRelease(arrow, Qt::Key_Space);
    EXPECT_FALSE(oneMore.isRepeating());
    EXPECT_FALSE(oneMore.isHeld());

    // Tab while Space is down: the release will go elsewhere, so the arrow lets go now.
    QTest::keyPress(arrow, Qt::Key_Space);
    EXPECT_EQ(state_.NumberOfGames, 4);
    key(Qt::Key_Tab);
    EXPECT_FALSE(oneMore.isRepeating());
    EXPECT_FALSE(oneMore.isHeld());
    EXPECT_EQ(state_.NumberOfGames, 4);
}

TEST_F(KeyboardTest, SpaceOrEnterOnANumberIsAClick) {
    TableWindow& keno = openTable();
    sound_.requests.clear();
    Q_EMIT keno.cell(30)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    const QStringList byMouse = sound_.requests;
    sound_.requests.clear();
    key(Qt::Key_Return);
    EXPECT_EQ(sound_.requests, byMouse);
    EXPECT_EQ(state_.Sets[1].Numbers[1], 1);
    key(Qt::Key_Space);  // again: unmarked, as a second click does
    EXPECT_EQ(state_.SpotsMarked, 1);
    // Shift+Space is no click, as a shifted click is none.
    key(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(state_.SpotsMarked, 1);
    // Enter held down clicks once: on X11 the game asks for its repeats as
    // presses alone, unflagged, and only one release at the end.
    QWidget* number = QApplication::focusWidget();
    QTest::keyPress(number, Qt::Key_Return);
    QTest::keyPress(number, Qt::Key_Return);
    QTest::keyRelease(number, Qt::Key_Return);
    EXPECT_EQ(state_.SpotsMarked, 2);
}

TEST_F(KeyboardTest, TheMenusKeysAreShownAndClashWithNothing) {
    TableWindow& keno = openTable();
    QMap<QKeySequence, QString> owners;
    QList<QAction*> actions = keno.actions();
    QStringList letters;
    for (QAction* title : keno.menuBar()->actions()) {
        const qsizetype at = title->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(at, 0) << title->text().toStdString();
        letters << title->text().mid(at + 1, 1).toUpper();
        QList<QMenu*> menus{title->menu()};
        while (!menus.isEmpty()) {
            QMenu* menu = menus.takeFirst();
            for (QAction* item : menu->actions()) {
                if (item->menu()) menus << item->menu();
                actions << item;
            }
        }
    }
    EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size())
        << "Alt letters";
    for (QAction* action : actions) {
        if (action->shortcut().isEmpty()) continue;
        EXPECT_FALSE(owners.contains(action->shortcut()))
            << action->text().toStdString() << " and " << owners[action->shortcut()].toStdString();
        owners[action->shortcut()] = action->text();
        for (const QString& letter : letters)
            EXPECT_NE(action->shortcut(), QKeySequence(QStringLiteral("Alt+") + letter));
    }
    EXPECT_EQ(owners.value(QKeySequence(QStringLiteral("Ctrl+Q"))), QStringLiteral("E&xit"));
    EXPECT_EQ(owners.value(QKeySequence(Qt::Key_F1)), QStringLiteral("&Help Topics"));
    for (QAction* item : {keno.menu().play, keno.menu().open, keno.menu().cast, keno.menu().next})
        EXPECT_FALSE(item->shortcut().isEmpty()) << item->text().toStdString();

    // The keys work from anywhere in the table: a number, then PLAY by its key.
    key(Qt::Key_Space);
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_NE(state_.Drawn[0], 0);
    EXPECT_TRUE(keno.menu().open->isEnabled());
}

TEST_F(KeyboardTest, ShiftF1TellsWhatTheFocusedControlIs) {
    openTable();
    key(Qt::Key_Space);  // 1 marked: PLAY and CAST show
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), QStringLiteral("ImagePlay"));
    ToldListener listener;
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_NE(help_.popupWindow(), nullptr);
    EXPECT_TRUE(help_.popupWindow()->isVisible());
    EXPECT_EQ(help_.popupWindow()->text(), help_.popupText(72));
    // and a reader hears it.
    EXPECT_EQ(listener.told(help_.popupWindow()), QStringList{help_.popupText(72)});
}
