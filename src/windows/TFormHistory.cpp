#include "windows/TFormHistory.h"

#include <QLabel>
#include <optional>

#include "core/records/RecordFile.h"
#include "game/SoundPlayer.h"
#include "ui/ButtonLook.h"
#include "ui/DialogFrame.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "ui/PressButton.h"
#include "ui/WhatsThis.h"
#include "ui/WholeRows.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"
#include "windows/TFormShowGame.h"
#include "windows/TListBoxComp.h"

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
};
constexpr SortButton kSortButtons[] = {
    {{9, 335, 16, 16}, 105, 156, true},
    {{29, 335, 16, 16}, 107, 155, false},
    {{79, 335, 16, 16}, 109, 158, true},
    {{99, 335, 16, 16}, 111, 157, false},
};

std::size_t indexOf(HistoryOrder order) { return static_cast<std::size_t>(order); }

bool isPressed(const ImageButton& button) { return button.tag() % 2 == 0; }

}  // namespace

TFormHistory::TFormHistory(GameState& state, SoundPlayer& sound, QString historyPath,
                           OpenReplay openReplay, ShowHelp showHelp, QWidget* parent)
    : QDialog(parent),
      state_(state),
      sound_(sound),
      historyPath_(std::move(historyPath)),
      openReplay_(std::move(openReplay)),
      showHelp_(std::move(showHelp)),
      painter_(
          window_style::History, [this] { return height(); }, state.BevelWidth) {
    SetUpGreenDialog(*this, QStringLiteral("Games History"));
    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    FitAndCentre(*this, *scaler_);

    ImageButton* background = place({2, 2, 166, 358}, 0, 0);
    painter_.PaintBevel(*background, BevelStyle::Frame);

    LabelHeader = new QLabel(QStringLiteral("GAME  WINNINGS"), this);
    LabelHeader->setAttribute(Qt::WA_TranslucentBackground);
    LabelHeader->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scaler_->place(LabelHeader, {12, 11, 126, 17});

    ListBox = new TListBoxComp(this);
    QPalette listColours = ListBox->palette();
    listColours.setColor(QPalette::Base, QColor::fromRgb(colours::kFuchsia));
    listColours.setColor(QPalette::Text, QColor::fromRgb(colours::kBlack));
    ListBox->setPalette(listColours);
    scaler_->place(ListBox, {10, 31, 128, 300});
    if (showHelp_) AttachWhatsThis(ListBox, 151, showHelp_);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, [this] { ShowSelectedGame(); });

    ImageUp = makeScrollButton({143, 161, 16, 16}, kScrollUpTag, 152);
    ImageDown = makeScrollButton({143, 185, 16, 16}, kScrollDownTag, 153);
    for (const SortButton& entry : kSortButtons) {
        const auto order = static_cast<HistoryOrder>(&entry - kSortButtons);
        ImageButton* button = place(entry.designRect, entry.tag, entry.helpNumber);
        ImageSort[indexOf(order)] = button;
        connect(button, &ImageButton::mousePressed, this,
                [this, order](Qt::MouseButton, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers modifiers) {
                    ImageSortMouseDown(order, buttons, modifiers);
                });
    }
    ImageShow = makePushButton({11, 363, 65, 35}, QStringLiteral("SHOW"), 154,
                               [this] { ShowSelectedGame(); });
    ImageCancel =
        makePushButton({95, 363, 65, 35}, QStringLiteral("CANCEL"), 162, [this] { reject(); });
    applyFonts();
    FormCreate();
}

ImageButton* TFormHistory::place(const QRect& designRect, int tag, int helpNumber) {
    auto* image = new ImageButton(this);
    image->setTag(tag);
    scaler_->place(image, designRect);
    if (showHelp_ && helpNumber > 0) AttachWhatsThis(image, helpNumber, showHelp_);
    return image;
}

