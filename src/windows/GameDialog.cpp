#include "windows/GameDialog.h"

#include <QLabel>

#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "ui/DialogFrame.h"
#include "ui/PictureControl.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"

GameDialog::GameDialog(const DialogContext& context, const WindowStyle& style, QSize designSize,
                       const QString& title, QWidget* parent)
    : QDialog(parent),
      session_(context.session),
      sound_(context.sound),
      showHelp_(context.showHelp),
      painter_(
          style, [this] { return height(); }, context.bevelWidth) {
    SetUpGreenDialog(*this, title);
    scaler_ = new WindowScaler(this, designSize);
    FitAndCentre(*this, *scaler_);
    if (showHelp_) AttachWhatsThisKey(this, showHelp_);
}

QSize GameDialog::designSize() const { return scaler_->designSize(); }

PictureControl* GameDialog::placeImage(const QRect& designRect, int tag, int helpNumber) {
    auto* image = new PictureControl(this);
    image->setTag(tag);
    scaler_->place(image, designRect);
    attachHelp(image, helpNumber);
    return image;
}

QLabel* GameDialog::placeLabel(const QRect& designRect, Qt::Alignment alignment, int helpNumber) {
    auto* label = new QLabel(this);
    scaler_->place(label, designRect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    attachHelp(label, helpNumber);
    return label;
}

void GameDialog::attachHelp(QWidget* control, int helpNumber) {
    if (showHelp_ && helpNumber > 0) AttachWhatsThis(control, helpNumber, showHelp_);
}

void GameDialog::click() { PlayGameSound(sound_, session_.SoundsOn, {sounds::Cue::Click}); }

void GameDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitTexts();
}

void GameDialog::setMainControl(QWidget* control) { mainControl_ = control; }

void GameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (mainControl_ && mainControl_->isVisibleTo(this) && mainControl_->isEnabled())
        mainControl_->setFocus(Qt::ActiveWindowFocusReason);
}
