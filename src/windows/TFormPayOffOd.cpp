#include "windows/TFormPayOffOd.h"

#include <QApplication>
#include <QLabel>
#include <QTabBar>

#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "game/SoundPlayer.h"
#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
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
const QString kNarrow = QStringLiteral("Arial Narrow");
constexpr int kCaptionUnits = 13;
constexpr int kTableUnits = 11;
constexpr int kSmallestTextPixels = 9;
constexpr int kRowTop = 48;
constexpr int kRowHeight = 18;
constexpr int kPanelLeft = 358;
constexpr int kPanelWidth = 140;
constexpr int kArrowLeft = kPanelLeft + kPanelWidth / 2 - 8;

// Compact tabs, the chosen one in the page's green, so all ten fit in one row.
// Their padding keeps its share of the font, so on a small screen the room
// goes to the words rather than to fixed margins.
QString TabStyle(int fontPixels) {
    const int across = qMax(2, fontPixels * 2 / 5), down = qMax(1, fontPixels / 5);
    return QStringLiteral(
               "QTabBar { background: rgb(0,128,0); }"
               "QTabBar::tab { background: rgb(192,192,192); color: black; padding: %1px %2px;"
               " margin: 2px 1px 0 0; border: 1px solid rgb(64,64,64); border-bottom: none;"
               " border-top-left-radius: 4px; border-top-right-radius: 4px; }"
               "QTabBar::tab:selected { background: rgb(0,128,0); color: white; margin-top: 0; }")
        .arg(down)
        .arg(across);
}

const char* const kTabNames[odds::kOddsTabs] = {
    "1 To 20 Spot", "All Catches", "All Or Nothing",  "Bet Against",   "Catch All",
    "Forty",        "Forty Forty", "Last Ball Drawn", "Super Special", "Thirty Two Spot",
};

// An arrow of the right-hand panel: its control, tag, height and help number.
struct ArrowPlace {
    const char* name;
    OddsArrow arrow;
    int top;
    int helpNumber;
};

constexpr ArrowPlace kArrows[] = {
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

}  // namespace

TFormPayOffOd::TFormPayOffOd(GameState& state, SoundPlayer& sound,
                             OddsBrowser::ScheduleLoader loadSchedule, ShowHelp showHelp,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      browser_(state, std::move(loadSchedule)),
      painter_(
          window_style::PayOffOd, [this] { return height(); }, state.BevelWidth) {
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
                             CaptionAlignment alignment = CaptionAlignment::Centre) {
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
    TabControl->setStyleSheet(TabStyle(TabControl->font().pixelSize()));
    scaler->place(TabControl, {0, 0, kDesignWidth, 24});
    help(TabControl, 136);

    // The table: headings, then one row per catch.
    caption(QStringLiteral("Catch"), {2, 28, 52, 18}, 137);
    caption(QStringLiteral("Win..."), {56, 28, 84, 18}, 138, CaptionAlignment::Right);
    caption(QStringLiteral("...Odds"), {144, 28, 214, 18}, 139, CaptionAlignment::Left);
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
        const ArrowPlace& entry = kArrows[i];
        ImageButton* control =
            image(QLatin1String(entry.name), {kArrowLeft, entry.top, 16, 16}, entry.helpNumber);
        control->setTag(static_cast<int>(entry.arrow));
        if (entry.arrow == OddsArrow::SpotUp || entry.arrow == OddsArrow::SpotDown)
            spotControls_.push_back(control);
        // The bet's step starts at $0.05 at each press, grows while the arrow
        // is held and starts again at every release.
        HeldArrow::Actions actions;
        actions.step = [this, which = entry.arrow](HeldArrow::Phase phase) {
            if (phase == HeldArrow::Phase::Press) browser_.RestartBetStep();
            ArrowStep result = Step(which);
            if (phase == HeldArrow::Phase::Repeat && result.outcome != ArrowStep::Outcome::LetGo)
                browser_.GrowBetStep();
            return result;
        };
        actions.click = [this] { this->sound(); };
        actions.released = [this] { browser_.RestartBetStep(); };
        arrows_[i] =
            new HeldArrow(*control, painter_, {IsUpArrow(entry.arrow), kCaptionUnits, 1}, actions);
    }
    connect(ImageOne, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
                ImageModeMouseDown(odds::OddsMode::OneIn, buttons, modifiers);
            });
    connect(ImagePercent, &ImageButton::mousePressed, this,
            [this](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
                ImageModeMouseDown(odds::OddsMode::Percent, buttons, modifiers);
            });

    FitAndCentre(*this, *scaler);

    FormCreate();
}

