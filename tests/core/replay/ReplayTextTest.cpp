#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/IoError.h"
#include "core/replay/ReplayText.h"

using namespace replay;

namespace {

constexpr Money kDollar = money::kOneDollar;

// Drawn in this order: 5, 80, 17 first and 19 last.
GameRecord Drawn(std::initializer_list<int> balls) {
    GameRecord record;
    std::size_t i = 0;
    for (int ball : balls) record.Drawn[i++] = static_cast<std::uint8_t>(ball);
    return record;
}

GameRecord SampleDraw() {
    return Drawn({5, 80, 17, 3, 66, 65, 1, 2, 4, 6, 8, 9, 10, 11, 13, 14, 15, 16, 18, 19});
}

void Mark(TicketSet& set, std::initializer_list<int> numbers, int hits) {
    std::size_t i = 0;
    for (int n : numbers) set.Numbers[i++] = static_cast<std::uint8_t>(n);
    set.Hits = static_cast<std::uint8_t>(hits);
}

}  // namespace

TEST(ReplayText, CaptionsAndTheRingOfGames) {
    EXPECT_EQ(Caption(7), "Game #007");
    EXPECT_EQ(Caption(42), "Game #042");
    EXPECT_EQ(Caption(999), "Game #999");
    EXPECT_EQ(PreviousGame(0), 999);
    EXPECT_EQ(NextGame(999), 0);
    EXPECT_EQ(NextGame(41), 42);
}

TEST(ReplayText, NeverPlayedSlotReadsAsARegularTicketOfNoSpots) {
    const QString zeros = "0, 0, 0, 0, 0, 0, 0, 0, 0, 0";
    EXPECT_EQ(Lines(GameRecord{}, PayoffTables{}),
              (QStringList{"You Won $0.00", "Playing This 0 Spot Ticket", "This Ticket Cost $0.00",
                           "Twenty Balls Were Drawn", "    " + zeros + ",", "    " + zeros,
                           "You Marked ", "    0", "You Hit 0 Out Of  0"}));
}

TEST(ReplayText, RegularTicketSortsTheDrawAndTheMarks) {
    GameRecord record = SampleDraw();
    record.GameWin = 12 * kDollar;
    record.PricePerWay = 2 * kDollar;
    record.PayoffSpots = 4;
    record.SpotsPerSet = 4;
    Mark(record.Sets[1], {66, 5, 40, 17}, 3);
    EXPECT_EQ(Lines(record, PayoffTables{}),
              (QStringList{"You Won $12.00", "Playing This 4 Spot Ticket", "This Ticket Cost $2.00",
                           "Twenty Balls Were Drawn", "    1, 2, 3, 4, 5, 6, 8, 9, 10, 11,",
                           "    13, 14, 15, 16, 17, 18, 19, 65, 66, 80", "You Marked ",
                           "    5, 17, 40, 66", "You Hit 3 Out Of  4"}));

    record.KindCode = "QP";
    const QStringList quickPick = Lines(record, PayoffTables{});
    EXPECT_EQ(quickPick[1], "Playing This 4 Spot Quick Pick Ticket");
    EXPECT_EQ(quickPick[6], "The Randomly Marked Numbers Were ");
}

