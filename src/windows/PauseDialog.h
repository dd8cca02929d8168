#pragma once

#include <optional>

#include "core/state/PauseSettings.h"
#include "windows/GameDialog.h"

class HeldArrow;

// "Pause Games": edits the pauses between numbers and between games and the
// winning threshold on working values, committed only by OK.
class PauseDialog : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 270;
    static constexpr int kDesignHeight = 135;
    // The three rows the arrows and the label clicks change.
    enum class Row { Numbers, Games, Winning };
    // The two push buttons under the rows.
    enum class Button { Ok, Cancel };

    // With no pause between games, the winning threshold opens at the price per game.
    PauseDialog(const DialogContext& context, PauseSettings& settings, Money pricePerGame,
                QWidget* parent = nullptr);

    // Arrow and button controls by their released tag (101..115).
    PictureControl* imageByTag(int tag) const;
    // The six arrows by their released tag (101..111); nullptr for another tag.
    HeldArrow* arrowByTag(int tag) const;
    // Each row's value and the words beside it; clicking either is the row's shortcut.
    QLabel* numbersValue = nullptr;
    QLabel* numbersLabel = nullptr;
    QLabel* gamesValue = nullptr;
    QLabel* gamesLabel = nullptr;
    QLabel* winningLabel = nullptr;
    QLabel* winningValue = nullptr;

    void onNumbersLabelClicked();
    void onGamesLabelClicked();
    void onWinningLabelClicked();
    PictureControl& button(Button which) const;
    // OK or CANCEL went down (a plain left press) and came up again.
    void onButtonPressed(Button which);
    void onButtonReleased(Button which);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fitTexts() override;

  private:
    void showSettings();
    void showRow(Row row);
    HeldArrow* makeArrow(PictureControl& image, PauseArrow arrow);
    PictureControl* placeButton(const char* name, const QRect& designRect, int tag, int helpNumber,
                                const char* spoken, Button which);
    void paintButton(Button which, bool pressed);
    QLabel* makeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber);

    PauseSettings& settings_;
    Money pricePerGame_;
    std::vector<PictureControl*> images_;
    std::vector<HeldArrow*> arrows_;
    PictureControl* okButton_ = nullptr;
    PictureControl* cancelButton_ = nullptr;
    std::optional<Button> pressed_;  // OK or CANCEL held down
};
