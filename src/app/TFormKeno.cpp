#include "app/TFormKeno.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/KenoLayout.h"
#include "game/Board.h"
#include "game/GameState.h"
#include "payoffs/ScheduleFile.h"
#include "shell/AboutBox.h"
#include "shell/HelpViewer.h"
#include "sound/SoundPlayer.h"
#include "ui/DesignUnits.h"
#include "ui/Glyphs.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QColor kGreen = QColor::fromRgb(colours::kGreen);
const QColor kFuchsia = QColor::fromRgb(colours::kFuchsia);
const QColor kSilver = QColor::fromRgb(colours::kSilver);
const QColor kBlack = QColor::fromRgb(colours::kBlack);

const char* valueFieldName(TFormKeno::ValueField field) {
    switch (field) {
        case TFormKeno::ValueField::TotalPrice: return "ImageTPN";
        case TFormKeno::ValueField::NumberOfGames: return "ImageNOGN";
        case TFormKeno::ValueField::PricePerWay: return "ImagePPWN";
        case TFormKeno::ValueField::PricePerGame: return "ImagePPGN";
        case TFormKeno::ValueField::Spot: return "ImageSpot";
    }
    return "ImageSpot";
}

constexpr int kStatusUnits = 13;
constexpr int kCentreUnits = 15;
constexpr int kCaptionUnits = 11;
constexpr int kValueUnits = 13;
constexpr int kButtonUnits = 17;
constexpr int kButtonOffset = 4;
constexpr int kCellUnits = 23;
constexpr int kCellOffset = 3;
constexpr int kSpecialUnits = 80;

}  // namespace

TFormKeno::TFormKeno(GameState& state, SoundPlayer& sound, HelpViewer& help, QSize screen, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowContextHelpButtonHint),
      state_(state),
      sound_(sound),
      help_(help),
      painter_(window_style::Keno, [this] { return client_ ? client_->height() : keno_layout::kDesignHeight; },
               state.BevelWidth) {
    setObjectName(QStringLiteral("TFormKeno"));
    setWindowTitle(QStringLiteral("Velloro 32 Bit"));
    QFont font(kTimes);
    font.setBold(true);
    setFont(font);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, kGreen);
    client_->setPalette(palette);
    setCentralWidget(client_);
    scaler_ = new WindowScaler(client_, {keno_layout::kDesignWidth, keno_layout::kDesignHeight});

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);

    // The menu bar keeps the desktop's own font; only the table is in Times.
    menuBar()->setFont(QApplication::font(menuBar()));
    menu_.build(menuBar(), ::BalanceCaption(state_.Balance));
    buildControls();
    connectMenu();
    FormCreate(screen);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QSize outer = sizeHint();
    move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

// FormDestroy: the help windows go with the table.
TFormKeno::~TFormKeno() { help_.quit(); }

void TFormKeno::buildControls() {
    for (const keno_layout::Control& spec : keno_layout::controls()) {
        QWidget* holder = client_;
        if (spec.holder == keno_layout::Holder::PanelTop) holder = panelTop_;
        if (spec.holder == keno_layout::Holder::PanelBottom) holder = panelBottom_;
        QWidget* widget = nullptr;
        if (spec.kind == keno_layout::Kind::Panel) {
            widget = new QWidget(holder);
            widget->setAutoFillBackground(true);
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, kFuchsia);
            widget->setPalette(palette);
            (spec.name == QLatin1String("PanelTop") ? panelTop_ : panelBottom_) = widget;
        } else {
            auto* picture = new ImageButton(holder);
            controls_[spec.name] = picture;
            widget = picture;
        }
        widget->setObjectName(spec.name);
        scaler_->place(widget, spec.rect);
        if (spec.helpNumber > 0)
            AttachWhatsThis(widget, spec.helpNumber, [this](int number, QPoint at) { help_.showPopup(number, at); });
    }
    for (int n = 1; n <= 80; ++n) cell(n)->setTag(board::kTagUnmarked + n);
    for (const keno_layout::Arrow& arrow : keno_layout::arrows()) control(arrow.name)->setTag(arrow.releasedTag);
    for (const keno_layout::Button& button : keno_layout::buttons()) {
        control(button.name)->setTag(button.tag);
        control(button.name)->hide();
    }
    ShowQuickPickArrows(false);
    control(QStringLiteral("ImageSpecial"))->hide();
}

