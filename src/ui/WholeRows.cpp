#include "ui/WholeRows.h"

#include <QWidget>

int FitWholeRows(QWidget& list, int rows) {
    const int row = qMax(1, list.height() / qMax(1, rows));
    list.resize(list.width(), row * rows);
    return row;
}
