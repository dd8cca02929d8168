#include "windows/TableWindow.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>

#include "core/records/ScheduleFile.h"
#include "core/state/Board.h"
#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"
#include "game/GameCycle.h"
#include "game/RunSeams.h"
#include "game/SoundPlayer.h"
#include "game/TableControls.h"
#include "game/TicketBuilder.h"
#include "shell/AboutBox.h"
#include "shell/HelpViewer.h"
#include "ui/Announcer.h"
#include "ui/DesignUnits.h"
#include "ui/HeldArrow.h"
#include "ui/LiveToolTip.h"
#include "ui/PictureControl.h"
#include "ui/ScreenArea.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "windows/AggregateNotice.h"
#include "windows/FrequencyWindow.h"
#include "windows/HistoryWindow.h"
#include "windows/PauseDialog.h"
#include "windows/PayoffsWindow.h"
#include "windows/SoundsDialog.h"
#include "windows/TableKeyboard.h"
#include "windows/TableLayout.h"
#include "windows/TableSpeech.h"
#include "windows/TicketPrinter.h"
#include "windows/WayWindow.h"
#include "windows/YourPlayWindow.h"

namespace {

// The way rows the ticket builder paints: the way window once it is attached.
class WayWindowRows : public WayRowsView {
  public:
    explicit WayWindowRows(const QPointer<WayWindow>& way) : way_(way) {}
    bool showRows() override { return way_ && way_->showRows(); }
    void paintRows() override {
        if (way_) way_->paintRows();
    }
    void hideRows() override {
        if (way_) way_->hideRows();
    }

  private:
    const QPointer<WayWindow>& way_;
};

// The schedule's evaluation under the wait cursor: a large way ticket can
// take a moment to sum.
class BusyEvaluator : public GameEvaluator {
  public:
    explicit BusyEvaluator(RandomSource& random) : evaluate_(random) {}
    GameResult evaluate(GameState& state) override {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        return evaluate_.evaluate(state);
    }

  private:
    ScheduleEvaluator evaluate_;
};

// The ticket printed from the table, with the way rows as they are bet.
class TablePrinting : public TicketPrinting {
  public:
    TablePrinting(TicketPrinter& printer, const TicketBuilder& tickets, QWidget* parent)
        : printer_(printer), tickets_(tickets), parent_(parent) {}
    void printTicket(const GameState& state) override {
        printer_.print(state, tickets_.wayTicket().wayCountsEdit(), parent_);
    }

  private:
    TicketPrinter& printer_;
    const TicketBuilder& tickets_;
    QWidget* parent_;
};

}  // namespace

TableWindow::TableWindow(GameState& state, SoundPlayer& sound, HelpViewer& help, Waiter& waiter,
                         std::unique_ptr<GameRecorder> recorder, QSize screen, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowContextHelpButtonHint),
      state_(state),
      sound_(sound),
      help_(help),
      painter_(
          window_style::Table,
          [this] { return client_ ? client_->height() : table_layout::kDesignHeight; },
          design::BevelWidthForScreen(screen.width())),
      waiter_(waiter),
      recorder_(std::move(recorder)) {
    setObjectName(QStringLiteral("TableWindow"));
    setWindowTitle(QStringLiteral("Velloro 32 Bit"));
    QFont font(fonts::kTimes);
    font.setBold(true);
    setFont(font);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colours::kGreen));
    client_->setPalette(palette);
    setCentralWidget(client_);
    scaler_ = new WindowScaler(client_, {table_layout::kDesignWidth, table_layout::kDesignHeight});

    // The menu bar keeps the desktop's own font; only the table is in Times.
    menuBar()->setFont(QApplication::font(menuBar()));
    menu_.build(menuBar(), BalanceCaption(state_.Balance));
    buildControls();

    random_ = std::make_unique<RandomSource>();
    table_ = std::make_unique<TableControls>(state_, *this, sound_, waiter_);
    wayRows_ = std::make_unique<WayWindowRows>(way_);
    tickets_ = std::make_unique<TicketBuilder>(*table_, *wayRows_);
    evaluator_ = std::make_unique<BusyEvaluator>(*random_);
    printer_ = std::make_unique<TicketPrinter>();
    printing_ = std::make_unique<TablePrinting>(*printer_, *tickets_, this);
    cycle_ = std::make_unique<GameCycle>(
        *table_, *random_, GameCycle::Steps{*tickets_, *evaluator_, *recorder_, *printing_});
    // The table logic starts from the menu as it is built.
    for (int i = 0; i < kMenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        table_->setEnabled(item, menu_.item(item)->isEnabled());
    }
    routeEvents();
    showFirstGame(screen);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QSize outer = sizeHint();
    move(screen_area::Centred(screen_area::Of(this), outer));
}

