#include "windows/TableSpeech.h"

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/CatchRule.h"
#include "ui/PictureControl.h"
#include "windows/TableLayout.h"
#include "windows/TableParts.h"

namespace {

using Spoken = PictureControl::Spoken;

QString valueName(ValueField field) {
    switch (field) {
        case ValueField::NumberOfGames:
            return QStringLiteral("Number Of Games");
        case ValueField::PricePerWay:
            return QStringLiteral("Price Per Way");
        case ValueField::PricePerGame:
            return QStringLiteral("Price Per Game");
        case ValueField::TotalPrice:
            return QStringLiteral("Total Price");
        case ValueField::Spot:
            return QStringLiteral("Number Of Spots");
    }
    return {};
}

// "TOTAL PRICE" is read as "Total Price", not spelt out.
QString titleCase(const QString& caption) {
    QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words) word = word.left(1) + word.mid(1).toLower();
    return words.join(QLatin1Char(' '));
}

}  // namespace

TableSpeech::TableSpeech(const TicketState& ticket, const TableParts& parts, Announce announce)
    : ticket_(ticket), parts_(parts), announce_(std::move(announce)) {
    nameControls();
}

// The names are the titles of the arrows' help topics.
QString TableSpeech::arrowName(BetArrow arrow) {
    switch (arrow) {
        case BetArrow::GamesUp:
            return QStringLiteral("One More Game");
        case BetArrow::GamesDown:
            return QStringLiteral("One Game Fewer");
        case BetArrow::GamesUpTen:
            return QStringLiteral("Ten More Games");
        case BetArrow::GamesDownTen:
            return QStringLiteral("Ten Fewer Games");
        case BetArrow::PriceUp:
            return QStringLiteral("Price Up Five Cents");
        case BetArrow::PriceDown:
            return QStringLiteral("Price Down Five Cents");
        case BetArrow::PriceUpDollar:
            return QStringLiteral("Price Up One Dollar");
        case BetArrow::PriceDownDollar:
            return QStringLiteral("Price Down One Dollar");
        case BetArrow::SpotsUp:
            return QStringLiteral("More Spots");
        case BetArrow::SpotsDown:
            return QStringLiteral("Fewer Spots");
    }
    return {};
}

void TableSpeech::nameControls() {
    // The picture does not say which pair steps by ten: the tooltip does.
    const auto& arrows = table_layout::Arrows();
    for (std::size_t i = 0; i < arrows.size() && i < parts_.arrows.size(); ++i) {
        const QString name = arrowName(arrows[i].arrow);
        parts_.arrows[i]->setSpoken(Spoken::button(name));
        parts_.arrows[i]->setToolTip(name);
    }
    for (const table_layout::Button& entry : table_layout::Buttons())
        parts_.button(entry.which)->setSpoken(Spoken::button(entry.caption));
    for (const auto& [caption, text] : parts_.captions)
        caption->setSpoken(Spoken::text(titleCase(text)));
    const char* const frames[] = {"Numbers 1 To 40", "Status", "Game Number", "Numbers 41 To 80"};
    for (std::size_t i = 0; i < parts_.frames.size(); ++i)
        parts_.frames[i]->setSpoken(Spoken::as(QAccessible::Border, QLatin1String(frames[i])));
    const char* const boxes[] = {"Total Price", "Number Of Games", "Price Per Way",
                                 "Price Per Game", "Number Of Spots Or Ways Played"};
    for (std::size_t i = 0; i < parts_.roundedBoxes.size(); ++i)
        parts_.roundedBoxes[i]->setSpoken(Spoken::as(QAccessible::Border, QLatin1String(boxes[i])));
    parts_.status[0]->setSpoken(Spoken::text(QStringLiteral("Game")));
    parts_.status[2]->setSpoken(Spoken::text(QStringLiteral("Game")));
    parts_.special->setSpoken(Spoken::text(QStringLiteral("Ticket Kind")));
    for (int n = 1; n <= board::kNumbers; ++n) cellPainted(n, CellLook::Unmarked);
}