HeldArrow* TFormPayOffOd::arrow(OddsArrow which) const {
    for (HeldArrow* held : arrows_)
        if ((held->button().tag() | 1) == static_cast<int>(which)) return held;
    return nullptr;
}

void TFormPayOffOd::FormCreate() {
    applyLabelFont();
    ShowValues();
    for (HeldArrow* held : arrows_) held->paint(false);
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

ArrowStep TFormPayOffOd::Step(OddsArrow which) {
    try {
        if (!browser_.ArrowAction(which)) return ArrowStep::unchanged();
    } catch (const IoError& error) {
        // The message comes once the arrow is up again: it would swallow the
        // release, and the arrow must not repeat the failing load behind it.
        return ArrowStep::letGoThen([this, error] {
            ShowValues();
            if (!reportError_) throw error;
            reportError_(error);
        });
    }
    ShowValues();
    ShowTable();
    return ArrowStep::stepped();
}

void TFormPayOffOd::ShowTable() {
    const odds::OddsView& view = browser_.view();
    for (std::size_t row = 0; row < view.rows.size(); ++row) {
        const odds::OddsRow& shown = view.rows[row];
        if (paintedCatches_[row] != shown.catchLabel) {
            paintedCatches_[row] = shown.catchLabel;
            // one unit down, level with the smaller texts of its row
            paintText(*ImageCatch[row], shown.catchLabel, kBlack, CaptionAlignment::Centre, 1);
        }
        LabelWin[row]->setText(shown.winText);
        LabelOdds[row]->setText(shown.oddsText);
    }
    paintText(*ImageChance, view.chanceOfWinning, kBlack, CaptionAlignment::Centre);
    paintText(*ImageExpected, view.expectedReturn, kBlack, CaptionAlignment::Centre);
}

void TFormPayOffOd::ShowValues() {
    paintText(*ImageAggregate, money::currency(state_.AggregateLimit, 0), kBlack,
              CaptionAlignment::Centre);
    paintText(*ImageCasino, QString::number(state_.ScheduleNumber), kBlack,
              CaptionAlignment::Centre);
    paintText(*ImageSpot, QString::number(browser_.spots()), kBlack, CaptionAlignment::Centre);
    paintText(*ImageBet, money::currency(browser_.bet()), kBlack, CaptionAlignment::Centre);
}

void TFormPayOffOd::ShowSpotControls() {
    const bool shown = !browser_.spotRange().fixed;
    for (QWidget* control : spotControls_) control->setVisible(shown);
}

void TFormPayOffOd::paintText(ImageButton& box, const QString& text, const QColor& colour,
                              CaptionAlignment alignment, int offsetUnits) {
    painter_.Fill(box, kGreen);
    if (text.isEmpty()) return;
    painter_.SetCaptionFont(box, kCaptionUnits, FontStyle::Bold);
    painter_.PaintCaption(box, colour, text, kArial, alignment, offsetUnits);
}

void TFormPayOffOd::paintModeButton(ImageButton& button, bool pressed) {
    const QString text = &button == ImageOne ? QStringLiteral("1") : QStringLiteral("%");
    painter_.SetCaptionFont(button, kCaptionUnits, FontStyle::Bold);
    painter_.PaintBevel(button, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    painter_.PaintCaption(button, pressed ? kSilver : kBlack, text, kArial,
                          CaptionAlignment::Centre, 2);
}

void TFormPayOffOd::applyLabelFont() {
    QFont font(kArial);
    font.setBold(true);
    font.setPixelSize(qMax(1, painter_.units(kTableUnits)));
    for (QLabel* text : labels_) text->setFont(font);
}

// The ten tabs stand in one row: their font shrinks until every tab fits the
// window's width, so none hides behind scroll buttons on a small screen. It
// stays readable: where the desktop's face would have to go below the
// smallest text size, the narrow face takes over.
void TFormPayOffOd::fitTabs() {
    const int largest = qMax(kSmallestTextPixels, painter_.units(kTableUnits));
    for (const QString& family : {QApplication::font(TabControl).family(), kNarrow}) {
        QFont font(family);
        for (int pixels = largest; pixels >= kSmallestTextPixels; --pixels) {
            font.setPixelSize(pixels);
            TabControl->setFont(font);
            TabControl->setStyleSheet(TabStyle(pixels));
            if (TabControl->sizeHint().width() <= TabControl->width()) return;
        }
    }
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
