// Placeholder until the schedule generator lands: writes nothing useful.
#include <QFile>

#include "ToolCommand.h"

static int runSchedules(const QStringList& arguments) {
    if (arguments.value(0) != "make") return tool::usageError("schedules make [--out FILE]");
    QFile out(tool::optionValue(arguments, "--out", "cpos.vlr"));
    if (!out.open(QIODevice::WriteOnly)) return tool::fileError(out.fileName() + ": cannot write");
    return 0;
}

static const ToolCommandRegistration registration{"schedules", "schedules make [--out FILE]",
                                                  runSchedules};
