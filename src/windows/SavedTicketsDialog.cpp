#include "windows/SavedTicketsDialog.h"

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
#include "ui/ButtonLook.h"
#include "ui/HeldArrow.h"
#include "ui/ListKeys.h"
#include "ui/PictureControl.h"
#include "ui/PressButton.h"
#include "ui/WholeRows.h"
#include "ui/WindowScaler.h"

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

QString modeWord(SavedTicketsDialog::Mode mode) {
    return mode == SavedTicketsDialog::Mode::Save ? QStringLiteral("SAVE")
                                                  : QStringLiteral("RESTORE");
}

bool askYesNo(QWidget* parent, const QString& question, QPoint at) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velloro"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.move(at);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

SavedTicketsDialog::SavedTicketsDialog(Mode mode, const DialogContext& context, GameState& state,
                                       QString ticketsPath, QWidget* parent)
    : GameDialog(context, window_style::SavedTickets, {kDesignWidth, kDesignHeight},
                 modeWord(mode) + QStringLiteral(" YOUR FAVORITE TICKET"), parent),
      mode_(mode),
      state_(state),
      ticketsPath_(std::move(ticketsPath)),
      confirm_(askYesNo) {
    setObjectName(QStringLiteral("SavedTicketsDialog"));
    QFont font(fonts::kTimes);
    font.setBold(true);
    setFont(font);

    topFrame_ = place("ImageTop", {2, 2, 296, 32}, 0, 0);
    bottomFrame_ = place("ImageBottom", {2, 36, 296, 110}, 0, 0);
    upButton = place("ImageUp", {274, 74, 16, 16}, kUpTag, 105);
    downButton = place("ImageDown", {274, 94, 16, 16}, kDownTag, 106);
    okButton = place("ImageOK", {6, 150, 92, 35}, kOkTag, 107);
    cancelButton = place("ImageCancel", {104, 150, 92, 35}, kCancelTag, 163);
    deleteButton = place("ImageDelete", {202, 150, 92, 35}, kDeleteTag, 71);

    nameLabel_ = new QLabel(QStringLiteral("Ticket Name: "), this);
    nameLabel_->setObjectName(QStringLiteral("LabelName"));
    nameLabel_->setAttribute(Qt::WA_TranslucentBackground);
    scaler_->place(nameLabel_, {8, 10, 92, 16});

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("EditName"));
    nameEdit->setFrame(false);
    nameEdit->setMaxLength(256);
    setFuchsia(nameEdit);
    nameEdit->installEventFilter(this);
    scaler_->place(nameEdit, {100, 10, 189, 16});
    connect(nameEdit, &QLineEdit::textChanged, this, &SavedTicketsDialog::onNameEdited);
    connect(nameEdit, &QLineEdit::returnPressed, this, &SavedTicketsDialog::onNameConfirmed);

    nameList = new QListWidget(this);
    nameList->setObjectName(QStringLiteral("ListNames"));
    nameList->setFrameShape(QFrame::NoFrame);
    nameList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameList->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    nameList->setUniformItemSizes(true);
    setFuchsia(nameList);
    nameList->viewport()->installEventFilter(this);
    AttachListKeys(
        nameList, [this](int row) { onNameClicked(row); }, [this] { onNameDoubleClicked(); });
    scaler_->place(nameList, {10, 44, 262, 90});
    connect(nameList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier)
            onNameClicked(nameList->row(item));
    });

    attachHelp(nameEdit, 103);
    attachHelp(nameList, 104);

    showNamesAndButtons();
    setMainControl(nameEdit);
}

PictureControl* SavedTicketsDialog::place(const char* name, const QRect& designRect, int tag,
                                          int helpNumber) {
    PictureControl* image = placeImage(designRect, tag, helpNumber);
    image->setObjectName(QLatin1String(name));
    return image;
}

// A scroll button moves the list's top line by one on its press and while held.
HeldArrow* SavedTicketsDialog::scrollArrow(PictureControl& image, bool up) {
    HeldArrow::Actions actions;
    actions.step = [this, up](HeldArrow::Phase) {
        QScrollBar* bar = nameList->verticalScrollBar();
        bar->setValue(bar->value() + (up ? -1 : 1));
        return ArrowStep::stepped();
    };
    actions.click = [this] { click(); };
    return new HeldArrow(image, painter_, {up, 13, 1}, actions);
}

