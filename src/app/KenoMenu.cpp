#include "app/KenoMenu.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const char* objectName, const QString& caption, bool enabled = true,
              bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setEnabled(enabled);
    action->setCheckable(checkable);
    return action;
}

// A submenu whose own entry carries a check mark when one of its kinds is chosen.
QMenu* submenu(QMenu* parent, const char* objectName, const QString& caption, QAction*& entry) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Menu"));
    entry = menu->menuAction();
    entry->setObjectName(QString::fromLatin1(objectName));
    entry->setCheckable(true);
    return menu;
}

}  // namespace

void KenoMenu::build(QMenuBar* bar, const QString& balanceCaption) {
    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("MenuGame"));
    Play = item(game, "MenuPlay", QStringLiteral(" &Play Ticket"), false);
    Open = item(game, "MenuOpen", QStringLiteral("&Open Game"), false);
    Cast = item(game, "MenuCast", QStringLiteral("&Cast Ticket"), false);
    Next = item(game, "MenuNext", QStringLiteral("&Next Game"), false);
    game->addSeparator();
    PrintTicket = item(game, "MenuPrintTicket", QStringLiteral("Print &Ticket"), true, true);
    RestoreTicket = item(game, "MenuRestoreTicket", QStringLiteral("&Restore Ticket"));
    SaveTicket = item(game, "MenuSaveTicket", QStringLiteral("&Save Ticket"), false);
    game->addSeparator();
    KenoSounds = item(game, "MenuKenoSounds", QStringLiteral("&Keno Sounds"), true, true);
    KenoSounds->setChecked(true);
    PauseGames = item(game, "MenuPauseGames", QStringLiteral("Pause &Games"));
    game->addSeparator();
    Exit = item(game, "MenuExit", QStringLiteral("E&xit"));

    QMenu* tickets = bar->addMenu(QStringLiteral("&Tickets"));
    tickets->setObjectName(QStringLiteral("MenuTickets"));
    QuickPick = item(tickets, "MenuQuickPick", QStringLiteral("&Quick Pick"), true, true);
    AllCatches = item(tickets, "MenuAllCatches", QStringLiteral("&All Catches"), true, true);
    AllOrNothing = item(tickets, "MenuAllOrNothing", QStringLiteral("All Or &Nothing"), true, true);
    BetAgainst = item(tickets, "MenuBetAgainst", QStringLiteral("&Bet Against"), true, true);
    CatchAll = item(tickets, "MenuCatchAll", QStringLiteral("&Catch All"), true, true);
    QMenu* forty = submenu(tickets, "MenuForty", QStringLiteral("Forty"), Forty);
    FortyTop = item(forty, "MenuFortyTop", QStringLiteral("&Top"));
    FortyBottom = item(forty, "MenuFortyBottom", QStringLiteral("&Bottom"));
    FortyLeft = item(forty, "MenuFortyLeft", QStringLiteral("&Left"));
    FortyRight = item(forty, "MenuFortyRight", QStringLiteral("&Right"));
    QMenu* fortyForty =
        submenu(tickets, "MenuFortyForty", QStringLiteral("Forty Forty"), FortyForty);
    FortyFortyTopAndBottom =
        item(fortyForty, "MenuFortyFortyTopAndBottom", QStringLiteral("&Top And Bottom"));
    FortyFortyLeftAndRight =
        item(fortyForty, "MenuFortyFortyLeftAndRight", QStringLiteral("&Left And Right"));
    LastBallDrawn =
        item(tickets, "MenuLastBallDrawn", QStringLiteral("&Last Ball Drawn"), true, true);
    SuperSpecial = item(tickets, "MenuSuperSpecial", QStringLiteral("&Super Special"), true, true);
    QMenu* thirtyTwo =
        submenu(tickets, "MenuThirtyTwoSpot", QStringLiteral("&Thirty-Two Spot"), ThirtyTwoSpot);
    ThirtyTwoSpotEdge = item(thirtyTwo, "MenuThirtyTwoSpotEdge", QStringLiteral("The &Edge"));
    ThirtyTwoSpotInside = item(thirtyTwo, "MenuThirtyTwoSpotInside", QStringLiteral("The &Inside"));
    tickets->addSeparator();
    Way = item(tickets, "MenuWay", QStringLiteral("&Way"), true, true);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    HelpTopics = item(help, "MenuHelpTopics", QStringLiteral("&Help Topics"));
    help->addSeparator();
    BallFrequency = item(help, "MenuBallFrequency", QStringLiteral("&Ball Frequency"));
    GamesHistory = item(help, "MenuGamesHistory", QStringLiteral("&Games History"));
    IntroToKeno = item(help, "MenuIntroToKeno", QStringLiteral("&Intro To Keno"));
    KenoHistory = item(help, "MenuKenoHistory", QStringLiteral("&Keno History"));
    PayoffsAndOdds = item(help, "MenuPayoffsAndOdds", QStringLiteral("&Payoffs And Odds"));
    help->addSeparator();
    About = item(help, "MenuAbout", QStringLiteral("&About"));

    Balance = bar->addMenu(balanceCaption);
    Balance->setObjectName(QStringLiteral("MenuBalance"));
    Reset = item(Balance, "MenuReset", QStringLiteral("&Reset"));
}
