#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <map>

#include "core/ticket/KindTable.h"
#include "core/ticket/MenuRules.h"

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: Game, Tickets, Help and the balance caption.
// Every item carries an object name (MenuPlay, MenuQuickPick, MenuFortyTop,
// ...) so that the handlers of the game can find it.
struct TableMenu {
    // "&Game"
    QAction* play = nullptr;
    QAction* open = nullptr;
    QAction* cast = nullptr;
    QAction* next = nullptr;
    QAction* printTicket = nullptr;
    QAction* restoreTicket = nullptr;
    QAction* saveTicket = nullptr;
    QAction* kenoSounds = nullptr;
    QAction* pauseGames = nullptr;
    QAction* exit = nullptr;
    // "&Tickets": the way ticket's own entry; the kinds are reached by command().
    QAction* way = nullptr;
    // "&Help"
    QAction* helpTopics = nullptr;
    QAction* ballFrequency = nullptr;
    QAction* yourPlay = nullptr;
    QAction* gamesHistory = nullptr;
    QAction* introToKeno = nullptr;
    QAction* kenoHistory = nullptr;
    QAction* payoffsAndOdds = nullptr;
    QAction* about = nullptr;
    // The balance caption and its one item.
    QMenu* balance = nullptr;
    QAction* reset = nullptr;

    // Fills the bar; items start enabled, checked or disabled as a new game table has them.
    void build(QMenuBar* bar, const QString& balanceCaption);

    // The item whose state the table logic keeps; a submenu's own entry for
    // "Forty", "Forty Forty" and "&Thirty-Two Spot".
    QAction* item(MenuItem which) const { return items_[static_cast<std::size_t>(which)]; }
    // The command that chooses a ticket kind ("&Top" inside "Forty").
    QAction* command(TicketChoice choice) const {
        const auto found = commands_.find(choice);
        return found == commands_.end() ? nullptr : found->second;
    }

  private:
    void buildTickets(QMenu* tickets);

    std::array<QAction*, kMenuItemCount> items_{};
    std::map<TicketChoice, QAction*> commands_;
};
