#include "windows/YourPlayWindow.h"

#include <QLabel>
#include <optional>

#include "core/state/GameState.h"
#include "core/stats/PlayWords.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/LiveToolTip.h"
#include "ui/PictureControl.h"

namespace {
constexpr int kTextUnits = 13;
constexpr int kPictureUnits = 11;
constexpr int kNetHelp = 181;
constexpr int kBallsHelp = 182;
constexpr int kLuckHelp = 183;
constexpr int kFairnessHelp = 184;
}  // namespace

YourPlayWindow::YourPlayWindow(const DialogContext& context, const ScheduleInForce& schedule,
                               const QString& historyPath, QWidget* parent)
    : GameDialog(context, window_style::YourPlay, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Your Play"), parent) {
    const stats::PlayHistory play =
        stats::ReadPlayHistory(historyPath, schedule.Payoffs, schedule.AggregateLimit);
    const stats::PlayFigures figures = stats::FiguresOf(play);
    const stats::PlayWords words = stats::DescribePlay(play, figures, schedule.ScheduleNumber);
    net_ = NetResultPicture(stats::NetResult(play));
    balls_ = BallCountPicture(play.balls, figures.games);

    headingLabel = placeLabel({8, 3, 584, 18}, Qt::AlignHCenter);
    headingLabel->setText(words.heading);
    netImage = placeImage({6, 24, 588, 178}, 0, kNetHelp);
    ballImage = placeImage({6, 206, 588, 150}, 0, kBallsHelp);
    luckLabel = sentence({8, 358, 584, 34}, kLuckHelp);
    luckLabel->setText(words.luck);
    fairnessLabel = sentence({8, 392, 584, 17}, kFairnessHelp);
    fairnessLabel->setText(words.fairness);
    heatLabel = sentence({8, 409, 584, 28}, kBallsHelp);
    heatLabel->setText(words.heat);
    fitTexts();

    const QColor green = ToQColor(palette::kGreen);
    painter_.paintRoundedBox(*netImage, green);
    netImage->draw([this](PictureControl& c) { net_.paint(c.image(), pictureFont()); }, false);
    painter_.paintRoundedBox(*ballImage, green);
    ballImage->draw([this](PictureControl& c) { balls_.paint(c.image(), pictureFont()); }, false);
    AttachLiveToolTip(netImage, [this](QPoint at) { return netTipAt(at); });
    AttachLiveToolTip(ballImage, [this](QPoint at) { return ballTipAt(at); });

    // From the keyboard Tab goes from picture to picture and Shift+F1 tells
    // what the one with the frame shows; a screen reader hears each by its
    // title and the words that sum it up.
    const auto speak = [](PictureControl* picture, const QString& title, const QString& words) {
        PictureControl::Spoken spoken = PictureControl::Spoken::as(QAccessible::Graphic, title);
        spoken.description = words;
        picture->setSpoken(spoken);
        picture->setFocusPolicy(Qt::TabFocus);
    };
    speak(netImage, QStringLiteral("Your Net Result"), words.luck);
    speak(ballImage, QStringLiteral("Draw Counts"), words.fairness + QLatin1Char(' ') + words.heat);
    setMainControl(netImage);
}

QLabel* YourPlayWindow::sentence(const QRect& designRect, int helpNumber) {
    QLabel* label = placeLabel(designRect, Qt::AlignLeft, helpNumber);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QFont YourPlayWindow::pictureFont() const {
    return painter_.boldFont(fonts::kArial, kPictureUnits);
}

QString YourPlayWindow::netTipAt(QPoint at) const {
    const std::optional<std::size_t> game = net_.gameAt(at, netImage->size(), pictureFont());
    return game ? stats::NetPointTip(net_.points()[*game]) : QString();
}

QString YourPlayWindow::ballTipAt(QPoint at) const {
    const std::optional<int> number = balls_.numberAt(at, ballImage->size(), pictureFont());
    return number ? stats::BallTip(*number, balls_.countOf(*number), balls_.band()) : QString();
}

void YourPlayWindow::fitTexts() {
    const QFont text = painter_.boldFont(fonts::kTimes, kTextUnits);
    for (QLabel* label : findChildren<QLabel*>()) label->setFont(text);
    const QFont marks = pictureFont();
    for (PictureControl* image : {netImage, ballImage}) {
        if (image == nullptr) continue;
        image->setFont(marks);
        image->captionPixels = marks.pixelSize();
    }
}

void ShowYourPlay(const DialogContext& context, const ScheduleInForce& schedule, QWidget* parent,
                  const QString& historyPath) {
    std::optional<Hourglass> hourglass(std::in_place);
    YourPlayWindow form(context, schedule, historyPath, parent);
    hourglass.reset();
    form.exec();
}
