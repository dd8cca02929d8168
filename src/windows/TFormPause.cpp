#include "windows/TFormPause.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "game/SoundPlayer.h"
#include "ui/DesignUnits.h"
#include "ui/Glyphs.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr int kOkTag = 113;
constexpr int kCancelTag = 115;
constexpr int kLabelFontUnits = 11;
const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);

struct ImageSpec {
    const char* name;
    QRect designRect;
    int tag;
    int helpNumber;
};

constexpr ImageSpec kImages[] = {
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

bool isUpArrow(int tag) { return tag == 101 || tag == 105 || tag == 109; }

}  // namespace

TFormPause::TFormPause(GameState& state, PauseSettings& settings, SoundPlayer& sound,
                       ShowHelp showHelp, QWidget* parent)
    : QDialog(parent),
      state_(state),
      settings_(settings),
      sound_(sound),
      showHelp_(std::move(showHelp)),
      painter_(
          window_style::Pause, [this] { return height(); }, state.BevelWidth),
      TimerButton(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Pause Games"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor::fromRgb(colours::kGreen));
    setPalette(green);

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
    for (const ImageSpec& entry : kImages) {
        ImageButton* image = place(entry.name, entry.designRect);
        image->setTag(entry.tag);
        images_.push_back(image);
        const bool isButton = entry.tag == kOkTag || entry.tag == kCancelTag;
        connect(image, &ImageButton::mousePressed, this,
                [this, image, isButton](Qt::MouseButton, Qt::MouseButtons buttons,
                                        Qt::KeyboardModifiers modifiers) {
                    if (isButton)
                        ImageOKCancelMouseDown(*image, buttons, modifiers);
                    else
                        ImageMouseDown(*image, buttons, modifiers);
                });
        connect(image, &ImageButton::mouseReleased, this, [this, image, isButton] {
            if (isButton)
                ImageOKCancelMouseUp(*image);
            else
                ImageMouseUp(*image);
        });
        if (showHelp_) AttachWhatsThis(image, entry.helpNumber, showHelp_);
    }

    LabelNumbers = makeLabel({45, 13, 17, 15}, Qt::AlignRight, 116);
    LabelNumbersLabel = makeLabel({68, 13, 190, 15}, Qt::AlignLeft, 116);
    LabelGames = makeLabel({45, 51, 28, 15}, Qt::AlignRight, 119);
    LabelGamesLabel = makeLabel({79, 51, 164, 15}, Qt::AlignLeft, 119);
    LabelWinningLabel = makeLabel({50, 71, 134, 15}, Qt::AlignLeft, 122);
    LabelWinning = makeLabel({185, 71, 76, 15}, Qt::AlignLeft, 122);
    LabelWinningLabel->setText(QStringLiteral("After Winning At Least"));

    QScreen* screen =
        parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    scaler->fitToScreen(available.size());
    move(available.center() - rect().center());

    TimerButton->setInterval(500);
    connect(TimerButton, &QTimer::timeout, this, &TFormPause::TimerButtonTimer);

    painter_.PaintBevel(*top, 5);
    painter_.PaintBevel(*bottom, 5);
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

ImageButton* TFormPause::imageByTag(int tag) const {
    for (ImageButton* image : images_)
        if (image->tag() == tag || image->tag() == tag + 1) return image;
    return nullptr;
}

void TFormPause::FormCreate() {
    settings_.open(state_);
    for (ImageButton* image : images_) {
        if (image->tag() == kOkTag || image->tag() == kCancelTag)
            paintButton(*image, false);
        else
            paintArrow(*image, false);
    }
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

void TFormPause::paintArrow(ImageButton& arrow, bool pressed) {
    painter_.SetCaptionFont(arrow, 13, 1);
    painter_.PaintBevel(arrow, pressed ? 2 : 1);
    const int released = arrow.tag() % 2 != 0 ? arrow.tag() : arrow.tag() - 1;
    const QChar glyph(isUpArrow(released) ? glyphs::kUpArrow : glyphs::kDownArrow);
    painter_.PaintCaption(arrow, pressed ? kSilver : kBlack, QString(glyph), glyphs::kSymbolFont, 1,
                          1);
}

void TFormPause::paintButton(ImageButton& button, bool pressed) {
    const bool ok = (button.tag() | 1) == kOkTag;
    // The pressed CANCEL reads "Cancel", as it always has.
    const QString caption = ok        ? QStringLiteral("OK")
                            : pressed ? QStringLiteral("Cancel")
                                      : QStringLiteral("CANCEL");
    painter_.SetCaptionFont(button, 13, 1);
    painter_.PaintBevel(button, pressed ? 2 : 1);
    painter_.PaintCaption(button, pressed ? kSilver : kBlack, caption, QStringLiteral("Arial"), 1,
                          9);
}

void TFormPause::sound() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

void TFormPause::ImageMouseDown(ImageButton& arrow, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers) {
    if (!leftButtonAlone(buttons, modifiers) || arrow.tag() % 2 == 0) return;
    arrow.setTag(arrow.tag() + 1);
    settings_.PauseStep(arrow.tag());
    paintArrow(arrow, true);
    repaint();
    sound();
    PauseShow(arrow.tag());
    timerTag_ = arrow.tag();
    TimerButton->setInterval(500);
    TimerButton->start();
}

void TFormPause::TimerButtonTimer() {
    if (timerTag_ == 0) return TimerButton->stop();
    TimerButton->setInterval(50);
    settings_.heldStep(timerTag_);
    PauseShow(timerTag_);
}

void TFormPause::ImageMouseUp(ImageButton& arrow) {
    if (arrow.tag() % 2 != 0) return;
    // The repeat ends before the click: timers still tick while a sound plays.
    TimerButton->stop();
    timerTag_ = 0;
    paintArrow(arrow, false);
    repaint();
    sound();
    arrow.setTag(arrow.tag() - 1);
    settings_.released();
}

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
