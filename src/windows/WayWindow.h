#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/ticket/WayTicket.h"
#include "ui/ControlPainter.h"
#include "ui/WhatsThis.h"

class ImageButton;
class SoundPlayer;
class WindowScaler;
struct GameState;

// "Ways Possible": the rows of a way ticket, one per number of groups in a
// way, to bet and unbet. It lives hidden beside the main window from start-up
// to exit, stays on top while shown and cannot be closed by the player.
class WayWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 112;
    static constexpr int kDesignHeight = 390;
    static constexpr int kHelpNumber = 92;  // "Ways Played"

    explicit WayWindow(QWidget* parent = nullptr);
    ~WayWindow() override;

    // The game the rows belong to and the table's bevel thickness; rows do
    // nothing until it is set.
    void setGame(GameState& state, SoundPlayer& sound, int bevelWidth);
    // Who shows the "What's this?" pop-up of the rows (the main window's help).
    void setHelp(ShowHelp showHelp);
    // What a refused bet shows; the aggregate notice unless replaced.
    void setAggregateAlert(std::function<void()> alert);
    // Where Tab and Shift+Tab go from a row (the main window's round); by
    // default from row to row.
    void setFocusRound(std::function<bool(bool forward)> round) { focusRound_ = std::move(round); }

    // "&Way" chosen: shows the window beside mainWindow (moving mainWindow to
    // the screen's left edge the first time) and turns the marked numbers into
    // group 1. Returns the numbers to lock; empty, with nothing shown, when the
    // ticket cannot become a way ticket.
    std::vector<int> startTicket(QWidget& mainWindow);
    // The group being filled is full (AddNumber said so).
    WayGroupDone completeGroup();
    // PLAY: the bet rows become the ticket's way counts; the window hides.
    void handOverAtPlay();
    // Before saving the ticket.
    void copyBetRowsToWayCounts();
    // A restored way ticket: its saved counts become the bet rows.
    void restoreRows();
    // CAST: no rows any more; the window hides.
    void cast();

    // Row k (1..15) as a click on it; what the main window's route calls too.
    void onRowPressed(int k);

    const WayTicket* ticket() const { return ticket_.get(); }
    // The tooltip of the rows and the special box: chance of winning,
    // expected return and return to player of the rows bet so far.
    QString worthTip() const;
    ImageButton* row(int k) const;

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
    void paintRows();
    void paintRow(int k);

    GameState* state_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    std::unique_ptr<WayTicket> ticket_;
    std::function<void()> aggregateAlert_;
    std::function<bool(bool)> focusRound_;
    WindowScaler* scaler_ = nullptr;
    ControlPainter painter_;
    std::array<ImageButton*, way::kRows> rows_{};
    bool placed_ = false;  // the first showing places both windows
};
