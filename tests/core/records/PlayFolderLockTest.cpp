#include <gtest/gtest.h>
#include <sys/file.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/records/PlayFolderLock.h"

// A lock written on another machine sharing the folder cannot be checked from
// here: it is kept, and the refusal says where the game was started and which
// file to delete if it no longer runs.
TEST(PlayFolderLockTest, LockFromAnotherHostIsKeptAndNamed) {
    QTemporaryDir folder;
    const QString path = folder.filePath(PlayFolderLock::kFileName);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("4242\nvelloro\nfaraway\n0123456789abcdef\nfedcba9876543210\n");
    file.close();

    PlayFolderLock lock(folder.path());
    EXPECT_EQ(lock.acquire(), PlayFolderLock::Outcome::TakenByOther);
    EXPECT_TRUE(lock.refusal().contains("It was started on faraway."))
        << lock.refusal().toStdString();
    EXPECT_TRUE(lock.refusal().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(QFile::exists(path));
}

// A lock file cut short by a kill, or holding what no game writes, names no
// owner that could still run: it is taken over, with a note. One whose kernel
// lock is held is kept whatever it holds: its owner runs.
TEST(PlayFolderLockTest, UnreadableLockIsTakenOverUnlessItsOwnerHoldsIt) {
    for (const QByteArray& content : {QByteArray(), QByteArray("\xff\xfe\n\n"), QByteArray("12")}) {
        QTemporaryDir folder;
        const QString path = folder.filePath(PlayFolderLock::kFileName);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        {
            QFile held(path);
            ASSERT_TRUE(held.open(QIODevice::ReadOnly));
            ASSERT_EQ(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
            PlayFolderLock lock(folder.path());
            EXPECT_EQ(lock.acquire(), PlayFolderLock::Outcome::TakenByOther);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), content);
            file.close();
        }
        {
            PlayFolderLock lock(folder.path());
            EXPECT_EQ(lock.acquire(), PlayFolderLock::Outcome::Held) << content.toHex().data();
            EXPECT_TRUE(lock.takeOverNote().contains(QDir::toNativeSeparators(path)));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll().startsWith(
                QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
            file.close();
            // Nothing but the lock is left in the folder.
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{PlayFolderLock::kFileName});
        }
        EXPECT_FALSE(QFile::exists(path));
    }
}
