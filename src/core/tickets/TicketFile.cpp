#include "core/tickets/TicketFile.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/records/IoError.h"
#include "core/records/RecordFile.h"

namespace {

using Record = std::vector<std::uint8_t>;

// The name bytes as stored, cut to their field.
QByteArray nameBytes(const Record& record) {
    const int length = std::min<int>(record[ticket_offsets::kTicketName], kTicketNameLength);
    return QByteArray(reinterpret_cast<const char*>(record.data()) + 1, length);
}

}  // namespace

TicketFile::TicketFile(QString path) : path_(std::move(path)) {}

bool TicketFile::exists() const { return QFileInfo::exists(path_); }

void TicketFile::fail(const QString& reason) const {
    throw IoError(QFileInfo(path_).fileName(), reason);
}

std::vector<Record> TicketFile::readRecords(bool forChange) const {
    QFile file(path_);
    if (!QFileInfo::exists(path_)) fail(QStringLiteral("File not found"));
    if (!file.open(QIODevice::ReadOnly))
        fail(file.error() == QFileDevice::PermissionsError ? QStringLiteral("File access denied")
                                                           : file.errorString());
    const QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError) fail(file.errorString());
    const auto size = static_cast<std::size_t>(all.size());
    if (forChange && size % kTicketRecordSize != 0)
        fail(QStringLiteral("Damaged saved tickets: %1 bytes are not a whole number of %2-byte "
                            "records; nothing was changed")
                 .arg(all.size())
                 .arg(kTicketRecordSize));
    std::vector<Record> records;
    for (std::size_t at = 0; at + kTicketRecordSize <= size; at += kTicketRecordSize) {
        const auto* begin = reinterpret_cast<const std::uint8_t*>(all.constData()) + at;
        records.emplace_back(begin, begin + kTicketRecordSize);
    }
    return records;
}

void TicketFile::writeRecords(const std::vector<Record>& records) const {
    std::vector<std::uint8_t> all;
    all.reserve(records.size() * kTicketRecordSize);
    for (const Record& record : records) all.insert(all.end(), record.begin(), record.end());
    WriteWholeFile(path_, all);
}

QStringList TicketFile::names() const {
    QStringList names;
    for (const SavedTicket& ticket : tickets()) names.append(ticket.TicketName);
    return names;
}

std::vector<SavedTicket> TicketFile::tickets() const {
    std::vector<SavedTicket> tickets;
    if (!exists()) return tickets;
    for (const Record& record : readRecords(false)) tickets.push_back(DecodeSavedTicket(record));
    return tickets;
}

TicketFile::Saved TicketFile::save(const SavedTicket& ticket) {
    const Record record = EncodeSavedTicket(ticket);
    if (!exists()) {
        writeRecords({record});
        return Saved::Created;
    }
    std::vector<Record> records = readRecords(true);
    const QByteArray name = StoredName(ticket.TicketName);
    for (Record& stored : records) {
        if (nameBytes(stored) == name) {
            stored = record;
            writeRecords(records);
            return Saved::Overwritten;
        }
    }
    records.push_back(record);
    writeRecords(records);
    return Saved::Appended;
}

std::optional<SavedTicket> TicketFile::restore(const QString& name) const {
    if (!exists()) return std::nullopt;
    for (const Record& record : readRecords(false)) {
        SavedTicket ticket = DecodeSavedTicket(record);
        if (ticket.TicketName != name) continue;
        const QString damage = SavedTicketDamage(record);
        if (!damage.isEmpty())
            fail(QStringLiteral("Damaged saved ticket \"%1\": %2; it cannot be restored")
                     .arg(name, damage));
        return ticket;
    }
    return std::nullopt;
}

TicketFile::Deleted TicketFile::remove(const QString& name) {
    if (!exists()) return Deleted::NotFound;
    std::vector<Record> records = readRecords(true);
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (DecodeSavedTicket(records[i]).TicketName == name) found = i;
    if (!found) return Deleted::NotFound;
    if (records.size() < 2) {
        if (!QFile::remove(path_)) fail(QStringLiteral("File access denied"));
        return Deleted::FileRemoved;
    }
    records[*found] = records.back();
    records.pop_back();
    writeRecords(records);
    return Deleted::Moved;
}

QStringList AlphabeticalNames(QStringList names) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
