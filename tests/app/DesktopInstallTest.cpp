#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

constexpr int kPatience = 120'000;  // ms; installing on a loaded machine is slow

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(kPatience)) {
        process.kill();
        process.waitForFinished(kPatience);
        return {-1, QStringLiteral("timed out")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// A stand-in for the game: notes the folder it was started in and its arguments.
class Sandbox {
  public:
    Sandbox() {
        mkdir("delivered");
        Write(path("game"), "#!/bin/sh\necho \"$PWD $*\" >> \"" + path("started").toUtf8() + "\"\n");
        QFile::setPermissions(path("game"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
        environment_.insert(QStringLiteral("VELLORO_GAME"), path("game"));
        environment_.insert(QStringLiteral("VELLORO_DELIVERED"), path("delivered"));
        environment_.insert(QStringLiteral("HOME"), path("home"));
        environment_.remove(QStringLiteral("XDG_DATA_HOME"));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void mkdir(const QString& name) { QDir(dir_.path()).mkpath(name); }
    QProcessEnvironment& environment() { return environment_; }
    Outcome launch(const QString& launcher, const QStringList& arguments = {}) {
        return RunProgram(launcher, arguments, environment_);
    }
    QStringList starts() const {
        return QString::fromUtf8(Read(path("started"))).split('\n', Qt::SkipEmptyParts);
    }

  private:
    QTemporaryDir dir_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

const QString kLauncher = QStringLiteral(VELLORO_BUILD_DIR "/velloro-launch");

}  // namespace

TEST(DesktopLauncher, FillsThePlayFolderOnceAndNeverTouchesThePlayersFiles) {
    Sandbox box;
    box.environment().insert(QStringLiteral("XDG_DATA_HOME"), box.path("xdg/data"));
    const QString folder = box.path("xdg/data/velloro");
    Write(box.path("delivered/cpos.vlr"), "schedules 1");
    Write(box.path("delivered/Keno.Mid"), "music 1");

    // First start: the folder is made and filled, the game starts in it.
    Outcome run = box.launch(kLauncher, {"--some-argument"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(Read(folder + "/cpos.vlr"), "schedules 1");
    EXPECT_EQ(Read(folder + "/Keno.Mid"), "music 1");
    EXPECT_EQ(box.starts(), QStringList{folder + " --some-argument"});

    // The player has played and saved; an update delivers new schedules, and
    // (by mistake) a history and tickets of its own.
    Write(folder + "/Games.vlr", "the player's history");
    Write(folder + "/Tickets.vlr", "the player's tickets");
    Write(box.path("delivered/cpos.vlr"), "schedules 2");
    Write(box.path("delivered/Games.vlr"), "delivered history");
    Write(box.path("delivered/Tickets.vlr"), "delivered tickets");
    run = box.launch(kLauncher);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(Read(folder + "/cpos.vlr"), "schedules 2");
    EXPECT_EQ(Read(folder + "/Keno.Mid"), "music 1");
    EXPECT_EQ(Read(folder + "/Games.vlr"), "the player's history");
    EXPECT_EQ(Read(folder + "/Tickets.vlr"), "the player's tickets");
    EXPECT_FALSE(QFileInfo::exists(folder + "/cpos.vlr.new"));
    EXPECT_EQ(box.starts().size(), 2);

    // A game holds the folder: its schedules stay as they are until it ends,
    // and the game is still started (to say that the folder is taken).
    Write(folder + "/Velloro.lock", "1234\nhost\nvelloro\n");
    Write(box.path("delivered/cpos.vlr"), "schedules 3");
    run = box.launch(kLauncher);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(Read(folder + "/cpos.vlr"), "schedules 2");
    EXPECT_EQ(box.starts().size(), 3);
}

TEST(DesktopLauncher, PlaysUnderHomeWithoutAnAbsoluteDataHomeAndStopsWhenNoFolderCanBeMade) {
    Sandbox box;
    Write(box.path("delivered/cpos.vlr"), "schedules");
    // A relative XDG_DATA_HOME is to be ignored.
    box.environment().insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("relative/data"));
    Outcome run = box.launch(kLauncher);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(Read(box.path("home/.local/share/velloro/cpos.vlr")), "schedules");
    EXPECT_EQ(box.starts(), QStringList{box.path("home/.local/share/velloro") + " "});

    // Where the folder cannot be made, the launcher says so and starts nothing.
    Write(box.path("a-file"), "not a folder");
    box.environment().insert(QStringLiteral("XDG_DATA_HOME"), box.path("a-file"));
    run = box.launch(kLauncher);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(box.path("a-file/velloro"))) << run.errors.toStdString();
    EXPECT_EQ(box.starts().size(), 1);
}

TEST(DesktopInstall, InstallsProgramsDataMenuEntryIconsAndMetainfo) {
    QTemporaryDir prefix;
    Outcome run = RunProgram(QStringLiteral(VELLORO_CMAKE_COMMAND),
                         {"--install", VELLORO_BUILD_DIR, "--prefix", prefix.path()},
                         QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QDir root(prefix.path());
    for (const char* program : {"bin/velloro", "bin/velloro-tool", "bin/velloro-launch"})
        EXPECT_TRUE(QFileInfo(root.filePath(program)).isExecutable()) << program;
    EXPECT_EQ(Read(root.filePath("share/velloro/cpos.vlr")),
              Read(QStringLiteral(VELLORO_BUILD_DIR "/cpos.vlr")));

    const QString entry = QString::fromUtf8(Read(root.filePath("share/applications/io.github.velloro.Velloro.desktop")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=velloro-launch\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=velloro\n")));
    EXPECT_TRUE(QFileInfo::exists(root.filePath("share/icons/hicolor/scalable/apps/velloro.svg")));
    for (int size : {16, 32, 48, 256}) {
        QImageReader icon(root.filePath(
            QStringLiteral("share/icons/hicolor/%1x%1/apps/velloro.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    const QString metainfo = QString::fromUtf8(Read(root.filePath("share/metainfo/io.github.velloro.Velloro.metainfo.xml")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">io.github.velloro.Velloro.desktop</launchable>")));
    EXPECT_FALSE(metainfo.contains('@')) << "unconfigured placeholder";

    // The installed launcher finds the installed game data beside it.
    Sandbox box;
    box.environment().insert(QStringLiteral("XDG_DATA_HOME"), box.path("data"));
    box.environment().remove(QStringLiteral("VELLORO_DELIVERED"));
    run = box.launch(root.filePath("bin/velloro-launch"));
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(Read(box.path("data/velloro/cpos.vlr")), Read(root.filePath("share/velloro/cpos.vlr")));
}
