#include "windows/SoundsDialog.h"

#include <QLabel>

#include "core/state/GameState.h"
#include "ui/ButtonLook.h"
#include "ui/PictureControl.h"

namespace {

constexpr int kLabelUnits = 11;

}  // namespace

SoundsDialog::SoundsDialog(const DialogContext& context, Waiter& waiter, QWidget* parent)
    : GameDialog(context, window_style::Sounds, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Sounds"), parent),
      waiter_(waiter),
      settings_(context.session, context.sound, waiter, *this) {
    setObjectName(QStringLiteral("SoundsDialog"));
    QFont font(fonts::kTimes);
    font.setBold(true);
    setFont(font);

    PictureControl* panelMusic = place("ImageMusicPanel", {2, 2, 178, 31}, 113);
    PictureControl* panelSounds = place("ImageSoundsPanel", {2, 36, 178, 31}, 114);
    musicToggle = place("ImageMusic", {10, 9, 16, 16}, 113);
    soundsToggle = place("ImageSounds", {10, 43, 16, 16}, 114);
    okButton = place("ImageOK", {23, 71, 65, 35}, 69);
    cancelButton = place("ImageCancel", {94, 71, 65, 35}, 70);
    musicLabel = placeLabel({34, 9, 140, 16}, Qt::AlignLeft, 113);
    soundsLabel = placeLabel({34, 43, 140, 16}, Qt::AlignLeft, 114);

    connect(musicToggle, &PictureControl::plainLeftPress, this,
            [this] { settings_.onMusicTogglePressed(); });
    connect(soundsToggle, &PictureControl::plainLeftPress, this,
            [this] { settings_.onSoundsTogglePressed(); });
    for (PictureControl* button : {okButton, cancelButton})
        connect(button, &PictureControl::plainLeftPress, this,
                [this, button] { onButtonPressed(*button); });

    for (PictureControl* control : {musicToggle, soundsToggle, okButton, cancelButton})
        control->setFocusPolicy(Qt::TabFocus);
    okButton->setSpoken(PictureControl::Spoken::button(QStringLiteral("OK")));
    cancelButton->setSpoken(PictureControl::Spoken::button(QStringLiteral("CANCEL")));
    setMainControl(musicToggle);

    painter_.paintBevel(*panelMusic, BevelStyle::Frame);
    painter_.paintBevel(*panelSounds, BevelStyle::Frame);
    paintButton(*okButton, false);
    paintButton(*cancelButton, false);
    fitTexts();
    settings_.open();
}

PictureControl* SoundsDialog::place(const char* name, QRect designRect, int helpNumber) {
    PictureControl* image = placeImage(designRect, 0, helpNumber);
    image->setObjectName(QLatin1String(name));
    return image;
}

void SoundsDialog::fitTexts() {
    if (musicLabel == nullptr) return;
    const QFont font = painter_.boldFont(fonts::kTimes, kLabelUnits);
    musicLabel->setFont(font);
    soundsLabel->setFont(font);
}

void SoundsDialog::paintToggle(PictureControl& toggle, bool on) {
    painter_.paintBevel(toggle, on ? BevelStyle::Sunken : BevelStyle::Raised);
}

void SoundsDialog::showMusicToggle(bool on) {
    paintToggle(*musicToggle, on);
    musicToggle->setSpoken(
        PictureControl::Spoken::checkBox(QStringLiteral("Background Music"), on));
    musicLabel->setText(on ? QStringLiteral("BACKGROUND ON") : QStringLiteral("BACKGROUND OFF"));
    repaint();
}

void SoundsDialog::showSoundsToggle(bool on) {
    paintToggle(*soundsToggle, on);
    soundsToggle->setSpoken(PictureControl::Spoken::checkBox(QStringLiteral("Keno Sounds"), on));
    soundsLabel->setText(on ? QStringLiteral("KENO SOUNDS ON") : QStringLiteral("KENO SOUNDS OFF"));
    repaint();
}

void SoundsDialog::paintButton(PictureControl& button, bool pressed) {
    const QString caption = &button == okButton ? QStringLiteral("OK") : QStringLiteral("CANCEL");
    PaintButtonLook(painter_, button, ButtonLook::push(caption), pressed);
}

void SoundsDialog::onButtonPressed(PictureControl& button) {
    paintButton(button, true);
    repaint();
    waiter_.waitForInput();
    paintButton(button, false);
    repaint();
    if (&button == okButton) {
        settings_.commit();
        accept();
    } else {
        reject();
    }
}

void SoundsDialog::done(int result) {
    settings_.close();
    QDialog::done(result);
}

bool ShowSoundSettings(const DialogContext& context, Waiter& waiter, QWidget* parent) {
    SoundsDialog form(context, waiter, parent);
    form.exec();
    return SoundSettings::menuChecked(context.session);
}