void TableSpeech::cellPainted(int number, CellLook look) {
    PictureControl* cell = parts_.cell(number);
    if (!cell) return;
    const bool marked = look == CellLook::Marked || look == CellLook::Caught;
    const bool drawn = look == CellLook::Caught || look == CellLook::NotCaught;
    // The mark is the checked state, which a screen reader says as Space
    // changes it; a description change of the focused number is not read.
    QStringList words;
    if (marked && ticket_.Kind == TicketKind::Way) {
        const int group = SetHolding(ticket_, number);
        words << QStringLiteral("group %1").arg(group > 0 ? group : ticket_.CurrentSet);
    }
    if (drawn) words << QStringLiteral("drawn");
    if (look == CellLook::Caught) words << QStringLiteral("caught");
    // The pressed look is a passing moment of a click: the state stays as it was.
    if (look != CellLook::Pressed)
        cell->setSpoken(
            Spoken::checkBox(QString::number(number), marked, words.join(QStringLiteral(", "))));
}

// Short enough to be heard before the next ball: "43, caught".
void TableSpeech::ballCalled(const CalledBall& ball) {
    QString said = QString::number(ball.number);
    if (ball.caught) said += QStringLiteral(", caught");
    if (ball.index == board::kBallsPerGame - 1) said = QStringLiteral("Last ball, ") + said;
    announce_(said);
}

void TableSpeech::statusShown(const GameStatus& status) {
    const QString number = GameNumberText(status.gameNumber);
    const QString word = StatusWord(status);
    const QString game = QStringLiteral("Game ") + number;
    parts_.status[1]->setSpoken(Spoken::text(game, word));
    parts_.status[3]->setSpoken(Spoken::text(QStringLiteral("Game Number"), number));
    announce_(game + QStringLiteral(", ") + word);
}

void TableSpeech::centreSaid(const QString& said) {
    parts_.centre->setSpoken(Spoken::as(QAccessible::StatusBar, said));
    announce_(said);
}

void TableSpeech::centreMessageShown(const QString& text) { centreSaid(text); }

void TableSpeech::resultShown(Money gameWin) {
    centreSaid(gameWin > 0 ? QStringLiteral("You won ") + money::Currency(gameWin)
                           : QStringLiteral("Bust"));
}

bool TableSpeech::boxChanged(ValueField field, const QString& text) {
    PictureControl& box = *parts_.value(field);
    const QString before = box.spoken().value;
    box.setSpoken(Spoken::text(valueName(field), text));
    // A bet changed by an arrow, a number or a way row is told; the first
    // paint of a box is not a change.
    return !before.isEmpty() && before != text;
}

void TableSpeech::valueShown(ValueField field, const QString& text) {
    // The price per game follows the total and says nothing new.
    if (boxChanged(field, text) && field != ValueField::PricePerGame)
        announce_(valueName(field) + QStringLiteral(", ") + text);
}

void TableSpeech::spotsShown(int spots) {
    if (boxChanged(ValueField::Spot, bet::SpotText(spots))) announce_(bet::SpotsWords(spots));
}

QString TableSpeech::balanceSaid(Money balance) {
    return BalanceCaption(balance).remove(QLatin1Char('&'));
}

void TableSpeech::balanceShown(Money balance) { announce_(balanceSaid(balance)); }

void TableSpeech::kindCodeShown(const QString& kindCode) {
    parts_.special->setSpoken(Spoken::text(QStringLiteral("Ticket Kind"), kindCode));
}

void TableSpeech::waySummaryShown(const QString& summary) {
    const QString before = parts_.special->spoken().value;
    parts_.special->setSpoken(Spoken::text(QStringLiteral("Ways"), summary));
    if (summary != before) announce_(summary);
}
