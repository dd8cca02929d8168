#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>

#include "core/state/GameState.h"
#include "core/state/PauseSettings.h"
#include "ui/ControlPainter.h"

class HeldArrow;
class ImageButton;
class QLabel;
class WindowScaler;
class SoundPlayer;

// "Pause Games": edits the pauses between numbers and between games and the
// winning threshold on working values, committed only by OK.
class TFormPause : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 270;
    static constexpr int kDesignHeight = 135;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;

    TFormPause(GameState& state, PauseSettings& settings, SoundPlayer& sound,
               ShowHelp showHelp = {}, QWidget* parent = nullptr);

    // Arrow and button controls by their released tag (101..115).
    ImageButton* imageByTag(int tag) const;
    // The six arrows by their released tag (101..111); nullptr for another tag.
    HeldArrow* arrowByTag(int tag) const;
    QLabel* LabelNumbers = nullptr;
    QLabel* LabelNumbersLabel = nullptr;
    QLabel* LabelGames = nullptr;
    QLabel* LabelGamesLabel = nullptr;
    QLabel* LabelWinningLabel = nullptr;
    QLabel* LabelWinning = nullptr;

    void LabelNumbersLabelClick();
    void LabelGamesLabelClick();
    void LabelWinningLabelClick();
    void ImageOKCancelMouseDown(ImageButton& button, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers);
    void ImageOKCancelMouseUp(ImageButton& button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    void PauseShow(int pressedTag);
    HeldArrow* makeArrow(ImageButton& image);
    void paintButton(ImageButton& button, bool pressed);
    void sound();
    QLabel* makeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber);
    void applyLabelFont();

    GameState& state_;
    PauseSettings& settings_;
    SoundPlayer& sound_;
    ShowHelp showHelp_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
    std::vector<ImageButton*> images_;
    std::vector<HeldArrow*> arrows_;
    ImageButton* pressedButton_ = nullptr;  // OK or CANCEL held down
};
