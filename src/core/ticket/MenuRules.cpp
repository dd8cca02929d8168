#include "core/ticket/MenuRules.h"

QString menuCaption(MenuItem item) {
    switch (item) {
        case MenuItem::Play:
            return QStringLiteral(" &Play Ticket");
        case MenuItem::Open:
            return QStringLiteral("&Open Game");
        case MenuItem::Cast:
            return QStringLiteral("&Cast Ticket");
        case MenuItem::Next:
            return QStringLiteral("&Next Game");
        case MenuItem::Restore:
            return QStringLiteral("&Restore Ticket");
        case MenuItem::Save:
            return QStringLiteral("&Save Ticket");
        case MenuItem::AllCatches:
            return QStringLiteral("&All Catches");
        case MenuItem::AllOrNothing:
            return QStringLiteral("All Or &Nothing");
        case MenuItem::BetAgainst:
            return QStringLiteral("&Bet Against");
        case MenuItem::CatchAll:
            return QStringLiteral("&Catch All");
        case MenuItem::LastBallDrawn:
            return QStringLiteral("&Last Ball Drawn");
        case MenuItem::QuickPick:
            return QStringLiteral("&Quick Pick");
        case MenuItem::SuperSpecial:
            return QStringLiteral("&Super Special");
        case MenuItem::FortyForty:
            return QStringLiteral("Forty Forty");
        case MenuItem::Forty:
            return QStringLiteral("Forty");
        case MenuItem::ThirtyTwoSpot:
            return QStringLiteral("&Thirty-Two Spot");
        case MenuItem::Way:
            return QStringLiteral("&Way");
        case MenuItem::PrintTicket:
            return QStringLiteral("Print &Ticket");
    }
    return {};
}

namespace menu_rules {

GameItems UpdateMenus(const TicketMenuInputs& inputs) {
    GameItems items;
    const bool way = inputs.wayChecked();
    const bool specialKind = inputs.checkedKind.has_value() && !way;
    items.play = specialKind || (way && inputs.Ways > 0) || (inputs.SpotsMarked > 0 && !way);
    items.cast = way || items.play;
    items.restore = inputs.SpotsMarked == 0 && !way && inputs.checkedKind != MenuItem::FortyForty;
    items.save = items.play;
    return items;
}

SpotRange offeredRange(MenuItem ticketItem) {
    switch (ticketItem) {
        case MenuItem::AllCatches:
            return {7, 10};
        case MenuItem::AllOrNothing:
            return {4, 8};
        case MenuItem::BetAgainst:
            return {8, 15};
        case MenuItem::CatchAll:
            return {2, 7};
        case MenuItem::LastBallDrawn:
            return {1, 6};
        case MenuItem::SuperSpecial:
            return {3, 10};
        case MenuItem::Way:
            return {1, 7};
        default:
            return {0, 0};  // quick pick and the region tickets: an empty board only
    }
}

MenuFlags UpdateTicketMenus(bool disableAll, int spotsMarked) {
    MenuFlags enabled;
    if (disableAll) return enabled;
    for (MenuItem item : kTicketItems) {
        const SpotRange range = offeredRange(item);
        enabled.set(item, spotsMarked >= range.low && spotsMarked <= range.high);
    }
    return enabled;
}

ButtonsVisible SyncButtons(const MenuFlags& enabled) {
    return {enabled.has(MenuItem::Play), enabled.has(MenuItem::Open), enabled.has(MenuItem::Cast),
            enabled.has(MenuItem::Next)};
}

}  // namespace menu_rules
