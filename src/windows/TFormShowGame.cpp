#include "windows/TFormShowGame.h"

#include <QPlainTextEdit>

#include "core/replay/ReplayText.h"
#include "game/SoundPlayer.h"
#include "ui/DialogFrame.h"
#include "ui/ImageButton.h"
#include "ui/PressButton.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {
constexpr int kTextUnits = 13;
constexpr int kCaptionUnits = 17;
constexpr int kCaptionOffset = 4;
}  // namespace

TFormShowGame::TFormShowGame(GameState& state, SoundPlayer& sound, QString historyPath,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      historyPath_(std::move(historyPath)),
      painter_(
          window_style::ShowGame, [this] { return height(); }, state.BevelWidth),
      replayGameIndex_(state.ReplayGameNumber) {
    SetUpGreenDialog(*this, replay::Caption(0));
    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    FitAndCentre(*this, *scaler_);

    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    Memo->setFrameShape(QFrame::NoFrame);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette memoColours = Memo->palette();
    memoColours.setColor(QPalette::Base, QColor::fromRgb(colours::kGreen));
    memoColours.setColor(QPalette::Text, QColor::fromRgb(colours::kBlack));
    Memo->setPalette(memoColours);
    scaler_->place(Memo, {2, 2, 346, 305});
    Memo->setFont(painter_.boldFont(QStringLiteral("Times New Roman"), kTextUnits));

    ImagePrevious = makeButton({40, 315, 130, 28}, kPreviousTag, QStringLiteral("PREVIOUS"),
                               [this] { ImagePreviousClick(); });
    ImageNext = makeButton({180, 315, 130, 28}, kNextTag, QStringLiteral("NEXT"),
                           [this] { ImageNextClick(); });
    ShowReplayGame();
}

PressButton* TFormShowGame::makeButton(const QRect& designRect, int tag, const QString& caption,
                                       std::function<void()> action) {
    auto* image = new ImageButton(this);
    image->setTag(tag);
    scaler_->place(image, designRect);
    return new PressButton(
        *image, painter_,
        {caption, QStringLiteral("Times New Roman"), kCaptionUnits, kCaptionOffset},
        [this] { click(); }, std::move(action));
}

void TFormShowGame::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (Memo != nullptr)
        Memo->setFont(painter_.boldFont(QStringLiteral("Times New Roman"), kTextUnits));
}

void TFormShowGame::click() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

void TFormShowGame::ShowReplayGame() {
    setWindowTitle(replay::Caption(replayGameIndex_));
    Memo->clear();
    // A read error leaves the box cleared and goes on to the error report.
    const std::optional<GameRecord> record = replay::ReadGame(historyPath_, replayGameIndex_);
    if (!record) return;
    Memo->setPlainText(replay::Lines(*record, state_.Payoffs).join(QLatin1Char('\n')));
}

void TFormShowGame::ImagePreviousClick() {
    replayGameIndex_ = replay::PreviousGame(replayGameIndex_);
    ShowReplayGame();
}

void TFormShowGame::ImageNextClick() {
    replayGameIndex_ = replay::NextGame(replayGameIndex_);
    ShowReplayGame();
}
