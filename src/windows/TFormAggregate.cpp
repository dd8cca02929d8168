#include "windows/TFormAggregate.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <array>

#include "game/SoundPlayer.h"
#include "ui/DesignUnits.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr std::array<int, 4> kLineTops{2, 20, 38, 56};
constexpr int kFontHeightUnits = 13;

// The notice's font height is a cell height (ascent plus descent), not the em
// size the captions use, so the em is found from the face's own proportions.
QFont noticeFont(int cellHeight) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qMax(1, cellHeight));
    const int measured = QFontMetrics(font).height();
    if (measured > 0 && measured != cellHeight)
        font.setPixelSize(qMax(1, qRound(static_cast<double>(cellHeight) * cellHeight / measured)));
    return font;
}

QScreen* screenFor(const QWidget* parent) {
    if (parent != nullptr && parent->screen() != nullptr) return parent->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

TFormAggregate::TFormAggregate(const GameState& state, SoundPlayer& sound, QWidget* parent,
                               int closeAfterMilliseconds)
    : QDialog(parent), state_(state), sound_(sound), Timer1(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Aggregate Alert !"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    auto* scaler = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    QScreen* screen = screenFor(parent);
    const QRect available = screen != nullptr ? screen->geometry() : QRect(0, 0, 640, 480);
    scaler->fitToScreen(available.size());
    move(available.center() - rect().center());

    Timer1->setSingleShot(true);
    Timer1->setInterval(closeAfterMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TFormAggregate::Timer1Timer);
}

QStringList TFormAggregate::Lines(Money aggregateLimit) {
    return {QStringLiteral("Velloro Will Not Allow"), QStringLiteral("You To Waste Your Money."),
            QStringLiteral("Maximum Aggregate Payoff"),
            QStringLiteral("Per Game Is Only ") + money::currency(aggregateLimit, 0)};
}

void TFormAggregate::done(int result) {
    Timer1->stop();
    playIfSoundsOn(sounds::Cue::Mark);
    QDialog::done(result);
}

void TFormAggregate::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(colours::kGreen));
    const int clientHeight = height();
    const QFont font = noticeFont(design::toPixels(clientHeight, kFontHeightUnits, kDesignHeight));
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colours::kMaroon));
    const int centreX = (width() + 1) / 2;
    const QStringList lines = Lines(state_.AggregateLimit);
    for (std::size_t i = 0; i < kLineTops.size(); ++i) {
        const QString& line = lines[static_cast<qsizetype>(i)];
        const int top = design::toPixels(clientHeight, kLineTops[i], kDesignHeight);
        const int left = centreX - metrics.horizontalAdvance(line) / 2;
        painter.drawText(left, top + metrics.ascent(), line);
    }
    playIfSoundsOn(sounds::Cue::Unmark);
}

void TFormAggregate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
}

void TFormAggregate::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) close();
}

void TFormAggregate::Timer1Timer() { close(); }

void TFormAggregate::playIfSoundsOn(sounds::Cue cue) {
    PlayGameSound(sound_, state_.SoundsOn, {cue});
}

void ShowAggregateAlert(const GameState& state, SoundPlayer& sound, QWidget* parent) {
    TFormAggregate form(state, sound, parent);
    form.exec();
}
