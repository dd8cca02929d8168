#include "windows/HistoryWindow.h"

#include <QLabel>
#include <optional>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"
#include "ui/ButtonLook.h"
#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
#include "ui/ListKeys.h"
#include "ui/PictureControl.h"
#include "ui/PressButton.h"
#include "ui/WholeRows.h"
#include "ui/WindowScaler.h"
#include "windows/HistoryListBox.h"
#include "windows/ReplayWindow.h"

namespace {

using history::HistoryOrder;

constexpr int kGlyphUnits = 13;
constexpr int kTextUnits = 13;
constexpr int kVisibleLines = 20;
constexpr int kScrollUpTag = 101;
constexpr int kScrollDownTag = 103;

// Each sort button, in the order of HistoryOrder: where it stands, its
// released tag, its help and its arrowhead.
struct SortButton {
    QRect designRect;
    int tag;
    int helpNumber;
    bool up;
    const char* spoken;
};
constexpr SortButton kSortButtons[] = {
    {{9, 335, 16, 16}, 105, 156, true, "Earliest Games First"},
    {{29, 335, 16, 16}, 107, 155, false, "Latest Games First"},
    {{79, 335, 16, 16}, 109, 158, true, "Smallest Wins First"},
    {{99, 335, 16, 16}, 111, 157, false, "Biggest Wins First"},
};

std::size_t indexOf(HistoryOrder order) { return static_cast<std::size_t>(order); }

}  // namespace

HistoryWindow::HistoryWindow(const DialogContext& context, QString historyPath,
                             OpenReplay openReplay, QWidget* parent)
    : GameDialog(context, window_style::History, {kDesignWidth, kDesignHeight},
                 QStringLiteral("Games History"), parent),
      historyPath_(std::move(historyPath)),
      openReplay_(std::move(openReplay)) {
    PictureControl* background = placeImage({2, 2, 166, 358});
    painter_.paintBevel(*background, BevelStyle::Frame);

    header = new QLabel(QStringLiteral("GAME  WINNINGS"), this);
    header->setAttribute(Qt::WA_TranslucentBackground);
    header->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scaler_->place(header, {12, 11, 126, 17});

    gameList = new HistoryListBox(this);
    QPalette listColours = gameList->palette();
    listColours.setColor(QPalette::Base, QColor::fromRgb(colours::kFuchsia));
    listColours.setColor(QPalette::Text, QColor::fromRgb(colours::kBlack));
    gameList->setPalette(listColours);
    scaler_->place(gameList, {10, 31, 128, 300});
    attachHelp(gameList, 151);
    connect(gameList, &QListWidget::itemDoubleClicked, this, [this] { replaySelectedGame(); });
    AttachListKeys(gameList, {}, [this] { replaySelectedGame(); });
    setMainControl(gameList);

    scrollUp = makeScrollButton({143, 161, 16, 16}, kScrollUpTag, 152);
    scrollDown = makeScrollButton({143, 185, 16, 16}, kScrollDownTag, 153);
    scrollUp->button().setSpoken(PictureControl::Spoken::button(QStringLiteral("Scroll Up")));
    scrollDown->button().setSpoken(PictureControl::Spoken::button(QStringLiteral("Scroll Down")));
    for (const SortButton& entry : kSortButtons) {
        const auto order = static_cast<HistoryOrder>(&entry - kSortButtons);
        PictureControl* button = placeImage(entry.designRect, entry.tag, entry.helpNumber);
        button->setFocusPolicy(Qt::TabFocus);
        button->setSpoken(PictureControl::Spoken::button(QLatin1String(entry.spoken)));
        sortButtons[indexOf(order)] = button;
        connect(button, &PictureControl::plainLeftPress, this,
                [this, order] { onSortPressed(order); });
    }
    showButton = makePushButton({11, 363, 65, 35}, QStringLiteral("SHOW"), 154,
                                [this] { replaySelectedGame(); });
    cancelButton =
        makePushButton({95, 363, 65, 35}, QStringLiteral("CANCEL"), 162, [this] { reject(); });
    fitTexts();
    fillList();
}

