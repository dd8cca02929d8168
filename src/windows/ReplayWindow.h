#pragma once

#include "windows/GameDialog.h"

struct PayoffTables;
class PressButton;
class QPlainTextEdit;

// "Game #NNN": one recorded game written out in sentences; PREVIOUS and NEXT
// step round the 1000 slots.
class ReplayWindow : public GameDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 350;
    static constexpr int kDesignHeight = 350;
    static constexpr int kPreviousTag = 21;
    static constexpr int kNextTag = 23;

    // Starts at game `gameNumber` (0..999); a way ticket is paid from the
    // payoffs in force. Throws IoError when the file is shorter than the slot.
    ReplayWindow(const DialogContext& context, const PayoffTables& payoffs, QString historyPath,
                 int gameNumber, QWidget* parent = nullptr);

    // The game shown.
    int gameNumber() const { return gameNumber_; }
    QPlainTextEdit* sentences = nullptr;
    PressButton* previousButton = nullptr;
    PressButton* nextButton = nullptr;

    // Sets the caption, reads the slot and writes its sentences.
    void showGame();
    void showPreviousGame();
    void showNextGame();

  protected:
    void fitTexts() override;

  private:
    PressButton* makeButton(const QRect& designRect, int tag, const QString& caption,
                            std::function<void()> action);

    const PayoffTables& payoffs_;
    QString historyPath_;
    int gameNumber_ = 0;
};
