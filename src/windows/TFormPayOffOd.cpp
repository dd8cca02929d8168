#include "windows/TFormPayOffOd.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "game/SoundPlayer.h"
#include "ui/Glyphs.h"
#include "ui/ImageButton.h"
#include "ui/WhatsThis.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

const QColor kBlack = QColor::fromRgb(colours::kBlack);
const QColor kRed = QColor::fromRgb(colours::kRed);
const QColor kSilver = QColor::fromRgb(colours::kSilver);
const QColor kGreen = QColor::fromRgb(colours::kGreen);
const QString kArial = QStringLiteral("Arial");
constexpr int kCaptionUnits = 13;
constexpr int kTableUnits = 11;
constexpr int kRowTop = 48;
constexpr int kRowHeight = 18;
constexpr int kPanelLeft = 358;
constexpr int kPanelWidth = 140;
constexpr int kArrowLeft = kPanelLeft + kPanelWidth / 2 - 8;

const char* const kTabNames[odds::kOddsTabs] = {
    "1 To 20 Spot", "All Catches", "All Or Nothing",  "Bet Against",   "Catch All",
    "Forty",        "Forty Forty", "Last Ball Drawn", "Super Special", "Thirty Two Spot",
};

struct ArrowSpec {
    const char* name;
    OddsArrow arrow;
    int top;
    int helpNumber;
};

constexpr ArrowSpec kArrows[] = {
    {"ImageBetUp", OddsArrow::BetUp, 222, 142},
    {"ImageBetDown", OddsArrow::BetDown, 254, 143},
    {"ImageSpotUp", OddsArrow::SpotUp, 152, 76},
    {"ImageSpotDown", OddsArrow::SpotDown, 184, 77},
    {"ImageCasinoUp", OddsArrow::CasinoUp, 82, 191},
    {"ImageCasinoDown", OddsArrow::CasinoDown, 114, 192},
};

bool LeftButtonAlone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return buttons == Qt::LeftButton && modifiers == Qt::NoModifier;
}

bool IsUpArrow(OddsArrow arrow) {
    return arrow == OddsArrow::BetUp || arrow == OddsArrow::SpotUp || arrow == OddsArrow::CasinoUp;
}

// The released tag of an arrow whether it is held or not.
OddsArrow ArrowOf(const ImageButton& arrow) {
    return static_cast<OddsArrow>((arrow.tag() - 1) | 1);
}

}  // namespace