// One game of every kind against its replay written by hand, every line.
TEST(ReplayText, EveryKindHasItsOwnWording) {
    QFile file(QStringLiteral(VELLORO_TESTS_DIR "/core/replay/golden/every-kind.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    // The text after each game's "==" line, split at those lines.
    const QStringList games = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n== "));
    ASSERT_EQ(games.size(), 16) << "the golden replays are missing or damaged";
    for (const QString& game : games.mid(1)) {
        QStringList lines = game.trimmed().split(QLatin1Char('\n'));
        const QString head = lines.takeFirst();
        const QStringList fields =
            head.section(QLatin1Char(':'), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList marked =
            head.section(QLatin1Char(':'), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_EQ(fields.size(), 5) << head.toStdString();
        GameRecord record = SampleDraw();
        record.TicketKind = static_cast<std::uint8_t>(fields[0].toInt());
        record.KindCode = fields[1] == QLatin1String("-") ? QString() : fields[1];
        record.GameWin = fields[2].toLongLong() * kDollar / 100;
        record.PricePerWay = fields[3].toLongLong() * kDollar / 100;
        record.Sets[1].Hits = static_cast<std::uint8_t>(fields[4].toInt());
        for (int i = 0; i < marked.size(); ++i)
            record.Sets[1].Numbers[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(marked[i].toInt());
        record.PayoffSpots = static_cast<std::uint8_t>(marked.size());
        record.SpotsPerSet = record.PayoffSpots;
        EXPECT_EQ(Lines(record, PayoffTables{}).join(QLatin1Char('\n')).toStdString(),
                  lines.join(QLatin1Char('\n')).toStdString())
            << head.toStdString();
    }
}

// A code its kind does not offer.
TEST(ReplayText, CodesTheKindsDoNotKnow) {
    GameRecord record = SampleDraw();
    record.TicketKind = 5;
    record.KindCode = "TB";  // not a Forty code
    EXPECT_TRUE(Lines(record, PayoffTables{}).isEmpty());
    record.TicketKind = 11;
    EXPECT_TRUE(Lines(record, PayoffTables{}).isEmpty());

    // A code the kinds do not know is written as the kind's other wording.
    const std::tuple<int, const char*, const char*> unknownCodes[] = {
        {6, "", "Playing This Left And Right Ticket"},
        {9, "X", "Playing This Inside Ticket"},
        {0, "Z", "Playing This 0 Spot Quick Pick Ticket"},
        {1, "", "Playing This 0 Spot All Catches Ticket"},
        {7, "QP", "Playing This 0 Spot Last Ball Ticket"},
    };
    for (const auto& [kind, code, ticketLine] : unknownCodes) {
        record.TicketKind = static_cast<std::uint8_t>(kind);
        record.KindCode = QString::fromLatin1(code);
        EXPECT_EQ(Lines(record, PayoffTables{}).value(1), ticketLine) << kind << code;
    }
}

// The golden replays hold a ticket that hit every mark and the last ball.
TEST(ReplayText, LastBallLineOnlyWhenEveryMarkAndTheLastBallHit) {
    GameRecord record = SampleDraw();  // 19 is drawn last
    record.TicketKind = 7;
    record.PayoffSpots = 3;
    record.SpotsPerSet = 3;
    Mark(record.Sets[1], {19, 66, 7}, 2);
    EXPECT_EQ(Lines(record, PayoffTables{}).last(), "You Hit 2 Out Of  3");
    Mark(record.Sets[1], {5, 66, 80}, 3);
    EXPECT_EQ(Lines(record, PayoffTables{}).last(), "You Hit 3 Out Of  3");
}

TEST(ReplayText, WayTicketWritesSetsBlocksAndTallies) {
    GameRecord record = SampleDraw();
    record.TicketKind = 10;
    record.GameWin = 9 * kDollar;
    record.PricePerWay = kDollar / 2;
    record.SpotsPerSet = 2;
    record.PayoffSpots = 2;
    record.CompletedSets = 3;
    record.Ways = 6;
    record.WayCounts[0] = 3;
    record.WayCounts[1] = 3;
    Mark(record.Sets[1], {12, 3}, 1);
    Mark(record.Sets[2], {40, 7}, 0);
    Mark(record.Sets[3], {66, 65}, 2);
    PayoffTables payoffs;
    payoffs.RegularPayoffs[1][2] = 12 * kDollar;
    payoffs.RegularPayoffs[3][2] = kDollar;
    payoffs.RegularPayoffs[3][3] = 5 * kDollar;
    payoffs.RegularPayoffs[3][4] = 100 * kDollar;

    const QString each = "        Each Paying ";
    EXPECT_EQ(Lines(record, payoffs), (QStringList{"You Won $9.00",
                                                   "Playing This Way Ticket",
                                                   "Price Per Way $0.50",
                                                   "Price Per Game $3.00",
                                                   "Twenty Balls Were Drawn",
                                                   "    1, 2, 3, 4, 5, 6, 8, 9, 10, 11,",
                                                   "    13, 14, 15, 16, 17, 18, 19, 65, 66, 80",
                                                   "In Set 1 You Marked 3, 12",
                                                   "In Set 2 You Marked 7, 40",
                                                   "In Set 3 You Marked 65, 66",
                                                   "You Bet On 3 Groups Of  2",
                                                   "    1 Times You Hit 0 Out Of  2",
                                                   each + "$0.00 For A Subtotal Of  $0.00",
                                                   "    1 Times You Hit 1 Out Of  2",
                                                   each + "$0.00 For A Subtotal Of  $0.00",
                                                   "    1 Times You Hit 2 Out Of  2",
                                                   each + "$6.00 For A Subtotal Of  $6.00",
                                                   "You Bet On 3 Groups Of  4",
                                                   "    0 Times You Hit 0 Out Of  4",
                                                   each + "$0.00 For A Subtotal Of  $0.00",
                                                   "    1 Times You Hit 1 Out Of  4",
                                                   each + "$0.00 For A Subtotal Of  $0.00",
                                                   "    1 Times You Hit 2 Out Of  4",
                                                   each + "$0.50 For A Subtotal Of  $0.50",
                                                   "    1 Times You Hit 3 Out Of  4",
                                                   each + "$2.50 For A Subtotal Of  $2.50",
                                                   "    0 Times You Hit 4 Out Of  4",
                                                   each + "$50.00 For A Subtotal Of  $0.00"}));

    record.WayCounts = {};
    record.WayCounts[2] = 1;
    const QStringList once = Lines(record, payoffs);
    EXPECT_EQ(once[10], "You Bet On 1 Group Of  6");
    EXPECT_EQ(once.size(), 11 + 2 * 7);
    EXPECT_EQ(once[11 + 2 * 3], "    1 Times You Hit 3 Out Of  6");
}

TEST(ReplayText, DamagedCountsStayInsideSetsAndTables) {
    GameRecord record = SampleDraw();
    for (int g = 1; g <= 80; ++g) Mark(record.Sets[static_cast<std::size_t>(g)], {1, 2}, 255);
    record.TicketKind = 10;
    record.SpotsPerSet = 200;
    record.CompletedSets = 255;
    record.PayoffSpots = 255;
    record.WayCounts.fill(5);
    const QStringList way = Lines(record, PayoffTables{});
    EXPECT_EQ(way.filter("In Set ").size(), 80);
    EXPECT_EQ(way.filter("You Bet On 5 Groups Of  ").size(), 15);
    EXPECT_EQ(way.filter(" Times You Hit ").size(), 15 * 21);

    record.TicketKind = 7;
    const QStringList lastBall = Lines(record, PayoffTables{});
    EXPECT_EQ(lastBall.filter("You Hit 255 Out Of  255").size(), 1);
    EXPECT_EQ(lastBall[8].count(','), 19);  // set 1's twenty places at most
}

TEST(ReplayText, ReadsOneSlotOrNothingWithoutAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Games.vlr");
    EXPECT_FALSE(ReadGame(path, 3).has_value());
    CreateHistoryFile(path);
    EXPECT_EQ(ReadGame(path, 999)->GameNumber, 999);
    file_bytes::writeAll(path, file_bytes::readAll(path).left(1800 * 5));
    try {
        ReadGame(path, 4);
        ADD_FAILURE() << "a slot past the end was read";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), "Games.vlr: Read beyond end of file");
    }
}
