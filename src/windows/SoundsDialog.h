#pragma once

#include "game/SoundSettings.h"
#include "windows/GameDialog.h"

// "Sounds": switches the background music and the keno sounds. The music
// follows its toggle at once; OK keeps both settings, CANCEL or the close box
// undo them.
class SoundsDialog : public GameDialog, public SoundSettingsView {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 182;
    static constexpr int kDesignHeight = 108;

    // `waiter` holds a pressed button until its release.
    SoundsDialog(const DialogContext& context, Waiter& waiter, QWidget* parent = nullptr);

    PictureControl* musicToggle = nullptr;
    PictureControl* soundsToggle = nullptr;
    PictureControl* okButton = nullptr;
    PictureControl* cancelButton = nullptr;
    QLabel* musicLabel = nullptr;
    QLabel* soundsLabel = nullptr;

    void showMusicToggle(bool on) override;
    void showSoundsToggle(bool on) override;

    // OK or CANCEL went down: pressed until the release, then its action.
    void onButtonPressed(PictureControl& button);

  public Q_SLOTS:
    void done(int result) override;

  protected:
    void fitTexts() override;

  private:
    PictureControl* place(const char* name, QRect designRect, int helpNumber);
    void paintToggle(PictureControl& toggle, bool on);
    void paintButton(PictureControl& button, bool pressed);

    Waiter& waiter_;
    SoundSettings settings_;
};

// Opens the Sounds window modally; true when "&Keno Sounds" is to be checked afterwards.
bool ShowSoundSettings(const DialogContext& context, Waiter& waiter, QWidget* parent);
