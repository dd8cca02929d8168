#pragma once

class QWidget;

// A list that pages through its rows shows whole rows only: the rows share
// its height evenly, and the list gives up the pixels left over (less than a
// row), which would show part of one more row at its bottom.
// Returns the row height for `rows` rows in the list's current height.
int FitWholeRows(QWidget& list, int rows);
