#pragma once

#include <QString>
#include <cstdint>

// One game per play folder: the lock file "Velloro.lock" beside the record
// files, held from start-up to exit by the game and, while they write, by
// tool commands that write a record file. Reading needs no lock.
//
// The file holds the owner's process id, program, host, machine and boot, and
// appears whole: it is written under another name and linked into place, so a
// kill at any moment leaves either no lock or a complete one. The owner also
// holds a kernel lock on it, so a running owner's lock is never removed.
//
// A lock is stale, and taken over, when its owner is gone: on the same host and
// boot, an owner whose id no longer runs, or now runs another program, has left
// it behind, and so has every owner before the machine restarted. A file whose
// content cannot be read (left by another program, or damaged) is taken over
// too, with a note. Its age does not count: a game may run for days. A lock
// written on another host (a shared folder) is never taken as stale; the
// refusal names the host so the player can decide.
class PlayFolderLock {
  public:
    static constexpr const char* kFileName = "Velloro.lock";

    enum class Outcome {
        Held,          // this process holds the folder
        TakenByOther,  // another running copy holds it
        Unusable,      // the lock file cannot be written (a read-only folder, ...)
    };

    explicit PlayFolderLock(const QString& folder);
    ~PlayFolderLock();
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
    QString unusableReason() const { return unusableReason_; }
    // Non-empty when acquire() took over a lock file it could not read: what
    // to tell on standard error.
    QString takeOverNote() const { return takeOverNote_; }

  private:
    enum class Verdict { Stale, Unreadable, Running, Vanished };
    Verdict inspect(int candidate);
    void release();

    QString folder_;
    int handle_ = -1;  // the held lock file, with its kernel lock
    QString ownerHost_;
    QString unusableReason_;
    QString takeOverNote_;
};
