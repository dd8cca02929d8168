#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"
#include "core/tickets/SavedTicket.h"
#include "core/tickets/TicketFile.h"
#include "support/FileSizeLimit.h"
#include "support/SampleTickets.h"

using file_bytes::intAt;

namespace {

constexpr qsizetype kRecord = 1720;

// A 5-spot ticket at $0.25 for 3 games.
SavedTicket plainTicket(const QString& name, std::uint8_t firstNumber = 3) {
    GameState state;
    state.Sets[1].Numbers = {firstNumber, 14, 25, 36, 47};
    state.SpotsMarked = 5;
    state.SpotsPerSet = 5;
    state.PayoffSpots = 5;
    state.PricePerWay = 2500;
    state.NumberOfGames = 3;
    return SavedTicketFromState(state, name);
}

// The sample way ticket with the groups 1-4, 11-14 and 21-24.
GameState wayTicketState() {
    return ThreeGroupsOfFour({1, 2, 3, 4}, {11, 12, 13, 14}, {21, 22, 23, 24});
}

class TicketFileTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath("Tickets.vlr"); }
    QByteArray content() const { return file_bytes::readAll(path()); }
    // The name as stored in record n, read from the raw bytes.
    QByteArray storedNameAt(int n) const {
        const QByteArray record = content().mid(n * kRecord, kRecord);
        return record.mid(1, static_cast<unsigned char>(record.at(0)));
    }
    void saveAll(std::initializer_list<const char*> names) {
        std::uint8_t first = 1;
        for (const char* name : names) file_.save(plainTicket(QLatin1String(name), first++));
    }

    QTemporaryDir dir_;
    TicketFile file_{dir_.filePath("Tickets.vlr")};
};

}  // namespace

// Every field at its offset, written by hand.
TEST(SavedTicketCodec, FieldsSitAtTheirOffsets) {
    GameState state = wayTicketState();
    state.PricePerWay = 500;
    state.NumberOfGames = 1000;
    state.Sets[3].Hits = 2;
    const QByteArray bytes = file_bytes::fromRecord(
        EncodeSavedTicket(SavedTicketFromState(state, QStringLiteral("Lucky"))));
    QByteArray expected(kRecord, '\0');
    expected.replace(0, 6, QByteArray("\x05Lucky", 6));
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 4; ++i) expected[31 + 20 * k + i] = static_cast<char>(10 * k + i + 1);
    file_bytes::putInt(expected, 1632, 8, 500);
    expected[1640] = 10;
    expected[1641] = 3;
    expected[1643] = 4;
    expected[1644] = 4;
    expected[1645] = 4;
    file_bytes::putInt(expected, 1648, 4, 7);
    file_bytes::putInt(expected, 1652, 4, 1000);
    file_bytes::putInt(expected, 1656, 4, 3);
    file_bytes::putInt(expected, 1660, 4, 3);
    file_bytes::putInt(expected, 1664, 4, 1);
    EXPECT_EQ(bytes.toHex(), expected.toHex());

    state.Kind = TicketKind::Forty;
    state.KindCode = QStringLiteral("LR");
    const std::vector<std::uint8_t> record =
        EncodeSavedTicket(SavedTicketFromState(state, QStringLiteral("x")));
    EXPECT_EQ(record[1716], 2);
    EXPECT_EQ(record[1717], 'L');
    EXPECT_EQ(record[1718], 'R');
    EXPECT_EQ(record[1719], 0);
}

TEST(SavedTicketCodec, NamesAreWindows1252CutToThirtyBytes) {
    // é and € have bytes of their own; a letter the code page lacks is stored as "?".
    const std::vector<std::uint8_t> record =
        EncodeSavedTicket(plainTicket(QString::fromUtf8("Café €5 Ā")));
    const QByteArray name = file_bytes::fromRecord(record).mid(1, record[0]);
    EXPECT_EQ(name, QByteArray("Caf\xE9 \x80"
                               "5 ?"));
    EXPECT_EQ(DecodeSavedTicket(record).TicketName, QString::fromUtf8("Café €5 ?"));

    const QString longName = QStringLiteral("abcdefghijklmnopqrstuvwxyz01234");  // 31
    const std::vector<std::uint8_t> cut = EncodeSavedTicket(plainTicket(longName));
    EXPECT_EQ(cut[0], 30);
    EXPECT_EQ(cut[31], 3);  // the name never spills into the first set
    EXPECT_EQ(DecodeSavedTicket(cut).TicketName, longName.left(30));
}

TEST(SavedTicketCodec, RestoredStateKeepsHitsAndTakesTheTicket) {
    const GameState saved = wayTicketState();
    GameState table;
    table.Sets[2].Hits = 4;
    table.Sets[40].Numbers[0] = 9;  // the previous ticket's leftovers go
    RestoreTicketToState(DecodeSavedTicket(EncodeSavedTicket(SavedTicketFromState(saved, "w"))),
                         table);
    EXPECT_EQ(table.Kind, TicketKind::Way);
    EXPECT_EQ(table.Sets[2].Numbers, saved.Sets[2].Numbers);
    EXPECT_EQ(table.Sets[2].Hits, 4);
    EXPECT_EQ(table.Sets[40].Numbers[0], 0);
    EXPECT_EQ(table.WayCounts, saved.WayCounts);
    EXPECT_EQ(table.Ways, 7);
    EXPECT_EQ(table.CurrentSet, 4);
}

