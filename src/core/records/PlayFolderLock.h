#pragma once

#include <QLockFile>
#include <QString>

// One game per play folder: the lock file "Velloro.lock" beside the record
// files, held from start-up to exit by the game and, while they write, by
// tool commands that write a record file. Reading needs no lock.
//
// A lock is stale, and taken over, when the process named in it is gone:
// the file holds the owner's process id, host and program name, and on the
// same host an owner whose id no longer runs, or now runs another program,
// has left it behind. The owner also holds a kernel lock on the file, so a
// running game's lock is never removed. Its age does not count: a game may
// run for days. A lock written on another host (a shared folder) is never
// taken as stale; the refusal names the host so the player can decide.
class PlayFolderLock {
  public:
    static constexpr const char* kFileName = "Velloro.lock";

    enum class Outcome {
        Held,          // this process holds the folder
        TakenByOther,  // another running copy holds it
        Unusable,      // the lock file cannot be written (a read-only folder, ...)
    };

    explicit PlayFolderLock(const QString& folder);
    PlayFolderLock(const PlayFolderLock&) = delete;
    PlayFolderLock& operator=(const PlayFolderLock&) = delete;

    // Takes the folder, or tells why not; never waits.
    Outcome acquire();

    QString folder() const { return folder_; }
    QString lockFilePath() const;
    // "Velloro is already running in this folder: /home/pat/play", and the
    // host of the owner when it is another one.
    QString refusal() const;
    // Why an Unusable lock file could not be written: "Permission denied", ...
    QString unusableReason() const;

  private:
    QString folder_;
    QLockFile lock_;
};
