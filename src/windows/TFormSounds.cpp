#include "windows/TFormSounds.h"

#include <QLabel>

#include "core/state/GameState.h"
#include "devices/QtWaiter.h"
#include "ui/ButtonLook.h"
#include "ui/DesignUnits.h"
#include "ui/DialogFrame.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr BevelStyle kPanelStyle = BevelStyle::Frame;
constexpr BevelStyle kRaised = BevelStyle::Raised;
constexpr BevelStyle kPressed = BevelStyle::Sunken;
constexpr int kButtonUnits = 13;
constexpr int kButtonOffset = 9;
constexpr int kLabelUnits = 11;

bool leftButtonAlone(Qt::MouseButton button, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers) {
    return button == Qt::LeftButton && buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
}

}  // namespace

TFormSounds::TFormSounds(GameState& state, SoundPlayer& sound, ShowHelp showHelp, QWidget* parent)
    : QDialog(parent),
      showHelp_(std::move(showHelp)),
      painter_(
          window_style::Sounds, [this] { return height(); }, state.BevelWidth),
      waiter_(std::make_unique<QtWaiter>()),
      settings_(state, sound, *waiter_, *this) {
    setObjectName(QStringLiteral("TFormSounds"));
    SetUpGreenDialog(*this, QStringLiteral("Sounds"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    setFont(font);

    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    ImageButton* panelMusic = place("ImageMusicPanel", {2, 2, 178, 31}, 113);
    ImageButton* panelSounds = place("ImageSoundsPanel", {2, 36, 178, 31}, 114);
    ImageMusic = place("ImageMusic", {10, 9, 16, 16}, 113);
    ImageSounds = place("ImageSounds", {10, 43, 16, 16}, 114);
    ImageOK = place("ImageOK", {23, 71, 65, 35}, 69);
    ImageCancel = place("ImageCancel", {94, 71, 65, 35}, 70);
    LabelMusic = makeLabel({34, 9, 140, 16}, 113);
    LabelSounds = makeLabel({34, 43, 140, 16}, 114);

    connect(ImageMusic, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
                if (leftButtonAlone(button, buttons, keys)) settings_.MusicToggleMouseDown();
            });
    connect(ImageSounds, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
                if (leftButtonAlone(button, buttons, keys)) settings_.SoundsToggleMouseDown();
            });
    for (ImageButton* button : {ImageOK, ImageCancel})
        connect(
            button, &ImageButton::mousePressed, this,
            [this, button](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
                ImageOKCancelMouseDown(*button, buttons, keys);
            });

    FitAndCentre(*this, *scaler_);

    painter_.PaintBevel(*panelMusic, kPanelStyle);
    painter_.PaintBevel(*panelSounds, kPanelStyle);
    paintButton(*ImageOK, false);
    paintButton(*ImageCancel, false);
    applyLabelFont();
    settings_.FormShow();
}

TFormSounds::~TFormSounds() = default;

ImageButton* TFormSounds::place(const char* name, QRect designRect, int helpNumber) {
    auto* image = new ImageButton(this);
    image->setObjectName(QLatin1String(name));
    scaler_->place(image, designRect);
    if (showHelp_) AttachWhatsThis(image, helpNumber, showHelp_);
    return image;
}

QLabel* TFormSounds::makeLabel(QRect designRect, int helpNumber) {
    auto* label = new QLabel(this);
    scaler_->place(label, designRect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    if (showHelp_) AttachWhatsThis(label, helpNumber, showHelp_);
    return label;
}

void TFormSounds::applyLabelFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(qMax(1, design::toPixels(height(), kLabelUnits, kDesignHeight)));
    LabelMusic->setFont(font);
    LabelSounds->setFont(font);
}

void TFormSounds::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (LabelMusic != nullptr) applyLabelFont();
}

void TFormSounds::paintToggle(ImageButton& toggle, bool on) {
    painter_.PaintBevel(toggle, on ? kPressed : kRaised);
}

void TFormSounds::showMusicToggle(bool on) {
    paintToggle(*ImageMusic, on);
    LabelMusic->setText(on ? QStringLiteral("BACKGROUND ON") : QStringLiteral("BACKGROUND OFF"));
    repaint();
}

void TFormSounds::showSoundsToggle(bool on) {
    paintToggle(*ImageSounds, on);
    LabelSounds->setText(on ? QStringLiteral("KENO SOUNDS ON") : QStringLiteral("KENO SOUNDS OFF"));
    repaint();
}

void TFormSounds::paintButton(ImageButton& button, bool pressed) {
    const QString caption = &button == ImageOK ? QStringLiteral("OK") : QStringLiteral("CANCEL");
    PaintButtonLook(painter_, button,
                    {caption, QStringLiteral("Arial"), kButtonUnits, kButtonOffset}, pressed);
}

void TFormSounds::ImageOKCancelMouseDown(ImageButton& button, Qt::MouseButtons buttons,
                                         Qt::KeyboardModifiers modifiers) {
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier) return;
    paintButton(button, true);
    repaint();
    waiter_->waitForInput();
    paintButton(button, false);
    repaint();
    if (&button == ImageOK) {
        settings_.Commit();
        accept();
    } else {
        reject();
    }
}

void TFormSounds::done(int result) {
    settings_.FormClose();
    QDialog::done(result);
}

bool ShowSoundSettings(GameState& state, SoundPlayer& sound, QWidget* parent,
                       TFormSounds::ShowHelp showHelp) {
    TFormSounds form(state, sound, std::move(showHelp), parent);
    form.exec();
    return SoundSettings::menuChecked(state);
}
