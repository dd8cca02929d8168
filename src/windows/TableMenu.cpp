#include "windows/TableMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <optional>

namespace {

// "MenuAllOrNothing" from "All Or &Nothing", "MenuThirtyTwoSpot" from "&Thirty-Two Spot".
QString objectNameFor(const QString& caption) {
    QString name = QStringLiteral("Menu");
    for (QChar c : caption)
        if (c.isLetterOrNumber()) name += c;
    return name;
}

QAction* addItem(QMenu* menu, const QString& caption, bool enabled = true, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectNameFor(caption));
    action->setEnabled(enabled);
    action->setCheckable(checkable);
    return action;
}

// A submenu whose own entry carries a check mark when one of its kinds is chosen.
QMenu* addSubmenu(QMenu* parent, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(objectNameFor(caption) + QStringLiteral("Menu"));
    QAction* entry = menu->menuAction();
    entry->setObjectName(objectNameFor(caption));
    entry->setCheckable(true);
    return menu;
}

}  // namespace

void TableMenu::build(QMenuBar* bar, const QString& balanceCaption) {
    auto keep = [this](MenuItem which, QAction* action) {
        items_[static_cast<std::size_t>(which)] = action;
        return action;
    };
    auto gameItem = [&](QMenu* menu, MenuItem which, const char* objectName, bool enabled,
                        bool checkable = false) {
        QAction* action = addItem(menu, MenuCaption(which), enabled, checkable);
        action->setObjectName(QLatin1String(objectName));
        return keep(which, action);
    };

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("MenuGame"));
    play = gameItem(game, MenuItem::Play, "MenuPlay", false);
    open = gameItem(game, MenuItem::Open, "MenuOpen", false);
    cast = gameItem(game, MenuItem::Cast, "MenuCast", false);
    next = gameItem(game, MenuItem::Next, "MenuNext", false);
    game->addSeparator();
    printTicket = gameItem(game, MenuItem::PrintTicket, "MenuPrintTicket", true, true);
    restoreTicket = gameItem(game, MenuItem::Restore, "MenuRestoreTicket", true);
    saveTicket = gameItem(game, MenuItem::Save, "MenuSaveTicket", false);
    game->addSeparator();
    kenoSounds = addItem(game, QStringLiteral("&Keno Sounds"), true, true);
    kenoSounds->setChecked(true);
    pauseGames = addItem(game, QStringLiteral("Pause &Games"));
    game->addSeparator();
    exit = addItem(game, QStringLiteral("E&xit"));
    // The keys of the run of games; none is Alt with a menu's letter.
    play->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    cast->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* tickets = bar->addMenu(QStringLiteral("&Tickets"));
    tickets->setObjectName(QStringLiteral("MenuTickets"));
    buildTickets(tickets);
    way = item(MenuItem::Way);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    helpTopics = addItem(help, QStringLiteral("&Help Topics"));
    helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    ballFrequency = addItem(help, QStringLiteral("&Ball Frequency"));
    yourPlay = addItem(help, QStringLiteral("&Your Play"));
    gamesHistory = addItem(help, QStringLiteral("&Games History"));
    introToKeno = addItem(help, QStringLiteral("&Intro To Keno"));
    kenoHistory = addItem(help, QStringLiteral("&Keno History"));
    payoffsAndOdds = addItem(help, QStringLiteral("&Payoffs And Odds"));
    help->addSeparator();
    about = addItem(help, QStringLiteral("&About"));

    balance = bar->addMenu(balanceCaption);
    balance->setObjectName(QStringLiteral("MenuBalance"));
    reset = addItem(balance, QStringLiteral("&Reset"));
}

// The entries of the kind table's rows in their order; the codes of a region
// kind share its submenu, and their entries are named after it ("MenuFortyTop").
void TableMenu::buildTickets(QMenu* tickets) {
    QMenu* submenu = nullptr;
    std::optional<MenuItem> submenuItem;
    for (const kinds::KindRule& rule : kinds::Rules()) {
        if (!rule.menuItem) continue;  // the plain ticket has no entry
        const MenuItem ticketItem = *rule.menuItem;
        const QString caption = QString::fromLatin1(rule.caption);
        QAction* entry = nullptr;
        if (kinds::IsSubmenu(ticketItem)) {
            if (submenuItem != ticketItem) {
                submenu = addSubmenu(tickets, MenuCaption(ticketItem));
                submenuItem = ticketItem;
                items_[static_cast<std::size_t>(ticketItem)] = submenu->menuAction();
            }
            entry = addItem(submenu, caption);
            entry->setObjectName(submenu->menuAction()->objectName() +
                                 objectNameFor(caption).mid(4));
        } else {
            entry = addItem(tickets, caption, true, true);
            items_[static_cast<std::size_t>(ticketItem)] = entry;
        }
        if (rule.choice) commands_[*rule.choice] = entry;
    }
}
