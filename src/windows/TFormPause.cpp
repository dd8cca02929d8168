#include "windows/TFormPause.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "game/SoundPlayer.h"
#include "ui/ButtonLook.h"
#include "ui/DesignUnits.h"
#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr int kOkTag = 113;
constexpr int kCancelTag = 115;
constexpr int kLabelFontUnits = 11;
constexpr int kCaptionUnits = 13;

// A picture control of the window: where it stands, its released tag, its help.
struct PlacedImage {
    const char* name;
    QRect designRect;
    int tag;
    int helpNumber;
};

constexpr PlacedImage kImages[] = {
    {"ImageNumbersUp", {9, 12, 16, 16}, 101, 117},
    {"ImageNumbersDown", {27, 12, 16, 16}, 103, 118},
    {"ImageGamesUp", {9, 50, 16, 16}, 105, 120},
    {"ImageGamesDown", {27, 50, 16, 16}, 107, 121},
    {"ImageWinningUp", {9, 70, 16, 16}, 109, 123},
    {"ImageWinningDown", {27, 70, 16, 16}, 111, 124},
    {"ImageOK", {67, 98, 65, 35}, kOkTag, 69},
    {"ImageCancel", {139, 98, 65, 35}, kCancelTag, 70},
};

bool leftButtonAlone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
}

}  // namespace

TFormPause::TFormPause(GameState& state, PauseSettings& settings, SoundPlayer& sound,
                       ShowHelp showHelp, QWidget* parent)
    : QDialog(parent),
      state_(state),
      settings_(settings),
      sound_(sound),
      showHelp_(std::move(showHelp)),
      painter_(
          window_style::Pause, [this] { return height(); }, state.BevelWidth) {
    SetUpGreenDialog(*this, QStringLiteral("Pause Games"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    WindowScaler* scaler = scaler_;
    auto place = [&](const char* name, QRect rect) {
        auto* image = new ImageButton(this);
        image->setObjectName(QLatin1String(name));
        scaler->place(image, rect);
        return image;
    };
    ImageButton* top = place("ImageTop", {2, 2, 265, 36});
    ImageButton* bottom = place("ImageBottom", {2, 41, 265, 54});
    for (const PlacedImage& entry : kImages) {
        ImageButton* image = place(entry.name, entry.designRect);
        image->setTag(entry.tag);
        images_.push_back(image);
        if (entry.tag == kOkTag || entry.tag == kCancelTag) {
            connect(image, &ImageButton::mousePressed, this,
                    [this, image](Qt::MouseButton, Qt::MouseButtons buttons,
                                  Qt::KeyboardModifiers modifiers) {
                        ImageOKCancelMouseDown(*image, buttons, modifiers);
                    });
            connect(image, &ImageButton::mouseReleased, this,
                    [this, image] { ImageOKCancelMouseUp(*image); });
        } else {
            arrows_.push_back(makeArrow(*image));
        }
        if (showHelp_) AttachWhatsThis(image, entry.helpNumber, showHelp_);
    }

    LabelNumbers = makeLabel({45, 13, 17, 15}, Qt::AlignRight, 116);
    LabelNumbersLabel = makeLabel({68, 13, 190, 15}, Qt::AlignLeft, 116);
    LabelGames = makeLabel({45, 51, 28, 15}, Qt::AlignRight, 119);
    LabelGamesLabel = makeLabel({79, 51, 164, 15}, Qt::AlignLeft, 119);
    LabelWinningLabel = makeLabel({50, 71, 134, 15}, Qt::AlignLeft, 122);
    LabelWinning = makeLabel({185, 71, 76, 15}, Qt::AlignLeft, 122);
    LabelWinningLabel->setText(QStringLiteral("After Winning At Least"));

    FitAndCentre(*this, *scaler);

    painter_.PaintBevel(*top, BevelStyle::Frame);
    painter_.PaintBevel(*bottom, BevelStyle::Frame);
    FormCreate();
}

QLabel* TFormPause::makeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber) {
    auto* label = new QLabel(this);
    scaler_->place(label, designRect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->installEventFilter(this);
    if (showHelp_) AttachWhatsThis(label, helpNumber, showHelp_);
    return label;
}

// The arrows step the working values: the winning threshold's step grows
// while its arrow is held and starts again at every release.
HeldArrow* TFormPause::makeArrow(ImageButton& image) {
    const int pressedTag = image.tag() + 1;
    const bool up = pressedTag == PauseSettings::kNumbersUp ||
                    pressedTag == PauseSettings::kGamesUp ||
                    pressedTag == PauseSettings::kWinningUp;
    HeldArrow::Actions actions;
    actions.step = [this, pressedTag](HeldArrow::Phase phase) {
        if (phase == HeldArrow::Phase::Press)
            settings_.PauseStep(pressedTag);
        else
            settings_.heldStep(pressedTag);
        PauseShow(pressedTag);
        return ArrowStep::stepped();
    };
    actions.click = [this] { sound(); };
    actions.released = [this] { settings_.released(); };
    return new HeldArrow(image, painter_, {up, kCaptionUnits, 1}, actions);
}

HeldArrow* TFormPause::arrowByTag(int tag) const {
    for (HeldArrow* arrow : arrows_)
        if ((arrow->button().tag() | 1) == tag) return arrow;
    return nullptr;
}

ImageButton* TFormPause::imageByTag(int tag) const {
    for (ImageButton* image : images_)
        if (image->tag() == tag || image->tag() == tag + 1) return image;
    return nullptr;
}

void TFormPause::FormCreate() {
    settings_.open(state_);
    for (ImageButton* image : images_)
        if (image->tag() == kOkTag || image->tag() == kCancelTag) paintButton(*image, false);
    for (HeldArrow* arrow : arrows_) arrow->paint(false);
    applyLabelFont();
    PauseShow(PauseSettings::kNumbersUp);
    PauseShow(PauseSettings::kGamesUp);
    PauseShow(PauseSettings::kWinningUp);
}

void TFormPause::applyLabelFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(qMax(1, design::toPixels(height(), kLabelFontUnits, kDesignHeight)));
    for (QLabel* label : findChildren<QLabel*>()) label->setFont(font);
}

void TFormPause::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (LabelNumbers != nullptr) applyLabelFont();
}

