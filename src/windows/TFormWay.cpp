#include "windows/TFormWay.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "core/odds/WayOdds.h"
#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "ui/ImageButton.h"
#include "ui/LiveToolTip.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "windows/TFormAggregate.h"

namespace {

// The rows look like board cells: blue, raised when bet, sunken when not.
constexpr WindowStyle kWayStyle{
    TFormWay::kDesignHeight,
    {colours::kBlue, colours::kBlue, colours::kRed, colours::kRed, colours::kFuchsia},
    CaptionAlignment::Right};
constexpr int kRowLeft = 2, kRowTop = 2, kRowPitch = 26, kRowWidth = 108, kRowHeight = 22;
constexpr int kRowTextUnits = 13;
constexpr int kRowTextOffset = 3;
const QString kTimes = QStringLiteral("Times New Roman");

QRect screenGeometry(const QWidget& widget) {
    QScreen* screen =
        widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 640, 480);
}

}  // namespace

TFormWay::TFormWay(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      painter_(
          kWayStyle, [this] { return height(); }, 5) {
    setObjectName(QStringLiteral("TFormWay"));
    setWindowTitle(QStringLiteral("Ways Possible"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colours::kGreen));
    setPalette(palette);

    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    for (int k = 1; k <= way::kRows; ++k) {
        auto* row = new ImageButton(this);
        row->setObjectName(QStringLiteral("ImageWayR%1").arg(k));
        row->setTag(way::RowTag(k, false));
        row->hide();
        scaler_->place(row, QRect(kRowLeft, kRowTop + kRowPitch * (k - 1), kRowWidth, kRowHeight));
        connect(row, &ImageButton::mousePressed, this,
                [this, k](Qt::MouseButton button, Qt::MouseButtons buttons,
                          Qt::KeyboardModifiers modifiers) {
                    if (button == Qt::LeftButton && buttons == Qt::LeftButton &&
                        modifiers == Qt::NoModifier)
                        ImageWayRMouseDown(k);
                });
        AttachLiveToolTip(row, [this] { return worthTip(); });
        rows_[static_cast<std::size_t>(k - 1)] = row;
    }
    scaler_->fitToScreen(screenGeometry(*this).size());
    hide();
}

TFormWay::~TFormWay() = default;

void TFormWay::setGame(GameState& state, SoundPlayer& sound) {
    state_ = &state;
    sound_ = &sound;
    ticket_ = std::make_unique<WayTicket>(state);
    painter_.setBevelWidth(state.BevelWidth);
    if (!aggregateAlert_) aggregateAlert_ = [this] { ShowAggregateAlert(*state_, *sound_, this); };
}

void TFormWay::setHelp(std::function<void(int, QPoint)> showHelp) {
    AttachWhatsThis(this, kHelpNumber, showHelp);
    for (ImageButton* row : rows_) AttachWhatsThis(row, kHelpNumber, showHelp);
}

void TFormWay::setAggregateAlert(std::function<void()> alert) {
    aggregateAlert_ = std::move(alert);
}

std::vector<int> TFormWay::MenuWayClick(QWidget& mainWindow) {
    if (!ticket_ || !ticket_->CanChoose()) return {};
    show();
    if (!placed_) {
        placeBeside(mainWindow);
        placed_ = true;
    }
    const std::vector<int> locked = ticket_->Choose();
    paintRows();
    return locked;
}

WayGroupDone TFormWay::GroupCompleted() {
    if (!ticket_) return {};
    WayGroupDone done = ticket_->CompleteGroup();
    paintRows();
    return done;
}

void TFormWay::HandOverAtPlay() {
    if (ticket_) ticket_->HandOverAtPlay();
    hide();
}

void TFormWay::CopyBetRowsToWayCounts() {
    if (ticket_) ticket_->CopyBetRowsToWayCounts();
}

void TFormWay::RestoreRows() {
    if (!ticket_) return;
    ticket_->RestoreRows();
    paintRows();
}

void TFormWay::Cast() {
    if (ticket_) ticket_->Clear();
    paintRows();
    hide();
}

void TFormWay::ImageWayRMouseDown(int k) {
    if (!ticket_) return;
    const WayRowClickResult result = ticket_->ClickRow(k);
    if (result.outcome == WayRowClickResult::Outcome::RefusedByLimit) {
        if (aggregateAlert_) aggregateAlert_();
        return;
    }
    if (!result.changed()) return;
    paintRow(k);
    repaint();
    if (result.sound && sound_ != nullptr) sound_->request(*result.sound);
    Q_EMIT betChanged(result);
}

QString TFormWay::worthTip() const {
    return ticket_ && state_ ? odds::WayWorthTip(*state_, *ticket_) : QString();
}

ImageButton* TFormWay::row(int k) const {
    return k >= 1 && k <= way::kRows ? rows_[static_cast<std::size_t>(k - 1)] : nullptr;
}

void TFormWay::closeEvent(QCloseEvent* event) {
    // There is no close box: the window goes with the ticket, not at the player's word.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TFormWay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaler_->layOut();
}

void TFormWay::placeBeside(QWidget& mainWindow) {
    const QRect screen = screenGeometry(mainWindow);
    mainWindow.move(screen.left(), mainWindow.pos().y());
    // Frame and client differ by the decorations; place by the outer frame.
    const QRect main = mainWindow.frameGeometry();
    const QSize decorations = frameGeometry().size() - size();
    const int outerHeight = height() + decorations.height();
    move(main.right() + 1, main.bottom() + 1 - outerHeight);
}

void TFormWay::paintRows() {
    for (int k = 1; k <= way::kRows; ++k) paintRow(k);
}

void TFormWay::paintRow(int k) {
    ImageButton& control = *row(k);
    const WayRowState state = ticket_ ? ticket_->rowState(k) : WayRowState::Hidden;
    control.setTag(ticket_ ? ticket_->rowTag(k) : way::RowTag(k, false));
    if (state == WayRowState::Hidden) {
        control.hide();
        return;
    }
    const bool bet = state == WayRowState::Bet;
    painter_.PaintBevel(control, bet ? BevelStyle::Raised : BevelStyle::Sunken);
    painter_.SetCaptionFont(control, kRowTextUnits);
    painter_.PaintCaption(control, QColor::fromRgb(bet ? colours::kBlack : colours::kSilver),
                          ticket_->rowText(k), kTimes, CaptionAlignment::Centre, kRowTextOffset);
    control.setEnabled(true);
    control.show();
}
