#include "windows/TFormBalls.h"

#include <QLabel>
#include <optional>

#include "game/SoundPlayer.h"
#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {
constexpr int kLabelUnits = 13;
constexpr int kArrowUnits = 13;
constexpr int kColumnX[] = {6, 138, 274, 406};
constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 17;
}  // namespace

TFormBalls::TFormBalls(GameState& state, SoundPlayer& sound, QString historyPath, ShowHelp showHelp,
                       QWidget* parent)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      historyPath_(std::move(historyPath)),
      showHelp_(std::move(showHelp)),
      painter_(
          window_style::Balls, [this] { return height(); }, state.BevelWidth) {
    SetUpGreenDialog(*this, QStringLiteral("Ball Frequency Chart"));
    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    FitAndCentre(*this, *scaler_);

    LabelDuring = makeLabel({125, 9, 120, 16}, Qt::AlignRight);
    LabelDuring->setText(QStringLiteral("DURING THE LAST"));
    LabelGames = makeLabel({250, 9, 90, 16}, Qt::AlignLeft);
    for (int k = 1; k <= 80; ++k) {
        const int column = (k - 1) / 20;
        const int row = (k - 1) % 20;
        LabelCount[static_cast<std::size_t>(k - 1)] =
            makeLabel({kColumnX[column], kFirstRowY + kRowPitch * row, 125, 15}, Qt::AlignLeft);
    }
    applyFont();
    ImageUp = makeArrow({351, 9, 16, 16}, kUpTag, 171);
    ImageDown = makeArrow({372, 9, 16, 16}, kDownTag, 172);

    const frequency::FrequencyChart chart = frequency::OpenFrequencyChart(historyPath_);
    games_ = chart.games;
    LabelGames->setText(frequency::GamesLabel(games_.n()));
    showCounts(chart.counts);
}

QLabel* TFormBalls::makeLabel(const QRect& designRect, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    scaler_->place(label, designRect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// N steps at the press and while held; the counts follow at the release.
HeldArrow* TFormBalls::makeArrow(const QRect& designRect, int tag, int helpNumber) {
    auto* image = new ImageButton(this);
    image->setTag(tag);
    scaler_->place(image, designRect);
    if (showHelp_) AttachWhatsThis(image, helpNumber, showHelp_);
    const bool up = tag == kUpTag;
    HeldArrow::Actions actions;
    actions.step = [this, up](HeldArrow::Phase) {
        if (up)
            games_.stepUp();
        else
            games_.stepDown();
        LabelGames->setText(frequency::GamesLabel(games_.n()));
        return ArrowStep::stepped();
    };
    actions.click = [this] { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); };
    actions.released = [this] { Count(); };
    return new HeldArrow(*image, painter_, {up, kArrowUnits, 1}, actions);
}

void TFormBalls::Count() { showCounts(frequency::CountBallsInFile(historyPath_, games_.n())); }

void TFormBalls::showCounts(const frequency::BallCounts& counts) {
    for (int k = 1; k <= 80; ++k)
        LabelCount[static_cast<std::size_t>(k - 1)]->setText(
            frequency::CountLabel(k, counts[static_cast<std::size_t>(k)]));
}

void TFormBalls::applyFont() {
    const QFont font = painter_.boldFont(QStringLiteral("Times New Roman"), kLabelUnits);
    for (QLabel* label : findChildren<QLabel*>()) label->setFont(font);
}

void TFormBalls::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (LabelGames != nullptr) applyFont();
}

void ShowBallFrequency(GameState& state, SoundPlayer& sound, QWidget* parent,
                       TFormBalls::ShowHelp showHelp, const QString& historyPath) {
    std::optional<Hourglass> hourglass(std::in_place);
    TFormBalls form(state, sound, historyPath, std::move(showHelp), parent);
    hourglass.reset();
    form.exec();
}
