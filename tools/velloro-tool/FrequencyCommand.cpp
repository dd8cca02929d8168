// velloro-tool frequency: the Ball Frequency Chart's labels.
#include "ToolCommand.h"
#include "core/records/BallFrequency.h"
#include "core/records/HistoryFile.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
const QCommandLineOption kGames{
    "games", "Count the last N games, 1 to 1000 (as the window opens: the games recorded).", "N"};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kGames}); }

int Run(const QCommandLineParser& parser) {
    const QString path = tool::FileValue(parser, kFile, kGamesFile);
    // As the window opens: N from the file, then the counts for it.
    const frequency::FrequencyChart chart = frequency::OpenFrequencyChart(path);
    int n = chart.games.n();
    frequency::BallCounts counts = chart.counts;
    if (parser.isSet(kGames)) {
        n = tool::IntValue(parser, kGames, 1, kHistorySlots);
        counts = frequency::CountBallsInFile(path, n);
    }
    tool::PrintLine(frequency::GamesLabel(n));
    for (int ball = 1; ball <= 80; ++ball)
        tool::PrintLine(frequency::CountLabel(ball, counts[static_cast<std::size_t>(ball)]));
    return 0;
}

const ToolCommandRegistration registration{
    {"frequency", "[options]",
     "The Ball Frequency Chart: the games label, then how often each number was drawn.", Declare,
     Run}};

}  // namespace
