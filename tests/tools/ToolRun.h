#pragma once

#include <QProcess>
#include <QStringList>

// One run of the velloro-tool executable the build made, in `directory`,
// under the system locale `locale` when one is given ("de_DE.UTF-8").
struct ToolRun {
    int status = -1;  // -1 when it did not finish within a minute
    QByteArray output;
    QString errors;

    // Standard output line by line, without the empty rest after the last newline.
    QStringList lines() const {
        QStringList all = QString::fromUtf8(output).split('\n');
        if (!all.isEmpty() && all.last().isEmpty()) all.removeLast();
        return all;
    }
};

inline ToolRun RunTool(const QStringList& arguments, const QString& directory = {},
                       const QString& locale = {}) {
    QProcess process;
    process.setWorkingDirectory(directory);
    if (!locale.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(VELLORO_TOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60'000)) return run;
    run.status = process.exitCode();
    run.output = process.readAllStandardOutput();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}
