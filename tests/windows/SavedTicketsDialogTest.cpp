// The saved tickets dialog, restoring onto the table, and the printed ticket.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QTest>

#include "TableWindowFixture.h"
#include "core/records/HistoryFile.h"
#include "core/tickets/TicketFile.h"
#include "game/TableControls.h"
#include "support/SampleTickets.h"
#include "windows/SavedTicketsDialog.h"
#include "windows/TicketPrinter.h"
#include "windows/WayWindow.h"

namespace {

// The sample way ticket at $2.00 a way for 4 games.
GameState wayTicket() {
    GameState state = ThreeGroupsOfFour();
    state.PricePerWay = money::Dollars(2);
    state.NumberOfGames = 4;
    return state;
}

GameState plainTicket(std::uint8_t first) {
    GameState state;
    state.Sets[1].Numbers = {first, 30, 60};
    state.SpotsMarked = 3;
    return state;
}

class SavedTicketsDialogTest : public TableWindowFixture {
  protected:
    void save(const GameState& ticket, const char* name) {
        TicketFile(kTicketsFile).save(SavedTicketFromState(ticket, QLatin1String(name)));
    }
    std::unique_ptr<SavedTicketsDialog> open(SavedTicketsDialog::Mode mode) {
        return std::make_unique<SavedTicketsDialog>(mode, DialogContext{state_, sound_}, state_,
                                                    kTicketsFile);
    }
    static QStringList listed(const SavedTicketsDialog& form) {
        QStringList names;
        for (int row = 0; row < form.nameList->count(); ++row)
            names.append(form.nameList->item(row)->text());
        return names;
    }
    static void pressAndRelease(PictureControl& button) {
        Q_EMIT button.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        Q_EMIT button.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }
};

}  // namespace

