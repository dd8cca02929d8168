#include "windows/FrequencyWindow.h"

#include <QLabel>
#include <optional>

#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"

namespace {
constexpr int kLabelUnits = 13;
constexpr int kArrowUnits = 13;
constexpr int kColumnX[] = {6, 138, 274, 406};
constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 17;
}  // namespace

FrequencyWindow::FrequencyWindow(const DialogContext& context, QString historyPath, QWidget* parent)
    : GameDialog(context, window_style::Frequency, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Ball Frequency Chart"), parent),
      historyPath_(std::move(historyPath)) {
    duringLabel = placeLabel({125, 9, 120, 16}, Qt::AlignRight);
    duringLabel->setText(QStringLiteral("DURING THE LAST"));
    gamesLabel = placeLabel({250, 9, 90, 16}, Qt::AlignLeft);
    for (int k = 1; k <= 80; ++k) {
        const int column = (k - 1) / 20;
        const int row = (k - 1) % 20;
        countLabels[static_cast<std::size_t>(k - 1)] =
            placeLabel({kColumnX[column], kFirstRowY + kRowPitch * row, 125, 15}, Qt::AlignLeft);
    }
    fitTexts();
    upArrow = makeArrow({351, 9, 16, 16}, kUpTag, 171);
    downArrow = makeArrow({372, 9, 16, 16}, kDownTag, 172);
    upArrow->button().setSpoken(PictureControl::Spoken::button(QStringLiteral("More Games")));
    downArrow->button().setSpoken(PictureControl::Spoken::button(QStringLiteral("Fewer Games")));
    setMainControl(&upArrow->button());

    const frequency::FrequencyChart chart = frequency::OpenFrequencyChart(historyPath_);
    games_ = chart.games;
    gamesLabel->setText(frequency::GamesLabel(games_.n()));
    showCounts(chart.counts);
}

// N steps at the press and while held; the counts follow at the release.
HeldArrow* FrequencyWindow::makeArrow(const QRect& designRect, int tag, int helpNumber) {
    PictureControl* image = placeImage(designRect, tag, helpNumber);
    const bool up = tag == kUpTag;
    HeldArrow::Actions actions;
    actions.step = [this, up](HeldArrow::Phase) {
        if (up)
            games_.stepUp();
        else
            games_.stepDown();
        gamesLabel->setText(frequency::GamesLabel(games_.n()));
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    actions.released = [this] { recount(); };
    return new HeldArrow(*image, painter_, {up, kArrowUnits, 1}, actions);
}

void FrequencyWindow::recount() {
    showCounts(frequency::CountBallsInFile(historyPath_, games_.n()));
}

void FrequencyWindow::showCounts(const frequency::BallCounts& counts) {
    for (int k = 1; k <= 80; ++k)
        countLabels[static_cast<std::size_t>(k - 1)]->setText(
            frequency::CountLabel(k, counts[static_cast<std::size_t>(k)]));
}

void FrequencyWindow::fitTexts() {
    const QFont font = painter_.boldFont(fonts::kTimes, kLabelUnits);
    for (QLabel* label : findChildren<QLabel*>()) label->setFont(font);
}

void ShowBallFrequency(const DialogContext& context, QWidget* parent, const QString& historyPath) {
    std::optional<Hourglass> hourglass(std::in_place);
    FrequencyWindow form(context, historyPath, parent);
    hourglass.reset();
    form.exec();
}
