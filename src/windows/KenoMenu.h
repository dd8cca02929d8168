#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "core/ticket/MenuRules.h"
#include "core/ticket/TicketKinds.h"

class QAction;

// One command per TicketChoice, in TicketChoices() order.
constexpr std::size_t kTicketChoiceCount = 15;
class QMenu;
class QMenuBar;

// The main window's menu bar: Game, Tickets, Help and the balance caption.
// Every item carries an object name (MenuPlay, MenuQuickPick, MenuFortyTop,
// ...) so that the handlers of the game can find it.
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
    // "&Tickets": the way ticket's own entry; the kinds are reached by command().
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

    // The item whose state the table logic keeps; a submenu's own entry for
    // "Forty", "Forty Forty" and "&Thirty-Two Spot".
    QAction* item(MenuItem which) const { return items_[static_cast<std::size_t>(which)]; }
    // The command that chooses a ticket kind ("&Top" inside "Forty").
    QAction* command(TicketChoice choice) const {
        return commands_[static_cast<std::size_t>(choice)];
    }

  private:
    void buildTickets(QMenu* tickets);

    std::array<QAction*, kMenuItemCount> items_{};
    std::array<QAction*, kTicketChoiceCount> commands_{};
};