TEST_F(SavedTicketsDialogTest, SaveListsNamesAlphabeticallyAndOverwritesByName) {
    save(plainTicket(1), "zebra");
    save(plainTicket(2), "Apple");
    save(plainTicket(3), "mango");
    state_ = plainTicket(9);
    auto form = open(SavedTicketsDialog::Mode::Save);
    EXPECT_EQ(form->windowTitle(), "SAVE YOUR FAVORITE TICKET");
    EXPECT_EQ(listed(*form), (QStringList{"Apple", "mango", "zebra"}));
    EXPECT_TRUE(form->okButton->isHidden());
    form->nameEdit->setText("mango");
    EXPECT_FALSE(form->okButton->isHidden());
    EXPECT_TRUE(form->deleteButton->isHidden());
    pressAndRelease(*form->okButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(TicketFile(kTicketsFile).names(), (QStringList{"zebra", "Apple", "mango"}));
    EXPECT_EQ(TicketFile(kTicketsFile).restore("mango")->Sets[1].Numbers[0], 9);

    // Enter in the name field is SAVE, once there is a name to save under.
    auto typed = open(SavedTicketsDialog::Mode::Save);
    QTest::keyClick(typed->nameEdit, Qt::Key_Return);
    EXPECT_NE(typed->result(), QDialog::Accepted);
    QTest::keyClicks(typed->nameEdit, "kiwi");
    QTest::keyClick(typed->nameEdit, Qt::Key_Return);
    EXPECT_EQ(typed->result(), QDialog::Accepted);
    EXPECT_TRUE(TicketFile(kTicketsFile).restore("kiwi").has_value());
}

TEST_F(SavedTicketsDialogTest, RestoreOffersOnlyAnExactlyMatchingName) {
    save(plainTicket(1), "Lucky");
    auto form = open(SavedTicketsDialog::Mode::Restore);
    EXPECT_EQ(form->windowTitle(), "RESTORE YOUR FAVORITE TICKET");
    form->nameEdit->setText("lucky");
    EXPECT_TRUE(form->okButton->isHidden());
    EXPECT_TRUE(form->deleteButton->isHidden());
    form->nameEdit->setText("Lucky");
    EXPECT_FALSE(form->okButton->isHidden());
    EXPECT_FALSE(form->deleteButton->isHidden());

    // Clicking a name fills the field; cancelling restores nothing.
    form->nameEdit->clear();
    form->onNameClicked(0);
    EXPECT_EQ(form->nameEdit->text(), "Lucky");
    pressAndRelease(*form->cancelButton);
    EXPECT_EQ(form->outcome(), SavedTicketsDialog::Outcome::None);
    EXPECT_EQ(state_.Sets[1].count(), 0);
}

TEST_F(SavedTicketsDialogTest, DeletingTheOnlyTicketDeletesTheFileAndClosesTheField) {
    save(plainTicket(1), "only");
    auto form = open(SavedTicketsDialog::Mode::Restore);
    QString asked;
    form->setConfirm([&](QWidget*, const QString& question, QPoint) {
        asked = question;
        return asked.isEmpty();  // "No" first
    });
    form->onNameClicked(0);
    pressAndRelease(*form->deleteButton);
    EXPECT_EQ(asked, "Are you sure you want to delete 'only'?");
    EXPECT_TRUE(QFile::exists(kTicketsFile));

    form->setConfirm([](QWidget*, const QString&, QPoint) { return true; });
    pressAndRelease(*form->deleteButton);
    EXPECT_FALSE(QFile::exists(kTicketsFile));
    EXPECT_FALSE(form->nameEdit->isEnabled());
    EXPECT_EQ(form->nameList->count(), 0);
    EXPECT_TRUE(form->deleteButton->isHidden());
}

TEST_F(SavedTicketsDialogTest, ScrollButtonsMoveTheTopLineAndStopAtTheFirst) {
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i"})
        save(plainTicket(1), name);
    auto form = open(SavedTicketsDialog::Mode::Restore);
    form->show();
    pressAndRelease(*form->upButton);
    EXPECT_EQ(form->topLine(), 0);
    pressAndRelease(*form->downButton);
    pressAndRelease(*form->downButton);
    EXPECT_EQ(form->topLine(), 2);
    EXPECT_EQ(sound_.requests.count("WAVE_89 wait"), 6);
}

// The ticket is built on the table and saved by the game, so the restore
// meets the record the game itself writes.
TEST_F(SavedTicketsDialogTest, RestoringAWayTicketPutsEveryGroupAndBetRowOnTheTable) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    keno.attachWayWindow(new WayWindow(&keno));
    // Three groups of 4 with rows 1 to 3 bet, at $2.00 a way for 4 games.
    const auto mark = [&keno](std::initializer_list<int> numbers) {
        for (int n : numbers)
            Q_EMIT keno.cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    };
    mark({1, 2, 3, 4});
    keno.menu().way->trigger();
    mark({41, 52, 63, 80});
    mark({17, 18, 19, 20});
    for (int k = 1; k <= 3; ++k)
        if (keno.wayWindow()->ticket()->rowState(k) != WayRowState::Bet)
            pressAndRelease(*keno.wayWindow()->row(k));
    pressAndRelease(*keno.control("ImagePPWLU"));
    for (int i = 0; i < 3; ++i) pressAndRelease(*keno.control("ImageNOGSU"));
    const auto typeTheName = [](SavedTicketsDialog& form) {
        form.nameEdit->setText("ways");
        pressAndRelease(*form.okButton);
    };
    whenShown<SavedTicketsDialog>(typeTheName);
    keno.menu().saveTicket->trigger();
    keno.menu().cast->trigger();

    sound_.requests.clear();
    whenShown<SavedTicketsDialog>(typeTheName);
    keno.menu().restoreTicket->trigger();

    EXPECT_TRUE(keno.menu().way->isChecked());
    EXPECT_EQ(keno.wayWindow()->ticket()->summary(), "  3/4    3/8    1/12  ");
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(keno.wayWindow()->row(k)->tag(), 2 * k + 10);
    EXPECT_EQ(keno.wayWindow()->row(4)->tag(), 17);
    EXPECT_EQ(sound_.requests.count("WAVE_87 wait"), 12);
    for (int n : {1, 52, 80, 20}) EXPECT_EQ(keno.table().cells().tag(n), 200 + n);
    EXPECT_EQ(keno.table().cells().tag(5), 105);
    EXPECT_EQ(state_.PricePerGame, money::Dollars(14));
    EXPECT_EQ(state_.TotalPrice, money::Dollars(56));
    EXPECT_TRUE(keno.menu().play->isEnabled());
    EXPECT_TRUE(keno.menu().cast->isEnabled());
    EXPECT_FALSE(keno.menu().restoreTicket->isEnabled());
    EXPECT_TRUE(keno.menu().saveTicket->isEnabled());
    EXPECT_FALSE(keno.table().boardEnabled());
    EXPECT_TRUE(keno.control("ImageSpot")->isHidden());

    // The restored ticket plays its bet rows.
    keno.menu().play->trigger();
    const std::vector<GameRecord> history = ReadHistory(QStringLiteral("Games.vlr"));
    EXPECT_EQ(history[0].Ways, 7);
    EXPECT_EQ(history[3].WayCounts[1], 3);
    EXPECT_EQ(state_.WayCounts[2], 1);
}