TFormPayOffOd::TFormPayOffOd(GameState& state, SoundPlayer& sound,
                             OddsBrowser::ScheduleLoader loadSchedule, ShowHelp showHelp,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      browser_(state, std::move(loadSchedule)),
      painter_(
          window_style::PayOffOd, [this] { return height(); }, state.BevelWidth),
      TimerButton(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Payoffs & Odds"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, kGreen);
    green.setColor(QPalette::WindowText, kBlack);
    setPalette(green);

    auto* scaler = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    const auto help = [&](QWidget* control, int number) {
        if (showHelp) AttachWhatsThis(control, number, showHelp);
    };
    const auto image = [&](const QString& name, const QRect& rect, int helpNumber) {
        auto* control = new ImageButton(this);
        control->setObjectName(name);
        scaler->place(control, rect);
        help(control, helpNumber);
        return control;
    };
    const auto caption = [&](const QString& text, const QRect& rect, int helpNumber,
                             int alignment = 1) {
        ImageButton* box = image(QStringLiteral("Image") + QString(text).remove(QLatin1Char(' ')),
                                 rect, helpNumber);
        paintText(*box, text, kRed, alignment);
        return box;
    };
    const auto label = [&](const QString& name, const QRect& rect, Qt::Alignment alignment,
                           int helpNumber) {
        auto* text = new QLabel(this);
        text->setObjectName(name);
        text->setAlignment(alignment | Qt::AlignVCenter);
        text->setAttribute(Qt::WA_TranslucentBackground);
        scaler->place(text, rect);
        help(text, helpNumber);
        labels_.push_back(text);
        return text;
    };
    const auto panel = [](int top, int height = 16) {
        return QRect(kPanelLeft, top, kPanelWidth, height);
    };

    TabControl = new QTabBar(this);
    TabControl->setObjectName(QStringLiteral("TabControl"));
    TabControl->setUsesScrollButtons(true);
    TabControl->setExpanding(false);
    for (const char* name : kTabNames) TabControl->addTab(QString::fromLatin1(name));
    TabControl->setAutoFillBackground(true);
    // Compact tabs, the chosen one in the page's green, so all ten fit in one row.
    TabControl->setStyleSheet(QStringLiteral(
        "QTabBar { background: rgb(0,128,0); }"
        "QTabBar::tab { background: rgb(192,192,192); color: black; padding: 3px 6px;"
        " margin: 2px 1px 0 0; border: 1px solid rgb(64,64,64); border-bottom: none;"
        " border-top-left-radius: 4px; border-top-right-radius: 4px; }"
        "QTabBar::tab:selected { background: rgb(0,128,0); color: white; margin-top: 0; }"));
    scaler->place(TabControl, {0, 0, kDesignWidth, 24});
    help(TabControl, 136);

    // The table: headings, then one row per catch.
    caption(QStringLiteral("Catch"), {2, 28, 52, 18}, 137);
    caption(QStringLiteral("Win..."), {56, 28, 84, 18}, 138, 2);
    caption(QStringLiteral("...Odds"), {144, 28, 214, 18}, 139, 0);
    for (int row = 0; row < odds::kOddsRows; ++row) {
        const int top = kRowTop + kRowHeight * row;
        const auto r = static_cast<std::size_t>(row);
        ImageCatch[r] =
            image(QStringLiteral("ImageCatch%1").arg(row), {2, top, 52, kRowHeight}, 137);
        painter_.Fill(*ImageCatch[r], kGreen);
        LabelWin[r] = label(QStringLiteral("LabelWin%1").arg(row), {56, top, 84, kRowHeight},
                            Qt::AlignRight, 138);
        LabelOdds[r] = label(QStringLiteral("LabelOdds%1").arg(row), {144, top, 214, kRowHeight},
                             Qt::AlignLeft, 139);
    }

    // The panel on the right, top to bottom.
    caption(QStringLiteral("Aggregate"), panel(28), 193);
    ImageAggregate = image(QStringLiteral("ImageAggregateValue"), panel(44), 193);
    caption(QStringLiteral("Casino Number"), panel(66), 194);
    ImageCasino = image(QStringLiteral("ImageCasinoValue"), panel(98), 194);
    spotControls_.push_back(caption(QStringLiteral("Spot"), panel(136), 140));
    ImageSpot = image(QStringLiteral("ImageSpotValue"), panel(168), 140);
    spotControls_.push_back(ImageSpot);
    caption(QStringLiteral("Bet"), panel(206), 141);
    ImageBet = image(QStringLiteral("ImageBetValue"), panel(238), 141);
    caption(QStringLiteral("Odds"), panel(276), 144);
    ImageOne = image(QStringLiteral("ImageOne"), {kPanelLeft + 36, 294, 30, 20}, 145);
    ImagePercent = image(QStringLiteral("ImagePercent"), {kPanelLeft + 74, 294, 30, 20}, 146);
    caption(QStringLiteral("Chance Of"), panel(322), 147);
    caption(QStringLiteral("Winning"), panel(338), 147);
    ImageChance =
        image(QStringLiteral("ImageChanceValue"), {kPanelLeft - 6, 354, kPanelWidth + 8, 16}, 147);
    caption(QStringLiteral("Expected"), panel(378), 148);
    caption(QStringLiteral("Return"), panel(394), 148);
    ImageExpected = image(QStringLiteral("ImageExpectedValue"), panel(410), 148);

    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        const ArrowSpec& entry = kArrows[i];
        ImageButton* control =
            image(QLatin1String(entry.name), {kArrowLeft, entry.top, 16, 16}, entry.helpNumber);
        control->setTag(static_cast<int>(entry.arrow));
        arrows_[i] = control;
        if (entry.arrow == OddsArrow::SpotUp || entry.arrow == OddsArrow::SpotDown)
            spotControls_.push_back(control);
        connect(control, &ImageButton::mousePressed, this,
                [this, control](Qt::MouseButton, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers) {
                    ImageArrowMouseDown(*control, buttons, modifiers);
                });
        connect(control, &ImageButton::mouseReleased, this,
                [this, control] { ImageArrowMouseUp(*control); });
    }
    connect(ImageOne, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
                ImageModeMouseDown(odds::OddsMode::OneIn, buttons, modifiers);
            });
    connect(ImagePercent, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
                ImageModeMouseDown(odds::OddsMode::Percent, buttons, modifiers);
            });

    QScreen* screen =
        parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    scaler->fitToScreen(available.size());
    move(available.center() - rect().center());

    connect(TimerButton, &QTimer::timeout, this, &TFormPayOffOd::TimerButtonTimer);
    FormCreate();
}