void SavedTicketsDialog::showNamesAndButtons() {
    loadNames();
    if (mode_ == Mode::Restore && !TicketFile(ticketsPath_).exists()) nameEdit->setEnabled(false);
    painter_.paintBevel(*topFrame_, BevelStyle::Frame);
    painter_.paintBevel(*bottomFrame_, BevelStyle::Frame);
    const auto pushButton = [this](PictureControl& image, const QString& caption,
                                   std::function<void()> action) {
        new PressButton(
            image, painter_, ButtonLook::push(caption), [this] { click(); }, std::move(action));
    };
    pushButton(*okButton, modeWord(mode_), [this] {
        if (mode_ == Mode::Save)
            saveTicket();
        else
            restoreTicket();
    });
    pushButton(*cancelButton, QStringLiteral("CANCEL"), [this] { reject(); });
    pushButton(*deleteButton, QStringLiteral("DELETE"), [this] { deleteTicket(); });
    scrollUp = scrollArrow(*upButton, true);
    scrollDown = scrollArrow(*downButton, false);
    upButton->setSpoken(PictureControl::Spoken::button(QStringLiteral("Scroll Up")));
    downButton->setSpoken(PictureControl::Spoken::button(QStringLiteral("Scroll Down")));
    okButton->hide();
    deleteButton->hide();
    fitTexts();
}

void SavedTicketsDialog::loadNames() {
    nameList->clear();
    nameList->addItems(AlphabeticalNames(TicketFile(ticketsPath_).names()));
}

void SavedTicketsDialog::fitTexts() {
    if (nameList == nullptr) return;
    QFont font = this->font();
    font.setPixelSize(qMax(1, painter_.units(kTextUnits)));
    nameLabel_->setFont(font);
    nameEdit->setFont(font);
    nameList->setFont(font);
    const int line = FitWholeRows(*nameList, kVisibleLines);
    for (int row = 0; row < nameList->count(); ++row)
        nameList->item(row)->setSizeHint(QSize(0, line));
}

int SavedTicketsDialog::topLine() const { return nameList->verticalScrollBar()->value(); }

void SavedTicketsDialog::onNameEdited() {
    deleteButton->hide();
    const QString text = nameEdit->text();
    if (mode_ == Mode::Restore) {
        // Letter case counts: only a stored name restores or deletes.
        const bool stored =
            !nameList->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty() &&
            !text.isEmpty();
        okButton->setVisible(stored);
        deleteButton->setVisible(stored);
    } else {
        okButton->setVisible(!text.isEmpty());
    }
    nameList->clearSelection();
    nameList->setCurrentRow(-1);
}

void SavedTicketsDialog::onNameClicked(int row) {
    QListWidgetItem* item = nameList->item(row);
    if (item == nullptr) return;
    nameEdit->setText(item->text());
    click();
    nameEdit->setFocus();
    okButton->show();
    deleteButton->show();
}

void SavedTicketsDialog::onNameDoubleClicked() {
    if (mode_ == Mode::Restore) restoreTicket();
}

void SavedTicketsDialog::onNameConfirmed() {
    if (okButton->isHidden()) return;
    if (mode_ == Mode::Save)
        saveTicket();
    else
        restoreTicket();
}

void SavedTicketsDialog::saveTicket() {
    TicketFile(ticketsPath_).save(SavedTicketFromState(state_, nameEdit->text()));
    accept();
}

void SavedTicketsDialog::restoreTicket() {
    // A damaged record throws before anything of the game state changes.
    const std::optional<SavedTicket> ticket = TicketFile(ticketsPath_).restore(nameEdit->text());
    if (!ticket) return;
    outcome_ = Outcome::Restored;
    nameEdit->setText(ticket->TicketName);
    RestoreTicketToState(*ticket, state_);
    accept();
}

void SavedTicketsDialog::deleteTicket() {
    const QString name = nameEdit->text();
    click();
    const QString question = QStringLiteral("Are you sure you want to delete '%1'?").arg(name);
    if (!confirm_(this, question, pos() + QPoint(11, 71))) return;
    const TicketFile::Deleted deleted = TicketFile(ticketsPath_).remove(name);
    if (deleted == TicketFile::Deleted::NotFound) return;
    deleteButton->hide();
    okButton->hide();
    nameEdit->clear();
    nameList->clear();
    repaint();
    if (deleted == TicketFile::Deleted::FileRemoved) {
        if (mode_ == Mode::Restore) nameEdit->setEnabled(false);
        return;
    }
    loadNames();
    fitTexts();
}

bool SavedTicketsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == nameEdit) onNameConfirmed();
            if (watched == nameList->viewport() && nameList->itemAt(mouse->position().toPoint()))
                onNameDoubleClicked();
        }
    }
    return QDialog::eventFilter(watched, event);
}
