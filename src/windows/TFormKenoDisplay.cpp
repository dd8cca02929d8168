// The main window's display operations: what the table logic asks it to show.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "core/state/GameState.h"
#include "ui/Glyphs.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "windows/KenoLayout.h"
#include "windows/TFormKeno.h"

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
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

}  // namespace

void TFormKeno::paintInitialLook() {
    for (ImageButton* box : parts_.roundedBoxes) painter_.PaintRoundedBox(*box, kGreen);
    for (ImageButton* frame : parts_.frames) painter_.PaintBevel(*frame, BevelStyle::Frame);
    for (ImageButton* cell : parts_.cells) painter_.SetCaptionFont(*cell, kCellUnits);
    for (const keno_layout::Button& entry : keno_layout::buttons())
        paintButton(static_cast<TableButton>(entry.tag), false);
    for (HeldArrow* arrow : arrows_) arrow->paint(false);
    for (ImageButton* status : parts_.status) {
        painter_.Fill(*status, kFuchsia);
        painter_.SetCaptionFont(*status, kStatusUnits);
    }
    painter_.Fill(*parts_.centre, kGreen);
    painter_.SetCaptionFont(*parts_.centre, kCentreUnits);
    for (const auto& [caption, text] : parts_.captions) {
        painter_.Fill(*caption, kGreen);
        painter_.SetCaptionFont(*caption, kCaptionUnits);
        painter_.PaintCaption(*caption, kBlack, text, kTimes, CaptionAlignment::Centre, 0);
    }
    for (ImageButton* value : parts_.values) {
        painter_.Fill(*value, kGreen);
        painter_.SetCaptionFont(*value, kValueUnits);
    }
    painter_.Fill(*parts_.special, kGreen);
    painter_.SetCaptionFont(*parts_.special, kSpecialUnits);
}

ImageButton* TFormKeno::control(const QString& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

ImageButton* TFormKeno::cell(int n) const { return parts_.cell(n); }

ImageButton* TFormKeno::button(TableButton which) const { return parts_.button(which); }

HeldArrow* TFormKeno::arrow(int releasedTag) const {
    const auto& entries = keno_layout::arrows();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].releasedTag == releasedTag) return arrows_[i];
    return nullptr;
}

QWidget* TFormKeno::panel(bool top) const { return top ? panelTop_ : panelBottom_; }

void TFormKeno::paintCell(int number, CellLook look, Rgb checkColour) {
    ImageButton* target = cell(number);
    if (!target) return;
    const bool raised = look == CellLook::Marked || look == CellLook::Caught;
    const bool red = look == CellLook::Caught || look == CellLook::NotCaught;
    const BevelStyle raisedStyle = red ? BevelStyle::AccentRaised : BevelStyle::Raised;
    const BevelStyle sunkenStyle = red ? BevelStyle::AccentSunken : BevelStyle::Sunken;
    painter_.PaintBevel(*target, raised ? raisedStyle : sunkenStyle);
    painter_.PaintCaption(*target, raised ? kBlack : kSilver, QString::number(number), kTimes,
                          CaptionAlignment::Centre, kCellOffset);
    if (look == CellLook::Unmarked || look == CellLook::NotCaught) return;
    const QColor glyphColour = look == CellLook::Pressed ? kSilver : toQColor(checkColour);
    painter_.PaintCaption(*target, glyphColour, QString(QChar(glyphs::kCheck)), glyphs::kSymbolFont,
                          CaptionAlignment::CheckGlyph, kCellOffset);
}

void TFormKeno::paintButton(TableButton which, bool pressed) {
    ImageButton* target = button(which);
    if (!target) return;
    painter_.SetCaptionFont(*target, kButtonUnits);
    painter_.PaintBevel(*target, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    QString caption;
    for (const keno_layout::Button& entry : keno_layout::buttons())
        if (entry.tag == static_cast<int>(which)) caption = entry.caption;
    painter_.PaintCaption(*target, pressed ? kSilver : kBlack, caption, kTimes,
                          CaptionAlignment::Centre, kButtonOffset);
}

void TFormKeno::showStatus(const QString& word, Rgb colour, const QString& gameNumber) {
    const QString texts[] = {QStringLiteral("GAME"), word, QStringLiteral("GAME"), gameNumber};
    for (std::size_t i = 0; i < parts_.status.size(); ++i) {
        painter_.Fill(*parts_.status[i], kFuchsia);
        painter_.PaintCaption(*parts_.status[i], toQColor(colour), texts[i], kTimes,
                              CaptionAlignment::Centre, 0);
    }
}

void TFormKeno::showCentreMessage(const QString& text) {
    ImageButton& centre = *parts_.centre;
    painter_.Fill(centre, kGreen);
    painter_.PaintCaption(centre, kBlack, text, kTimes, CaptionAlignment::Centre, 0);
}

void TFormKeno::showValue(ValueField field, const QString& text) {
    ImageButton& value = *parts_.value(field);
    painter_.Fill(value, kGreen);
    painter_.PaintCaption(value, kBlack, text, kTimes, CaptionAlignment::Centre, 0);
}

void TFormKeno::setBalanceCaption(const QString& caption) { menu_.Balance->setTitle(caption); }

void TFormKeno::setMenuItem(MenuItem item, bool enabled, bool checked) {
    QAction* target = menu_.item(item);
    target->setEnabled(enabled);
    if (target->isCheckable()) target->setChecked(checked);
}

void TFormKeno::setButtonVisible(TableButton which, bool visible) {
    if (ImageButton* target = button(which)) target->setVisible(visible);
}

void TFormKeno::setBetArrowsVisible(bool visible) {
    const auto& layout = keno_layout::arrows();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].betArrow) parts_.arrows[i]->setVisible(visible);
}

void TFormKeno::setQuickPickArrowsVisible(bool visible) {
    const auto& layout = keno_layout::arrows();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (!layout[i].betArrow) parts_.arrows[i]->setVisible(visible);
}

void TFormKeno::setSpotVisible(bool visible) {
    parts_.value(ValueField::Spot)->setVisible(visible);
}

void TFormKeno::showKindCode(const QString& kindCode) {
    ImageButton& special = *parts_.special;
    painter_.Fill(special, kGreen);
    painter_.PaintCaption(special, kBlack, kindCode, kTimes, CaptionAlignment::KindCode, 0);
    special.show();
}

void TFormKeno::showWaySummary(const QString& summary) {
    ImageButton& special = *parts_.special;
    painter_.PaintCaption(special, kBlack, summary, kTimes, CaptionAlignment::WaySummary, 0);
    special.show();
}

void TFormKeno::clearSpecialBox() {
    ImageButton& special = *parts_.special;
    painter_.Fill(special, kGreen);
    special.hide();
}

void TFormKeno::setBoardEnabled(bool enabled) {
    panelTop_->setEnabled(enabled);
    panelBottom_->setEnabled(enabled);
}

// Paints what changed since the last update, now, like the desktop's own
// update of a window: only the dirty controls, not the whole table.
void TFormKeno::updateWindow() {
    // A control just shown asks for its first paint with an UpdateLater of its
    // own; deliver those first, or a button shown by this step would still be
    // missing when a blocking sound starts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}
