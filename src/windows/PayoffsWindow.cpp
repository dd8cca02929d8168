#include "windows/PayoffsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTabBar>

#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "ui/WindowScaler.h"

namespace {

const QColor kBlack = QColor::fromRgb(colours::kBlack);
const QColor kRed = QColor::fromRgb(colours::kRed);
const QColor kSilver = QColor::fromRgb(colours::kSilver);
const QColor kGreen = QColor::fromRgb(colours::kGreen);
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

// An arrow of the right-hand panel: its control, step, released tag, height
// and help number.
struct ArrowPlace {
    const char* name;
    OddsArrow arrow;
    int tag;
    int top;
    int helpNumber;
    const char* spoken;
};

// In the order Tab visits them, top to bottom.
constexpr ArrowPlace kArrows[] = {
    {"ImageCasinoUp", OddsArrow::CasinoUp, 113, 82, 191, "Next Casino"},
    {"ImageCasinoDown", OddsArrow::CasinoDown, 115, 114, 192, "Previous Casino"},
    {"ImageSpotUp", OddsArrow::SpotUp, 105, 152, 76, "More Spots"},
    {"ImageSpotDown", OddsArrow::SpotDown, 107, 184, 77, "Fewer Spots"},
    {"ImageBetUp", OddsArrow::BetUp, 101, 222, 142, "Raise The Bet"},
    {"ImageBetDown", OddsArrow::BetDown, 103, 254, 143, "Lower The Bet"},
};

bool IsUpArrow(OddsArrow arrow) {
    return arrow == OddsArrow::BetUp || arrow == OddsArrow::SpotUp || arrow == OddsArrow::CasinoUp;
}

}  // namespace

