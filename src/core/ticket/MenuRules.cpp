#include "core/ticket/MenuRules.h"

#include "core/ticket/KindTable.h"

QString MenuCaption(MenuItem item) {
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
        case MenuItem::PrintTicket:
            return QStringLiteral("Print &Ticket");
        default:
            return kinds::TicketItemCaption(item);
    }
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

MenuFlags UpdateTicketMenus(bool disableAll, int spotsMarked) {
    MenuFlags enabled;
    if (disableAll) return enabled;
    for (MenuItem item : kinds::TicketItems())
        enabled.set(item, kinds::OfferedRange(item).contains(spotsMarked));
    return enabled;
}

ButtonsVisible SyncButtons(const MenuFlags& enabled) {
    return {enabled.has(MenuItem::Play), enabled.has(MenuItem::Open), enabled.has(MenuItem::Cast),
            enabled.has(MenuItem::Next)};
}

}  // namespace menu_rules
