#include "windows/PauseDialog.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/state/GameState.h"
#include "ui/ButtonLook.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"

namespace {

constexpr int kOkTag = 113;
constexpr int kCancelTag = 115;
constexpr int kLabelFontUnits = 11;
constexpr int kCaptionUnits = 13;

// An arrow of the window: where it stands, its released tag, its help, its
// step, and what a screen reader calls it.
struct PlacedArrow {
    const char* name;
    QRect designRect;
    int tag;
    int helpNumber;
    PauseArrow arrow;
    const char* spoken;
};

constexpr PlacedArrow kArrows[] = {
    {"ImageNumbersUp",
     {9, 12, 16, 16},
     101,
     117,
     PauseArrow::NumbersUp,
     "Longer Pause Between Numbers"},
    {"ImageNumbersDown",
     {27, 12, 16, 16},
     103,
     118,
     PauseArrow::NumbersDown,
     "Shorter Pause Between Numbers"},
    {"ImageGamesUp", {9, 50, 16, 16}, 105, 120, PauseArrow::GamesUp, "Longer Pause Between Games"},
    {"ImageGamesDown",
     {27, 50, 16, 16},
     107,
     121,
     PauseArrow::GamesDown,
     "Shorter Pause Between Games"},
    {"ImageWinningUp",
     {9, 70, 16, 16},
     109,
     123,
     PauseArrow::WinningUp,
     "Raise The Winning Amount"},
    {"ImageWinningDown",
     {27, 70, 16, 16},
     111,
     124,
     PauseArrow::WinningDown,
     "Lower The Winning Amount"},
};

bool isUp(PauseArrow arrow) {
    return arrow == PauseArrow::NumbersUp || arrow == PauseArrow::GamesUp ||
           arrow == PauseArrow::WinningUp;
}

// The row an arrow steps.
PauseDialog::Row rowOf(PauseArrow arrow) {
    switch (arrow) {
        case PauseArrow::NumbersUp:
        case PauseArrow::NumbersDown:
            return PauseDialog::Row::Numbers;
        case PauseArrow::GamesUp:
        case PauseArrow::GamesDown:
            return PauseDialog::Row::Games;
        case PauseArrow::WinningUp:
        case PauseArrow::WinningDown:
            break;
    }
    return PauseDialog::Row::Winning;
}

}  // namespace

PauseDialog::PauseDialog(const DialogContext& context, PauseSettings& settings, Money pricePerGame,
                         QWidget* parent)
    : GameDialog(context, window_style::Pause, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Pause Games"), parent),
      settings_(settings),
      pricePerGame_(pricePerGame) {
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto place = [&](const char* name, QRect rect, int tag = 0, int helpNumber = 0) {
        PictureControl* image = placeImage(rect, tag, helpNumber);
        image->setObjectName(QLatin1String(name));
        return image;
    };
    PictureControl* top = place("ImageTop", {2, 2, 265, 36});
    PictureControl* bottom = place("ImageBottom", {2, 41, 265, 54});
    for (const PlacedArrow& entry : kArrows) {
        PictureControl* image = place(entry.name, entry.designRect, entry.tag, entry.helpNumber);
        image->setSpoken(PictureControl::Spoken::button(QLatin1String(entry.spoken)));
        images_.push_back(image);
        arrows_.push_back(makeArrow(*image, entry.arrow));
    }
    okButton_ = placeButton("ImageOK", {67, 98, 65, 35}, kOkTag, 69, "OK", Button::Ok);
    cancelButton_ =
        placeButton("ImageCancel", {139, 98, 65, 35}, kCancelTag, 70, "CANCEL", Button::Cancel);

    numbersValue = makeLabel({45, 13, 17, 15}, Qt::AlignRight, 116);
    numbersLabel = makeLabel({68, 13, 190, 15}, Qt::AlignLeft, 116);
    gamesValue = makeLabel({45, 51, 28, 15}, Qt::AlignRight, 119);
    gamesLabel = makeLabel({79, 51, 164, 15}, Qt::AlignLeft, 119);
    winningLabel = makeLabel({50, 71, 134, 15}, Qt::AlignLeft, 122);
    winningValue = makeLabel({185, 71, 76, 15}, Qt::AlignLeft, 122);
    winningLabel->setText(QStringLiteral("After Winning At Least"));

    painter_.paintBevel(*top, BevelStyle::Frame);
    painter_.paintBevel(*bottom, BevelStyle::Frame);
    setMainControl(images_.front());
    showSettings();
}

PictureControl* PauseDialog::placeButton(const char* name, const QRect& designRect, int tag,
                                         int helpNumber, const char* spoken, Button which) {
    PictureControl* image = placeImage(designRect, tag, helpNumber);
    image->setObjectName(QLatin1String(name));
    image->setSpoken(PictureControl::Spoken::button(QLatin1String(spoken)));
    image->setFocusPolicy(Qt::TabFocus);
    images_.push_back(image);
    connect(image, &PictureControl::pressCancelled, this, [this, which] {
        if (pressed_ != which) return;
        pressed_.reset();
        paintButton(which, false);
    });
    connect(image, &PictureControl::plainLeftPress, this,
            [this, which] { onButtonPressed(which); });
    connect(image, &PictureControl::mouseReleased, this,
            [this, which] { onButtonReleased(which); });
    return image;
}

PictureControl& PauseDialog::button(Button which) const {
    return which == Button::Ok ? *okButton_ : *cancelButton_;
}

QLabel* PauseDialog::makeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber) {
    QLabel* label = placeLabel(designRect, alignment, helpNumber);
    label->installEventFilter(this);
    return label;
}