// The help windows go with the table.
TableWindow::~TableWindow() { help_.quit(); }

void TableWindow::buildControls() {
    for (const table_layout::Control& entry : table_layout::Controls()) {
        QWidget* holder = client_;
        if (entry.holder == table_layout::Holder::PanelTop) holder = panelTop_;
        if (entry.holder == table_layout::Holder::PanelBottom) holder = panelBottom_;
        QWidget* widget = nullptr;
        if (entry.kind == table_layout::Kind::Panel) {
            widget = new QWidget(holder);
            widget->setAutoFillBackground(true);
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, QColor::fromRgb(colours::kFuchsia));
            widget->setPalette(palette);
            (entry.name == QLatin1String("PanelTop") ? panelTop_ : panelBottom_) = widget;
        } else {
            auto* picture = new PictureControl(holder);
            controls_[entry.name] = picture;
            widget = picture;
        }
        widget->setObjectName(entry.name);
        scaler_->place(widget, entry.rect);
        if (entry.helpNumber > 0) AttachWhatsThis(widget, entry.helpNumber, helpPopup());
    }
    parts_ = TableParts::pick([this](const QString& name) { return control(name); });
    // What is shown only in paint is told to a screen reader as notifications.
    announcer_ = new Announcer(client_);
    speech_ = std::make_unique<TableSpeech>(
        state_, parts_, [this](const QString& text) { announcer_->announce(text); });
    keyboard_ = new TableKeyboard(parts_, this);
    for (int n = 1; n <= board::kNumbers; ++n)
        cell(n)->setTag(board::CellTag(n, CellState::Unmarked));
    const auto& arrows = table_layout::Arrows();
    for (std::size_t i = 0; i < arrows.size(); ++i) parts_.arrows[i]->setTag(arrows[i].releasedTag);
    const auto& buttons = table_layout::Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        parts_.buttons[i]->setTag(buttons[i].tag);
        parts_.buttons[i]->hide();
    }
    setQuickPickArrowsVisible(false);
    parts_.special->hide();
    AttachLiveToolTip(parts_.special, [this] {
        return state_.Kind == TicketKind::Way && way_ ? way_->worthTip() : QString();
    });
}