void TFormPause::PauseShow(int pressedTag) {
    if (pressedTag == PauseSettings::kNumbersUp || pressedTag == PauseSettings::kNumbersDown) {
        const PauseSettings::RowTexts texts = settings_.numbersTexts();
        LabelNumbers->setText(texts.value);
        LabelNumbersLabel->setText(texts.label);
    } else if (pressedTag == PauseSettings::kGamesUp || pressedTag == PauseSettings::kGamesDown) {
        const PauseSettings::RowTexts texts = settings_.gamesTexts();
        LabelGames->setText(texts.value);
        LabelGamesLabel->setText(texts.label);
    } else {
        LabelWinning->setText(settings_.winningText());
    }
}

void TFormPause::paintButton(ImageButton& button, bool pressed) {
    const bool ok = (button.tag() | 1) == kOkTag;
    // The pressed CANCEL reads "Cancel" in mixed case.
    const QString caption = ok        ? QStringLiteral("OK")
                            : pressed ? QStringLiteral("Cancel")
                                      : QStringLiteral("CANCEL");
    PaintButtonLook(painter_, button, {caption, QStringLiteral("Arial"), kCaptionUnits, 9},
                    pressed);
}

void TFormPause::sound() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

void TFormPause::LabelNumbersLabelClick() {
    if (!settings_.clickNumbersLabel()) return;
    PauseShow(PauseSettings::kNumbersUp);
    repaint();
    sound();
}

void TFormPause::LabelGamesLabelClick() {
    settings_.clickGamesLabel();
    PauseShow(PauseSettings::kGamesUp);
    repaint();
    sound();
}

void TFormPause::LabelWinningLabelClick() {
    settings_.clickWinningLabel(state_.PricePerGame);
    PauseShow(PauseSettings::kWinningUp);
    repaint();
    sound();
}

void TFormPause::ImageOKCancelMouseDown(ImageButton& button, Qt::MouseButtons buttons,
                                        Qt::KeyboardModifiers modifiers) {
    if (!leftButtonAlone(buttons, modifiers)) return;
    pressedButton_ = &button;
    paintButton(button, true);
    repaint();
    sound();
}

// The release ends the press: raised again, then the button's action.
void TFormPause::ImageOKCancelMouseUp(ImageButton& button) {
    if (pressedButton_ != &button) return;
    pressedButton_ = nullptr;
    paintButton(button, false);
    repaint();
    sound();
    if (button.tag() == kOkTag) {
        settings_.commit(state_);
        accept();
    } else {
        reject();
    }
}

bool TFormPause::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == LabelNumbers || watched == LabelNumbersLabel) LabelNumbersLabelClick();
            if (watched == LabelGames || watched == LabelGamesLabel) LabelGamesLabelClick();
            if (watched == LabelWinning || watched == LabelWinningLabel) LabelWinningLabelClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}
