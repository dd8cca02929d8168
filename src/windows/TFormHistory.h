#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>

#include "core/records/HistoryList.h"
#include "core/state/GameState.h"
#include "ui/ControlPainter.h"

class HeldArrow;
class ImageButton;
class PressButton;
class QLabel;
class SoundPlayer;
class TListBoxComp;
class WindowScaler;

// "Games History": one line per recorded game with what it paid, sorted four
// ways; SHOW or a double click replays the chosen game.
class TFormHistory : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 170;
    static constexpr int kDesignHeight = 400;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;
    // Opens the replay of state.ReplayGameNumber (a window of its own).
    using OpenReplay = std::function<void()>;

    // Fills itself from the file (a missing file leaves the list empty).
    // Throws IoError when the file is damaged.
    TFormHistory(GameState& state, SoundPlayer& sound, QString historyPath, OpenReplay openReplay,
                 ShowHelp showHelp = {}, QWidget* parent = nullptr);

    TListBoxComp* ListBox = nullptr;
    QLabel* LabelHeader = nullptr;
    HeldArrow* ImageUp = nullptr;
    HeldArrow* ImageDown = nullptr;
    // The sort buttons in the order of HistoryOrder: game ascending,
    // game descending, winnings ascending, winnings descending.
    std::array<ImageButton*, 4> ImageSort{};
    PressButton* ImageShow = nullptr;
    PressButton* ImageCancel = nullptr;

    // A sort button went down: its order, unless it is the one in force.
    void ImageSortMouseDown(history::HistoryOrder order, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers modifiers);
    // SHOW or a double click: the selected line's game goes to the replay.
    void ShowSelectedGame();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    ImageButton* place(const QRect& designRect, int tag, int helpNumber);
    HeldArrow* makeScrollButton(const QRect& designRect, int tag, int helpNumber);
    PressButton* makePushButton(const QRect& designRect, const QString& caption, int helpNumber,
                                std::function<void()> action);
    void paintSortButton(history::HistoryOrder order, bool pressed);
    void applyFonts();
    void click();

    GameState& state_;
    SoundPlayer& sound_;
    QString historyPath_;
    OpenReplay openReplay_;
    ShowHelp showHelp_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
};

// Opens "Games History" modally from the main menu, with the hourglass while
// it fills; SHOW opens "Game #NNN" over it.
void ShowGamesHistory(GameState& state, SoundPlayer& sound, QWidget* parent,
                      TFormHistory::ShowHelp showHelp, const QString& historyPath);