void TableWindow::routeEvents() {
    for (int n = 1; n <= board::kNumbers; ++n)
        connect(cell(n), &PictureControl::plainLeftPress, this,
                [this, n] { tickets_->onCellPressed(n); });
    const auto& arrows = table_layout::Arrows();
    for (std::size_t index = 0; index < arrows.size(); ++index) {
        const table_layout::Arrow& entry = arrows[index];
        HeldArrow::Actions actions;
        actions.step = [this, arrow = entry.arrow](HeldArrow::Phase) {
            switch (table_->stepArrow(arrow)) {
                case SpinnerOutcome::Stepped:
                    return ArrowStep::stepped();
                case SpinnerOutcome::Unchanged:
                    break;
                case SpinnerOutcome::AggregateRefused:
                    return ArrowStep::letGoThen([this] { table_->showAggregateNotice(); });
            }
            return ArrowStep::unchanged();
        };
        actions.click = [this] { table_->sound({sounds::Cue::Click}); };
        arrows_[index] = new HeldArrow(*parts_.arrows[index], painter_,
                                       {entry.up, entry.fontUnits, entry.offsetUnits}, actions);
    }
    const auto& buttons = table_layout::Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TableButton which = buttons[i].which;
        connect(parts_.buttons[i], &PictureControl::plainLeftPress, this,
                [this, which] { cycle_->onButtonPressed(which); });
    }

    connect(menu_.play, &QAction::triggered, this, [this] { cycle_->play(); });
    connect(menu_.open, &QAction::triggered, this, [this] { cycle_->open(); });
    connect(menu_.cast, &QAction::triggered, this, [this] { cycle_->cast(); });
    connect(menu_.next, &QAction::triggered, this, [this] { cycle_->next(); });
    connect(menu_.printTicket, &QAction::triggered, this, [this](bool checked) {
        table_->setPrintTicket(checked);
        if (checked) table_->sound({sounds::Cue::PrintTicketOn});
    });
    connect(menu_.pauseGames, &QAction::triggered, this, &TableWindow::openPauseSettings);
    connect(menu_.kenoSounds, &QAction::triggered, this, &TableWindow::openSoundSettings);
    connect(menu_.reset, &QAction::triggered, this, [this] { table_->resetBalance(); });
    connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.helpTopics, &QAction::triggered, this, [this] { help_.showContents(); });
    connect(menu_.introToKeno, &QAction::triggered, this, [this] { help_.showTopic(1); });
    connect(menu_.kenoHistory, &QAction::triggered, this, [this] { help_.showTopic(37); });
    connect(menu_.payoffsAndOdds, &QAction::triggered, this, &TableWindow::openPayoffs);
    connect(menu_.gamesHistory, &QAction::triggered, this,
            [this] { ShowGamesHistory(dialogContext(), state_.Payoffs, this, kGamesFile); });
    connect(menu_.ballFrequency, &QAction::triggered, this,
            [this] { ShowBallFrequency(dialogContext(), this, kGamesFile); });
    connect(menu_.yourPlay, &QAction::triggered, this,
            [this] { ShowYourPlay(dialogContext(), state_, this, kGamesFile); });
    connect(menu_.about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    AttachWhatsThisKey(this, helpPopup());
    routeTicketMenu();
    routeSavedTickets();
}

ShowHelp TableWindow::helpPopup() {
    return [this](int number, QPoint at) { help_.showPopup(number, at); };
}

DialogContext TableWindow::dialogContext() {
    return {state_, sound_, helpPopup(), painter_.bevelWidth()};
}

void TableWindow::openPayoffs() {
    ShowPayoffsAndOdds(dialogContext(), state_, this);
    // The casino arrows may have put another schedule, and limit, in force.
    table_->showIdleMessage();
}

void TableWindow::openPauseSettings() {
    PauseDialog form(dialogContext(), pauseSettings_, state_.PricePerGame, this);
    form.exec();
}

void TableWindow::openSoundSettings() {
    // The window decides the check mark, not the menu's own toggle.
    menu_.kenoSounds->setChecked(ShowSoundSettings(dialogContext(), waiter_, this));
}

void TableWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends a run at once, from inside its wait.
    waiter_.markClosing();
    help_.quit();
    QMainWindow::closeEvent(event);
}

bool TableWindow::focusNextPrevChild(bool next) {
    // The focus goes round the table's own controls, never into the menu bar.
    keyboard_->moveFocus(next);
    return true;
}

void TableWindow::showFirstGame(QSize screen) {
    showBalance(state_.Balance);
    scaler_->fitToScreen(screen);
    paintInitialLook();
    cycle_->openNextGame();
    table_->resetTicket();
    // The Tickets entries stand as after a CAST: only what the empty board offers.
    table_->updateTicketMenus(false);
}
