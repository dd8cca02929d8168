// A saved tickets file of any bytes: the names the dialog lists, every
// restore with its checks, a restored ticket put on the board and played, and
// then a save and a delete, which must never touch a record they do not name.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "core/records/IoError.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/state/RandomSource.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/TicketKinds.h"
#include "core/ticket/WayTicket.h"
#include "core/tickets/TicketFile.h"
#include "game/TableControls.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/QuietTable.h"

namespace {

using Bytes = QByteArray;

const QString& ticketsPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Tickets.vlr"));
    return path;
}

Bytes content() {
    QFile file(ticketsPath());
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    return file.readAll();
}

Bytes record(const Bytes& all, qsizetype n) {
    return all.mid(n * static_cast<qsizetype>(kTicketRecordSize),
                   static_cast<qsizetype>(kTicketRecordSize));
}

// The board's side of a restore, by the table's own ticket builder, then one game.
void putOnBoardAndPlay(const SavedTicket& ticket, std::minstd_rand& choice) {
    GameState state;
    const PayoffSchedule schedule = schedule_design::Design(0);
    state.Payoffs = schedule.Tables;
    state.AggregateLimit = schedule.AggregateLimit;
    state.SoundsOn = false;
    for (int k = 1; k <= kSetCount; ++k)
        state.Sets[static_cast<std::size_t>(k)].Hits = choice() % 21;
    RestoreTicketToState(ticket, state);

    StepLog log;
    FakeTableView view(log);
    FakeWaiter waiter(log);
    SilentSoundPlayer sounds;
    TableControls table(state, view, sounds, waiter);
    QuietWayRows rows;
    TicketBuilder builder(table, rows);
    builder.putRestoredTicket();
    // Every number put on the board is a board number, and on it once.
    std::array<bool, 81> placed{};
    for (int s = 1; s <= kSetCount && state.Sets[static_cast<std::size_t>(s)].number(1) != 0; ++s) {
        const TicketSet& set = state.Sets[static_cast<std::size_t>(s)];
        for (int p = 1; p <= TicketSet::kSlots && set.number(p) != 0; ++p) {
            const int n = set.number(p);
            if (n > board::kNumbers || placed[static_cast<std::size_t>(n)]) std::abort();
            placed[static_cast<std::size_t>(n)] = true;
        }
    }

    // One game: 20 distinct balls.
    ForgetDraw(state);
    std::array<bool, 81> drawn{};
    int ball = 1 + static_cast<int>(choice() % 80);
    for (std::uint8_t& slot : state.Drawn) {
        while (drawn[static_cast<std::size_t>(ball)]) ball = ball % 80 + 1;
        drawn[static_cast<std::size_t>(ball)] = true;
        slot = static_cast<std::uint8_t>(ball);
        CatchBall(state, ball);
        ball = 1 + static_cast<int>((ball + choice()) % 80);
    }
    RandomSource random([] { return 0u; });
    EvaluateGame(state, random);
    if (state.GameWin < 0 || state.GameWin > state.AggregateLimit || state.Balance != state.GameWin)
        std::abort();
}

// A save or a delete that fails leaves every byte; one that succeeds changes
// only the record it names (a delete moves the last record into its place).
void saveAndDelete(const QStringList& names, std::minstd_rand& choice) {
    TicketFile file(ticketsPath());
    const Bytes before = content();
    const qsizetype size = static_cast<qsizetype>(kTicketRecordSize);
    GameState state;
    state.Sets[1].Numbers[0] = static_cast<std::uint8_t>(1 + choice() % 80);
    state.SpotsMarked = 1;
    state.PricePerWay = 500;
    state.NumberOfGames = 1;
    const QString name = names.isEmpty() || choice() % 2
                             ? QStringLiteral("new %1").arg(choice() % 4)
                             : names[static_cast<qsizetype>(choice() % names.size())];
    try {
        const TicketFile::Saved saved = file.save(SavedTicketFromState(state, name));
        const Bytes after = content();
        if (saved == TicketFile::Saved::Appended &&
            (after.size() != before.size() + size || !after.startsWith(before)))
            std::abort();
        if (saved == TicketFile::Saved::Overwritten) {
            if (after.size() != before.size()) std::abort();
            int changed = 0;
            for (qsizetype n = 0; n * size < after.size(); ++n)
                changed += record(after, n) != record(before, n);
            if (changed > 1) std::abort();
        }
    } catch (const IoError&) {
        if (content() != before) std::abort();
    }

    const Bytes beforeDelete = content();
    const QString gone =
        names.isEmpty() ? name : names[static_cast<qsizetype>(choice() % names.size())];
    try {
        const TicketFile::Deleted deleted = file.remove(gone);
        if (deleted == TicketFile::Deleted::NotFound && content() != beforeDelete) std::abort();
        if (deleted == TicketFile::Deleted::Moved) {
            const Bytes after = content();
            if (after.size() != beforeDelete.size() - size) std::abort();
            const Bytes last = record(beforeDelete, beforeDelete.size() / size - 1);
            int moved = 0;
            for (qsizetype n = 0; n * size < after.size(); ++n) {
                if (record(after, n) == record(beforeDelete, n)) continue;
                if (record(after, n) != last) std::abort();
                ++moved;
            }
            if (moved > 1) std::abort();
        }
    } catch (const IoError&) {
        if (content() != beforeDelete) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte seeds the choices of the board and the save; the rest is the file.
    std::minstd_rand choice(size > 0 ? data[0] + 1u : 1u);
    const std::size_t skip = std::min<std::size_t>(size, 1);
    {
        QFile file(ticketsPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data + skip), static_cast<qint64>(size - skip));
    }

    TicketFile file(ticketsPath());
    QStringList names;
    try {
        names = file.names();
    } catch (const IoError&) {
        std::abort();  // a readable file always lists its names
    }
    for (const QString& name : names) {
        try {
            const std::optional<SavedTicket> ticket = file.restore(name);
            if (!ticket) std::abort();  // a listed name is found
            // What passed the checks passes them again as it would be saved.
            if (!SavedTicketDamage(EncodeSavedTicket(*ticket)).isEmpty()) std::abort();
            putOnBoardAndPlay(*ticket, choice);
        } catch (const IoError&) {
        }
    }
    saveAndDelete(names, choice);
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