void TFormKeno::connectMenu() {
    connect(menu_.Exit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.HelpTopics, &QAction::triggered, this, [this] { help_.showContents(); });
    connect(menu_.IntroToKeno, &QAction::triggered, this, [this] { help_.showTopic(1); });
    connect(menu_.KenoHistory, &QAction::triggered, this, [this] { help_.showTopic(37); });
    connect(menu_.About, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(menu_.Reset, &QAction::triggered, this, [this] { MenuResetClick(); });
}

void TFormKeno::FormCreate(QSize screen) {
    historyStartup_ = OpenHistoryAtStartup(state_, QStringLiteral("Games.vlr"));
    LoadStartupSchedule(state_, QStringLiteral("cpos.vlr"));
    sound_.startMusic();

    state_.ReplayGameNumber = 0;
    state_.MusicOn = true;
    state_.SoundsOn = true;
    state_.PauseBetweenNumbers = 0;
    state_.PauseBetweenGames = 0;
    state_.PauseWinThreshold = 0;
    state_.TimerMode = 0;
    BalanceCaption();
    state_.GameWin = 0;
    state_.BevelWidth = static_cast<std::uint8_t>(design::bevelWidthForScreen(screen.width()));
    painter_.setBevelWidth(state_.BevelWidth);
    scaler_->fitToScreen(screen);
    paintInitialLook();
    ShowStatus(QStringLiteral("OPEN"));
    ResetTicket();
}

void TFormKeno::paintInitialLook() {
    for (const char* box : {"ImageTotal", "ImageGames", "ImagePriceWay", "ImagePriceGame", "ImageSpotWay"})
        painter_.PaintRoundedBox(*control(QLatin1String(box)), kGreen);
    for (const char* frame : {"ImageTop", "ImageStatus", "ImageNumber", "ImageBottom"})
        painter_.PaintBevel(*control(QLatin1String(frame)), 5);
    for (int n = 1; n <= 80; ++n) painter_.SetCaptionFont(*cell(n), kCellUnits);
    for (const keno_layout::Button& button : keno_layout::buttons()) {
        painter_.SetCaptionFont(*control(button.name), kButtonUnits);
        PaintGameButton(static_cast<GameButton>(&button - keno_layout::buttons().data()), false);
    }
    for (const keno_layout::Arrow& arrow : keno_layout::arrows()) PaintArrow(*control(arrow.name), false);
    for (const char* status : {"ImageGOC", "ImageOC", "ImageGN", "ImageN"}) {
        painter_.Fill(*control(QLatin1String(status)), kFuchsia);
        painter_.SetCaptionFont(*control(QLatin1String(status)), kStatusUnits);
    }
    painter_.Fill(*control(QStringLiteral("ImageCenter")), kGreen);
    painter_.SetCaptionFont(*control(QStringLiteral("ImageCenter")), kCentreUnits);
    const std::pair<const char*, const char*> captions[] = {
        {"ImageTP", "TOTAL PRICE"},       {"ImageNOG", "NUMBER OF GAMES"}, {"ImagePPW", "PRICE PER WAY"},
        {"ImagePPG", "PRICE PER GAME"}, {"ImageNOS", "NUMBER OF SPOTS"}, {"ImageWP", "OR WAYS PLAYED"}};
    for (const auto& [name, text] : captions) {
        ImageButton& caption = *control(QLatin1String(name));
        painter_.Fill(caption, kGreen);
        painter_.SetCaptionFont(caption, kCaptionUnits);
        painter_.PaintCaption(caption, kBlack, QLatin1String(text), kTimes, 1, 0);
    }
    for (ValueField field : {ValueField::TotalPrice, ValueField::NumberOfGames, ValueField::PricePerWay,
                             ValueField::PricePerGame, ValueField::Spot}) {
        ImageButton& value = *control(QLatin1String(valueFieldName(field)));
        painter_.Fill(value, kGreen);
        painter_.SetCaptionFont(value, kValueUnits);
    }
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.Fill(special, kGreen);
    painter_.SetCaptionFont(special, kSpecialUnits);
}

ImageButton* TFormKeno::control(const QString& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

ImageButton* TFormKeno::cell(int n) const {
    if (n < 1 || n > 80) return nullptr;
    return control(QStringLiteral("Image%1").arg(n));
}

ImageButton* TFormKeno::gameButton(GameButton button) const {
    return control(keno_layout::buttons()[static_cast<std::size_t>(button)].name);
}

QWidget* TFormKeno::panel(bool top) const { return top ? panelTop_ : panelBottom_; }

void TFormKeno::PaintCell(int n, CellLook look, const QColor& checkColour) {
    ImageButton* target = cell(n);
    if (!target) return;
    const bool raised = look == CellLook::Marked || look == CellLook::Caught;
    const bool red = look == CellLook::Caught || look == CellLook::NotCaught;
    painter_.PaintBevel(*target, (red ? 3 : 1) + (raised ? 0 : 1));
    painter_.PaintCaption(*target, raised ? kBlack : kSilver, QString::number(n), kTimes, 1, kCellOffset);
    if (look == CellLook::Unmarked || look == CellLook::NotCaught) return;
    const QColor glyphColour = look == CellLook::Pressed ? kSilver : checkColour;
    painter_.PaintCaption(*target, glyphColour, QString(QChar(glyphs::kCheck)), glyphs::kSymbolFont, 3, kCellOffset);
}

void TFormKeno::SetBoardEnabled(bool enabled) {
    panelTop_->setEnabled(enabled);
    panelBottom_->setEnabled(enabled);
}

void TFormKeno::ShowStatus(const QString& word) {
    if (word == QLatin1String("OPEN")) {
        state_.GameNumber += 1;
        if (state_.GameNumber >= 1000 || state_.GameNumber < 0) state_.GameNumber = 0;
    }
    const QColor colour = QColor::fromRgb(word == QLatin1String("OPEN") ? colours::kLime : colours::kMaroon);
    const std::pair<const char*, QString> boxes[] = {
        {"ImageGOC", QStringLiteral("GAME")},
        {"ImageOC", word},
        {"ImageGN", QStringLiteral("GAME")},
        {"ImageN", QStringLiteral("%1").arg(state_.GameNumber, 3, 10, QLatin1Char('0'))}};
    for (const auto& [name, text] : boxes) {
        ImageButton& box = *control(QLatin1String(name));
        painter_.Fill(box, kFuchsia);
        painter_.PaintCaption(box, colour, text, kTimes, 1, 0);
    }
    UpdateWindow();
}

void TFormKeno::ShowCentreMessage(const QString& text) {
    ImageButton& centre = *control(QStringLiteral("ImageCenter"));
    painter_.Fill(centre, kGreen);
    painter_.PaintCaption(centre, kBlack, text, kTimes, 1, 0);
}

void TFormKeno::ShowIdleCentreMessage() {
    ShowCentreMessage(money::currency(state_.AggregateLimit, 0) + QStringLiteral(" VELLORO"));
}

void TFormKeno::ShowValue(ValueField field, const QString& text) {
    ImageButton& value = *control(QLatin1String(valueFieldName(field)));
    painter_.Fill(value, kGreen);
    painter_.PaintCaption(value, kBlack, text, kTimes, 1, 0);
}

void TFormKeno::ShowSpotCount(int spots) {
    ShowValue(ValueField::Spot, QString::number(spots) + QStringLiteral(" SPOT"));
}

void TFormKeno::BalanceCaption() { menu_.Balance->setTitle(::BalanceCaption(state_.Balance)); }

void TFormKeno::PaintGameButton(GameButton button, bool pressed) {
    ImageButton& target = *gameButton(button);
    painter_.PaintBevel(target, pressed ? 2 : 1);
    painter_.PaintCaption(target, pressed ? kSilver : kBlack,
                          keno_layout::buttons()[static_cast<std::size_t>(button)].caption, kTimes, 1,
                          kButtonOffset);
}

void TFormKeno::SetGameButtonVisible(GameButton button, bool visible) { gameButton(button)->setVisible(visible); }

void TFormKeno::PaintArrow(ImageButton& arrow, bool pressed) {
    const keno_layout::Arrow* spec = keno_layout::arrow(arrow.objectName());
    if (!spec) return;
    painter_.SetCaptionFont(arrow, spec->fontUnits);
    painter_.PaintBevel(arrow, pressed ? 2 : 1);
    const QChar glyph(spec->up ? glyphs::kUpArrow : glyphs::kDownArrow);
    painter_.PaintCaption(arrow, pressed ? kSilver : kBlack, QString(glyph), glyphs::kSymbolFont, 1,
                          spec->offsetUnits);
}

void TFormKeno::ShowBetArrows(bool visible) {
    for (const keno_layout::Arrow& arrow : keno_layout::arrows())
        if (arrow.betArrow) control(arrow.name)->setVisible(visible);
}

void TFormKeno::ShowQuickPickArrows(bool visible) {
    for (const keno_layout::Arrow& arrow : keno_layout::arrows())
        if (!arrow.betArrow) control(arrow.name)->setVisible(visible);
}

void TFormKeno::ShowKindCode(const QString& kindCode) {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.Fill(special, kGreen);
    painter_.PaintCaption(special, kBlack, kindCode, kTimes, 4, 0);
    special.show();
}

void TFormKeno::ShowWaySummary(const QString& summary) {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.PaintCaption(special, kBlack, summary, kTimes, 5, 0);
    special.show();
}

void TFormKeno::HideSpecialBox() {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.Fill(special, kGreen);
    special.hide();
}

void TFormKeno::ResetTicket() {
    ShowValue(ValueField::TotalPrice, money::currency(money::kOneDollar));
    ShowValue(ValueField::NumberOfGames, QStringLiteral("1"));
    ShowValue(ValueField::PricePerWay, money::currency(money::kOneDollar));
    ShowValue(ValueField::PricePerGame, money::currency(money::kOneDollar));
    ShowSpotCount(0);
    ShowQuickPickArrows(false);
    state_.Kind = TicketKind::Regular;
    state_.KindCode.clear();
    state_.CurrentSet = 1;
    state_.CompletedSets = 0;
    state_.TotalPrice = money::kOneDollar;
    state_.NumberOfGames = 1;
    state_.PricePerWay = money::kOneDollar;
    state_.PricePerGame = money::kOneDollar;
    state_.SpotsMarked = 0;
    state_.SpotsPerSet = 0;
    state_.Ways = 1;
    state_.WayCounts.fill(0);
    for (TicketSet& set : state_.Sets) set.Numbers.fill(0);
    for (int n = 1; n <= 80; ++n) PaintCell(n, CellLook::Unmarked);
    state_.GamesToGo = 0;
    // The board was repainted whole above, so clearing the draw only clears the record of it.
    for (TicketSet& set : state_.Sets) set.Hits = 0;
    state_.Drawn.fill(0);
    ShowIdleCentreMessage();
}

void TFormKeno::UpdateWindow() { client_->repaint(); }

void TFormKeno::MenuResetClick() {
    state_.Balance = 0;
    BalanceCaption();
}