// Each step moves the top line by one; the list stops at its ends.
HeldArrow* HistoryWindow::makeScrollButton(const QRect& designRect, int tag, int helpNumber) {
    PictureControl* image = placeImage(designRect, tag, helpNumber);
    const int direction = tag == kScrollUpTag ? -1 : 1;
    HeldArrow::Actions actions;
    actions.step = [this, direction](HeldArrow::Phase) {
        gameList->setTopIndex(gameList->topIndex() + direction);
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    return new HeldArrow(*image, painter_, {direction < 0, kGlyphUnits, 1}, actions);
}

PressButton* HistoryWindow::makePushButton(const QRect& designRect, const QString& caption,
                                           int helpNumber, std::function<void()> action) {
    PictureControl* image = placeImage(designRect, 0, helpNumber);
    return new PressButton(
        *image, painter_, ButtonLook::push(caption), [this] { click(); }, std::move(action));
}

void HistoryWindow::fillList() {
    if (RecordFile::exists(historyPath_)) {
        const HistoryContents contents = ReadHistoryContents(historyPath_);
        gameList->setEntries(history::HistoryEntries(contents.games));
        const int top = history::OpeningTopLine(contents.lastGame());
        gameList->setTopIndex(top);
        gameList->setCurrentRow(top);
    }
    for (const SortButton& entry : kSortButtons) {
        const auto order = static_cast<HistoryOrder>(&entry - kSortButtons);
        paintSortButton(order, order == HistoryOrder::GameAscending);
    }
    PictureControl& gameAscending = *sortButtons[indexOf(sortedBy_)];
    gameAscending.setTag(gameAscending.tag() + 1);
    gameAscending.setEnabled(false);
}

void HistoryWindow::paintSortButton(HistoryOrder order, bool pressed) {
    PaintButtonLook(painter_, *sortButtons[indexOf(order)],
                    ButtonLook::arrow(kSortButtons[indexOf(order)].up, kGlyphUnits, 1), pressed);
}

void HistoryWindow::onSortPressed(HistoryOrder order) {
    if (order == sortedBy_) return;
    PictureControl& pressed = *sortButtons[indexOf(order)];
    paintSortButton(order, true);
    Hourglass hourglass;
    // The button of the order in force comes up; its tag goes back to odd.
    PictureControl& previous = *sortButtons[indexOf(sortedBy_)];
    paintSortButton(sortedBy_, false);
    previous.setTag(previous.tag() - 1);
    previous.setEnabled(true);
    pressed.setTag(pressed.tag() + 1);
    pressed.setEnabled(false);
    sortedBy_ = order;
    click();
    gameList->setOrder(order == HistoryOrder::GameAscending ? std::nullopt : std::optional(order));
    gameList->setCurrentRow(0);
}

void HistoryWindow::replaySelectedGame() {
    int replayed = 0;
    {
        Hourglass hourglass;
        const std::optional<history::HistoryEntry> selected = gameList->currentEntry();
        const int game = selected ? selected->game : -1;
        if (RecordFile::exists(historyPath_) && game >= 0) {
            RecordFile file(historyPath_, kGameRecordSize, RecordFile::Mode::Read);
            const int recorded = DecodeGameRecord(file.read(game + 1)).GameNumber;
            // A damaged slot number would send the replay past the file.
            replayed = recorded >= 0 && recorded < kHistorySlots ? recorded : game;
        }
    }
    if (openReplay_) openReplay_(replayed);
}

void HistoryWindow::fitTexts() {
    if (gameList == nullptr) return;
    const QFont font = painter_.boldFont(fonts::kTimes, kTextUnits);
    header->setFont(font);
    gameList->setFont(font);
    // Whole lines only: twenty of them fill the list.
    gameList->setLineHeight(FitWholeRows(*gameList, kVisibleLines));
}

void ShowGamesHistory(const DialogContext& context, const PayoffTables& payoffs, QWidget* parent,
                      const QString& historyPath) {
    std::optional<Hourglass> hourglass(std::in_place);
    HistoryWindow* form = nullptr;
    const auto openReplay = [&context, &payoffs, historyPath, &form](int gameNumber) {
        ReplayWindow replay(context, payoffs, historyPath, gameNumber, form);
        replay.exec();
    };
    HistoryWindow history(context, historyPath, openReplay, parent);
    form = &history;
    hourglass.reset();
    history.exec();
}
