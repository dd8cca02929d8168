#include "windows/AggregateNotice.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <array>

#include "game/SoundPlayer.h"
#include "ui/Announcer.h"
#include "ui/DesignUnits.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr std::array<int, 4> kLineTops{2, 20, 38, 56};
constexpr int kFontHeightUnits = 13;

// The notice's font height is a cell height (ascent plus descent), not the em
// size the captions use, so the em is found from the face's own proportions.
QFont noticeFont(int cellHeight) {
    QFont font(fonts::kTimes);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qMax(1, cellHeight));
    const int measured = QFontMetrics(font).height();
    if (measured > 0 && measured != cellHeight)
        font.setPixelSize(qMax(1, qRound(static_cast<double>(cellHeight) * cellHeight / measured)));
    return font;
}

}  // namespace

AggregateNotice::AggregateNotice(const GameState& state, SoundPlayer& sound, QWidget* parent,
                                 int closeAfterMilliseconds)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      closeTimer_(new QTimer(this)),
      announcer_(new Announcer(this)) {
    setWindowTitle(QStringLiteral("Aggregate Alert !"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    FitAndCentre(*this, *new WindowScaler(this, QSize(kDesignWidth, kDesignHeight)));

    closeTimer_->setSingleShot(true);
    closeTimer_->setInterval(closeAfterMilliseconds);
    connect(closeTimer_, &QTimer::timeout, this, &QWidget::close);
}

QStringList AggregateNotice::lines(Money aggregateLimit) {
    return {QStringLiteral("Velloro Will Not Allow"), QStringLiteral("You To Waste Your Money."),
            QStringLiteral("Maximum Aggregate Payoff"),
            QStringLiteral("Per Game Is Only ") + money::Currency(aggregateLimit, 0)};
}

void AggregateNotice::done(int result) {
    closeTimer_->stop();
    playIfSoundsOn(sounds::Cue::Mark);
    QDialog::done(result);
}

void AggregateNotice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(colours::kGreen));
    const int clientHeight = height();
    const QFont font = noticeFont(design::ToPixels(clientHeight, kFontHeightUnits, kDesignHeight));
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colours::kMaroon));
    const int centreX = (width() + 1) / 2;
    const QStringList texts = lines(state_.AggregateLimit);
    for (std::size_t i = 0; i < kLineTops.size(); ++i) {
        const QString& line = texts[static_cast<qsizetype>(i)];
        const int top = design::ToPixels(clientHeight, kLineTops[i], kDesignHeight);
        const int left = centreX - metrics.horizontalAdvance(line) / 2;
        painter.drawText(left, top + metrics.ascent(), line);
    }
    playIfSoundsOn(sounds::Cue::Unmark);
}

void AggregateNotice::showEvent(QShowEvent* event) {
    // The lines are painted: a screen reader reads them from the description,
    // and hears them as the notice opens.
    const QString said = lines(state_.AggregateLimit).join(QLatin1Char(' '));
    setAccessibleDescription(said);
    QDialog::showEvent(event);
    announcer_->announce(said);
    closeTimer_->start();
}

void AggregateNotice::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) close();
}

void AggregateNotice::playIfSoundsOn(sounds::Cue cue) {
    PlayGameSound(sound_, state_.SoundsOn, {cue});
}

void ShowAggregateAlert(const GameState& state, SoundPlayer& sound, QWidget* parent) {
    AggregateNotice form(state, sound, parent);
    form.exec();
}