PayoffsWindow::PayoffsWindow(const DialogContext& context, GameState& state,
                             OddsBrowser::ScheduleLoader loadSchedule, QWidget* parent)
    : GameDialog(context, window_style::Payoffs, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Payoffs & Odds"), parent),
      browser_(state, std::move(loadSchedule)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QPalette green = palette();
    green.setColor(QPalette::WindowText, kBlack);
    setPalette(green);

    const auto image = [&](const QString& name, const QRect& rect, int helpNumber) {
        PictureControl* control = placeImage(rect, 0, helpNumber);
        control->setObjectName(name);
        return control;
    };
    const auto caption = [&](const QString& text, const QRect& rect, int helpNumber,
                             CaptionAlignment alignment = CaptionAlignment::Centre) {
        PictureControl* box = image(
            QStringLiteral("Image") + QString(text).remove(QLatin1Char(' ')), rect, helpNumber);
        paintText(*box, text, kRed, alignment);
        return box;
    };
    const auto label = [&](const QString& name, const QRect& rect, Qt::Alignment alignment,
                           int helpNumber) {
        QLabel* text = placeLabel(rect, alignment, helpNumber);
        text->setObjectName(name);
        labels_.push_back(text);
        return text;
    };
    const auto panel = [](int top, int height = 16) {
        return QRect(kPanelLeft, top, kPanelWidth, height);
    };

    tabs = new QTabBar(this);
    tabs->setObjectName(QStringLiteral("TabControl"));
    tabs->setUsesScrollButtons(true);
    tabs->setExpanding(false);
    for (int tab = 0; tab < kinds::TabCount(); ++tab) tabs->addTab(kinds::TabTitle(tab));
    tabs->setAutoFillBackground(true);
    tabs->setStyleSheet(TabStyle(tabs->font().pixelSize()));
    scaler_->place(tabs, {0, 0, kDesignWidth, 24});
    attachHelp(tabs, 136);

    // The table: headings, then one row per catch.
    caption(QStringLiteral("Catch"), {2, 28, 52, 18}, 137);
    caption(QStringLiteral("Win..."), {56, 28, 84, 18}, 138, CaptionAlignment::Right);
    caption(QStringLiteral("...Odds"), {144, 28, 214, 18}, 139, CaptionAlignment::Left);
    for (int row = 0; row < odds::kOddsRows; ++row) {
        const int top = kRowTop + kRowHeight * row;
        const auto r = static_cast<std::size_t>(row);
        catchCells[r] =
            image(QStringLiteral("ImageCatch%1").arg(row), {2, top, 52, kRowHeight}, 137);
        painter_.fill(*catchCells[r], kGreen);
        winLabels[r] = label(QStringLiteral("LabelWin%1").arg(row), {56, top, 84, kRowHeight},
                             Qt::AlignRight, 138);
        oddsLabels[r] = label(QStringLiteral("LabelOdds%1").arg(row), {144, top, 214, kRowHeight},
                              Qt::AlignLeft, 139);
    }

    // The panel on the right, top to bottom.
    caption(QStringLiteral("Aggregate"), panel(28), 193);
    aggregateValue = image(QStringLiteral("ImageAggregateValue"), panel(44), 193);
    caption(QStringLiteral("Casino Number"), panel(66), 194);
    casinoValue = image(QStringLiteral("ImageCasinoValue"), panel(98), 194);
    spotControls_.push_back(caption(QStringLiteral("Spot"), panel(136), 140));
    spotValue = image(QStringLiteral("ImageSpotValue"), panel(168), 140);
    spotControls_.push_back(spotValue);
    caption(QStringLiteral("Bet"), panel(206), 141);
    betValue = image(QStringLiteral("ImageBetValue"), panel(238), 141);
    caption(QStringLiteral("Odds"), panel(276), 144);
    oneInButton = image(QStringLiteral("ImageOne"), {kPanelLeft + 36, 294, 30, 20}, 145);
    percentButton = image(QStringLiteral("ImagePercent"), {kPanelLeft + 74, 294, 30, 20}, 146);
    caption(QStringLiteral("Chance Of"), panel(322), 147);
    caption(QStringLiteral("Winning"), panel(338), 147);
    chanceValue =
        image(QStringLiteral("ImageChanceValue"), {kPanelLeft - 6, 354, kPanelWidth + 8, 16}, 147);
    caption(QStringLiteral("Expected"), panel(378), 148);
    caption(QStringLiteral("Return"), panel(394), 148);
    expectedValue = image(QStringLiteral("ImageExpectedValue"), panel(410), 148);

    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        const ArrowPlace& entry = kArrows[i];
        PictureControl* control =
            image(QLatin1String(entry.name), {kArrowLeft, entry.top, 16, 16}, entry.helpNumber);
        control->setTag(entry.tag);
        if (entry.arrow == OddsArrow::SpotUp || entry.arrow == OddsArrow::SpotDown)
            spotControls_.push_back(control);
        // The bet's step starts at $0.05 at each press, grows while the arrow
        // is held and starts again at every release.
        HeldArrow::Actions actions;
        actions.step = [this, which = entry.arrow](HeldArrow::Phase phase) {
            if (phase == HeldArrow::Phase::Press) browser_.restartBetStep();
            ArrowStep result = stepArrow(which);
            if (phase == HeldArrow::Phase::Repeat && result.outcome != ArrowStep::Outcome::LetGo)
                browser_.growBetStep();
            return result;
        };
        actions.click = [this] { click(); };
        actions.released = [this] { browser_.restartBetStep(); };
        arrows_[i] =
            new HeldArrow(*control, painter_, {IsUpArrow(entry.arrow), kCaptionUnits, 1}, actions);
        control->setSpoken(PictureControl::Spoken::button(QLatin1String(entry.spoken)));
    }
    oneInButton->setFocusPolicy(Qt::TabFocus);
    percentButton->setFocusPolicy(Qt::TabFocus);
    oneInButton->setSpoken(PictureControl::Spoken::button(QStringLiteral("Odds As One In")));
    percentButton->setSpoken(
        PictureControl::Spoken::button(QStringLiteral("Odds As A Percentage")));
    setMainControl(tabs);
    connect(oneInButton, &PictureControl::plainLeftPress, this,
            [this] { onModePressed(odds::OddsMode::OneIn); });
    connect(percentButton, &PictureControl::plainLeftPress, this,
            [this] { onModePressed(odds::OddsMode::Percent); });

    fitTexts();
    showValues();
    for (HeldArrow* held : arrows_) held->paint(false);
    paintModeButton(*oneInButton, true);
    oneInButton->setEnabled(false);
    paintModeButton(*percentButton, false);
    tabs->setCurrentIndex(browser_.tab());
    connect(tabs, &QTabBar::currentChanged, this, &PayoffsWindow::onTabChanged);
    onTabChanged(browser_.tab());
}

HeldArrow* PayoffsWindow::arrow(OddsArrow which) const {
    for (std::size_t i = 0; i < arrows_.size(); ++i)
        if (kArrows[i].arrow == which) return arrows_[i];
    return nullptr;
}

void PayoffsWindow::onTabChanged(int index) {
    repaint();
    click();
    browser_.selectTab(index);
    showSpotControls();
    showValues();
    showTable();
}

