// velloro-tool tickets: the saved tickets in file order, one line each.
#include "ToolCommand.h"
#include "core/records/IoError.h"
#include "core/tickets/TicketFile.h"

namespace {

const QCommandLineOption kFile{"file", "The saved tickets to read (Tickets.vlr).", "FILE"};

void Declare(QCommandLineParser& parser) { parser.addOption(kFile); }

// "Lucky<TAB>QP<TAB>7 spots<TAB>1 set<TAB>1 way<TAB>$1.00<TAB>5 games"
QString TicketLine(const SavedTicket& ticket) {
    const auto counted = [](std::int64_t n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    const int spots = ticket.SpotsPerSet > 0 ? ticket.SpotsPerSet : ticket.SpotsMarked;
    const QStringList fields = {
        ticket.TicketName,
        ticket.KindCode.isEmpty() ? QStringLiteral("-") : ticket.KindCode,
        counted(spots, "spot", "spots"),
        counted(PlayedSetCount(ticket), "set", "sets"),
        counted(ticket.Ways, "way", "ways"),
        money::Currency(ticket.PricePerWay),
        counted(ticket.NumberOfGames, "game", "games"),
    };
    return fields.join(QLatin1Char('\t'));
}

int Run(const QCommandLineParser& parser) {
    const TicketFile file(tool::FileValue(parser, kFile, kTicketsFile));
    if (!file.exists())
        throw IoError(tool::FileValue(parser, kFile, kTicketsFile), "File not found");
    for (const SavedTicket& ticket : file.tickets()) tool::PrintLine(TicketLine(ticket));
    return 0;
}

const ToolCommandRegistration registration{
    {"tickets", "[options]", "One line per saved ticket, in file order.", Declare, Run}};

}  // namespace
