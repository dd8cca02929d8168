#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/tickets/SavedTicket.h"

// The saved tickets file. Each operation opens and closes it; a change
// replaces the whole file at once (written beside it, then renamed), so an
// interrupted save or delete never leaves half a file. Every failure throws
// IoError naming the file and the reason, and leaves the file as it was.
class TicketFile {
  public:
    explicit TicketFile(QString path);

    bool exists() const;

    // The stored names in file order; none when there is no file.
    QStringList names() const;
    // Every record in file order, as stored (damaged ones included).
    std::vector<SavedTicket> tickets() const;

    enum class Saved { Created, Overwritten, Appended };
    // Overwrites the first record whose stored name is the ticket's name (both
    // cut to 30 characters), else appends; creates the file when missing.
    Saved save(const SavedTicket& ticket);

    // The first record named exactly `name` (letter case counts); nullopt when
    // none is. Throws IoError for a damaged record, which is never handed out.
    std::optional<SavedTicket> restore(const QString& name) const;

    enum class Deleted { NotFound, Moved, FileRemoved };
    // Deletes the last record named exactly `name`: the last record takes its
    // place and the file shrinks by one; deleting the only record deletes the
    // file. A name not found changes nothing.
    Deleted remove(const QString& name);

  private:
    // The file's records. A file that is not a whole number of records is
    // refused when it is about to be rewritten (`forChange`), so nothing of it is lost.
    std::vector<std::vector<std::uint8_t>> readRecords(bool forChange) const;
    void writeRecords(const std::vector<std::vector<std::uint8_t>>& records) const;
    [[noreturn]] void fail(const QString& reason) const;

    QString path_;
};

// The saved tickets file in the working directory.
inline const QString kTicketsFile = QStringLiteral("Tickets.vlr");

// Names in the order the dialog lists them: alphabetical in the player's
// language, letter case aside; names equal but for case keep a fixed order.
QStringList AlphabeticalNames(QStringList names);
