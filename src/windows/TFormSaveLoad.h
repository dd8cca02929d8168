#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <vector>

#include "ui/ControlPainter.h"

class ImageButton;
class QLabel;
class QLineEdit;
class QListWidget;
class HeldArrow;
class SoundPlayer;
class WindowScaler;
struct GameState;

// "SAVE YOUR FAVORITE TICKET" / "RESTORE YOUR FAVORITE TICKET": names the
// ticket on the table and stores it in the saved tickets file, or puts a
// stored one into the game state, or deletes stored ones.
class TFormSaveLoad : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Save, Restore };
    static constexpr int kDesignWidth = 300;
    static constexpr int kDesignHeight = 188;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;
    // Asks the question with Yes and No at a screen position; true for Yes.
    using Confirm = std::function<bool(QWidget* parent, const QString& question, QPoint at)>;

    TFormSaveLoad(Mode mode, GameState& state, SoundPlayer& sound, QString ticketsPath,
                  ShowHelp showHelp = {}, QWidget* parent = nullptr);

    // "SAVE" or "RESTORE" as opened; "DoIt" once a ticket has been restored.
    const QString& TicketDialogMode() const { return dialogMode_; }
    // Replaces the Yes/No question of DELETE (tests answer it themselves).
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    QLineEdit* EditName = nullptr;
    QListWidget* ListNames = nullptr;
    ImageButton* ImageOK = nullptr;
    ImageButton* ImageCancel = nullptr;
    ImageButton* ImageDelete = nullptr;
    ImageButton* ImageUp = nullptr;
    ImageButton* ImageDown = nullptr;

    void EditNameChange();
    void ListNamesClick(int row);
    void ListNamesDblClick();
    void EditNameDblClick();
    // The scroll buttons' press cycles (press, repeat while held, release).
    HeldArrow* ArrowUp = nullptr;
    HeldArrow* ArrowDown = nullptr;

    // The top line of the names list.
    int topLine() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    ImageButton* place(const char* name, const QRect& designRect, int tag, int helpNumber);
    void FormCreate();
    void loadNames();
    HeldArrow* scrollArrow(ImageButton& image, bool up);
    void applyFonts();
    void click();
    void SaveRecord();
    void RestoreRecord();
    void DeleteRecord();
    QString modeWord() const;

    Mode mode_;
    GameState& state_;
    SoundPlayer& sound_;
    QString ticketsPath_;
    ShowHelp showHelp_;
    Confirm confirm_;
    QString dialogMode_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
    QLabel* LabelName = nullptr;
    ImageButton* ImageTop = nullptr;
    ImageButton* ImageBottom = nullptr;
};
