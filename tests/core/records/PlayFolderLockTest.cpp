#include <gtest/gtest.h>

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
