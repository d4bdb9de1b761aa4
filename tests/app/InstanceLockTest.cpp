#include "app/InstanceLock.h"

#include "support/ModalScript.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

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
        ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                                         QFileDevice::FileModificationTime));
        lockFile.close();
        EXPECT_FALSE(Starts(dir.path(), &box));
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.title, QStringLiteral("Quantova"));
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Quantova is already running with these packages:\n")));
        EXPECT_TRUE(box.text.contains(QString::fromStdString(dir.path()))) << box.text.toStdString();

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

}  // namespace
}  // namespace qv
