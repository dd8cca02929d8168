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

const char* valueFieldName(ValueField field) {
    switch (field) {
        case ValueField::TotalPrice:
            return "ImageTPN";
        case ValueField::NumberOfGames:
            return "ImageNOGN";
        case ValueField::PricePerWay:
            return "ImagePPWN";
        case ValueField::PricePerGame:
            return "ImagePPGN";
        case ValueField::Spot:
            return "ImageSpot";
    }
    return "ImageSpot";
}

}  // namespace

void TFormKeno::paintInitialLook() {
    for (const char* box :
         {"ImageTotal", "ImageGames", "ImagePriceWay", "ImagePriceGame", "ImageSpotWay"})
        painter_.PaintRoundedBox(*control(QLatin1String(box)), kGreen);
    for (const char* frame : {"ImageTop", "ImageStatus", "ImageNumber", "ImageBottom"})
        painter_.PaintBevel(*control(QLatin1String(frame)), BevelStyle::Frame);
    for (int n = 1; n <= 80; ++n) painter_.SetCaptionFont(*cell(n), kCellUnits);
    for (const keno_layout::Button& entry : keno_layout::buttons()) {
        painter_.SetCaptionFont(*control(entry.name), kButtonUnits);
        paintButton(static_cast<TableButton>(entry.tag), false);
    }
    for (HeldArrow* arrow : arrows_) arrow->paint(false);
    for (const char* status : {"ImageGOC", "ImageOC", "ImageGN", "ImageN"}) {
        painter_.Fill(*control(QLatin1String(status)), kFuchsia);
        painter_.SetCaptionFont(*control(QLatin1String(status)), kStatusUnits);
    }
    painter_.Fill(*control(QStringLiteral("ImageCenter")), kGreen);
    painter_.SetCaptionFont(*control(QStringLiteral("ImageCenter")), kCentreUnits);
    const std::pair<const char*, const char*> captions[] = {
        {"ImageTP", "TOTAL PRICE"},      {"ImageNOG", "NUMBER OF GAMES"},
        {"ImagePPW", "PRICE PER WAY"},   {"ImagePPG", "PRICE PER GAME"},
        {"ImageNOS", "NUMBER OF SPOTS"}, {"ImageWP", "OR WAYS PLAYED"}};
    for (const auto& [name, text] : captions) {
        ImageButton& caption = *control(QLatin1String(name));
        painter_.Fill(caption, kGreen);
        painter_.SetCaptionFont(caption, kCaptionUnits);
        painter_.PaintCaption(caption, kBlack, QLatin1String(text), kTimes,
                              CaptionAlignment::Centre, 0);
    }
    for (ValueField field : {ValueField::TotalPrice, ValueField::NumberOfGames,
                             ValueField::PricePerWay, ValueField::PricePerGame, ValueField::Spot}) {
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

ImageButton* TFormKeno::button(TableButton which) const {
    for (const keno_layout::Button& entry : keno_layout::buttons())
        if (entry.tag == static_cast<int>(which)) return control(entry.name);
    return nullptr;
}

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
    const std::pair<const char*, QString> boxes[] = {{"ImageGOC", QStringLiteral("GAME")},
                                                     {"ImageOC", word},
                                                     {"ImageGN", QStringLiteral("GAME")},
                                                     {"ImageN", gameNumber}};
    for (const auto& [name, text] : boxes) {
        ImageButton& box = *control(QLatin1String(name));
        painter_.Fill(box, kFuchsia);
        painter_.PaintCaption(box, toQColor(colour), text, kTimes, CaptionAlignment::Centre, 0);
    }
}

void TFormKeno::showCentreMessage(const QString& text) {
    ImageButton& centre = *control(QStringLiteral("ImageCenter"));
    painter_.Fill(centre, kGreen);
    painter_.PaintCaption(centre, kBlack, text, kTimes, CaptionAlignment::Centre, 0);
}

void TFormKeno::showValue(ValueField field, const QString& text) {
    ImageButton& value = *control(QLatin1String(valueFieldName(field)));
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
    for (const keno_layout::Arrow& arrow : keno_layout::arrows())
        if (arrow.betArrow) control(arrow.name)->setVisible(visible);
}

void TFormKeno::setQuickPickArrowsVisible(bool visible) {
    for (const keno_layout::Arrow& arrow : keno_layout::arrows())
        if (!arrow.betArrow) control(arrow.name)->setVisible(visible);
}

void TFormKeno::setSpotVisible(bool visible) {
    control(QStringLiteral("ImageSpot"))->setVisible(visible);
}

void TFormKeno::showKindCode(const QString& kindCode) {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.Fill(special, kGreen);
    painter_.PaintCaption(special, kBlack, kindCode, kTimes, CaptionAlignment::KindCode, 0);
    special.show();
}

void TFormKeno::showWaySummary(const QString& summary) {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
    painter_.PaintCaption(special, kBlack, summary, kTimes, CaptionAlignment::WaySummary, 0);
    special.show();
}

void TFormKeno::clearSpecialBox() {
    ImageButton& special = *control(QStringLiteral("ImageSpecial"));
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
