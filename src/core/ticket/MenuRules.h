#pragma once

#include <QString>
#include <bitset>
#include <optional>

// The Game and Tickets menu items whose state the table logic decides. The
// Tickets items' captions, places and ranges are the kind table's.
enum class MenuItem : int {
    Play,
    Open,
    Cast,
    Next,
    Restore,
    Save,
    AllCatches,
    AllOrNothing,
    BetAgainst,
    CatchAll,
    LastBallDrawn,
    QuickPick,
    SuperSpecial,
    FortyForty,
    Forty,
    ThirtyTwoSpot,
    Way,
    PrintTicket,  // the last item
};
constexpr int kMenuItemCount = static_cast<int>(MenuItem::PrintTicket) + 1;

// The menu caption of an item, exactly as the menu shows it (" &Play Ticket").
QString MenuCaption(MenuItem item);

// One bit per MenuItem.
class MenuFlags {
  public:
    bool has(MenuItem item) const { return bits_.test(index(item)); }
    void set(MenuItem item, bool on = true) { bits_.set(index(item), on); }
    bool operator==(const MenuFlags&) const = default;

  private:
    static std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    std::bitset<kMenuItemCount> bits_;
};

// What the Game menu's enabling depends on.
struct TicketMenuInputs {
    std::optional<MenuItem> checkedKind;  // the checked Tickets item, if any
    int Ways = 1;
    int SpotsMarked = 0;
    bool wayChecked() const { return checkedKind == MenuItem::Way; }
};

// The four Game items that follow every change of the ticket.
struct GameItems {
    bool play = false;
    bool cast = false;
    bool restore = false;
    bool save = false;
    bool operator==(const GameItems&) const = default;
};

// The four picture buttons, shown exactly when their items are enabled.
struct ButtonsVisible {
    bool play = false;
    bool open = false;
    bool cast = false;
    bool next = false;
    bool operator==(const ButtonsVisible&) const = default;
};

namespace menu_rules {

GameItems UpdateMenus(const TicketMenuInputs& inputs);

// The enabled Tickets items: each one exactly when disableAll is false and
// SpotsMarked lies in its range. Only Tickets items are set in the result.
MenuFlags UpdateTicketMenus(bool disableAll, int spotsMarked);

ButtonsVisible SyncButtons(const MenuFlags& enabled);

}  // namespace menu_rules