TEST_F(TicketFileTest, SaveCreatesThenAppendsThenOverwritesInPlace) {
    EXPECT_EQ(file_.save(plainTicket("Zebra")), TicketFile::Saved::Created);
    EXPECT_EQ(file_.save(plainTicket("apple")), TicketFile::Saved::Appended);
    ASSERT_EQ(content().size(), 2 * kRecord);

    SavedTicket again = plainTicket("Zebra", 80);
    again.NumberOfGames = 9;
    EXPECT_EQ(file_.save(again), TicketFile::Saved::Overwritten);
    ASSERT_EQ(content().size(), 2 * kRecord);
    EXPECT_EQ(storedNameAt(0), "Zebra");
    EXPECT_EQ(intAt(content(), 1652, 4), 9);
    EXPECT_EQ(static_cast<std::uint8_t>(content().at(31)), 80);
    EXPECT_EQ(file_.names(), (QStringList{"Zebra", "apple"}));  // file order
}

TEST_F(TicketFileTest, ThirtyOneCharacterNamesOverwriteTheirFirstThirty) {
    file_.save(plainTicket("abcdefghijklmnopqrstuvwxyz0123X"));
    EXPECT_EQ(file_.save(plainTicket("abcdefghijklmnopqrstuvwxyz0123Y")),
              TicketFile::Saved::Overwritten);
    EXPECT_EQ(file_.names(), QStringList{"abcdefghijklmnopqrstuvwxyz0123"});
    // Letter case makes another name.
    EXPECT_EQ(file_.save(plainTicket("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123")),
              TicketFile::Saved::Appended);
}

TEST_F(TicketFileTest, DeletingMovesTheLastRecordIntoTheGap) {
    saveAll({"first", "second", "third"});
    const QByteArray third = content().mid(2 * kRecord, kRecord);
    EXPECT_EQ(file_.remove("first"), TicketFile::Deleted::Moved);
    ASSERT_EQ(content().size(), 2 * kRecord);
    EXPECT_EQ(content().left(kRecord), third);
    EXPECT_EQ(storedNameAt(1), "second");

    // Deleting the last record just shortens the file.
    EXPECT_EQ(file_.remove("second"), TicketFile::Deleted::Moved);
    EXPECT_EQ(content(), third);
}

TEST_F(TicketFileTest, DeletingTheOnlyTicketDeletesTheFile) {
    saveAll({"only"});
    EXPECT_EQ(file_.remove("only"), TicketFile::Deleted::FileRemoved);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(file_.names().isEmpty());
    EXPECT_EQ(file_.remove("only"), TicketFile::Deleted::NotFound);
}

