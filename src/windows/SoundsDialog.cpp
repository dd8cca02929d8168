#include "windows/SoundsDialog.h"

#include <QLabel>

#include "core/state/GameState.h"
#include "ui/ButtonLook.h"
#include "ui/ImageButton.h"

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

    ImageButton* panelMusic = place("ImageMusicPanel", {2, 2, 178, 31}, 113);
    ImageButton* panelSounds = place("ImageSoundsPanel", {2, 36, 178, 31}, 114);
    musicToggle = place("ImageMusic", {10, 9, 16, 16}, 113);
    soundsToggle = place("ImageSounds", {10, 43, 16, 16}, 114);
    okButton = place("ImageOK", {23, 71, 65, 35}, 69);
    cancelButton = place("ImageCancel", {94, 71, 65, 35}, 70);
    musicLabel = placeLabel({34, 9, 140, 16}, Qt::AlignLeft, 113);
    soundsLabel = placeLabel({34, 43, 140, 16}, Qt::AlignLeft, 114);

    connect(musicToggle, &ImageButton::plainLeftPress, this,
            [this] { settings_.onMusicTogglePressed(); });
    connect(soundsToggle, &ImageButton::plainLeftPress, this,
            [this] { settings_.onSoundsTogglePressed(); });
    for (ImageButton* button : {okButton, cancelButton})
        connect(button, &ImageButton::plainLeftPress, this,
                [this, button] { onButtonPressed(*button); });

    for (ImageButton* control : {musicToggle, soundsToggle, okButton, cancelButton})
        control->setFocusPolicy(Qt::TabFocus);
    okButton->setSpoken(ImageButton::Spoken::button(QStringLiteral("OK")));
    cancelButton->setSpoken(ImageButton::Spoken::button(QStringLiteral("CANCEL")));
    setMainControl(musicToggle);

    painter_.paintBevel(*panelMusic, BevelStyle::Frame);
    painter_.paintBevel(*panelSounds, BevelStyle::Frame);
    paintButton(*okButton, false);
    paintButton(*cancelButton, false);
    fitTexts();
    settings_.open();
}

ImageButton* SoundsDialog::place(const char* name, QRect designRect, int helpNumber) {
    ImageButton* image = placeImage(designRect, 0, helpNumber);
    image->setObjectName(QLatin1String(name));
    return image;
}

void SoundsDialog::fitTexts() {
    if (musicLabel == nullptr) return;
    const QFont font = painter_.boldFont(fonts::kTimes, kLabelUnits);
    musicLabel->setFont(font);
    soundsLabel->setFont(font);
}

void SoundsDialog::paintToggle(ImageButton& toggle, bool on) {
    painter_.paintBevel(toggle, on ? BevelStyle::Sunken : BevelStyle::Raised);
}

void SoundsDialog::showMusicToggle(bool on) {
    paintToggle(*musicToggle, on);
    musicToggle->setSpoken(ImageButton::Spoken::checkBox(QStringLiteral("Background Music"), on));
    musicLabel->setText(on ? QStringLiteral("BACKGROUND ON") : QStringLiteral("BACKGROUND OFF"));
    repaint();
}

void SoundsDialog::showSoundsToggle(bool on) {
    paintToggle(*soundsToggle, on);
    soundsToggle->setSpoken(ImageButton::Spoken::checkBox(QStringLiteral("Keno Sounds"), on));
    soundsLabel->setText(on ? QStringLiteral("KENO SOUNDS ON") : QStringLiteral("KENO SOUNDS OFF"));
    repaint();
}

void SoundsDialog::paintButton(ImageButton& button, bool pressed) {
    const QString caption = &button == okButton ? QStringLiteral("OK") : QStringLiteral("CANCEL");
    PaintButtonLook(painter_, button, ButtonLook::push(caption), pressed);
}

void SoundsDialog::onButtonPressed(ImageButton& button) {
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
