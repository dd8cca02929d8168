// velloro-tool music make: writes the game's background music.
#include <QSaveFile>

#include "ToolCommand.h"
#include "core/records/IoError.h"
#include "core/records/RecordFile.h"
#include "core/sound/KenoTune.h"
#include "core/sound/MidiFile.h"

namespace {

const QCommandLineOption kOut{"out", "The file to write (Keno.Mid), replaced if it exists.",
                              "FILE"};

void Declare(QCommandLineParser& parser) { parser.addOption(kOut); }

int Run(const QCommandLineParser& parser) {
    const QString out = tool::FileValue(parser, kOut, "Keno.Mid");
    // Written whole or not at all: a game may be playing the old one.
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(WriteMidiFile(KenoTune())) < 0 ||
        !CommitWhole(file))
        throw IoError(out, file.errorString());
    return 0;
}

const ToolCommandRegistration registration{{"music make", "[options]",
                                            "Writes the background music, a one-minute MIDI tune.",
                                            Declare, Run}};

}  // namespace
