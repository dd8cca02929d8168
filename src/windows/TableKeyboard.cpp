#include "windows/TableKeyboard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>

#include "ui/PictureControl.h"
#include "windows/TableLayout.h"
#include "windows/TableParts.h"

namespace {

// The arrows in the order they stand: games by ten, games by one, the price by
// a dollar, by five cents, then the quick pick's spots; each pair up first.
constexpr BetArrow kArrowRound[] = {
    BetArrow::GamesUpTen,    BetArrow::GamesDownTen,    BetArrow::GamesUp, BetArrow::GamesDown,
    BetArrow::PriceUpDollar, BetArrow::PriceDownDollar, BetArrow::PriceUp, BetArrow::PriceDown,
    BetArrow::SpotsUp,       BetArrow::SpotsDown};

bool canTakeFocus(const QWidget* control) {
    return control != nullptr && control->isVisible() && control->isEnabled();
}

BoardNavigation::Move moveOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return BoardNavigation::Move::Left;
        case Qt::Key_Right:
            return BoardNavigation::Move::Right;
        case Qt::Key_Up:
            return BoardNavigation::Move::Up;
        case Qt::Key_Down:
            return BoardNavigation::Move::Down;
        case Qt::Key_Home:
            return BoardNavigation::Move::First;
        default:
            return BoardNavigation::Move::Last;
    }
}

}  // namespace

TableKeyboard::TableKeyboard(const TableParts& parts, QObject* parent, Clock clock)
    : QObject(parent), clock_(std::move(clock)) {
    if (!clock_) {
        auto steady = std::make_shared<QElapsedTimer>();
        steady->start();
        clock_ = [steady] { return static_cast<std::int64_t>(steady->elapsed()); };
    }
    for (PictureControl* cell : parts.cells) {
        cell->setFocusPolicy(Qt::TabFocus);
        cell->installEventFilter(this);
        cells_.push_back(cell);
    }
    const auto& arrows = table_layout::Arrows();
    for (BetArrow wanted : kArrowRound)
        for (std::size_t i = 0; i < arrows.size() && i < parts.arrows.size(); ++i)
            if (arrows[i].arrow == wanted) others_.push_back(parts.arrows[i]);
    for (TableButton which :
         {TableButton::Play, TableButton::Open, TableButton::Cast, TableButton::Next}) {
        PictureControl* button = parts.button(which);
        button->setFocusPolicy(Qt::TabFocus);
        others_.push_back(button);
    }
    for (QWidget* other : others_) other->installEventFilter(this);
    cells_.front()->setFocus(Qt::OtherFocusReason);
}

std::vector<QWidget*> TableKeyboard::round() const {
    std::vector<QWidget*> controls{cells_[static_cast<std::size_t>(boardNumber_ - 1)]};
    controls.insert(controls.end(), others_.begin(), others_.end());
    controls.insert(controls.end(), wayRows_.begin(), wayRows_.end());
    return controls;
}

bool TableKeyboard::moveFocus(bool forward) {
    const std::vector<QWidget*> controls = round();
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) focused = controls.front()->window()->focusWidget();
    // Qt moves the focus on from a control as it is hidden or disabled: PLAY
    // starting the draw, with CAST about to go too. It goes nowhere (a hidden
    // control keeping it would still be pressed by the keys); the first
    // control that shows again takes it, and a screen reader never reads out
    // a control that is about to go.
    if (focused != nullptr && !canTakeFocus(focused)) {
        focused->clearFocus();
        return true;
    }
    if (numberOf(focused) > 0) focused = controls.front();
    const auto at = std::find(controls.begin(), controls.end(), focused);
    const auto count = static_cast<std::ptrdiff_t>(controls.size());
    // From outside the round, Tab starts at the board and Shift+Tab at its end.
    std::ptrdiff_t index = at == controls.end() ? (forward ? -1 : count) : at - controls.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) % count + count) % count;
        QWidget* candidate = controls[static_cast<std::size_t>(index)];
        if (!canTakeFocus(candidate)) continue;
        // The way window is a window of its own: it comes to the front with the focus.
        if (!candidate->isActiveWindow()) candidate->activateWindow();
        candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

int TableKeyboard::numberOf(QObject* control) const {
    const auto at = std::find(cells_.begin(), cells_.end(), control);
    return at == cells_.end() ? 0 : static_cast<int>(at - cells_.begin()) + 1;
}

void TableKeyboard::focusNumber(int number) {
    boardNumber_ = number;
    cells_[static_cast<std::size_t>(number - 1)]->setFocus(Qt::OtherFocusReason);
}

bool TableKeyboard::eventFilter(QObject* watched, QEvent* event) {
    // PLAY hides itself and the draw disables the board, so the focus is left
    // nowhere during a run: the first control of the round that shows again
    // (NEXT between games, OPEN at the end) takes it.
    if (event->type() == QEvent::Show || event->type() == QEvent::EnabledChange) {
        auto* control = static_cast<QWidget*>(watched);
        if (canTakeFocus(control) && control->isActiveWindow() &&
            QApplication::focusWidget() == nullptr)
            control->setFocus(Qt::OtherFocusReason);
    }
    const int number = numberOf(watched);
    if (number == 0) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) boardNumber_ = number;
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            focusNumber(BoardNavigation::moved(number, moveOf(key->key())));
            return true;
        default:
            break;
    }
    if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
        if (const auto typed = navigation_.typeDigit(key->key() - Qt::Key_0, clock_()))
            focusNumber(*typed);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
