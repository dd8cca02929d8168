#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>

#include "app/KenoMenu.h"
#include "game/Money.h"
#include "records/HistoryFile.h"
#include "ui/ControlPainter.h"

class HelpViewer;
class ImageButton;
class QTimer;
class SoundPlayer;
class WindowScaler;
struct GameState;

// The main window: the painted game table and its menu. It lays the table
// out and paints it; the rules of marking, betting and playing live elsewhere
// and call the display operations below.
class TFormKeno : public QMainWindow {
    Q_OBJECT
public:
    // How a board cell looks.
    enum class CellLook { Unmarked, Pressed, Marked, Caught, NotCaught };
    enum class GameButton { Play, Open, Next, Cast };
    enum class ValueField { TotalPrice, NumberOfGames, PricePerWay, PricePerGame, Spot };

    // Builds the table and runs the start-up of the game (reads the history
    // and the payoff schedules in the working directory). Throws IoError when
    // the schedules cannot be read; nothing of the window is left then.
    TFormKeno(GameState& state, SoundPlayer& sound, HelpViewer& help, QSize screen, QWidget* parent = nullptr);
    ~TFormKeno() override;

    GameState& state() { return state_; }
    SoundPlayer& sound() { return sound_; }
    KenoMenu& menu() { return menu_; }
    QTimer& Timer1() { return *timer_; }
    const ControlPainter& painter() const { return painter_; }
    const HistoryStartup& historyStartup() const { return historyStartup_; }

    // Controls by name ("ImagePlay", "Image17"); nullptr for an unknown name.
    ImageButton* control(const QString& name) const;
    ImageButton* cell(int n) const;
    ImageButton* gameButton(GameButton button) const;
    QWidget* panel(bool top) const;

    // Board cells.
    void PaintCell(int n, CellLook look, const QColor& checkColour = Qt::yellow);
    void SetBoardEnabled(bool enabled);

    // Status boxes; "OPEN" advances the game number first (999 wraps to 000).
    void ShowStatus(const QString& word);
    // The centre message; the idle one is the aggregate limit and " VELLORO".
    void ShowCentreMessage(const QString& text);
    void ShowIdleCentreMessage();
    void ShowValue(ValueField field, const QString& text);
    void ShowMoney(ValueField field, Money amount) { ShowValue(field, money::currency(amount)); }
    void ShowSpotCount(int spots);
    // Rewrites the balance caption of the menu bar.
    void BalanceCaption();

    // PLAY, OPEN, NEXT, CAST pressed (sunken, silver caption) or released.
    void PaintGameButton(GameButton button, bool pressed);
    void SetGameButtonVisible(GameButton button, bool visible);
    // Spinner arrows: pressed (sunken, silver glyph) or released.
    void PaintArrow(ImageButton& arrow, bool pressed);
    void ShowBetArrows(bool visible);
    void ShowQuickPickArrows(bool visible);
    // The special box: the kind code in large letters, the way summary, or hidden.
    void ShowKindCode(const QString& kindCode);
    void ShowWaySummary(const QString& summary);
    void HideSpecialBox();

    // The empty ticket with the default bet, on the board and in the state.
    void ResetTicket();
    // Paints pending changes now.
    void UpdateWindow();

private:
    void buildControls();
    void connectMenu();
    void FormCreate(QSize screen);
    void paintInitialLook();
    void paintArrowLook(ImageButton& arrow, const QColor& glyphColour, int style);
    void MenuResetClick();

    GameState& state_;
    SoundPlayer& sound_;
    HelpViewer& help_;
    QWidget* client_ = nullptr;
    WindowScaler* scaler_ = nullptr;
    ControlPainter painter_;
    KenoMenu menu_;
    QTimer* timer_ = nullptr;
    HistoryStartup historyStartup_;
    std::map<QString, ImageButton*> controls_;
    QWidget* panelTop_ = nullptr;
    QWidget* panelBottom_ = nullptr;
};
