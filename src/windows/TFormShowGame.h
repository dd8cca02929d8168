#pragma once

#include <QDialog>
#include <functional>

#include "core/state/GameState.h"
#include "ui/ControlPainter.h"

class PressButton;
class QPlainTextEdit;
class SoundPlayer;
class WindowScaler;

// "Game #NNN": one recorded game written out in sentences; PREVIOUS and NEXT
// step round the 1000 slots.
class TFormShowGame : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 350;
    static constexpr int kDesignHeight = 350;
    static constexpr int kPreviousTag = 21;
    static constexpr int kNextTag = 23;

    // Starts at state.ReplayGameNumber; a way ticket is paid from the schedule
    // in force. Throws IoError when the file is shorter than the slot.
    TFormShowGame(GameState& state, SoundPlayer& sound, QString historyPath,
                  QWidget* parent = nullptr);

    int ReplayGameIndex() const { return replayGameIndex_; }
    QPlainTextEdit* Memo = nullptr;
    PressButton* ImagePrevious = nullptr;
    PressButton* ImageNext = nullptr;

    // Sets the caption, reads the slot and writes its sentences.
    void ShowReplayGame();
    void ImagePreviousClick();
    void ImageNextClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    PressButton* makeButton(const QRect& designRect, int tag, const QString& caption,
                            std::function<void()> action);
    void click();

    GameState& state_;
    SoundPlayer& sound_;
    QString historyPath_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
    int replayGameIndex_ = 0;
};