ImageButton* TFormPayOffOd::arrow(OddsArrow which) const {
    for (ImageButton* control : arrows_) {
        if (ArrowOf(*control) == which) return control;
    }
    return nullptr;
}

void TFormPayOffOd::FormCreate() {
    applyLabelFont();
    ShowValues();
    for (ImageButton* control : arrows_) paintArrow(*control, false);
    paintModeButton(*ImageOne, true);
    ImageOne->setEnabled(false);
    paintModeButton(*ImagePercent, false);
    TabControl->setCurrentIndex(browser_.tab());
    connect(TabControl, &QTabBar::currentChanged, this, &TFormPayOffOd::TabControlChange);
    TabControlChange(browser_.tab());
}

void TFormPayOffOd::TabControlChange(int index) {
    repaint();
    sound();
    browser_.SelectTab(index);
    ShowSpotControls();
    ShowValues();
    ShowTable();
}

void TFormPayOffOd::ImageArrowMouseDown(ImageButton& arrow, Qt::MouseButtons buttons,
                                        Qt::KeyboardModifiers modifiers) {
    if (!LeftButtonAlone(buttons, modifiers) || arrow.tag() % 2 == 0) return;
    arrow.setTag(arrow.tag() + 1);
    browser_.RestartBetStep();
    if (!Step(arrow)) return;
    repaint();
    sound();
    repeating_ = &arrow;
    TimerButton->setInterval(500);
    TimerButton->start();
}

void TFormPayOffOd::TimerButtonTimer() {
    if (!repeating_) return TimerButton->stop();
    TimerButton->setInterval(50);
    if (!Step(*repeating_)) return;
    browser_.GrowBetStep();
}

void TFormPayOffOd::ImageArrowMouseUp(ImageButton& arrow) {
    if (arrow.tag() % 2 != 0) return;
    // The repeat ends before the click: timers still tick while a sound plays.
    TimerButton->stop();
    repeating_ = nullptr;
    paintArrow(arrow, false);
    repaint();
    sound();
    arrow.setTag(arrow.tag() - 1);
    browser_.RestartBetStep();
}

void TFormPayOffOd::ImageModeMouseDown(odds::OddsMode mode, Qt::MouseButtons buttons,
                                       Qt::KeyboardModifiers modifiers) {
    if (!LeftButtonAlone(buttons, modifiers) || mode == browser_.mode()) return;
    browser_.SetMode(mode);
    ShowTable();
    ImageButton* chosen = mode == odds::OddsMode::OneIn ? ImageOne : ImagePercent;
    ImageButton* other = mode == odds::OddsMode::OneIn ? ImagePercent : ImageOne;
    paintModeButton(*other, false);
    other->setEnabled(true);
    paintModeButton(*chosen, true);
    chosen->setEnabled(false);
    repaint();
    sound();
}

bool TFormPayOffOd::Step(ImageButton& arrow) {
    try {
        if (!browser_.ArrowAction(ArrowOf(arrow))) return true;
    } catch (const IoError& error) {
        ReleaseAfterFailure(arrow);
        ShowValues();
        if (!reportError_) throw;
        reportError_(error);
        return false;
    }
    ShowValues();
    ShowTable();
    paintArrow(arrow, true);
    return true;
}

// A held arrow must not go on repeating behind the error message, nor stay
// down waiting for a release the message box will swallow.
void TFormPayOffOd::ReleaseAfterFailure(ImageButton& arrow) {
    TimerButton->stop();
    repeating_ = nullptr;
    if (arrow.tag() % 2 == 0) arrow.setTag(arrow.tag() - 1);
    browser_.RestartBetStep();
    paintArrow(arrow, false);
    repaint();
}

