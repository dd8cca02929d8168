#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <map>

#include "core/records/PlayFolderLock.h"
#include "tools/ToolRun.h"

namespace {

constexpr int kPatience = 60'000;  // ms; a loaded machine starts the game slowly

// The game itself, started in a folder, off screen and without sound.
class GameProcess {
  public:
    explicit GameProcess(const QString& folder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(folder);
        process_.start(QFileInfo(QStringLiteral(VELLORO_TOOL_PATH)).dir().filePath("velloro"), {});
    }
    ~GameProcess() {
        process_.kill();
        process_.waitForFinished(kPatience);
    }

    qint64 pid() const { return process_.processId(); }
    bool running() const { return process_.state() == QProcess::Running; }
    void kill() {
        process_.kill();
        process_.waitForFinished(kPatience);
    }
    // Waits, within the patience, until `done` holds or the game has ended.
    template <typename Condition>
    bool waitFor(Condition done) {
        const QDeadlineTimer deadline(kPatience);
        while (!done()) {
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
            process_.waitForFinished(50);
        }
        return true;
    }
    // The exit status of a game that ended normally within the patience, or -1.
    int normalExit() {
        if (!process_.waitForFinished(kPatience) || process_.exitStatus() != QProcess::NormalExit)
            return -1;
        return process_.exitCode();
    }
    QString errors() {
        errors_ += QString::fromUtf8(process_.readAllStandardError());
        return errors_;
    }

  private:
    QProcess process_;
    QString errors_;
};

qint64 LockOwner(const QString& folder) {
    QLockFile lock(QDir(folder).filePath(PlayFolderLock::kFileName));
    qint64 pid = 0;
    QString host;
    QString program;
    return lock.getLockInfo(&pid, &host, &program) ? pid : 0;
}

// The game holds the folder and its history is written in full.
bool Playing(GameProcess& game, const QString& folder) {
    return game.waitFor([&] {
        return LockOwner(folder) == game.pid() &&
               QFileInfo(QDir(folder).filePath("Games.vlr")).size() == 1001 * 1800;
    });
}

std::map<QString, QByteArray> Files(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly)) files[info.fileName()] = file.readAll();
    }
    return files;
}

class OneGamePerFolder : public ::testing::Test {
  protected:
    QString playFolder() {
        auto folder = std::make_unique<QTemporaryDir>();
        const QString path = folder->path();
        EXPECT_EQ(RunTool({"schedules", "make"}, path).status, 0);
        folders_.push_back(std::move(folder));
        return path;
    }
    std::vector<std::unique_ptr<QTemporaryDir>> folders_;
};

}  // namespace

TEST_F(OneGamePerFolder, SecondCopyIsRefusedAndTheFirstsFilesStayAsTheyWere) {
    const QString folder = playFolder();
    GameProcess first(folder);
    ASSERT_TRUE(Playing(first, folder));
    // A game that has run for an hour still holds its folder.
    QFile lockFile(QDir(folder).filePath(PlayFolderLock::kFileName));
    ASSERT_TRUE(lockFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
    lockFile.close();
    const auto before = Files(folder);

    // The tool reads while the game runs, and does not write in its folder.
    const ToolRun history = RunTool({"history"}, folder);
    EXPECT_EQ(history.status, 0);
    EXPECT_EQ(history.lines().size(), 1000);
    const ToolRun make = RunTool({"schedules", "make"}, folder);
    EXPECT_EQ(make.status, 1);
    EXPECT_EQ(make.errors, "cpos.vlr: Velloro is already running in this folder\n");

    GameProcess second(folder);
    const QString refusal = QStringLiteral("Velloro is already running in this folder: ") +
                            QDir::toNativeSeparators(QDir(folder).absolutePath());
    EXPECT_TRUE(second.waitFor([&] { return second.errors().contains(refusal); }))
        << second.errors().toStdString();
    second.kill();

    EXPECT_TRUE(Files(folder) == before);
    EXPECT_TRUE(first.running());
    EXPECT_EQ(LockOwner(folder), first.pid());
}

TEST_F(OneGamePerFolder, CopiesInTwoFoldersRunSideBySide) {
    const QString one = playFolder();
    const QString two = playFolder();
    GameProcess first(one);
    GameProcess second(two);
    EXPECT_TRUE(Playing(first, one));
    EXPECT_TRUE(Playing(second, two));
}

TEST_F(OneGamePerFolder, LockOfAKilledCopyIsTakenOver) {
    const QString folder = playFolder();
    GameProcess killed(folder);
    ASSERT_TRUE(Playing(killed, folder));
    killed.kill();
    ASSERT_TRUE(QFile::exists(QDir(folder).filePath(PlayFolderLock::kFileName)));

    GameProcess next(folder);
    EXPECT_TRUE(Playing(next, folder)) << next.errors().toStdString();
}

// A logout (SIGTERM), Ctrl+C in a terminal (SIGINT) or the terminal gone
// (SIGHUP) end the game as Exit does: a normal exit, the lock let go.
TEST_F(OneGamePerFolder, StopSignalsEndTheGameAsExitDoes) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        const QString folder = playFolder();
        GameProcess game(folder);
        ASSERT_TRUE(Playing(game, folder));
        ASSERT_EQ(::kill(static_cast<pid_t>(game.pid()), number), 0);
        EXPECT_EQ(game.normalExit(), 0) << number;
        EXPECT_FALSE(QFile::exists(QDir(folder).filePath(PlayFolderLock::kFileName))) << number;
        EXPECT_EQ(QFileInfo(QDir(folder).filePath("Games.vlr")).size(), 1001 * 1800);
    }
}
