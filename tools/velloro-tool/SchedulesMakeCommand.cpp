// velloro-tool schedules make: writes the delivered payoff schedules.
#include <QFileInfo>

#include "ToolCommand.h"
#include "core/records/IoError.h"
#include "core/records/PlayFolderLock.h"
#include "core/records/RecordFile.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ScheduleDesign.h"

namespace {

const QCommandLineOption kOut{"out", "The file to write (cpos.vlr), replaced if it exists.",
                              "FILE"};

void Declare(QCommandLineParser& parser) { parser.addOption(kOut); }

int Run(const QCommandLineParser& parser) {
    const QString out = tool::FileValue(parser, kOut, kSchedulesFile);
    std::vector<std::uint8_t> all;
    for (const PayoffSchedule& schedule : schedule_design::DesignAll()) {
        const auto record = EncodeSchedule(schedule);
        all.insert(all.end(), record.begin(), record.end());
    }
    // A game reads its schedules while it runs: the folder is taken as the game
    // takes it. A folder that cannot hold the lock file is left to the write to report.
    PlayFolderLock lock(QFileInfo(out).absolutePath());
    if (lock.acquire() == PlayFolderLock::Outcome::TakenByOther)
        throw IoError(QFileInfo(out).fileName(),
                      QStringLiteral("Velloro is already running in this folder"));
    if (!lock.takeOverNote().isEmpty()) tool::PrintNote(lock.takeOverNote());
    RecordFile file(out, kScheduleRecordSize, RecordFile::Mode::Create);
    file.append(all);
    return 0;
}

const ToolCommandRegistration registration{
    {"schedules make", "[options]", "Writes the 100 delivered payoff schedules.", Declare, Run}};

}  // namespace