TEST_F(SavedTicketsDialogTest, PrintingPrintsTheFirstGameOfARunOnly) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    int asked = 0;
    keno.ticketPrinter().setChoosePrinter([&](QPrinter& printer, QWidget*) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath("ticket.pdf"));
        return true;
    });
    for (int n : {5, 15, 25}) {
        Q_EMIT keno.cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    }
    for (int i = 0; i < 4; ++i) {
        PictureControl& up = *keno.control("ImageNOGSU");
        Q_EMIT up.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        Q_EMIT up.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }
    ASSERT_EQ(state_.NumberOfGames, 5);
    keno.menu().printTicket->trigger();
    EXPECT_TRUE(keno.menu().printTicket->isChecked());
    keno.menu().play->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(keno.menu().printTicket->isChecked());
    EXPECT_GT(QFileInfo(dir_.filePath("ticket.pdf")).size(), 1000);

    // Cancelling the print dialog prints nothing and the run goes on.
    keno.menu().open->trigger();
    keno.menu().printTicket->trigger();
    keno.ticketPrinter().setChoosePrinter([&](QPrinter&, QWidget*) { return ++asked, false; });
    keno.menu().play->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(state_.GamesToGo, 0);
    EXPECT_TRUE(keno.menu().open->isEnabled());
}

// The ticket drawn at 100 dots per inch: one pixel per hundredth of an inch.
TEST(TicketPrinterTest, ThePrintedTicketPutsItsLinesAndMarksWhereTheyBelong) {
    GameState state = wayTicket();
    state.GameNumber = 7;
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const ticket_print::DeviceMap map{100, 100, 0, 0};
    TicketPrinter::paint(painter, ticket_print::LayOut(state, {3, 3, 1}), map);
    painter.end();
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const auto inkIn = [&](QRect area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) ink += dark(x, y) ? 1 : 0;
        return ink;
    };
    EXPECT_TRUE(dark(0, 150));  // the frame
    EXPECT_TRUE(dark(200, 0));
    EXPECT_TRUE(dark(33, 110));  // a grid line
    EXPECT_TRUE(dark(150, 124));
    EXPECT_FALSE(dark(150, 110));  // inside a cell of the upper grid
    // Number 52's cell: its check mark and the "set 2" label under it.
    EXPECT_GT(inkIn({36, 208, 22, 18}), 40);
    EXPECT_GT(inkIn({36, 229, 22, 8}), 10);
    EXPECT_EQ(inkIn({92, 229, 22, 8}), 0);  // 54 is not on the ticket: no label
    // "007" in the game number box, and the logo's colours in its corner.
    EXPECT_GT(inkIn({320, 278, 42, 14}), 30);
    EXPECT_NE(image.pixel(22, 22), qRgb(255, 255, 255));
}
