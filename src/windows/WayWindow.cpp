#include "windows/WayWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/odds/WayOdds.h"
#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "ui/LiveToolTip.h"
#include "ui/PictureControl.h"
#include "ui/ScreenArea.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "windows/AggregateNotice.h"

namespace {

// The rows look like board cells: blue, raised when bet, sunken when not.
constexpr WindowStyle kWayStyle{
    WayWindow::kDesignHeight,
    {colours::kBlue, colours::kBlue, colours::kRed, colours::kRed, colours::kFuchsia},
    CaptionAlignment::Right};
constexpr int kRowLeft = 2, kRowTop = 2, kRowPitch = 26, kRowWidth = 108, kRowHeight = 22;
constexpr int kRowTextUnits = 13;
constexpr int kRowTextOffset = 3;

// The tag a row's control carries: 2k + 9 while not bet, 2k + 10 while bet.
int rowTag(int k, bool bet) { return 2 * k + (bet ? 10 : 9); }

QRect screenGeometry(const QWidget& widget) { return screen_area::Of(&widget); }

}  // namespace

WayWindow::WayWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      painter_(
          kWayStyle, [this] { return height(); }, 5) {
    setObjectName(QStringLiteral("WayWindow"));
    setWindowTitle(QStringLiteral("Ways Possible"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colours::kGreen));
    setPalette(palette);

    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    for (int k = 1; k <= way::kRows; ++k) {
        auto* row = new PictureControl(this);
        row->setObjectName(QStringLiteral("ImageWayR%1").arg(k));
        row->setTag(rowTag(k, false));
        row->setFocusPolicy(Qt::TabFocus);
        row->hide();
        scaler_->place(row, QRect(kRowLeft, kRowTop + kRowPitch * (k - 1), kRowWidth, kRowHeight));
        connect(row, &PictureControl::plainLeftPress, this, [this, k] { onRowPressed(k); });
        AttachLiveToolTip(row, [this] { return worthTip(); });
        rows_[static_cast<std::size_t>(k - 1)] = row;
    }
    scaler_->fitToScreen(screenGeometry(*this).size());
    hide();
}

WayWindow::~WayWindow() = default;

void WayWindow::setGame(GameState& state, SoundPlayer& sound, WayTicket& ticket,
                        QWidget& mainWindow, int bevelWidth) {
    state_ = &state;
    sound_ = &sound;
    ticket_ = &ticket;
    mainWindow_ = &mainWindow;
    painter_.setBevelWidth(bevelWidth);
    if (auto* table = qobject_cast<QMainWindow*>(&mainWindow);
        table != nullptr && !column_ && !screen_area::WindowsArePlaceable())
        showInside(*table);
    if (!aggregateAlert_) aggregateAlert_ = [this] { ShowAggregateAlert(*state_, *sound_, this); };
}

void WayWindow::setHelp(ShowHelp showHelp) {
    AttachWhatsThis(this, kHelpNumber, showHelp);
    for (PictureControl* row : rows_) AttachWhatsThis(row, kHelpNumber, showHelp);
}

void WayWindow::setAggregateAlert(std::function<void()> alert) {
    aggregateAlert_ = std::move(alert);
}

void WayWindow::showInside(QMainWindow& mainWindow) {
    // The table and the column side by side make the window's client area.
    // Taken out of the window for a moment, the table would lose the focus.
    QWidget* focused = mainWindow.focusWidget();
    auto* both = new QWidget;
    both->setObjectName(QStringLiteral("TableAndWays"));
    auto* row = new QHBoxLayout(both);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(mainWindow.takeCentralWidget());
    // Green, with the rows at its bottom, as the window's bottom stands level
    // with the table's.
    column_ = new QWidget(both);
    column_->setObjectName(QStringLiteral("WayColumn"));
    column_->setAutoFillBackground(true);
    column_->setPalette(palette());
    auto* rows = new QVBoxLayout(column_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addStretch();
    setWindowFlags(Qt::Widget);
    QSizePolicy keepsRoom = sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    setSizePolicy(keepsRoom);
    rows->addWidget(this);
    row->addWidget(column_);
    mainWindow.setCentralWidget(both);
    if (focused != nullptr) focused->setFocus(Qt::OtherFocusReason);
    hide();
}

bool WayWindow::showRows() {
    if (!ticket_) return false;
    show();
    if (!placed_ && mainWindow_ && !column_) {
        placeBeside(*mainWindow_);
        placed_ = true;
    }
    return true;
}

void WayWindow::onRowPressed(int k) {
    if (!ticket_) return;
    const WayRowClickResult result = ticket_->clickRow(k);
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

QString WayWindow::worthTip() const {
    return ticket_ && state_ ? odds::WayWorthTip(*state_, *ticket_) : QString();
}

PictureControl* WayWindow::row(int k) const {
    return k >= 1 && k <= way::kRows ? rows_[static_cast<std::size_t>(k - 1)] : nullptr;
}

void WayWindow::closeEvent(QCloseEvent* event) {
    // There is no close box: the window goes with the ticket, not at the player's word.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

bool WayWindow::focusNextPrevChild(bool next) {
    if (focusRound_) return focusRound_(next);
    return QWidget::focusNextPrevChild(next);
}

void WayWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaler_->layOut();
}

void WayWindow::hideRows() {
    hide();
    const bool cast = ticket_ == nullptr || std::all_of(rows_.begin(), rows_.end(),
                                                        [](auto* row) { return row->isHidden(); });
    if (!cast || !placed_ || !mainWindow_) return;
    placed_ = false;
    // Back where the player had it, unless the player has moved it since.
    if (mainWindow_->pos() == mainAside_) mainWindow_->move(mainHome_);
}

void WayWindow::placeBeside(QWidget& mainWindow) {
    const QRect screen = screenGeometry(mainWindow);
    mainHome_ = mainWindow.pos();
    mainAside_ = QPoint(screen.left(), mainHome_.y());
    mainWindow.move(mainAside_);
    // Frame and client differ by the decorations; place by the outer frame.
    const QRect main = mainWindow.frameGeometry();
    const QSize decorations = frameGeometry().size() - size();
    const int outerHeight = height() + decorations.height();
    move(main.right() + 1, main.bottom() + 1 - outerHeight);
}

void WayWindow::paintRows() {
    for (int k = 1; k <= way::kRows; ++k) paintRow(k);
}

void WayWindow::paintRow(int k) {
    PictureControl& control = *row(k);
    const WayRowState state = ticket_ ? ticket_->rowState(k) : WayRowState::Hidden;
    control.setTag(rowTag(k, state == WayRowState::Bet));
    if (state == WayRowState::Hidden) {
        control.hide();
        return;
    }
    const bool bet = state == WayRowState::Bet;
    control.setSpoken(PictureControl::Spoken::checkBox(ticket_->rowText(k), bet));
    painter_.paintBevel(control, bet ? BevelStyle::Raised : BevelStyle::Sunken);
    painter_.setCaptionFont(control, kRowTextUnits);
    painter_.paintCaption(control, QColor::fromRgb(bet ? colours::kBlack : colours::kSilver),
                          ticket_->rowText(k), fonts::kTimes, CaptionAlignment::Centre,
                          kRowTextOffset);
    control.setEnabled(true);
    control.show();
}