// Each step moves the top line by one; the list stops at its ends.
HeldArrow* TFormHistory::makeScrollButton(const QRect& designRect, int tag, int helpNumber) {
    ImageButton* image = place(designRect, tag, helpNumber);
    const int direction = tag == kScrollUpTag ? -1 : 1;
    HeldArrow::Actions actions;
    actions.step = [this, direction](HeldArrow::Phase) {
        ListBox->setTopIndex(ListBox->topIndex() + direction);
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    return new HeldArrow(*image, painter_, {direction < 0, kGlyphUnits, 1}, actions);
}

PressButton* TFormHistory::makePushButton(const QRect& designRect, const QString& caption,
                                          int helpNumber, std::function<void()> action) {
    ImageButton* image = place(designRect, 0, helpNumber);
    return new PressButton(
        *image, painter_, {caption, QStringLiteral("Arial"), 13, 9}, [this] { click(); },
        std::move(action));
}

void TFormHistory::FormCreate() {
    if (RecordFile::exists(historyPath_)) {
        const HistoryContents contents = ReadHistoryContents(historyPath_);
        ListBox->setLines(history::HistoryLines(contents.games));
        const int top = history::OpeningTopLine(contents.lastGame());
        ListBox->setTopIndex(top);
        ListBox->setCurrentRow(top);
    }
    for (const SortButton& entry : kSortButtons) {
        const auto order = static_cast<HistoryOrder>(&entry - kSortButtons);
        paintSortButton(order, order == HistoryOrder::GameAscending);
    }
    ImageButton& gameAscending = *ImageSort[indexOf(HistoryOrder::GameAscending)];
    gameAscending.setTag(gameAscending.tag() + 1);
    gameAscending.setEnabled(false);
}

void TFormHistory::paintSortButton(HistoryOrder order, bool pressed) {
    PaintButtonLook(painter_, *ImageSort[indexOf(order)],
                    ButtonLook::arrow(kSortButtons[indexOf(order)].up, kGlyphUnits, 1), pressed);
}

void TFormHistory::ImageSortMouseDown(HistoryOrder order, Qt::MouseButtons buttons,
                                      Qt::KeyboardModifiers modifiers) {
    ImageButton& pressed = *ImageSort[indexOf(order)];
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier || isPressed(pressed)) return;
    paintSortButton(order, true);
    Hourglass hourglass;
    for (std::size_t other = 0; other < ImageSort.size(); ++other) {
        ImageButton& button = *ImageSort[other];
        if (&button == &pressed || !isPressed(button)) continue;
        paintSortButton(static_cast<HistoryOrder>(other), false);
        button.setTag(button.tag() - 1);
        button.setEnabled(true);
    }
    pressed.setTag(pressed.tag() + 1);
    pressed.setEnabled(false);
    click();
    ListBox->setOnCompare(order == HistoryOrder::GameAscending ? std::nullopt
                                                               : std::optional(order));
    ListBox->setCurrentRow(0);
}

void TFormHistory::ShowSelectedGame() {
    {
        Hourglass hourglass;
        const QListWidgetItem* selected = ListBox->currentItem();
        const int game = history::GameOfLine(selected ? selected->text() : QString());
        if (RecordFile::exists(historyPath_) && game >= 0) {
            RecordFile file(historyPath_, kGameRecordSize, RecordFile::Mode::Read);
            const int recorded = decodeGameRecord(file.read(game + 1)).GameNumber;
            // A damaged slot number would send the replay past the file.
            state_.ReplayGameNumber = recorded >= 0 && recorded < kHistorySlots ? recorded : game;
        }
    }
    if (openReplay_) openReplay_();
}

void TFormHistory::applyFonts() {
    const QFont font = painter_.boldFont(QStringLiteral("Times New Roman"), kTextUnits);
    LabelHeader->setFont(font);
    ListBox->setFont(font);
    // Whole lines only: twenty of them fill the list.
    ListBox->setLineHeight(FitWholeRows(*ListBox, kVisibleLines));
}

void TFormHistory::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (ListBox != nullptr) applyFonts();
}

void TFormHistory::click() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

void ShowGamesHistory(GameState& state, SoundPlayer& sound, QWidget* parent,
                      TFormHistory::ShowHelp showHelp, const QString& historyPath) {
    std::optional<Hourglass> hourglass(std::in_place);
    TFormHistory* form = nullptr;
    const auto openReplay = [&state, &sound, historyPath, &form] {
        TFormShowGame replay(state, sound, historyPath, form);
        replay.exec();
    };
    TFormHistory history(state, sound, historyPath, openReplay, std::move(showHelp), parent);
    form = &history;
    hourglass.reset();
    history.exec();
}
