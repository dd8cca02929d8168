#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "core/state/PauseSettings.h"
#include "core/ticket/TicketKinds.h"
#include "game/TableView.h"
#include "ui/ControlPainter.h"
#include "ui/PictureMemo.h"
#include "windows/GameDialog.h"
#include "windows/TableMenu.h"
#include "windows/TableParts.h"

class Announcer;
class GameCycle;
class GameEvaluator;
class GameRecorder;
class TicketPrinting;
class HeldArrow;
class HelpViewer;
class PictureControl;
class QAction;
class RandomSource;
class SoundPlayer;
class TableControls;
class TableKeyboard;
class TableSpeech;
class TicketBuilder;
class WayRowsView;
class Waiter;
class WayWindow;
class TicketPrinter;
class WindowScaler;
struct GameState;

// The main window: the painted game table and its menu. It lays the table
// out, paints what the table logic asks for (TableView) and routes its mouse,
// timer and menu events to that logic.
class TableWindow : public QMainWindow, public TableView {
    Q_OBJECT
  public:
    // Builds the table on a state that start-up has filled (OpenTable) and
    // shows the first game open. `waiter` is the game's one seam for every
    // wait; each game is written by `recorder`.
    TableWindow(GameState& state, SoundPlayer& sound, HelpViewer& help, Waiter& waiter,
                std::unique_ptr<GameRecorder> recorder, QSize screen, QWidget* parent = nullptr);
    ~TableWindow() override;

    // The way window lives beside the table from start-up on; the table
    // hands it the game and routes its row bets, groups, PLAY and CAST.
    void attachWayWindow(WayWindow* way);
    WayWindow* wayWindow() const;

    GameState& state() { return state_; }
    SoundPlayer& sound() { return sound_; }
    TableMenu& menu() { return menu_; }
    TableControls& table() { return *table_; }
    GameCycle& cycle() { return *cycle_; }
    const ControlPainter& painter() const { return painter_; }
    // What the table tells a screen reader as it happens, one message at a time.
    Announcer& announcer() { return *announcer_; }
    PauseSettings& pauseSettings() { return pauseSettings_; }
    // What a side window opened from the table gets: the game, its sounds,
    // the help pop-up and the table's bevel thickness.
    DialogContext dialogContext();

    // The keyboard's way round the table.
    TableKeyboard& keyboard() { return *keyboard_; }

    // Controls by layout name ("ImagePlay", "Image17"); nullptr for an unknown name.
    PictureControl* control(const QString& name) const;
    PictureControl* cell(int n) const;
    PictureControl* button(TableButton which) const;
    // The spinner arrow whose painted control has this released tag (107,
    // 109, ..., 17, 19); nullptr for another tag.
    HeldArrow* arrow(int releasedTag) const;
    QWidget* panel(bool top) const;

    // TableView: what the table logic shows.
    void paintCell(int number, CellLook look, Rgb checkColour) override;
    void showBall(const CalledBall& ball) override;
    void paintButton(TableButton which, bool pressed) override;
    void showStatus(const GameStatus& status) override;
    void showCentreMessage(const QString& text) override;
    void showResult(Money gameWin) override;
    void showValue(ValueField field, const QString& text) override;
    void showSpots(int spots) override;
    void showBalance(Money balance) override;
    void setMenuItem(MenuItem item, bool enabled, bool checked) override;
    void setButtonVisible(TableButton which, bool visible) override;
    void setBetArrowsVisible(bool visible) override;
    void setQuickPickArrowsVisible(bool visible) override;
    void setSpotVisible(bool visible) override;
    void showKindCode(const QString& kindCode) override;
    void showWaySummary(const QString& summary) override;
    void clearSpecialBox() override;
    void setBoardEnabled(bool enabled) override;
    void showAggregateNotice() override;
    void updateWindow() override;

    // The Tickets menu, the way rows and a restored ticket build the ticket here.
    TicketBuilder& tickets() { return *tickets_; }

    // Menu handlers beyond the run of games.
    void openPayoffs();
    void openPauseSettings();
    // Saved tickets and printing.
    void saveTicket();
    void restoreTicket();
    TicketPrinter& ticketPrinter();
    void openSoundSettings();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildControls();
    void routeEvents();
    void showFirstGame(QSize screen);
    void paintInitialLook();
    void paintCentre(const QString& text);
    void paintValue(ValueField field, const QString& text);
    void routeTicketMenu();
    void routeSavedTickets();
    ShowHelp helpPopup();

    GameState& state_;
    SoundPlayer& sound_;
    HelpViewer& help_;
    QWidget* client_ = nullptr;
    WindowScaler* scaler_ = nullptr;
    ControlPainter painter_;
    // A number's picture by number, look, check colour (as 0xRRGGBB), client
    // height and bevel width.
    using CellPicture = std::tuple<int, CellLook, int, int, int>;
    PictureMemo<CellPicture> cellPictures_;
    // A status box's picture by box, text, colour (as QRgb) and client height.
    using StatusPicture = std::tuple<std::size_t, QString, unsigned, int>;
    PictureMemo<StatusPicture> statusPictures_;
    // A result's picture in the centre by its text and client height; a way
    // ticket's many wins are not all kept, the centre being large.
    using ResultPicture = std::tuple<QString, int>;
    PictureMemo<ResultPicture> resultPictures_{64};
    TableMenu menu_;
    PauseSettings pauseSettings_;
    QPointer<WayWindow> way_;
    std::map<QString, PictureControl*> controls_;  // by layout name, for building and tests
    TableParts parts_;
    std::array<HeldArrow*, 10> arrows_{};  // in the order of table_layout::Arrows()
    QWidget* panelTop_ = nullptr;
    QWidget* panelBottom_ = nullptr;
    Waiter& waiter_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<TableControls> table_;
    std::unique_ptr<WayRowsView> wayRows_;
    std::unique_ptr<TicketBuilder> tickets_;
    std::unique_ptr<GameEvaluator> evaluator_;
    std::unique_ptr<GameRecorder> recorder_;
    std::unique_ptr<TicketPrinter> printer_;
    std::unique_ptr<TicketPrinting> printing_;
    std::unique_ptr<GameCycle> cycle_;
    std::unique_ptr<TableSpeech> speech_;
    Announcer* announcer_ = nullptr;
    TableKeyboard* keyboard_ = nullptr;
};