void PayoffsWindow::onModePressed(odds::OddsMode mode) {
    if (mode == browser_.mode()) return;
    browser_.setMode(mode);
    showTable();
    PictureControl* chosen = mode == odds::OddsMode::OneIn ? oneInButton : percentButton;
    PictureControl* other = mode == odds::OddsMode::OneIn ? percentButton : oneInButton;
    paintModeButton(*other, false);
    other->setEnabled(true);
    paintModeButton(*chosen, true);
    chosen->setEnabled(false);
    repaint();
    click();
}

ArrowStep PayoffsWindow::stepArrow(OddsArrow which) {
    try {
        if (!browser_.stepArrow(which)) return ArrowStep::unchanged();
    } catch (const IoError& error) {
        // The message comes once the arrow is up again: it would swallow the
        // release, and the arrow must not repeat the failing load behind it.
        return ArrowStep::letGoThen([this, error] {
            showValues();
            if (!reportError_) throw error;
            reportError_(error);
        });
    }
    showValues();
    showTable();
    return ArrowStep::stepped();
}

void PayoffsWindow::showTable() {
    const odds::OddsView& view = browser_.view();
    for (std::size_t row = 0; row < view.rows.size(); ++row) {
        const odds::OddsRow& shown = view.rows[row];
        if (paintedCatches_[row] != shown.catchLabel) {
            paintedCatches_[row] = shown.catchLabel;
            // one unit down, level with the smaller texts of its row
            paintText(*catchCells[row], shown.catchLabel, kBlack, CaptionAlignment::Centre, 1);
        }
        winLabels[row]->setText(shown.winText);
        oddsLabels[row]->setText(shown.oddsText);
    }
    paintText(*chanceValue, view.chanceOfWinning, kBlack, CaptionAlignment::Centre);
    paintText(*expectedValue, view.expectedReturn, kBlack, CaptionAlignment::Centre);
}

void PayoffsWindow::showValues() {
    paintText(*aggregateValue, money::Currency(browser_.schedule().AggregateLimit, 0), kBlack,
              CaptionAlignment::Centre);
    paintText(*casinoValue, QString::number(browser_.schedule().ScheduleNumber), kBlack,
              CaptionAlignment::Centre);
    paintText(*spotValue, QString::number(browser_.spots()), kBlack, CaptionAlignment::Centre);
    paintText(*betValue, money::Currency(browser_.bet()), kBlack, CaptionAlignment::Centre);
}

void PayoffsWindow::showSpotControls() {
    const bool shown = !browser_.spotRange().fixed;
    for (QWidget* control : spotControls_) control->setVisible(shown);
}

void PayoffsWindow::paintText(PictureControl& box, const QString& text, const QColor& colour,
                              CaptionAlignment alignment, int offsetUnits) {
    painter_.fill(box, kGreen);
    if (text.isEmpty()) return;
    painter_.setCaptionFont(box, kCaptionUnits, FontStyle::Bold);
    painter_.paintCaption(box, colour, text, fonts::kArial, alignment, offsetUnits);
}

void PayoffsWindow::paintModeButton(PictureControl& button, bool pressed) {
    const QString text = &button == oneInButton ? QStringLiteral("1") : QStringLiteral("%");
    painter_.setCaptionFont(button, kCaptionUnits, FontStyle::Bold);
    painter_.paintBevel(button, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    painter_.paintCaption(button, pressed ? kSilver : kBlack, text, fonts::kArial,
                          CaptionAlignment::Centre, 2);
}

void PayoffsWindow::fitTexts() {
    const QFont font = painter_.boldFont(fonts::kArial, kTableUnits);
    for (QLabel* text : labels_) text->setFont(font);
    if (tabs != nullptr) fitTabs();
}

// The ten tabs stand in one row: their font shrinks until every tab fits the
// window's width, so none hides behind scroll buttons on a small screen. It
// stays readable: where the desktop's face would have to go below the
// smallest text size, the narrow face takes over.
void PayoffsWindow::fitTabs() {
    const int largest = qMax(kSmallestTextPixels, painter_.units(kTableUnits));
    for (const QString& family : {QApplication::font(tabs).family(), fonts::kArialNarrow}) {
        QFont font(family);
        for (int pixels = largest; pixels >= kSmallestTextPixels; --pixels) {
            font.setPixelSize(pixels);
            tabs->setFont(font);
            tabs->setStyleSheet(TabStyle(pixels));
            if (tabs->sizeHint().width() <= tabs->width()) return;
        }
    }
}

void ShowPayoffsAndOdds(const DialogContext& context, GameState& state, QWidget* parent) {
    PayoffsWindow form(
        context, state,
        [](ScheduleInForce& s, int number) { LoadSchedule(s, kSchedulesFile, number); }, parent);
    form.exec();
}
