#pragma once

#include "windows/GameDialog.h"

struct GameState;
class HeldArrow;
class QLineEdit;
class QListWidget;

// "SAVE YOUR FAVORITE TICKET" / "RESTORE YOUR FAVORITE TICKET": names the
// ticket on the table and stores it in the saved tickets file, or puts a
// stored one into the game state, or deletes stored ones.
class SavedTicketsDialog : public GameDialog {
    Q_OBJECT
  public:
    enum class Mode { Save, Restore };
    // What the dialog did to the game: a restored ticket waits to go on the board.
    enum class Outcome { None, Restored };
    static constexpr int kDesignWidth = 300;
    static constexpr int kDesignHeight = 188;
    // Asks the question with Yes and No at a screen position; true for Yes.
    using Confirm = std::function<bool(QWidget* parent, const QString& question, QPoint at)>;

    // SAVE stores the state's ticket and bet; RESTORE puts a saved one back into it.
    SavedTicketsDialog(Mode mode, const DialogContext& context, GameState& state,
                       QString ticketsPath, QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }
    // Replaces the Yes/No question of DELETE (tests answer it themselves).
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    QLineEdit* nameEdit = nullptr;
    QListWidget* nameList = nullptr;
    PictureControl* okButton = nullptr;  // SAVE or RESTORE
    PictureControl* cancelButton = nullptr;
    PictureControl* deleteButton = nullptr;
    PictureControl* upButton = nullptr;
    PictureControl* downButton = nullptr;
    // The scroll buttons' press cycles (press, repeat while held, release).
    HeldArrow* scrollUp = nullptr;
    HeldArrow* scrollDown = nullptr;

    void onNameEdited();
    void onNameClicked(int row);
    void onNameDoubleClicked();
    // Enter or a double click in the name field: what OK does, when OK is offered.
    void onNameConfirmed();

    // The top line of the names list.
    int topLine() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fitTexts() override;

  private:
    PictureControl* place(const char* name, const QRect& designRect, int tag, int helpNumber);
    void showNamesAndButtons();
    void loadNames();
    HeldArrow* scrollArrow(PictureControl& image, bool up);
    void saveTicket();
    void restoreTicket();
    void deleteTicket();

    Mode mode_;
    GameState& state_;
    QString ticketsPath_;
    Confirm confirm_;
    Outcome outcome_ = Outcome::None;
    QLabel* nameLabel_ = nullptr;
    PictureControl* topFrame_ = nullptr;
    PictureControl* bottomFrame_ = nullptr;
};
