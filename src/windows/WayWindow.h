#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/ticket/WayTicket.h"
#include "game/TicketBuilder.h"
#include "ui/ControlPainter.h"
#include "ui/WhatsThis.h"

class PictureControl;
class QMainWindow;
class SoundPlayer;
class WindowScaler;
struct GameState;

// "Ways Possible": the rows of a way ticket, one per number of groups in a
// way, to bet and unbet. It lives hidden beside the main window from start-up
// to exit, stays on top while shown and cannot be closed by the player.
class WayWindow : public QWidget, public WayRowsView {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 112;
    static constexpr int kDesignHeight = 390;
    static constexpr int kHelpNumber = 92;  // "Ways Played"

    explicit WayWindow(QWidget* parent = nullptr);
    ~WayWindow() override;

    // The game the rows belong to, the way ticket they show (the table's
    // ticket builder holds it), the window they stand beside and the table's
    // bevel thickness; rows do nothing until it is set. Where the game cannot
    // place its windows (Wayland), the rows are shown inside that window.
    void setGame(GameState& state, SoundPlayer& sound, WayTicket& ticket, QWidget& mainWindow,
                 int bevelWidth);
    // Who shows the "What's this?" pop-up of the rows (the main window's help).
    void setHelp(ShowHelp showHelp);
    // What a refused bet shows; the aggregate notice unless replaced.
    void setAggregateAlert(std::function<void()> alert);
    // Where Tab and Shift+Tab go from a row (the main window's round); by
    // default from row to row.
    void setFocusRound(std::function<bool(bool forward)> round) { focusRound_ = std::move(round); }

    // The rows in a column at the right of the main window's table, inside
    // that window, instead of a window of their own, so that no compositor
    // can put them over the table. The column keeps its room while the rows
    // are hidden: the window never grows past where the compositor put it.
    void showInside(QMainWindow& mainWindow);
    bool inside() const { return column_ != nullptr; }

    // WayRowsView: shown beside the main window (moving it to the screen's
    // left edge while they are up), painted from the ticket, hidden; once
    // the ticket is cast (no row left), the main window goes back.
    bool showRows() override;
    void paintRows() override;
    void hideRows() override;

    // Row k (1..15) as a click on it; what the main window's route calls too.
    void onRowPressed(int k);

    const WayTicket* ticket() const { return ticket_; }
    // The tooltip of the rows and the special box: chance of winning,
    // expected return and return to player of the rows bet so far.
    QString worthTip() const;
    PictureControl* row(int k) const;

  Q_SIGNALS:
    // A row was bet or unbet: the main window repaints the way summary and
    // the price boxes, opens or closes the board and refreshes its menus.
    void betChanged(const WayRowClickResult& result);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void placeBeside(QWidget& mainWindow);
    void paintRow(int k);

    GameState* state_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    WayTicket* ticket_ = nullptr;
    QWidget* mainWindow_ = nullptr;
    std::function<void()> aggregateAlert_;
    std::function<bool(bool)> focusRound_;
    WindowScaler* scaler_ = nullptr;
    ControlPainter painter_;
    std::array<PictureControl*, way::kRows> rows_{};
    bool placed_ = false;        // the first showing of a ticket places both windows
    QPoint mainHome_;            // where the main window stood before it moved aside
    QPoint mainAside_;           // where it was moved to
    QWidget* column_ = nullptr;  // the column holding the rows inside the main window
};