void TFormPayOffOd::ShowTable() {
    const odds::OddsView& view = browser_.view();
    for (std::size_t row = 0; row < view.rows.size(); ++row) {
        const odds::OddsRow& shown = view.rows[row];
        if (paintedCatches_[row] != shown.catchLabel) {
            paintedCatches_[row] = shown.catchLabel;
            // one unit down, level with the smaller texts of its row
            paintText(*ImageCatch[row], shown.catchLabel, kBlack, 1, 1);
        }
        LabelWin[row]->setText(shown.winText);
        LabelOdds[row]->setText(shown.oddsText);
    }
    paintText(*ImageChance, view.chanceOfWinning, kBlack, 1);
    paintText(*ImageExpected, view.expectedReturn, kBlack, 1);
}

void TFormPayOffOd::ShowValues() {
    paintText(*ImageAggregate, money::currency(state_.AggregateLimit, 0), kBlack, 1);
    paintText(*ImageCasino, QString::number(state_.ScheduleNumber), kBlack, 1);
    paintText(*ImageSpot, QString::number(browser_.spots()), kBlack, 1);
    paintText(*ImageBet, money::currency(browser_.bet()), kBlack, 1);
}

void TFormPayOffOd::ShowSpotControls() {
    const bool shown = !browser_.spotRange().fixed;
    for (QWidget* control : spotControls_) control->setVisible(shown);
}

void TFormPayOffOd::paintText(ImageButton& box, const QString& text, const QColor& colour,
                              int alignment, int offsetUnits) {
    painter_.Fill(box, kGreen);
    if (text.isEmpty()) return;
    painter_.SetCaptionFont(box, kCaptionUnits, 0);
    painter_.PaintCaption(box, colour, text, kArial, alignment, offsetUnits);
}

void TFormPayOffOd::paintArrow(ImageButton& arrow, bool pressed) {
    const QChar glyph(IsUpArrow(ArrowOf(arrow)) ? glyphs::kUpArrow : glyphs::kDownArrow);
    painter_.SetCaptionFont(arrow, kCaptionUnits, 0);
    painter_.PaintBevel(arrow, pressed ? 2 : 1);
    painter_.PaintCaption(arrow, pressed ? kSilver : kBlack, QString(glyph), glyphs::kSymbolFont, 1,
                          1);
}

void TFormPayOffOd::paintModeButton(ImageButton& button, bool pressed) {
    const QString text = &button == ImageOne ? QStringLiteral("1") : QStringLiteral("%");
    painter_.SetCaptionFont(button, kCaptionUnits, 0);
    painter_.PaintBevel(button, pressed ? 2 : 1);
    painter_.PaintCaption(button, pressed ? kSilver : kBlack, text, kArial, 1, 2);
}

void TFormPayOffOd::applyLabelFont() {
    QFont font(kArial);
    font.setBold(true);
    font.setPixelSize(qMax(1, painter_.units(kTableUnits)));
    for (QLabel* text : labels_) text->setFont(font);
}

// The ten tabs stand in one row: their font shrinks until every tab fits the
// window's width, so none hides behind scroll buttons on a small screen.
void TFormPayOffOd::fitTabs() {
    QFont font = TabControl->font();
    int pixels = qMax(1, painter_.units(kTableUnits));
    do {
        font.setPixelSize(pixels);
        TabControl->setFont(font);
    } while (TabControl->sizeHint().width() > TabControl->width() && --pixels > 6);
}

void TFormPayOffOd::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyLabelFont();
    fitTabs();
}

void TFormPayOffOd::sound() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

void ShowPayoffsAndOdds(GameState& state, SoundPlayer& sound, QWidget* parent,
                        TFormPayOffOd::ShowHelp showHelp) {
    state.PayoffSpots = static_cast<std::uint8_t>(OddsBrowser::OpeningSpots(state));
    TFormPayOffOd form(
        state, sound,
        [](GameState& s, int number) { LoadSchedule(s, QStringLiteral("cpos.vlr"), number); },
        std::move(showHelp), parent);
    form.exec();
}
