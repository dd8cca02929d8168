#include "windows/TFormSaveLoad.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/state/GameState.h"
#include "core/tickets/TicketFile.h"
#include "game/SoundPlayer.h"
#include "ui/ButtonLook.h"
#include "ui/DesignUnits.h"
#include "ui/DialogFrame.h"
#include "ui/Glyphs.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "ui/PressButton.h"
#include "ui/WhatsThis.h"
#include "ui/WholeRows.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

namespace {

constexpr int kUpTag = 101;
constexpr int kDownTag = 103;
constexpr int kOkTag = 105;
constexpr int kCancelTag = 107;
constexpr int kDeleteTag = 109;
constexpr int kVisibleLines = 6;  // 15 design units each
constexpr int kTextUnits = 12;

void setFuchsia(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(colours::kFuchsia));
    palette.setColor(QPalette::Window, QColor::fromRgb(colours::kFuchsia));
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

bool askYesNo(QWidget* parent, const QString& question, QPoint at) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velloro"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.move(at);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

TFormSaveLoad::TFormSaveLoad(Mode mode, GameState& state, SoundPlayer& sound, QString ticketsPath,
                             ShowHelp showHelp, QWidget* parent)
    : QDialog(parent),
      mode_(mode),
      state_(state),
      sound_(sound),
      ticketsPath_(std::move(ticketsPath)),
      showHelp_(std::move(showHelp)),
      confirm_(askYesNo),
      dialogMode_(modeWord()),
      painter_(
          window_style::SaveLoad, [this] { return height(); }, state.BevelWidth) {
    setObjectName(QStringLiteral("TFormSaveLoad"));
    SetUpGreenDialog(*this, modeWord() + QStringLiteral(" YOUR FAVORITE TICKET"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    setFont(font);

    scaler_ = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    ImageTop = place("ImageTop", {2, 2, 296, 32}, 0, 0);
    ImageBottom = place("ImageBottom", {2, 36, 296, 110}, 0, 0);
    ImageUp = place("ImageUp", {274, 74, 16, 16}, kUpTag, 105);
    ImageDown = place("ImageDown", {274, 94, 16, 16}, kDownTag, 106);
    ImageOK = place("ImageOK", {6, 150, 92, 35}, kOkTag, 107);
    ImageCancel = place("ImageCancel", {104, 150, 92, 35}, kCancelTag, 163);
    ImageDelete = place("ImageDelete", {202, 150, 92, 35}, kDeleteTag, 71);

    LabelName = new QLabel(QStringLiteral("Ticket Name: "), this);
    LabelName->setObjectName(QStringLiteral("LabelName"));
    LabelName->setAttribute(Qt::WA_TranslucentBackground);
    scaler_->place(LabelName, {8, 10, 92, 16});

    EditName = new QLineEdit(this);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setFrame(false);
    EditName->setMaxLength(256);
    setFuchsia(EditName);
    EditName->installEventFilter(this);
    scaler_->place(EditName, {100, 10, 189, 16});
    connect(EditName, &QLineEdit::textChanged, this, &TFormSaveLoad::EditNameChange);

    ListNames = new QListWidget(this);
    ListNames->setObjectName(QStringLiteral("ListNames"));
    ListNames->setFrameShape(QFrame::NoFrame);
    ListNames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListNames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListNames->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    ListNames->setUniformItemSizes(true);
    setFuchsia(ListNames);
    ListNames->viewport()->installEventFilter(this);
    scaler_->place(ListNames, {10, 44, 262, 90});
    connect(ListNames, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier)
            ListNamesClick(ListNames->row(item));
    });

    if (showHelp_) {
        AttachWhatsThis(EditName, 103, showHelp_);
        AttachWhatsThis(ListNames, 104, showHelp_);
    }

    FitAndCentre(*this, *scaler_);
    FormCreate();
    EditName->setFocus();
}

QString TFormSaveLoad::modeWord() const {
    return mode_ == Mode::Save ? QStringLiteral("SAVE") : QStringLiteral("RESTORE");
}

ImageButton* TFormSaveLoad::place(const char* name, const QRect& designRect, int tag,
                                  int helpNumber) {
    auto* image = new ImageButton(this);
    image->setObjectName(QLatin1String(name));
    image->setTag(tag);
    scaler_->place(image, designRect);
    if (showHelp_ && helpNumber > 0) AttachWhatsThis(image, helpNumber, showHelp_);
    return image;
}

// A scroll button moves the list's top line by one on its press and while held.
HeldArrow* TFormSaveLoad::scrollArrow(ImageButton& image, bool up) {
    HeldArrow::Actions actions;
    actions.step = [this, up](HeldArrow::Phase) {
        QScrollBar* bar = ListNames->verticalScrollBar();
        bar->setValue(bar->value() + (up ? -1 : 1));
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    return new HeldArrow(image, painter_, {up, 13, 1}, actions);
}

void TFormSaveLoad::FormCreate() {
    loadNames();
    if (mode_ == Mode::Restore && !TicketFile(ticketsPath_).exists()) EditName->setEnabled(false);
    painter_.PaintBevel(*ImageTop, BevelStyle::Frame);
    painter_.PaintBevel(*ImageBottom, BevelStyle::Frame);
    const auto pushButton = [this](ImageButton& image, const QString& caption,
                                   std::function<void()> action) {
        new PressButton(
            image, painter_, {caption, QStringLiteral("Arial"), 13, 9}, [this] { click(); },
            std::move(action));
    };
    pushButton(*ImageOK, modeWord(), [this] {
        if (mode_ == Mode::Save)
            SaveRecord();
        else
            RestoreRecord();
    });
    pushButton(*ImageCancel, QStringLiteral("CANCEL"), [this] { reject(); });
    pushButton(*ImageDelete, QStringLiteral("DELETE"), [this] { DeleteRecord(); });
    ArrowUp = scrollArrow(*ImageUp, true);
    ArrowDown = scrollArrow(*ImageDown, false);
    ImageOK->hide();
    ImageDelete->hide();
    applyFonts();
}

void TFormSaveLoad::loadNames() {
    ListNames->clear();
    ListNames->addItems(AlphabeticalNames(TicketFile(ticketsPath_).names()));
}

void TFormSaveLoad::applyFonts() {
    QFont font = this->font();
    font.setPixelSize(qMax(1, design::toPixels(height(), kTextUnits, kDesignHeight)));
    LabelName->setFont(font);
    EditName->setFont(font);
    ListNames->setFont(font);
    const int line = FitWholeRows(*ListNames, kVisibleLines);
    for (int row = 0; row < ListNames->count(); ++row)
        ListNames->item(row)->setSizeHint(QSize(0, line));
}

void TFormSaveLoad::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (ListNames != nullptr) applyFonts();
}

void TFormSaveLoad::click() { PlayGameSound(sound_, state_.SoundsOn, {sounds::Cue::Click}); }

int TFormSaveLoad::topLine() const { return ListNames->verticalScrollBar()->value(); }

void TFormSaveLoad::EditNameChange() {
    ImageDelete->hide();
    const QString text = EditName->text();
    if (mode_ == Mode::Restore) {
        // Letter case counts: only a stored name restores or deletes.
        const bool stored =
            !ListNames->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty() &&
            !text.isEmpty();
        ImageOK->setVisible(stored);
        ImageDelete->setVisible(stored);
    } else {
        ImageOK->setVisible(!text.isEmpty());
    }
    ListNames->clearSelection();
    ListNames->setCurrentRow(-1);
}

void TFormSaveLoad::ListNamesClick(int row) {
    QListWidgetItem* item = ListNames->item(row);
    if (item == nullptr) return;
    EditName->setText(item->text());
    click();
    EditName->setFocus();
    ImageOK->show();
    ImageDelete->show();
}

void TFormSaveLoad::ListNamesDblClick() {
    if (mode_ == Mode::Restore) RestoreRecord();
}

void TFormSaveLoad::EditNameDblClick() {
    if (!ImageOK->isVisible()) return;
    if (mode_ == Mode::Save)
        SaveRecord();
    else
        RestoreRecord();
}

void TFormSaveLoad::SaveRecord() {
    TicketFile(ticketsPath_).save(savedTicketFromState(state_, EditName->text()));
    accept();
}

void TFormSaveLoad::RestoreRecord() {
    // A damaged record throws before anything of the game state changes.
    const std::optional<SavedTicket> ticket = TicketFile(ticketsPath_).restore(EditName->text());
    if (!ticket) return;
    dialogMode_ = QStringLiteral("DoIt");
    EditName->setText(ticket->TicketName);
    restoreTicketToState(*ticket, state_);
    accept();
}

void TFormSaveLoad::DeleteRecord() {
    const QString name = EditName->text();
    click();
    const QString question = QStringLiteral("Are you sure you want to delete '%1'?").arg(name);
    if (!confirm_(this, question, pos() + QPoint(11, 71))) return;
    const TicketFile::Deleted deleted = TicketFile(ticketsPath_).remove(name);
    if (deleted == TicketFile::Deleted::NotFound) return;
    ImageDelete->hide();
    ImageOK->hide();
    EditName->clear();
    ListNames->clear();
    repaint();
    if (deleted == TicketFile::Deleted::FileRemoved) {
        if (mode_ == Mode::Restore) EditName->setEnabled(false);
        return;
    }
    loadNames();
    applyFonts();
}

bool TFormSaveLoad::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == EditName) EditNameDblClick();
            if (watched == ListNames->viewport() && ListNames->itemAt(mouse->position().toPoint()))
                ListNamesDblClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}