// A save killed before its rename leaves its new file beside the old one; the
// next save clears such leftovers of its own, and nothing else.
TEST_F(TicketFileTest, ASaveRemovesTheLeftoversOfAKilledSave) {
    saveAll({"first"});
    const QStringList leftovers{"Tickets.vlr.aB3xYz", "Tickets.vlr.000000"};
    const QStringList others{"Tickets.vlr.aB3xY",   "Tickets.vlr.aB3xYzz", "Tickets.vlr.aB-xYz",
                             "XTickets.vlr.aB3xYz", "Games.vlr.aB3xYz",    "Tickets.vlr"};
    for (const QString& name : leftovers + others.mid(0, 5))
        file_bytes::writeAll(dir_.filePath(name), QByteArray(kRecord, 'x'));
    file_.save(plainTicket("second"));
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(dir_.filePath(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(dir_.filePath(name))) << name.toStdString();
    EXPECT_EQ(file_.names(), (QStringList{"first", "second"}));
}

// Not found must not fall back to record 0 (delete) or to the last record (restore).
TEST_F(TicketFileTest, NameNotFoundChangesNothing) {
    saveAll({"alpha", "beta"});
    const QByteArray before = content();
    EXPECT_EQ(file_.remove("ALPHA"), TicketFile::Deleted::NotFound);
    EXPECT_FALSE(file_.restore("Beta").has_value());
    EXPECT_EQ(content(), before);
    ASSERT_TRUE(file_.restore("beta").has_value());
    EXPECT_EQ(file_.restore("beta")->Sets[1].Numbers[0], 2);
}

TEST_F(TicketFileTest, DamagedRecordsAreRefusedWithTheirReason) {
    saveAll({"good", "bad"});
    const QByteArray sound = content();
    const auto refusal = [&](qsizetype offset, int width, std::int64_t value) -> QString {
        QByteArray data = sound;
        file_bytes::putInt(data, kRecord + offset, width, value);
        file_bytes::writeAll(path(), data);
        try {
            file_.restore("bad");
        } catch (const IoError& error) {
            EXPECT_EQ(error.fileName(), "Tickets.vlr");
            return error.reason();
        }
        return {};
    };
    EXPECT_TRUE(refusal(31 + 20 + 0, 1, 81).contains("number 81 in set 2 is above 80"));
    EXPECT_TRUE(refusal(1640, 1, 11).contains("kind 11 is above 10"));
    EXPECT_TRUE(refusal(1652, 4, 0).contains("0 games"));
    EXPECT_TRUE(refusal(1644, 1, 200).contains("set 200"));
    EXPECT_TRUE(refusal(1642, 1, 21).contains("spot count above 20"));
    EXPECT_TRUE(refusal(1632, 8, -1).contains("price per way"));
    EXPECT_TRUE(refusal(35, 1, 14).contains("number 14 is on the ticket twice"));
    EXPECT_TRUE(refusal(1716, 1, 200).contains("kind code"));
    EXPECT_TRUE(refusal(1648, 4, 2).contains("2 ways"));
    // Numbers that do not fit the kind: an All Catches ticket of 5 spots.
    QByteArray data = sound;
    data[kRecord + 1640] = 1;
    data.replace(kRecord + 1716, 3,
                 QByteArray("\x02"
                            "AC",
                            3));
    file_bytes::writeAll(path(), data);
    EXPECT_THROW(file_.restore("bad"), IoError);
    EXPECT_TRUE(file_.restore("good").has_value());  // its neighbour still restores

    // A name length past the field lists the name cut to 30 but never restores it.
    QByteArray allOnes(kRecord, '\xFF');
    file_bytes::writeAll(path(), sound + allOnes);
    ASSERT_EQ(file_.names().size(), 3);
    EXPECT_EQ(file_.names()[2].size(), 30);
    EXPECT_THROW(file_.restore(file_.names()[2]), IoError);
}

TEST_F(TicketFileTest, AWayTicketRestoresAsSaved) {
    GameState state = wayTicketState();
    file_.save(SavedTicketFromState(state, "ways"));
    const std::optional<SavedTicket> restored = file_.restore("ways");
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(PlayedSetCount(*restored), 3);
    // Ways that do not add up to the bet rows would charge one price and pay another.
    state.Ways = 6;
    file_.save(SavedTicketFromState(state, "ways"));
    EXPECT_THROW(file_.restore("ways"), IoError);
}

TEST_F(TicketFileTest, AFileWithATornRecordIsNeverRewritten) {
    saveAll({"one", "two"});
    const QByteArray torn = content() + QByteArray(100, 'x');
    file_bytes::writeAll(path(), torn);
    EXPECT_EQ(file_.names(), (QStringList{"one", "two"}));
    EXPECT_THROW(file_.save(plainTicket("three")), IoError);
    EXPECT_THROW(file_.remove("one"), IoError);
    EXPECT_EQ(content(), torn);
}

// Files a save must not touch: half a record, a folder, a disk that takes no
// more. Each is refused by name and reason, and every byte stays where it was.
TEST_F(TicketFileTest, DamagedOrUnwritableFilesRefuseTheSaveAndKeepEveryRecord) {
    const auto expectRefused = [&](const char* what) {
        SCOPED_TRACE(what);
        const QByteArray before = content();
        try {
            file_.save(plainTicket("new"));
            ADD_FAILURE() << "the save was not refused";
        } catch (const IoError& error) {
            EXPECT_EQ(error.fileName(), "Tickets.vlr");
            EXPECT_FALSE(error.reason().isEmpty());
        }
        EXPECT_EQ(content(), before);
        // Nothing written beside it is left behind.
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                  QFileInfo(path()).isFile() ? QStringList{"Tickets.vlr"} : QStringList{});
    };

    // A file of no records takes a save; half a record does not.
    file_bytes::writeAll(path(), {});
    EXPECT_TRUE(file_.names().isEmpty());
    EXPECT_EQ(file_.remove("new"), TicketFile::Deleted::NotFound);
    EXPECT_EQ(file_.save(plainTicket("new")), TicketFile::Saved::Appended);
    EXPECT_EQ(content().size(), kRecord);
    file_bytes::writeAll(path(), QByteArray(kRecord / 2, '\x05'));
    EXPECT_TRUE(file_.names().isEmpty());
    EXPECT_FALSE(file_.restore("new").has_value());
    expectRefused("half a record");

    ASSERT_TRUE(QFile::remove(path()));
    saveAll({"one", "two"});
    // No room for the whole file written anew: neither an added nor an overwritten record.
    {
        FileSizeLimit full(2 * kRecord + 100);
        expectRefused("full disk, appending");
    }
    {
        FileSizeLimit full(kRecord / 2);
        const QByteArray before = content();
        EXPECT_THROW(file_.save(plainTicket("two", 60)), IoError);
        EXPECT_THROW(file_.remove("one"), IoError);
        EXPECT_EQ(content(), before);
    }
    if (geteuid() != 0) {  // the superuser writes whatever the permissions say
        QFile(path()).setPermissions(QFile::ReadOwner);
        expectRefused("read-only file");
        QFile(path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Tickets.vlr"));
    expectRefused("folder");
    EXPECT_THROW(file_.names(), IoError);
    EXPECT_THROW(file_.remove("one"), IoError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}
