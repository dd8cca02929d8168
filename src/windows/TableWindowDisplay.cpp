// The main window's display operations: what the table logic asks it to show.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/Evaluation.h"
#include "ui/Glyphs.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "windows/AggregateNotice.h"
#include "windows/TableLayout.h"
#include "windows/TableSpeech.h"
#include "windows/TableWindow.h"

namespace {

const QColor kGreen = QColor::fromRgb(colours::kGreen);
const QColor kFuchsia = QColor::fromRgb(colours::kFuchsia);
const QColor kSilver = QColor::fromRgb(colours::kSilver);
const QColor kBlack = QColor::fromRgb(colours::kBlack);

constexpr int kStatusUnits = 13;
constexpr int kCentreUnits = 15;
constexpr int kCaptionUnits = 11;
constexpr int kValueUnits = 13;
constexpr int kButtonUnits = 17;
constexpr int kButtonOffset = 4;
constexpr int kCellUnits = 23;
constexpr int kCellOffset = 3;
constexpr int kSpecialUnits = 80;
// The status box that shows the game number, a new one every game.
constexpr std::size_t kGameNumberBox = 3;

}  // namespace

void TableWindow::paintInitialLook() {
    for (PictureControl* box : parts_.roundedBoxes) painter_.paintRoundedBox(*box, kGreen);
    for (PictureControl* frame : parts_.frames) painter_.paintBevel(*frame, BevelStyle::Frame);
    for (PictureControl* cell : parts_.cells) painter_.setCaptionFont(*cell, kCellUnits);
    for (const table_layout::Button& entry : table_layout::Buttons())
        paintButton(entry.which, false);
    for (HeldArrow* arrow : arrows_) arrow->paint(false);
    for (PictureControl* status : parts_.status) {
        painter_.fill(*status, kFuchsia);
        painter_.setCaptionFont(*status, kStatusUnits);
    }
    painter_.fill(*parts_.centre, kGreen);
    painter_.setCaptionFont(*parts_.centre, kCentreUnits);
    for (const auto& [caption, text] : parts_.captions) {
        painter_.fill(*caption, kGreen);
        painter_.setCaptionFont(*caption, kCaptionUnits);
        painter_.paintCaption(*caption, kBlack, text, fonts::kTimes, CaptionAlignment::Centre, 0);
    }
    for (PictureControl* value : parts_.values) {
        painter_.fill(*value, kGreen);
        painter_.setCaptionFont(*value, kValueUnits);
    }
    painter_.fill(*parts_.special, kGreen);
    painter_.setCaptionFont(*parts_.special, kSpecialUnits);
}

PictureControl* TableWindow::control(const QString& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

PictureControl* TableWindow::cell(int n) const { return parts_.cell(n); }

PictureControl* TableWindow::button(TableButton which) const { return parts_.button(which); }

HeldArrow* TableWindow::arrow(int releasedTag) const {
    const auto& entries = table_layout::Arrows();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].releasedTag == releasedTag) return arrows_[i];
    return nullptr;
}

QWidget* TableWindow::panel(bool top) const { return top ? panelTop_ : panelBottom_; }

void TableWindow::paintCell(int number, CellLook look, Rgb checkColour) {
    PictureControl* target = cell(number);
    if (!target) return;
    // A run of games paints the same few looks of every number over and over.
    const CellPicture key{number, look, checkColour.r << 16 | checkColour.g << 8 | checkColour.b,
                          client_->height(), painter_.bevelWidth()};
    cellPictures_.show(*target, key, [&] {
        const bool raised = look == CellLook::Marked || look == CellLook::Caught;
        const bool red = look == CellLook::Caught || look == CellLook::NotCaught;
        const BevelStyle raisedStyle = red ? BevelStyle::AccentRaised : BevelStyle::Raised;
        const BevelStyle sunkenStyle = red ? BevelStyle::AccentSunken : BevelStyle::Sunken;
        painter_.paintBevel(*target, raised ? raisedStyle : sunkenStyle);
        painter_.paintCaption(*target, raised ? kBlack : kSilver, QString::number(number),
                              fonts::kTimes, CaptionAlignment::Centre, kCellOffset);
        if (look == CellLook::Unmarked || look == CellLook::NotCaught) return;
        const QColor glyphColour = look == CellLook::Pressed ? kSilver : ToQColor(checkColour);
        painter_.paintCaption(*target, glyphColour, QString(QChar(glyphs::kCheck)),
                              glyphs::kSymbolFont, CaptionAlignment::CheckGlyph, kCellOffset);
    });
    speech_->cellPainted(number, look);
}

void TableWindow::showBall(const CalledBall& ball) {
    paintCell(ball.number, ball.caught ? CellLook::Caught : CellLook::NotCaught, ball.colour);
    speech_->ballCalled(ball);
}

