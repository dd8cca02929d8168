#include "windows/ReplayWindow.h"

#include <QPlainTextEdit>

#include "core/replay/ReplayText.h"
#include "core/state/PayoffTables.h"
#include "ui/PictureControl.h"
#include "ui/PressButton.h"
#include "ui/WindowScaler.h"

namespace {
constexpr int kTextUnits = 13;
constexpr int kCaptionUnits = 17;
constexpr int kCaptionOffset = 4;
}  // namespace

ReplayWindow::ReplayWindow(const DialogContext& context, const PayoffTables& payoffs,
                           QString historyPath, int gameNumber, QWidget* parent)
    : GameDialog(context, window_style::Replay, {kDesignWidth, kDesignHeight}, replay::Caption(0),
                 parent),
      payoffs_(payoffs),
      historyPath_(std::move(historyPath)),
      gameNumber_(gameNumber) {
    sentences = new QPlainTextEdit(this);
    sentences->setReadOnly(true);
    sentences->setFrameShape(QFrame::NoFrame);
    sentences->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sentences->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The sentences are read with the arrow keys; Tab goes on to the buttons.
    sentences->setTabChangesFocus(true);
    sentences->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setMainControl(sentences);
    QPalette textColours = sentences->palette();
    textColours.setColor(QPalette::Base, QColor::fromRgb(colours::kGreen));
    textColours.setColor(QPalette::Text, QColor::fromRgb(colours::kBlack));
    sentences->setPalette(textColours);
    scaler_->place(sentences, {2, 2, 346, 305});
    fitTexts();

    previousButton = makeButton({40, 315, 130, 28}, kPreviousTag, QStringLiteral("PREVIOUS"),
                                [this] { showPreviousGame(); });
    nextButton = makeButton({180, 315, 130, 28}, kNextTag, QStringLiteral("NEXT"),
                            [this] { showNextGame(); });
    showGame();
}

PressButton* ReplayWindow::makeButton(const QRect& designRect, int tag, const QString& caption,
                                      std::function<void()> action) {
    PictureControl* image = placeImage(designRect, tag);
    return new PressButton(
        *image, painter_, {caption, fonts::kTimes, kCaptionUnits, kCaptionOffset},
        [this] { click(); }, std::move(action));
}

void ReplayWindow::fitTexts() {
    if (sentences != nullptr) sentences->setFont(painter_.boldFont(fonts::kTimes, kTextUnits));
}

void ReplayWindow::showGame() {
    setWindowTitle(replay::Caption(gameNumber_));
    sentences->setAccessibleName(QStringLiteral("Replay Of Game ") + GameNumberText(gameNumber_));
    sentences->clear();
    // A read error leaves the box cleared and goes on to the error report.
    const std::optional<GameRecord> record = replay::ReadGame(historyPath_, gameNumber_);
    if (!record) return;
    sentences->setPlainText(replay::Lines(*record, payoffs_).join(QLatin1Char('\n')));
}

void ReplayWindow::showPreviousGame() {
    gameNumber_ = replay::PreviousGame(gameNumber_);
    showGame();
}

void ReplayWindow::showNextGame() {
    gameNumber_ = replay::NextGame(gameNumber_);
    showGame();
}