// The arrows step the working values: the winning threshold's step grows
// while its arrow is held and starts again at every release.
HeldArrow* PauseDialog::makeArrow(PictureControl& image, PauseArrow arrow) {
    HeldArrow::Actions actions;
    actions.step = [this, arrow](HeldArrow::Phase phase) {
        if (phase == HeldArrow::Phase::Press)
            settings_.step(arrow);
        else
            settings_.heldStep(arrow);
        showRow(rowOf(arrow));
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    actions.released = [this] { settings_.released(); };
    return new HeldArrow(image, painter_, {isUp(arrow), kCaptionUnits, 1}, actions);
}

HeldArrow* PauseDialog::arrowByTag(int tag) const {
    for (HeldArrow* arrow : arrows_)
        if ((arrow->button().tag() | 1) == tag) return arrow;
    return nullptr;
}

PictureControl* PauseDialog::imageByTag(int tag) const {
    for (PictureControl* image : images_)
        if (image->tag() == tag || image->tag() == tag + 1) return image;
    return nullptr;
}

void PauseDialog::showSettings() {
    settings_.open(session_, pricePerGame_);
    paintButton(Button::Ok, false);
    paintButton(Button::Cancel, false);
    for (HeldArrow* arrow : arrows_) arrow->paint(false);
    fitTexts();
    showRow(Row::Numbers);
    showRow(Row::Games);
    showRow(Row::Winning);
}

void PauseDialog::fitTexts() {
    const QFont font = painter_.boldFont(fonts::kTimes, kLabelFontUnits);
    for (QLabel* label : findChildren<QLabel*>()) label->setFont(font);
}

void PauseDialog::showRow(Row row) {
    switch (row) {
        case Row::Numbers: {
            const PauseSettings::RowTexts texts = settings_.numbersTexts();
            numbersValue->setText(texts.value);
            numbersLabel->setText(texts.label);
            break;
        }
        case Row::Games: {
            const PauseSettings::RowTexts texts = settings_.gamesTexts();
            gamesValue->setText(texts.value);
            gamesLabel->setText(texts.label);
            break;
        }
        case Row::Winning:
            winningValue->setText(settings_.winningText());
            break;
    }
}

void PauseDialog::paintButton(Button which, bool pressed) {
    // The pressed CANCEL reads "Cancel" in mixed case.
    const QString caption = which == Button::Ok ? QStringLiteral("OK")
                            : pressed           ? QStringLiteral("Cancel")
                                                : QStringLiteral("CANCEL");
    PaintButtonLook(painter_, button(which), ButtonLook::push(caption), pressed);
}

void PauseDialog::onNumbersLabelClicked() {
    if (!settings_.clickNumbersLabel()) return;
    showRow(Row::Numbers);
    repaint();
    click();
}

void PauseDialog::onGamesLabelClicked() {
    settings_.clickGamesLabel();
    showRow(Row::Games);
    repaint();
    click();
}

void PauseDialog::onWinningLabelClicked() {
    settings_.clickWinningLabel(pricePerGame_);
    showRow(Row::Winning);
    repaint();
    click();
}

void PauseDialog::onButtonPressed(Button which) {
    pressed_ = which;
    paintButton(which, true);
    repaint();
    click();
}

// The release ends the press: raised again, then the button's action.
void PauseDialog::onButtonReleased(Button which) {
    if (pressed_ != which) return;
    pressed_.reset();
    paintButton(which, false);
    repaint();
    click();
    if (which == Button::Ok) {
        settings_.commit(session_);
        accept();
    } else {
        reject();
    }
}

bool PauseDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == numbersValue || watched == numbersLabel) onNumbersLabelClicked();
            if (watched == gamesValue || watched == gamesLabel) onGamesLabelClicked();
            if (watched == winningValue || watched == winningLabel) onWinningLabelClicked();
        }
    }
    return QDialog::eventFilter(watched, event);
}