void TableWindow::paintButton(TableButton which, bool pressed) {
    PictureControl* target = button(which);
    if (!target) return;
    painter_.setCaptionFont(*target, kButtonUnits);
    painter_.paintBevel(*target, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    QString caption;
    for (const table_layout::Button& entry : table_layout::Buttons())
        if (entry.which == which) caption = entry.caption;
    painter_.paintCaption(*target, pressed ? kSilver : kBlack, caption, fonts::kTimes,
                          CaptionAlignment::Centre, kButtonOffset);
}

void TableWindow::showStatus(const GameStatus& status) {
    const QColor colour = ToQColor(StatusColour(status));
    const QString texts[] = {QStringLiteral("GAME"), StatusWord(status), QStringLiteral("GAME"),
                             GameNumberText(status.gameNumber)};
    for (std::size_t i = 0; i < parts_.status.size(); ++i) {
        PictureControl& box = *parts_.status[i];
        const auto paint = [&] {
            painter_.fill(box, kFuchsia);
            painter_.paintCaption(box, colour, texts[i], fonts::kTimes, CaptionAlignment::Centre,
                                  0);
        };
        if (i == kGameNumberBox) {
            paint();
            continue;
        }
        const StatusPicture key{i, texts[i], colour.rgb(), client_->height()};
        statusPictures_.show(box, key, paint);
    }
    speech_->statusShown(status);
}

void TableWindow::paintCentre(const QString& text) {
    PictureControl& centre = *parts_.centre;
    painter_.fill(centre, kGreen);
    painter_.paintCaption(centre, kBlack, text, fonts::kTimes, CaptionAlignment::Centre, 0);
}

void TableWindow::showCentreMessage(const QString& text) {
    paintCentre(text);
    speech_->centreMessageShown(text);
}

void TableWindow::showResult(Money gameWin) {
    // A run shows the same few results over and over: BUST and the ticket's wins.
    const QString text = ResultText(gameWin);
    PictureControl& centre = *parts_.centre;
    const ResultPicture key{text, client_->height()};
    resultPictures_.show(centre, key, [&] { paintCentre(text); });
    speech_->resultShown(gameWin);
}

void TableWindow::paintValue(ValueField field, const QString& text) {
    PictureControl& value = *parts_.value(field);
    painter_.fill(value, kGreen);
    painter_.paintCaption(value, kBlack, text, fonts::kTimes, CaptionAlignment::Centre, 0);
}

void TableWindow::showValue(ValueField field, const QString& text) {
    paintValue(field, text);
    speech_->valueShown(field, text);
}

void TableWindow::showSpots(int spots) {
    paintValue(ValueField::Spot, bet::SpotText(spots));
    speech_->spotsShown(spots);
}

void TableWindow::showBalance(Money balance) {
    menu_.balance->setTitle(BalanceCaption(balance));
    // An open menu is read by its name, which its title does not give.
    menu_.balance->setAccessibleName(TableSpeech::balanceSaid(balance));
    speech_->balanceShown(balance);
}

void TableWindow::setMenuItem(MenuItem item, bool enabled, bool checked) {
    QAction* target = menu_.item(item);
    target->setEnabled(enabled);
    if (target->isCheckable()) target->setChecked(checked);
}

void TableWindow::setButtonVisible(TableButton which, bool visible) {
    if (PictureControl* target = button(which)) target->setVisible(visible);
}

void TableWindow::setBetArrowsVisible(bool visible) {
    const auto& layout = table_layout::Arrows();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].betArrow) parts_.arrows[i]->setVisible(visible);
}

void TableWindow::setQuickPickArrowsVisible(bool visible) {
    const auto& layout = table_layout::Arrows();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (!layout[i].betArrow) parts_.arrows[i]->setVisible(visible);
}

void TableWindow::setSpotVisible(bool visible) {
    parts_.value(ValueField::Spot)->setVisible(visible);
}

void TableWindow::showKindCode(const QString& kindCode) {
    PictureControl& special = *parts_.special;
    painter_.fill(special, kGreen);
    painter_.paintCaption(special, kBlack, kindCode, fonts::kTimes, CaptionAlignment::KindCode, 0);
    speech_->kindCodeShown(kindCode);
    special.show();
}

void TableWindow::showWaySummary(const QString& summary) {
    PictureControl& special = *parts_.special;
    painter_.paintCaption(special, kBlack, summary, fonts::kTimes, CaptionAlignment::WaySummary, 0);
    speech_->waySummaryShown(summary);
    special.show();
}

void TableWindow::clearSpecialBox() {
    PictureControl& special = *parts_.special;
    painter_.fill(special, kGreen);
    special.hide();
}

void TableWindow::showAggregateNotice() { ShowAggregateAlert(state_, sound_, this); }

void TableWindow::setBoardEnabled(bool enabled) {
    panelTop_->setEnabled(enabled);
    panelBottom_->setEnabled(enabled);
}

// Paints what changed since the last update, now, like the desktop's own
// update of a window: only the dirty controls, not the whole table.
void TableWindow::updateWindow() {
    // A control just shown asks for its first paint with an UpdateLater of its
    // own; deliver those first, or a button shown by this step would still be
    // missing when a blocking sound starts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}
