#include "game/TableView.h"

QString StatusWord(const GameStatus& status) {
    return status.open ? QStringLiteral("OPEN") : QStringLiteral("CLOSED");
}

Rgb StatusColour(const GameStatus& status) {
    return status.open ? palette::kLime : palette::kMaroon;
}
