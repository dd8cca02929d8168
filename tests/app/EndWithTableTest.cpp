#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "app/KenoApplication.h"

// Keys queued behind Exit (typed during a ball's call) may open a window after
// the table has closed; once the player closes that one too, the game must
// end, not run on with no window and its play folder locked.
TEST(EndWithTable, TheGameEndsThoughAWindowOpenedAfterTheTableClosed) {
    QWidget table;
    table.show();
    EndWithTable(table);
    QTimer::singleShot(0, &table, [&table] {
        table.close();
        QDialog late(&table);
        QTimer::singleShot(20, &late, &QDialog::reject);
        late.exec();
    });
    // A loop that would never end is ended here, with another code.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
