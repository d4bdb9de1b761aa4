// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceLock.h"

#include "support/ModalScript.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace qv {
namespace {

using test::ModalScript;
using test::SeenBox;
using test::TempDir;

// Whether a new copy may start on `folder`; `box` records its message.
bool Starts(const std::string& folder, SeenBox* box)
{
    ModalScript script;
    script.thenMessageBox(box);
    InstanceLock lock(folder);
    return lock.Acquire();
}

TEST(InstanceLock, ASecondCopyOnTheSameFolderIsToldAndStopped)
{
    TempDir dir, other;
    SeenBox box;
    {
        InstanceLock first(dir.path());
        ASSERT_TRUE(first.Acquire());
        // A copy that has been open for hours still holds its packages.
        QFile lockFile(QString::fromStdString(dir.file(InstanceLockFileName)));
        ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
        lockFile.close();
        EXPECT_FALSE(Starts(dir.path(), &box));
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.title, QStringLiteral("Quantova"));
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Quantova is already running with these packages:\n")));
        EXPECT_TRUE(box.text.contains(QString::fromStdString(dir.path()))) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QString::fromStdString(dir.file(InstanceLockFileName))));

        SeenBox none;
        EXPECT_TRUE(Starts(other.path(), &none)) << "another folder is another set of packages";
        EXPECT_FALSE(none.seen);
    }
    SeenBox none;
    EXPECT_TRUE(Starts(dir.path(), &none)) << "the first copy has ended";
    EXPECT_FALSE(none.seen);
}

// A copy that crashed leaves its lock file behind; the next start takes it
// over, however recent it is.
TEST(InstanceLock, ALockLeftByACrashedCopyIsTakenOver)
{
    TempDir dir;
    const QString lockPath = QString::fromStdString(dir.file(InstanceLockFileName));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(lockPath);
        _exit(held.tryLock(0) ? 0 : 1);  // no unlock: the file stays
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lockPath));

    SeenBox none;
    EXPECT_TRUE(Starts(dir.path(), &none));
    EXPECT_FALSE(none.seen);
}

// What lies where the lock goes, and whether a start takes it over or is
// refused with a message naming the lock file.
struct LockCase {
    const char* name;
    std::function<void(const std::string& dir, const std::string& lock)> plant;
    const char* refusal;  // nullptr: the start goes on
};

const LockCase LockCases[] = {
    {"an empty lock file", [](const std::string&, const std::string& lock) { test::WriteFileText(lock, ""); }, nullptr},
    {"a lock file of garbage",
     [](const std::string&, const std::string& lock) { test::WriteFileText(lock, "\x01\x02 not a lock\n"); }, nullptr},
    {"a link to another file",
     [](const std::string& dir, const std::string& lock) {
         test::WriteFileText(dir + "victim", "keep");
         std::filesystem::create_symlink(dir + "victim", lock);
     },
     nullptr},
    {"a dangling link",
     [](const std::string& dir, const std::string& lock) { std::filesystem::create_symlink(dir + "gone", lock); },
     nullptr},
    {"a folder", [](const std::string&, const std::string& lock) { std::filesystem::create_directory(lock); },
     "is not a regular file"},
    {"the lock of a copy on another computer",
     [](const std::string&, const std::string& lock) { test::WriteFileText(lock, "4242\nquantova\nfar-away\x07\n"); },
     "Quantova on the computer \"far-away?\" is using these packages"},
};

TEST(InstanceLock, LocksThatAreNoRunningCopyAreTakenOverOrExplained)
{
    for (const LockCase& c : LockCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string lock = dir.file(InstanceLockFileName);
        c.plant(dir.path(), lock);
        SeenBox box;
        EXPECT_EQ(Starts(dir.path(), &box), c.refusal == nullptr) << box.text.toStdString();
        if (c.refusal) {
            EXPECT_TRUE(box.text.contains(QString::fromUtf8(c.refusal))) << box.text.toStdString();
            EXPECT_TRUE(box.text.contains(QString::fromStdString(lock))) << box.text.toStdString();
        } else {
            EXPECT_FALSE(box.seen) << box.text.toStdString();
        }
        if (std::filesystem::exists(dir.file("victim"))) {
            EXPECT_EQ(test::ReadFileText(dir.file("victim")), "keep");
        }
    }
}

}  // namespace
}  // namespace qv
