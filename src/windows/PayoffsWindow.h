#pragma once

#include <array>

#include "core/odds/OddsBrowser.h"
#include "windows/GameDialog.h"

struct ArrowStep;
class HeldArrow;
class IoError;
class QTabBar;

// "Payoffs & Odds": the payoff table of every ticket kind at any spot count
// and bet, with the odds of each catch; its casino arrows choose the payoff
// schedule in force.
class PayoffsWindow : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 500;
    static constexpr int kDesignHeight = 434;
    // Told of a schedule that could not be read; without one the error goes
    // on to the application's handler.
    using ReportError = std::function<void(const IoError&)>;

    // Opens at the state's ticket and bet; the casino arrows change its schedule in force.
    PayoffsWindow(const DialogContext& context, GameState& state,
                  OddsBrowser::ScheduleLoader loadSchedule, QWidget* parent = nullptr);

    const OddsBrowser& browser() const { return browser_; }
    void setReportError(ReportError report) { reportError_ = std::move(report); }

    // The controls, for the handlers' callers and for tests.
    QTabBar* tabs = nullptr;
    std::array<PictureControl*, odds::kOddsRows> catchCells{};
    std::array<QLabel*, odds::kOddsRows> winLabels{};
    std::array<QLabel*, odds::kOddsRows> oddsLabels{};
    PictureControl* aggregateValue = nullptr;
    PictureControl* casinoValue = nullptr;
    PictureControl* spotValue = nullptr;
    PictureControl* betValue = nullptr;
    PictureControl* chanceValue = nullptr;
    PictureControl* expectedValue = nullptr;
    PictureControl* oneInButton = nullptr;
    PictureControl* percentButton = nullptr;
    // One of the six arrows.
    HeldArrow* arrow(OddsArrow which) const;

    void onTabChanged(int index);
    // "1" or "%" went down: the odds in that mode.
    void onModePressed(odds::OddsMode mode);

  protected:
    void fitTexts() override;

  private:
    // One step of an arrow; a schedule that cannot be read lets the arrow go.
    ArrowStep stepArrow(OddsArrow which);
    void showTable();
    void showValues();
    void showSpotControls();
    void paintText(PictureControl& box, const QString& text, const QColor& colour,
                   CaptionAlignment alignment, int offsetUnits = 0);
    void paintModeButton(PictureControl& button, bool pressed);
    void fitTabs();

    OddsBrowser browser_;
    ReportError reportError_;
    std::array<HeldArrow*, 6> arrows_{};
    std::array<QString, odds::kOddsRows> paintedCatches_;
    std::vector<QWidget*> spotControls_;
    std::vector<QLabel*> labels_;
};

// Opens the window modally for the ticket in play: on its kind's tab (a way
// ticket on "1 To 20 Spot"), at its spot count, with its price per way as the
// bet. The casino arrows read cpos.vlr in the working directory.
void ShowPayoffsAndOdds(const DialogContext& context, GameState& state, QWidget* parent);
