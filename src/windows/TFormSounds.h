#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <memory>

#include "game/SoundSettings.h"
#include "ui/ControlPainter.h"

class ImageButton;
class QLabel;
class QtWaiter;
class WindowScaler;
struct GameState;

// "Sounds": switches the background music and the keno sounds. The music
// follows its toggle at once; OK keeps both settings, CANCEL or the close box
// undo them.
class TFormSounds : public QDialog, public SoundSettingsView {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 182;
    static constexpr int kDesignHeight = 108;
    using ShowHelp = std::function<void(int helpNumber, QPoint at)>;

    TFormSounds(GameState& state, SoundPlayer& sound, ShowHelp showHelp = {},
                QWidget* parent = nullptr);
    ~TFormSounds() override;

    ImageButton* ImageMusic = nullptr;
    ImageButton* ImageSounds = nullptr;
    ImageButton* ImageOK = nullptr;
    ImageButton* ImageCancel = nullptr;
    QLabel* LabelMusic = nullptr;
    QLabel* LabelSounds = nullptr;

    void showMusicToggle(bool on) override;
    void showSoundsToggle(bool on) override;

    void ImageOKCancelMouseDown(ImageButton& button, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers);

  public Q_SLOTS:
    void done(int result) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ImageButton* place(const char* name, QRect designRect, int helpNumber);
    QLabel* makeLabel(QRect designRect, int helpNumber);
    void paintToggle(ImageButton& toggle, bool on);
    void paintButton(ImageButton& button, bool pressed);
    void applyLabelFont();

    ShowHelp showHelp_;
    ControlPainter painter_;
    WindowScaler* scaler_ = nullptr;
    std::unique_ptr<QtWaiter> waiter_;
    SoundSettings settings_;
};

// Opens the Sounds window modally; true when "&Keno Sounds" is to be checked afterwards.
bool ShowSoundSettings(GameState& state, SoundPlayer& sound, QWidget* parent,
                       TFormSounds::ShowHelp showHelp = {});
