#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: Game, Tickets, Help and the balance caption.
// Every item carries an object name (MenuPlay, MenuQuickPick, MenuWay, ...)
// so that the handlers of the game can find it.
struct KenoMenu {
    // "&Game"
    QAction* Play = nullptr;
    QAction* Open = nullptr;
    QAction* Cast = nullptr;
    QAction* Next = nullptr;
    QAction* PrintTicket = nullptr;
    QAction* RestoreTicket = nullptr;
    QAction* SaveTicket = nullptr;
    QAction* KenoSounds = nullptr;
    QAction* PauseGames = nullptr;
    QAction* Exit = nullptr;
    // "&Tickets"; the three submenus' own items are checked for their kind.
    QAction* QuickPick = nullptr;
    QAction* AllCatches = nullptr;
    QAction* AllOrNothing = nullptr;
    QAction* BetAgainst = nullptr;
    QAction* CatchAll = nullptr;
    QAction* Forty = nullptr;
    QAction* FortyTop = nullptr;
    QAction* FortyBottom = nullptr;
    QAction* FortyLeft = nullptr;
    QAction* FortyRight = nullptr;
    QAction* FortyForty = nullptr;
    QAction* FortyFortyTopAndBottom = nullptr;
    QAction* FortyFortyLeftAndRight = nullptr;
    QAction* LastBallDrawn = nullptr;
    QAction* SuperSpecial = nullptr;
    QAction* ThirtyTwoSpot = nullptr;
    QAction* ThirtyTwoSpotEdge = nullptr;
    QAction* ThirtyTwoSpotInside = nullptr;
    QAction* Way = nullptr;
    // "&Help"
    QAction* HelpTopics = nullptr;
    QAction* BallFrequency = nullptr;
    QAction* GamesHistory = nullptr;
    QAction* IntroToKeno = nullptr;
    QAction* KenoHistory = nullptr;
    QAction* PayoffsAndOdds = nullptr;
    QAction* About = nullptr;
    // The balance caption and its one item.
    QMenu* Balance = nullptr;
    QAction* Reset = nullptr;

    // Fills the bar; items start enabled, checked or disabled as a new game table has them.
    void build(QMenuBar* bar, const QString& balanceCaption);
};
