#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>

#include "core/odds/OddsBrowser.h"
#include "ui/ControlPainter.h"

struct ArrowStep;
class HeldArrow;
class IoError;
class ImageButton;
class QLabel;
class QTabBar;
class SoundPlayer;

// "Payoffs & Odds": the payoff table of every ticket kind at any spot count
// and bet, with the odds of each catch; its casino arrows choose the payoff
// schedule in force.
class TFormPayOffOd : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 500;
    static constexpr int kDesignHeight = 434;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;
    // Told of a schedule that could not be read; without one the error goes
    // on to the application's handler.
    using ReportError = std::function<void(const IoError&)>;

    TFormPayOffOd(GameState& state, SoundPlayer& sound, OddsBrowser::ScheduleLoader loadSchedule,
                  ShowHelp showHelp = {}, QWidget* parent = nullptr);

    const OddsBrowser& browser() const { return browser_; }
    void setReportError(ReportError report) { reportError_ = std::move(report); }

    // The controls, for the handlers' callers and for tests.
    QTabBar* TabControl = nullptr;
    std::array<ImageButton*, odds::kOddsRows> ImageCatch{};
    std::array<QLabel*, odds::kOddsRows> LabelWin{};
    std::array<QLabel*, odds::kOddsRows> LabelOdds{};
    ImageButton* ImageAggregate = nullptr;
    ImageButton* ImageCasino = nullptr;
    ImageButton* ImageSpot = nullptr;
    ImageButton* ImageBet = nullptr;
    ImageButton* ImageChance = nullptr;
    ImageButton* ImageExpected = nullptr;
    ImageButton* ImageOne = nullptr;
    ImageButton* ImagePercent = nullptr;
    // The six arrows, by their released tag.
    HeldArrow* arrow(OddsArrow which) const;

    void TabControlChange(int index);
    void ImageModeMouseDown(odds::OddsMode mode, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers modifiers);

  private:
    void FormCreate();
    // One step of an arrow; a schedule that cannot be read lets the arrow go.
    ArrowStep Step(OddsArrow which);
    void ShowTable();
    void ShowValues();
    void ShowSpotControls();
    void paintText(ImageButton& box, const QString& text, const QColor& colour,
                   CaptionAlignment alignment, int offsetUnits = 0);
    void paintModeButton(ImageButton& button, bool pressed);
    void applyLabelFont();
    void fitTabs();
    void sound();

    GameState& state_;
    SoundPlayer& sound_;
    OddsBrowser browser_;
    ReportError reportError_;
    ControlPainter painter_;
    std::array<HeldArrow*, 6> arrows_{};
    std::array<QString, odds::kOddsRows> paintedCatches_;
    std::vector<QWidget*> spotControls_;
    std::vector<QLabel*> labels_;

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

// Opens the window modally for the ticket in play: on its kind's tab (a way
// ticket on "1 To 20 Spot"), at its spot count, with its price per way as the
// bet. The casino arrows read cpos.vlr in the working directory.
void ShowPayoffsAndOdds(GameState& state, SoundPlayer& sound, QWidget* parent,
                        TFormPayOffOd::ShowHelp showHelp = {});
